#pragma once

#include <QObject>

class QSocketNotifier;

// The console's stop request as a signal on the event loop. On Unix: SIGINT and SIGTERM, whose handler only
// writes the signal's number into a pipe (all a handler may safely do); the pipe's read end is watched like
// any other descriptor. On Windows: Ctrl+C (SIGINT) and Ctrl+Break (SIGBREAK), which the system reports on
// a thread of its own; the handler posts them to this object's thread. While an object exists these no
// longer end the process; the former handling comes back when it goes. One object at a time.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // False when the handlers could not be set up (the stop request then ends the process as before).
    bool isActive() const { return m_active; }

signals:
    // Once per signal received; count is 1 for the first, 2 for the second and so on.
    void received(int signalNumber, int count);

private:
    // On the object's thread: counts the signal and emits received.
    void deliver(int signalNumber);
    // Unix: the numbers the handler wrote into the pipe.
    void drain();
    // Windows: the console's handler, which hands the signals over.
    friend class ConsoleStopHandler;

    bool m_active = false;
    QSocketNotifier* m_notifier = nullptr;
    int m_count = 0;
};
