// Takes the single-instance lock at the path given, says "locked" and waits to be killed: stands
// in for a running copy of the program in the single-instance tests.
#include "process/single_instance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.acquire() == SingleInstance::Outcome::Acquired ? "locked" : "busy");
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}
