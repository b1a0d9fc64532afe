// The panel's start-up for the benchmark: the tray icon with today's moon and its tooltip, until
// the tray has embedded it and it is on the screen. Prints "shown <peak resident KiB>"
// as the window start-ups do, and ends.
#include "panel/moon_tray.h"

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    MoonTray tray(QCoreApplication::applicationDirPath());
    tray.Show();
    // The tray maps the icon's window once it has embedded it: then it is exposed.
    const auto embedded = [] {
        for (const QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() && widget->windowHandle()->isExposed())
                return true;
        return false;
    };
    while (!embedded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    qint64 peakKiB = -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                peakKiB = line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    std::printf("shown %lld\n", peakKiB);
    std::fflush(stdout);
    std::_Exit(0);
}
