#pragma once

#include "config/Tavrin2QtCfg.h"
#include "provisioning/ProvisionHistory.h"
#include "provisioning/UnitWorker.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <optional>

class UnitNumbering;

// What a run of many units is started with, in every front end: the profile every unit gets, where each
// unit's row goes, the numbering and the units left alone.
struct ProvisionSettings
{
    Tavrin2QtCfg profile;
    // The file the profile came from, or ProvisionLog::formProfile().
    QString profileName;
    // Empty: no log.
    QString logPath;
    // The first number to give; none: the units are not numbered (unless the station's log numbered them).
    std::optional<int> numberFrom;
    // The numbers to give, in this order (instead of numberFrom).
    std::optional<QList<int>> numbers;
    // Units never written, such as the reference unit the profile was read from.
    QStringList leaveOutSerials;
    // The station's rules: a unit the log shows verified with this profile is left alone (unless again), and
    // numbering goes on from the log's numbers. write --all writes every attached unit.
    bool station = false;
    bool again = false;
    bool verify = true;
    // One unit's write (write with a log or numbering): {n} without numbering is sent as it stands.
    bool singleUnit = false;
};

// Why a profile cannot be sent to any unit; the front end words UnnumberedPlaceholder in its own terms (how
// its user numbers the units).
struct ProfileRefusal
{
    enum class Kind
    {
        None,
        // A value a unit does not take (a hand-edited System ID of 99).
        OutOfRange,
        // {n} in a message, and the units are not numbered: every unit would get it as it stands.
        UnnumberedPlaceholder,
        // A text the unit cannot take, the command line's length, Repage without Acknowledge.
        NotSendable,
        // The log cannot be read, or the profile cannot be fingerprinted.
        Unusable
    };
    Kind kind = Kind::None;
    QString message;

    explicit operator bool() const { return kind != Kind::None; }
};

// Decides, for every front end, what becomes of each unit of a run: which unit is left out, which is already
// provisioned, which number a unit gets and gives back. Made by prepare(), which first decides whether the
// profile can be sent at all. decide() is called on the workers' threads (one at a time), the rest on the
// run's thread.
class ProvisionPolicy
{
    Q_DECLARE_TR_FUNCTIONS(ProvisionPolicy)

public:
    ~ProvisionPolicy();

    // "FILE holds values out of range; nothing was sent:" and each value with those it takes; null when every
    // value is in range.
    static QString outOfRangeText(const Tavrin2QtCfg& profile, const QString& profileName);
    // "FILE holds messages longer than their fields take; nothing was sent:" and each with its length and its
    // limit; null when every message fits. numbered: a message holding {n} is left to each unit's worker, which
    // checks it with the unit's number in.
    static QString overLimitText(const Tavrin2QtCfg& profile, const QString& profileName, bool numbered = false);
    // The values out of range, the messages too long, the same texts for every unit: refused before any unit is
    // touched. numbered: whether the units get numbers (a numbered unit's texts are checked with its number in, by its
    // worker).
    static ProfileRefusal checkProfile(const Tavrin2QtCfg& profile, const QString& profileName, bool numbered,
                                       bool placeholderAllowed = false);
    // The policy of a run: the profile checked, the log's history read (for numbering, and for the station's
    // units already provisioned). Null and why when the run cannot start.
    static std::unique_ptr<ProvisionPolicy> prepare(const ProvisionSettings& settings, ProfileRefusal& refusal);
    // The policy of a read-only run: only the units left out are decided.
    static std::unique_ptr<ProvisionPolicy> forReading(const QStringList& leaveOutSerials);
    // The policy of a numbered check: the log's history read, as for a write of the same profile, to tell
    // each unit's number. Null and why when the log cannot be read.
    static std::unique_ptr<ProvisionPolicy> forCheckingNumbers(const ProvisionSettings& settings,
                                                               ProfileRefusal& refusal);

    const ProvisionSettings& settings() const { return m_settings; }
    const QString& profileSha256() const { return m_profileSha256; }
    bool numbered() const { return m_numbering != nullptr; }

    // The job of the unit at device, before its decision.
    UnitJob jobFor(const QString& device, const QString& port) const;
    // On a worker's thread, once the unit is identified. A unit to be written must report a serial number
    // no other unit in flight reports: it is what its number and its rows go by.
    UnitDecision decide(UnitJob& job, const UnitOutcome& unit);
    // The unit's end as its worker reported it, before its row is written: its serial is no longer in
    // flight, and its number is kept (it reached the unit) or given back.
    void ended(const UnitOutcome& outcome);
    // Its row is on disk: a unit verified now is provisioned for the rest of the run.
    void logged(const ProvisionRow& row);

    // The unit at the node is left as it is (until another unit is plugged in there).
    void leaveOutNode(const QString& device, const QString& serial);
    void nodePlugged(const QString& device);
    bool isLeftOut(const QString& device, const QString& serial);
    // The number the log or this run gave the serial; 0 when none.
    int numberOf(const QString& serial);
    // With a list of numbers (--numbers): how many of them no unit holds yet; -1 without a list.
    int numbersLeft() const;
    // Why the run takes no more units (every number taken); null while it does.
    QString noMoreUnitsReason() const;
    // A numbered check: the number the log gave the serial with this profile, when it is one of the run's
    // numbers; 0 and why the unit cannot be checked otherwise.
    int numberToCheck(const QString& serial, QString& why);

    // "left out", as a unit's message says it.
    static QString leftOutText() { return tr("left out"); }
    static QString noSerialText()
    {
        return tr("This unit reports no serial number; it cannot be told apart from others, so nothing was sent.");
    }
    static QString sameSerialText(const QString& otherDevice, const QString& serial)
    {
        return tr("Another unit in flight, at %1, reports the same serial number %2; nothing was sent.")
            .arg(otherDevice, serial);
    }

private:
    ProvisionPolicy() = default;
    // The profile's hash and the log's history; false and why when they cannot be had.
    // A policy holding the settings, the units left out and the log's history; null and why when the log
    // cannot be read.
    static std::unique_ptr<ProvisionPolicy> withLog(const ProvisionSettings& settings, ProfileRefusal& refusal);
    bool readLog(ProfileRefusal& refusal);
    bool isLeftOutLocked(const QString& device, const QString& serial) const;
    // Why a unit cannot be written as the one it says it is; null when it can.
    QString identityRefusalLocked(const QString& device, const QString& serial) const;

    ProvisionSettings m_settings;
    QString m_profileSha256;
    std::unique_ptr<UnitNumbering> m_numbering;

    // Shared with decide on the workers' threads.
    std::mutex m_mutex;
    ProvisionHistory m_history;
    QSet<QString> m_leftOutDevices;
    QSet<QString> m_leftOutSerials;
    // The serial of each node whose unit is being written, from its decision to its end.
    QHash<QString, QString> m_serialInFlight;
};
