#pragma once

#include "provisioning/UnitWorker.h"

// The counts of a run, as every front end prints or shows them: units written (verified, or written without
// the check), failed, and left alone (already provisioned or left out, shown together as "skipped").
class ProvisionTally
{
public:
    void add(UnitState end) { counter(end, +1); }
    // An end that no longer counts: the unit was tried again.
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

    int m_written = 0;
    int m_failed = 0;
    int m_alreadyProvisioned = 0;
    int m_leftOut = 0;
};
