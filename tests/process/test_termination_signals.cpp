// A termination signal ends the program through its event loop, and within a few seconds also
// when the main thread never gets back to it.
#include "process/termination_signals.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <csignal>

class TerminationSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void endsWithinSeconds_data();
    void endsWithinSeconds();
    void ignoredSignalStaysIgnored();
};

void TerminationSignalsTest::endsWithinSeconds_data()
{
    QTest::addColumn<QString>("mainThread");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QProcess::ExitStatus>("exitStatus");
    QTest::addColumn<int>("code"); // the exit status, or the signal that ended it
    QTest::addColumn<int>("withinMs");
    QTest::newRow("SIGTERM, event loop") << "idle" << SIGTERM << QProcess::NormalExit << 0 << 2000;
    QTest::newRow("SIGTERM, stuck") << "stuck" << SIGTERM << QProcess::CrashExit << SIGTERM << 8000;
    QTest::newRow("SIGINT, stuck") << "stuck" << SIGINT << QProcess::CrashExit << SIGINT << 8000;
}

void TerminationSignalsTest::endsWithinSeconds()
{
    QFETCH(QString, mainThread);
    QFETCH(int, signal);
    QFETCH(QProcess::ExitStatus, exitStatus);
    QFETCH(int, code);
    QFETCH(int, withinMs);

    QProcess program;
    program.start(QStringLiteral(STUCK_PROGRAM), {mainThread});
    QVERIFY(program.waitForReadyRead(30000));
    QCOMPARE(program.readAll(), "ready\n");
    QElapsedTimer took;
    took.start();
    QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signal), 0);
    QVERIFY(program.waitForFinished(withinMs));
    qInfo("ended after %lld ms", took.elapsed());
    QCOMPARE(program.exitStatus(), exitStatus);
    QCOMPARE(program.exitCode(), code);
}

// Started under nohup, SIGHUP is ignored: it stays so, while SIGTERM is taken and given back.
void TerminationSignalsTest::ignoredSignalStaysIgnored()
{
    auto handlerOf = [](int signal) {
        struct sigaction action {};
        ::sigaction(signal, nullptr, &action);
        return action.sa_handler;
    };
    const auto hangUp = std::signal(SIGHUP, SIG_IGN);
    const auto terminate = handlerOf(SIGTERM);
    {
        const TerminationSignals taken([] {});
        QVERIFY(handlerOf(SIGHUP) == SIG_IGN);
        QVERIFY(handlerOf(SIGTERM) != terminate && handlerOf(SIGTERM) != SIG_IGN);
    }
    QVERIFY(handlerOf(SIGTERM) == terminate);
    std::signal(SIGHUP, hangUp);
}

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "test_termination_signals.moc"
