// The bare baseline: an empty Qt Widgets window of the main window's size.
#include "shown.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(681, 550 + 22);
    window.show();
    return ReportShown(&window, argc, argv);
}
