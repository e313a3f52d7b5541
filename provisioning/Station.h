#pragma once

#include "provisioning/ProvisionPolicy.h"
#include "provisioning/UnitWorker.h"

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>

// One unit as a station sees it, reported whenever anything about it changes.
struct StationUnit
{
    QString device;
    QString port;
    QString serialNumber;
    QString model;
    QString firmware;
    // Waiting is reported once per plug-in, first of all (a unit tried again goes straight back to Writing).
    UnitState state = UnitState::Waiting;
    int percent = 0;
    // 0: not numbered (yet).
    int number = 0;
    // Why it failed; when it was provisioned before.
    QString detail;
    // AlreadyProvisioned: when it was verified with this profile, as logged.
    QDateTime provisionedOn;
    // An end: whether any set command may have reached the unit.
    bool setCommandsSent = false;
    // False once the unit left its node after its end (or without being started).
    bool present = true;
    // Plugged in or waiting its turn while the station was stopping: never started, nothing sent to it.
    bool notStarted = false;

    bool isFinished() const { return unitstate::isEnd(state); }
};
Q_DECLARE_METATYPE(StationUnit)

// Programs every unit attached while it runs, each once per plug-in, on threads of its own; the front
// end only shows what it reports. Lives on the thread that creates it.
class Station : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The units attached now are reported before it returns; false and why when the station cannot run
    // (the profile cannot be sent, the log cannot be held, no unit can be watched).
    virtual bool start(ProfileRefusal& refusal) = 0;
    // No unit is started any more (those plugged in meanwhile are reported notStarted); those in flight are
    // finished, then stopped() comes.
    virtual void stop() = 0;
    // The unit at the node is left as it is (the reference unit), unless its write has begun.
    virtual void leaveOut(const QString& device) = 0;
    // A failed unit is tried again.
    virtual void retry(const QString& device) = 0;

signals:
    void unitChanged(const StationUnit& unit);
    // The station takes no more units (a row could not be written, no number is left): no unit is started any
    // more, those in flight end, then stopped() comes. reason is the sentence to show.
    void stoppedTakingUnits(const QString& reason);
    void stopped();
};
