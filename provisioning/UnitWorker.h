#pragma once

#include "config/Tavrin2QtCfg.h"
#include "config/Translations.h"
#include "provisioning/ProvisionRow.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class HidBackend;

// Where a unit stands, from its plug-in to its end: the one word the worker, the pool, the station and the
// front ends use for it.
enum class UnitState
{
    // Plugged in, nothing sent yet.
    Waiting,
    Identifying,
    Writing,
    Verifying,
    // The ends.
    Verified,
    WrittenUnverified,
    // A read-only job's unit was read (UnitOutcome::held holds its settings).
    Read,
    Failed,
    // Gone before it was verified: a failure too.
    Unplugged,
    // Left alone by the policy: nothing was sent beyond identification, and no log row is due.
    AlreadyProvisioned,
    LeftOut
};

namespace unitstate {
inline bool isEnd(UnitState state)
{
    return state >= UnitState::Verified;
}
inline bool isFailure(UnitState state)
{
    return state == UnitState::Failed || state == UnitState::Unplugged;
}
inline bool isSkip(UnitState state)
{
    return state == UnitState::AlreadyProvisioned || state == UnitState::LeftOut;
}
} // namespace unitstate

// What one unit is to receive.
struct UnitJob
{
    enum class Kind
    {
        // Identify, write the profile, read it back.
        Write,
        // Identify and read the unit's settings; nothing is sent beyond READ.
        Read
    };

    Kind kind = Kind::Write;
    QString device; // the unit's node
    QString port; // its hub port, as the finder gave it (may be empty)
    Tavrin2QtCfg profile;
    QString profileName; // file name, or ProvisionLog::formProfile()
    QString profileSha256;
    bool verify = true;
    int number = 0; // 0: not numbered
};

// How one unit ended.
struct UnitOutcome
{
    QString device;
    QString port;
    QString serial;
    QString model; // display name; empty before the unit was identified
    QString firmware;
    UnitState state = UnitState::Failed;
    double seconds = 0;
    QString message; // the reason of a failure or a skip, on one line ("a / b")
    QString englishMessage; // the same in English, for the log and JSON output
    int number = 0;
    // The job's, for the log row.
    QString profileName;
    QString profileSha256;
    // Whether any set command may have reached the unit.
    bool setCommandsSent = false;
    // AlreadyProvisioned: when it was verified with this profile, as logged.
    QDateTime provisionedOn;
    // A read-only job: the unit's settings, and those its model should have reported but did not.
    Tavrin2QtCfg held;
    QStringList unreported;

    bool isFailure() const { return unitstate::isFailure(state); }
    bool isSkip() const { return unitstate::isSkip(state); }
    // A failed unit its number reached: the number stays its own, for when it is tried again.
    bool holdsNumber() const { return isFailure() && setCommandsSent && number > 0; }
    // The log's word for it; none for a unit left alone or only read.
    std::optional<ProvisionRow::Result> logResult() const;
};

// The policy's word on an identified unit, before any set command.
struct UnitDecision
{
    // Proceed; or the end it is given at once: AlreadyProvisioned or LeftOut (left alone), Failed (no number
    // left).
    std::optional<UnitState> end;
    QString reason;
    QDateTime provisionedOn;
    QString englishReason;

    static UnitDecision proceed() { return {}; }
    // Each reason as the text reason() makes, and in English.
    template<typename Reason> static UnitDecision leftOut(Reason reason)
    {
        return { UnitState::LeftOut, reason(), {}, inEnglish(reason) };
    }
    template<typename Reason> static UnitDecision alreadyProvisioned(Reason reason, const QDateTime& on)
    {
        return { UnitState::AlreadyProvisioned, reason(), on, inEnglish(reason) };
    }
    template<typename Reason> static UnitDecision fail(Reason reason)
    {
        return { UnitState::Failed, reason(), {}, inEnglish(reason) };
    }
};

// One unit's worker: identifies the unit, refuses one of another model than the profile, writes the profile
// and reads it back (or, for a read-only job, only reads it). It owns a session of its own and runs on a thread
// of its own (moveToThread, then run()); the WorkerPool that made it owns it and that thread. run() never
// throws.
class UnitWorker : public QObject
{
    Q_OBJECT

public:
    // Called on the worker's thread once the unit is identified (outcome holds its serial, model and
    // firmware), before any set command. It may change job (the profile, the number). Whoever sets it
    // makes it safe to call from the workers' threads (WorkerPool calls one at a time).
    using Decide = std::function<UnitDecision(UnitJob& job, const UnitOutcome& unit)>;

    // backend: the units' backend (the process's when null).
    explicit UnitWorker(const UnitJob& job, std::shared_ptr<HidBackend> backend = {}, QObject* parent = nullptr);
    ~UnitWorker() override;

    void setDecide(Decide decide) { m_decide = std::move(decide); }
    const UnitJob& job() const { return m_job; }

    // "With number 12: <reason>" for a numbered unit, the reason alone otherwise.
    static QString numberedReason(int number, const QString& reason);
    // How the reason of a unit unplugged after its first set command begins.
    static QString unpluggedText() { return tr("unplugged before it was verified"); }
    // The reason of a failed unit that holds its number, a sentence of its own saying so after it.
    static QString withHeldNumber(const QString& reason, int number)
    {
        const bool sentence = reason.endsWith(QLatin1Char('.')) || reason.endsWith(QLatin1Char('!'))
            || reason.endsWith(QLatin1Char('?'));
        return reason + (sentence ? QStringLiteral(" ") : QStringLiteral(". "))
            + tr("It now holds number %1: plug it in again to finish it.").arg(number);
    }

public slots:
    void run();

signals:
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    // number: the unit's number from Writing on (0: not numbered).
    void stage(const QString& device, UnitState stage, int number);
    void finished(const UnitOutcome& outcome);

private:
    UnitOutcome work();
    bool nodeGone() const;
    // The reason of a failure, saying so when the unit's node is gone (the outcome is then Unplugged).
    static QString failureReason(UnitOutcome& outcome, bool gone, const QString& reason);

    UnitJob m_job;
    std::shared_ptr<HidBackend> m_backend;
    Decide m_decide;
};

Q_DECLARE_METATYPE(UnitOutcome)
