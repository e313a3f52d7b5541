#include "sim/SimClock.h"

#include <QThread>

SimClock::SimClock()
{
    m_timer.start();
}

void SimClock::setRealTime(bool realTime)
{
    if (realTime == m_realTime)
        return;
    // Keep the clock continuous across the switch.
    const qint64 current = now();
    m_realTime = realTime;
    if (realTime)
        m_realOffset = current - m_timer.elapsed();
    else
        m_virtualNow = current;
}

qint64 SimClock::now() const
{
    return m_realTime ? m_timer.elapsed() + m_realOffset : m_virtualNow;
}

void SimClock::waitUntil(qint64 when)
{
    const qint64 remaining = when - now();
    if (remaining <= 0)
        return;
    if (m_realTime)
        QThread::msleep(static_cast<unsigned long>(remaining));
    else
        m_virtualNow = when;
}

void SimClock::reset()
{
    m_virtualNow = 0;
    m_realOffset = -m_timer.elapsed();
}
