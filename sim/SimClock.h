#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Time as the virtual device sees it. Virtual: waiting only moves the clock, so long read windows
// cost nothing. Real time: waiting blocks the calling thread, as a read from hardware does.
class SimClock
{
public:
    SimClock();

    void setRealTime(bool realTime);
    bool isRealTime() const { return m_realTime; }

    // Milliseconds since construction or the last reset.
    qint64 now() const;
    void waitUntil(qint64 when);
    void reset();

private:
    bool m_realTime = false;
    qint64 m_virtualNow = 0;
    qint64 m_realOffset = 0;
    QElapsedTimer m_timer;
};
