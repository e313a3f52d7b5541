#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM as a signal on the event loop. The handler only writes the signal's number into a
// pipe (all a handler may safely do); the pipe's read end is watched like any other descriptor. While an
// object exists the two signals no longer end the process; the former handlers come back when it goes.
// One object at a time.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // False when the pipe or the handlers could not be set up (the signals then end the process as before).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    // Once per signal received; count is 1 for the first, 2 for the second and so on.
    void received(int signalNumber, int count);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
    int m_count = 0;
};
