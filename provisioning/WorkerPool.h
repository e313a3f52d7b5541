#pragma once

#include "provisioning/UnitWorker.h"

#include <QList>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class HidBackend;
class ProvisionLog;
class QThread;
class UnitNumbering;

// Many units provisioned at once: a UnitWorker on a thread of its own for each unit started. Each
// unit's outcome is appended to the log (when one is set) before it is reported, so a row is on disk
// before anyone is told. Lives on a thread with an event loop (the window's, or the command line's
// QCoreApplication); its signals come on that thread.
class WorkerPool : public QObject
{
    Q_OBJECT

public:
    explicit WorkerPool(std::shared_ptr<HidBackend> backend = {}, QObject* parent = nullptr);
    // Waits for the units in flight to end (their outcomes are then neither logged nor reported).
    ~WorkerPool() override;

    // Where the outcomes of the units tried (not those skipped) go; not owned, null for none.
    void setLog(ProvisionLog* log) { m_log = log; }
    // Numbers the units: each identified unit that goes on acquires its number, its profile becomes
    // NumberedProfile::forUnit(profile, number); a verified unit confirms it, a failed one gives it back.
    // Not owned; null for none.
    void setNumbering(UnitNumbering* numbering) { m_numbering = numbering; }
    // The caller's word on each identified unit (see UnitWorker::Decide). Called on the units'
    // threads, but one unit at a time and in the order the units were started.
    void setDecide(UnitWorker::Decide decide) { m_decide = std::move(decide); }

    // Starts a unit's worker at once; also while others run (a unit plugged in later).
    void start(const UnitJob& job);
    int inFlight() const { return m_inFlight; }

signals:
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    void stage(const QString& device, UnitWorker::Stage stage);
    // The unit's outcome; its log row, when due, is on disk.
    void unitDone(const UnitOutcome& outcome);
    // The unit's row could not be written (error: the message to show); unitDone follows.
    void logFailed(const UnitOutcome& outcome, const QString& error);
    // No unit is in flight any more.
    void allDone();

private:
    // Hands the units' decisions out one at a time, in the order the units were started; a unit that ends
    // before its decision passes its turn on.
    class DecisionOrder
    {
    public:
        int ticket();
        void wait(int ticket);
        void pass(int ticket);

    private:
        std::mutex m_mutex;
        std::condition_variable m_turn;
        int m_next = 0;
        int m_issued = 0;
        QList<int> m_passed;
    };

    // What a worker reports, in the order it reported it.
    struct Report
    {
        enum Kind
        {
            Identified,
            Stage,
            Finished
        } kind;
        QThread* thread = nullptr;
        UnitOutcome unit;
        UnitWorker::Stage stage = UnitWorker::Identifying;
    };

    // On a worker's thread. The reports cross to this object's thread under a lock of ours rather than as
    // arguments of queued signals: the thread checker sees our lock, not the one inside Qt's event queue.
    void post(Report report);
    Q_INVOKABLE void deliverReports();
    void unitFinished(const UnitOutcome& outcome, QThread* thread);
    UnitDecision decide(UnitJob& job, const UnitOutcome& unit);

    std::shared_ptr<HidBackend> m_backend;
    ProvisionLog* m_log = nullptr;
    UnitNumbering* m_numbering = nullptr;
    UnitWorker::Decide m_decide;
    struct Worker
    {
        QThread* thread;
        UnitWorker* provisioner;
    };
    std::shared_ptr<DecisionOrder> m_order;
    QList<Worker> m_workers;
    int m_inFlight = 0;
    std::mutex m_reportsMutex;
    std::deque<Report> m_reports;
};
