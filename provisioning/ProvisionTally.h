#pragma once

#include "provisioning/UnitWorker.h"

#include <QHash>
#include <QString>

// The counts of a run, as every front end prints or shows them: units written (verified, or written without
// the check), failed, and left alone (already provisioned or left out, shown together as "skipped"). A unit
// plugged in again is one unit: each serial counts once, by its last result, so a unit that failed and was
// verified on a later plug-in no longer counts as failed.
class ProvisionTally
{
public:
    // A unit known by its serial; an empty serial (a unit that failed before it said who it is) counts alone, and
    // so does a failure that sent the unit nothing (refused as another unit in flight with the same serial, say:
    // it may not be that unit at all). True when the serial had counted by another result, which this one
    // replaces.
    bool add(const QString& serial, UnitState end, bool reachedUnit = true)
    {
        if (serial.isEmpty() || (unitstate::isFailure(end) && !reachedUnit)) {
            add(end);
            return false;
        }
        const auto earlier = m_bySerial.constFind(serial);
        if (earlier != m_bySerial.constEnd()) {
            // Being left alone on a later plug-in is not a result of its own: the unit stays as it was counted.
            if (unitstate::isSkip(end) && !unitstate::isSkip(*earlier))
                return false;
            counter(*earlier, -1);
        }
        counter(end, +1);
        const bool replaced = earlier != m_bySerial.constEnd();
        m_bySerial.insert(serial, end);
        return replaced;
    }
    void add(UnitState end) { counter(end, +1); }
    // An end that no longer counts: the unit was tried again before it had said who it is.
    void remove(UnitState end) { counter(end, -1); }

    int written() const { return m_written; }
    int failed() const { return m_failed; }
    int skipped() const { return m_alreadyProvisioned + m_leftOut; }
    int leftOut() const { return m_leftOut; }

private:
    void counter(UnitState end, int step)
    {
        switch (end) {
        case UnitState::Verified:
        case UnitState::WrittenUnverified:
            m_written += step;
            break;
        case UnitState::Failed:
        case UnitState::Unplugged:
            m_failed += step;
            break;
        case UnitState::AlreadyProvisioned:
            m_alreadyProvisioned += step;
            break;
        case UnitState::LeftOut:
            m_leftOut += step;
            break;
        default:
            break;
        }
    }

    QHash<QString, UnitState> m_bySerial;
    int m_written = 0;
    int m_failed = 0;
    int m_alreadyProvisioned = 0;
    int m_leftOut = 0;
};
