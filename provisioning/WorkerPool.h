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
class ProvisionPolicy;
class QThread;

// Many units at once: a UnitWorker for each unit started, each on a thread of its own, both owned by the pool
// until the unit ends. Each unit's outcome is appended to the log (when one is set) before it is reported, so
// a row is on disk before anyone is told; a unit whose row cannot be written has failed. Lives on a thread
// with an event loop (the window's, or the command line's QCoreApplication); its signals come on that thread.
class WorkerPool : public QObject
{
    Q_OBJECT

public:
    explicit WorkerPool(std::shared_ptr<HidBackend> backend = {}, QObject* parent = nullptr);
    // Finishes the units in flight, waiting for them: their rows are written and their numbers settled, but
    // nothing is reported any more.
    ~WorkerPool() override;

    // Where the outcomes of the units tried (not those left alone) go; not owned, null for none.
    void setLog(ProvisionLog* log) { m_log = log; }
    // Decides on each identified unit (left out, already provisioned, its number), on the units' threads but
    // one unit at a time and in the order the units were started; told of each end. Not owned; null: every
    // unit proceeds as its job says.
    void setPolicy(ProvisionPolicy* policy) { m_policy = policy; }

    // Starts a unit's worker at once; also while others run (a unit plugged in later).
    void start(const UnitJob& job);
    int inFlight() const { return m_inFlight; }

    // The log's row of a unit's outcome, timed now.
    static ProvisionRow rowOf(const UnitOutcome& outcome);
    // "its row could not be written to the log: <reason>"
    static QString logFailedText(const QString& reason);

signals:
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    void stage(const QString& device, UnitState stage, int number);
    // The unit's outcome; its log row, when due, is on disk (else the outcome is Failed and says why).
    void unitDone(const UnitOutcome& outcome);
    // A unit's row could not be written (before its unitDone); error says why.
    void logFailed(const QString& error);
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
        UnitState stage = UnitState::Identifying;
    };

    // On a worker's thread. The reports cross to this object's thread under a lock of ours rather than as
    // arguments of queued signals: the thread checker sees our lock, not the one inside Qt's event queue.
    void post(Report report);
    Q_INVOKABLE void deliverReports();
    void unitFinished(UnitOutcome outcome, QThread* thread);

    std::shared_ptr<HidBackend> m_backend;
    ProvisionLog* m_log = nullptr;
    ProvisionPolicy* m_policy = nullptr;
    struct Worker
    {
        QThread* thread;
        UnitWorker* worker;
    };
    std::shared_ptr<DecisionOrder> m_order;
    QList<Worker> m_workers;
    int m_inFlight = 0;
    std::mutex m_reportsMutex;
    std::deque<Report> m_reports;
};
