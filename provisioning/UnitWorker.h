#pragma once

#include "provisioning/ProvisionRow.h"
#include "config/Tavrin2QtCfg.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class HidBackend;

// What one unit is to receive.
struct UnitJob
{
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
    ProvisionRow::Result result = ProvisionRow::Result::Failed;
    double seconds = 0;
    QString message; // the reason of a failure or a skip, on one line ("a / b")
    int number = 0;
    // The job's, for the log row.
    QString profileName;
    QString profileSha256;
    // Left alone by the caller's decision: nothing was sent beyond identification, and no log row is due.
    bool skipped = false;
    // The unit's node was gone when it failed: it was unplugged (or reset) before it was verified.
    bool unplugged = false;
    // Whether any set command may have reached the unit.
    bool setCommandsSent = false;
};

// The caller's word on an identified unit, before any set command.
struct UnitDecision
{
    enum Action
    {
        Proceed,
        Skip, // left alone: no row, not a failure (an excluded or already provisioned unit)
        Fail // fails with the reason (no number left)
    };
    Action action = Proceed;
    QString reason;

    static UnitDecision proceed() { return {}; }
    static UnitDecision skip(const QString& reason) { return { Skip, reason }; }
    static UnitDecision fail(const QString& reason) { return { Fail, reason }; }
};

// One unit's worker: identifies the unit, refuses one of another model than the profile, writes the profile
// and reads it back. It owns a session of its own and runs on a thread of its own (moveToThread, then run());
// its signals reach the caller queued. run() never throws.
class UnitWorker : public QObject
{
    Q_OBJECT

public:
    enum Stage
    {
        Identifying,
        Writing,
        Verifying
    };
    Q_ENUM(Stage)

    // Called on the worker's thread once the unit is identified (outcome holds its serial, model and
    // firmware), before any set command. It may change job (the profile, the number). Whoever sets it
    // makes it safe to call from the workers' threads (WorkerPool calls one at a time).
    using Decide = std::function<UnitDecision(UnitJob& job, const UnitOutcome& unit)>;

    // backend: the units' backend (the process's when null).
    explicit UnitWorker(const UnitJob& job, std::shared_ptr<HidBackend> backend = {},
                             QObject* parent = nullptr);
    ~UnitWorker() override;

    void setDecide(Decide decide) { m_decide = std::move(decide); }
    const UnitJob& job() const { return m_job; }

    // "With number 12: <reason>" for a numbered unit, the reason alone otherwise.
    static QString numberedReason(int number, const QString& reason);
    // How the reason of a unit unplugged after its first set command begins.
    static QString unpluggedText() { return tr("unplugged before it was verified"); }

public slots:
    void run();

signals:
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    void stage(const QString& device, UnitWorker::Stage stage);
    void finished(const UnitOutcome& outcome);

private:
    UnitOutcome provision();
    bool nodeGone() const;
    // The reason of a failure, saying so when the unit's node is gone (outcome.unplugged set).
    QString failureReason(UnitOutcome& outcome, const QString& reason) const;

    UnitJob m_job;
    std::shared_ptr<HidBackend> m_backend;
    Decide m_decide;
};

Q_DECLARE_METATYPE(UnitOutcome)
