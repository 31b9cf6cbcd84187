#pragma once

#include <QObject>

class QSocketNotifier;

// The signals that end a program from outside: SIGTERM (a shutdown or logout, kill), SIGHUP (its
// session or terminal gone) and SIGINT (Ctrl+C in a terminal). While an object of this class
// exists they are caught, and once start() has been called each emits received() from the event
// loop instead of ending the program, so that it can close as its own Exit command does and keep
// its work. The handler does nothing but write the signal's number into a pipe that the event
// loop reads; a signal that comes before start() or while the program is busy waits there. Each
// signal is caught once: the same signal again ends the program at once, as before, should
// closing hang.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    // Signals caught so far and from now on are emitted from the event loop.
    void start();
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readSignals();

    QSocketNotifier *m_notifier = nullptr;
};
