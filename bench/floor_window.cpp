// The floor baseline: the main window's own form with its style sheet removed, its colours set by
// palette: the widgets every start-up of Lunetide has to build and paint.
#include "shown.h"
#include "ui/look/look.h"

#include "ui_floor_window.h"

#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lunetide::ui::InstallFontSubstitutes();
    QMainWindow window;
    lunetide::ui::SetFixedWindowFlags(&window);
    Ui::floorMain ui;
    ui.setupUi(&window);
    const auto paint = [](QWidget* widget, const QColor& background, const QColor& text) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    };
    paint(ui.Frame1, Qt::black, lunetide::ui::colour::Orange);
    paint(ui.Frame2, lunetide::ui::colour::Orange, Qt::black);
    paint(ui.Frame5, lunetide::ui::colour::Orange, Qt::black);
    ui.centralwidget->setFixedSize(681, 550);
    window.adjustSize();
    lunetide::ui::MakeFixedWindow(&window);
    window.show();
    return ReportShown(&window, argc, argv);
}
