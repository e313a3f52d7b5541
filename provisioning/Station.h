#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// What a station is started with: the profile every unit gets, where each unit's row goes, and the
// numbering, if any.
struct StationSettings
{
    Tavrin2QtCfg profile;
    // The file the profile came from, or ProvisionLog::formProfile().
    QString profileName;
    QString logPath;
    // The first number to give; none: the units are not numbered (unless the log numbered them before).
    std::optional<int> numberFrom;
    // The numbers to give, in this order (instead of numberFrom).
    std::optional<QList<int>> numbers;
    // Units never written, such as the reference unit the profile was read from.
    QStringList leaveOutSerials;
    // Units the log shows verified with this profile are written again.
    bool again = false;
};

// One unit as a station sees it, reported whenever anything about it changes.
struct StationUnit
{
    enum class State
    {
        // Plugged in, nothing sent yet: reported once per plug-in, first of all (a unit tried again goes
        // straight back to Writing).
        Waiting,
        Writing,
        Verifying,
        Verified,
        Failed,
        AlreadyProvisioned,
        LeftOut,
        // Gone before it was verified.
        Unplugged
    };

    QString device;
    QString port;
    QString serialNumber;
    QString model;
    QString firmware;
    State state = State::Waiting;
    int percent = 0;
    // 0: not numbered (yet).
    int number = 0;
    // Why it failed; when it was provisioned before.
    QString detail;
    // AlreadyProvisioned: when it was verified with this profile, as logged.
    QDateTime provisionedOn;
    // Why its row could not be written to the log: it failed for that, whatever it holds.
    QString logError;

    bool isFinished() const
    {
        return state == State::Verified || state == State::Failed || state == State::AlreadyProvisioned
            || state == State::LeftOut;
    }
};
Q_DECLARE_METATYPE(StationUnit)

// Programs every unit attached while it runs, each once per plug-in, on threads of its own; the front
// end only shows what it reports. Lives on the thread that creates it.
class Station : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The units attached now are reported before it returns; false and the message to show when the
    // station cannot run (the log cannot be held, no unit can be watched).
    virtual bool start(QString& error) = 0;
    // No unit is started any more; those in flight are finished, then stopped() comes.
    virtual void stop() = 0;
    // The unit at the node is left as it is (the reference unit), unless its write has begun.
    virtual void leaveOut(const QString& device) = 0;
    // A failed unit is tried again.
    virtual void retry(const QString& device) = 0;

signals:
    void unitChanged(const StationUnit& unit);
    void stopped();
};
