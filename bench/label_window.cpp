// The one-label baseline: a window of the main window's size showing one line of text, so that a
// font is loaded and text is shaped and drawn, as any real window does.
#include "shown.h"

#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("The Moon has a strong influence on magick rituals."));
    window.resize(681, 550 + 22);
    window.show();
    return ReportShown(&window, argc, argv);
}
