#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C in a terminal) into a call
// on the user-interface thread, so the program ends its own way instead of being cut off. The
// signal handler only writes the signal's number into a socket pair; the call runs when the
// event loop reads it. A signal that was ignored when the program started (nohup) stays ignored.
// The handler also sets an alarm: when the main thread is stuck and never reads the signal, the
// alarm raises the signal again a few seconds later with its default action, which ends the
// process as that signal does.
// The handlers are set while this object lives; one such object at a time.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void readSignal();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
