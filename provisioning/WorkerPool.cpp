#include "provisioning/WorkerPool.h"

#include "provisioning/ProvisionLog.h"
#include "provisioning/ProvisionPolicy.h"

#include <QDateTime>
#include <QPointer>
#include <mutex>
#include <QThread>

int WorkerPool::DecisionOrder::ticket()
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    return m_issued++;
}

void WorkerPool::DecisionOrder::wait(int ticket)
{
    std::unique_lock<std::mutex> locker(m_mutex);
    m_turn.wait(locker, [this, ticket] { return m_next == ticket; });
}

void WorkerPool::DecisionOrder::pass(int ticket)
{
    const std::lock_guard<std::mutex> locker(m_mutex);
    if (ticket < m_next || m_passed.contains(ticket))
        return;
    m_passed.append(ticket);
    while (m_passed.removeOne(m_next))
        ++m_next;
    m_turn.notify_all();
}

WorkerPool::WorkerPool(std::shared_ptr<HidBackend> backend, QObject* parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_order(std::make_shared<DecisionOrder>())
{
}

WorkerPool::~WorkerPool()
{
    // No receiver is left to tell (the window is closing), but a unit written is logged all the same.
    blockSignals(true);
    for (const Worker& worker : std::as_const(m_workers)) {
        worker.thread->quit();
        worker.thread->wait();
    }
    deliverReports();
    // Every worker reports its end before its thread ends; none is left but by a fault.
    for (const Worker& worker : std::as_const(m_workers)) {
        delete worker.worker;
        delete worker.thread;
    }
}

ProvisionRow WorkerPool::rowOf(const UnitOutcome& outcome)
{
    ProvisionRow row;
    row.time = QDateTime::currentDateTimeUtc();
    row.device = outcome.device;
    row.port = outcome.port;
    row.serial = outcome.serial;
    row.model = outcome.model;
    row.firmware = outcome.firmware;
    row.profile = outcome.profileName;
    row.profileSha256 = outcome.profileSha256;
    row.result = outcome.logResult().value_or(ProvisionRow::Result::Failed);
    row.seconds = outcome.seconds;
    // The log reads the same in every language.
    row.message = outcome.englishMessage;
    // A number that never reached its unit went back: the row must not claim it for the unit.
    row.number = outcome.isFailure() && !outcome.setCommandsSent ? 0 : outcome.number;
    return row;
}

QString WorkerPool::logFailedText(const QString& reason)
{
    return tr("its row could not be written to the log: %1").arg(ProvisionLog::sentencesOnOneLine(reason));
}

void WorkerPool::start(const UnitJob& job)
{
    auto* thread = new QThread;
    auto* unitWorker = new UnitWorker(job, m_backend);
    unitWorker->moveToThread(thread);
    if (m_policy) {
        const int ticket = m_order->ticket();
        const std::shared_ptr<DecisionOrder> order = m_order;
        ProvisionPolicy* const policy = m_policy;
        unitWorker->setDecide([policy, order, ticket](UnitJob& unitJob, const UnitOutcome& unit) {
            order->wait(ticket);
            const UnitDecision decision = policy->decide(unitJob, unit);
            order->pass(ticket);
            return decision;
        });
        // A unit that ends before its decision (gone, another model) passes its turn on; on its own thread,
        // so that the units after it never wait for this thread's event loop.
        connect(
            unitWorker, &UnitWorker::finished, unitWorker, [order, ticket] { order->pass(ticket); },
            Qt::DirectConnection);
    }
    connect(thread, &QThread::started, unitWorker, &UnitWorker::run);
    connect(
        unitWorker, &UnitWorker::identified, unitWorker,
        [this, thread](const QString& device, const QString& serial, const QString& model, const QString& firmware) {
            Report report { Report::Identified, thread, {}, {} };
            report.unit.device = device;
            report.unit.serial = serial;
            report.unit.model = model;
            report.unit.firmware = firmware;
            post(std::move(report));
        },
        Qt::DirectConnection);
    connect(
        unitWorker, &UnitWorker::stage, unitWorker,
        [this, thread](const QString& device, UnitState stage, int number) {
            Report report { Report::Stage, thread, {}, stage };
            report.unit.number = number;
            report.unit.device = device;
            post(std::move(report));
        },
        Qt::DirectConnection);
    connect(
        unitWorker, &UnitWorker::finished, unitWorker,
        [this, thread](const UnitOutcome& outcome) {
            post(Report { Report::Finished, thread, outcome, {} });
        },
        Qt::DirectConnection);
    m_workers.append(Worker { thread, unitWorker });
    ++m_inFlight;
    thread->start();
}

void WorkerPool::post(Report report)
{
    {
        const std::lock_guard<std::mutex> lock(m_reportsMutex);
        m_reports.push_back(std::move(report));
    }
    QMetaObject::invokeMethod(this, "deliverReports", Qt::QueuedConnection);
}

void WorkerPool::deliverReports()
{
    std::deque<Report> reports;
    {
        const std::lock_guard<std::mutex> lock(m_reportsMutex);
        reports.swap(m_reports);
    }
    // A receiver may end the run.
    const QPointer<WorkerPool> alive(this);
    for (const Report& report : reports) {
        if (!alive)
            return;
        switch (report.kind) {
        case Report::Identified:
            emit identified(report.unit.device, report.unit.serial, report.unit.model, report.unit.firmware);
            break;
        case Report::Stage:
            emit stage(report.unit.device, report.stage, report.unit.number);
            break;
        case Report::Finished:
            unitFinished(report.unit, report.thread);
            break;
        }
    }
}

void WorkerPool::unitFinished(UnitOutcome outcome, QThread* thread)
{
    for (qsizetype i = 0; i < m_workers.size(); ++i) {
        if (m_workers.at(i).thread != thread)
            continue;
        const Worker worker = m_workers.takeAt(i);
        worker.thread->quit();
        worker.thread->wait();
        delete worker.worker;
        delete worker.thread;
        break;
    }
    --m_inFlight;

    if (m_policy)
        m_policy->ended(outcome);
    if (m_log && outcome.logResult()) {
        const ProvisionRow row = rowOf(outcome);
        QString error;
        if (!m_log->append(row, error)) {
            // A unit missing from the log is not done: the log is what the next run and the installer go by.
            outcome.state = UnitState::Failed;
            outcome.message = logFailedText(error);
            outcome.englishMessage = inEnglish([&] { return logFailedText(error); });
            const QPointer<WorkerPool> alive(this);
            emit logFailed(error);
            if (!alive)
                return;
        } else if (m_policy) {
            m_policy->logged(row);
        }
    }
    emit unitDone(outcome);
    if (m_inFlight == 0)
        emit allDone();
}
