// Writes the application icon, as the program draws it for its windows, into a hicolor icon theme
// folder: <folder>/<N>x<N>/apps/<name>.png for every size N given. Run at build time so that the
// installed icon is the very picture the windows show.
//
//   export_icons <hicolor-folder> <icon-name> <size>...

#include "ui/look/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No display is needed, and the pixmaps must come out at one device pixel per pixel.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* scaling :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(scaling);
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: export_icons <hicolor-folder> <icon-name> <size>...\n");
        return 2;
    }
    const QDir theme(arguments.at(1));
    const QString name = arguments.at(2);
    for (const QString& sizeText : arguments.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "export_icons: not a size: %s\n", qPrintable(sizeText));
            return 2;
        }
        const QPixmap pixmap = lunetide::ui::AppIconPixmap(size);
        if (pixmap.width() != size || pixmap.height() != size) {
            std::fprintf(stderr, "export_icons: the %d-pixel icon came out %dx%d\n", size,
                         pixmap.width(), pixmap.height());
            return 1;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file =
            theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!theme.mkpath(folder) || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "export_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
