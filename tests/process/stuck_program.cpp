// A stand-in for the program whose main thread is stuck: it takes the termination signals as the
// program does, says "ready", then either runs its event loop or never returns to it.
#include "process/termination_signals.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const TerminationSignals endOnSignal([] { QCoreApplication::exit(0); });
    std::puts("ready");
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "stuck") == 0) {
        for (;;)
            ::pause();
    }
    return QCoreApplication::exec();
}
