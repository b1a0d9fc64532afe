#pragma once

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// What every start-up program of the benchmark does once its window is built: wait until the
// window is on screen (mapped, exposed and painted), print "shown <peak resident KiB>", and end
// at once; given --stay, go on running idle instead.
inline int ReportShown(QWidget* window, int argc, char* argv[])
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    qint64 peakKiB = -1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peakKiB = line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    std::printf("shown %lld\n", peakKiB);
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "--stay") == 0)
        return QApplication::exec();
    std::_Exit(0);
}
