#include "provisioning/WorkerPool.h"

#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/UnitNumbering.h"

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
    for (const Worker& worker : std::as_const(m_workers)) {
        worker.thread->quit();
        worker.thread->wait();
        delete worker.provisioner;
        delete worker.thread;
    }
}

void WorkerPool::start(const UnitJob& job)
{
    auto* thread = new QThread;
    auto* provisioner = new UnitWorker(job, m_backend);
    provisioner->moveToThread(thread);
    if (m_decide || m_numbering) {
        const int ticket = m_order->ticket();
        const std::shared_ptr<DecisionOrder> order = m_order;
        provisioner->setDecide([this, order, ticket](UnitJob& unitJob, const UnitOutcome& unit) {
            order->wait(ticket);
            const UnitDecision decision = decide(unitJob, unit);
            order->pass(ticket);
            return decision;
        });
        // A unit that ends before its decision (gone, another model) passes its turn on; on its own thread,
        // so that the units after it never wait for this thread's event loop.
        connect(
            provisioner, &UnitWorker::finished, provisioner, [order, ticket] { order->pass(ticket); },
            Qt::DirectConnection);
    }
    connect(thread, &QThread::started, provisioner, &UnitWorker::run);
    connect(
        provisioner, &UnitWorker::identified, provisioner,
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
        provisioner, &UnitWorker::stage, provisioner,
        [this, thread](const QString& device, UnitWorker::Stage stage) {
            Report report { Report::Stage, thread, {}, stage };
            report.unit.device = device;
            post(std::move(report));
        },
        Qt::DirectConnection);
    connect(
        provisioner, &UnitWorker::finished, provisioner,
        [this, thread](const UnitOutcome& outcome) {
            post(Report { Report::Finished, thread, outcome, {} });
        },
        Qt::DirectConnection);
    m_workers.append(Worker { thread, provisioner });
    ++m_inFlight;
    thread->start();
}

UnitDecision WorkerPool::decide(UnitJob& job, const UnitOutcome& unit)
{
    if (m_decide) {
        const UnitDecision decision = m_decide(job, unit);
        if (decision.action != UnitDecision::Proceed)
            return decision;
    }
    if (m_numbering) {
        QString error;
        const int number = m_numbering->acquire(unit.serial, error);
        if (number <= 0)
            return UnitDecision::fail(error);
        job.number = number;
        job.profile = NumberedProfile::forUnit(job.profile, number);
    }
    return UnitDecision::proceed();
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
            emit stage(report.unit.device, report.stage);
            break;
        case Report::Finished:
            unitFinished(report.unit, report.thread);
            break;
        }
    }
}

void WorkerPool::unitFinished(const UnitOutcome& outcome, QThread* thread)
{
    for (qsizetype i = 0; i < m_workers.size(); ++i) {
        if (m_workers.at(i).thread != thread)
            continue;
        const Worker worker = m_workers.takeAt(i);
        worker.thread->quit();
        worker.thread->wait();
        delete worker.provisioner;
        delete worker.thread;
        break;
    }
    --m_inFlight;

    if (m_numbering && outcome.number > 0 && !outcome.skipped) {
        // A number is used up only by a unit that holds it now.
        if (outcome.result == ProvisionRow::Result::Failed)
            m_numbering->release(outcome.serial);
        else
            m_numbering->confirm(outcome.serial);
    }
    if (m_log && !outcome.skipped) {
        ProvisionRow row;
        row.time = QDateTime::currentDateTimeUtc();
        row.device = outcome.device;
        row.port = outcome.port;
        row.serial = outcome.serial;
        row.model = outcome.model;
        row.firmware = outcome.firmware;
        row.profile = outcome.profileName;
        row.profileSha256 = outcome.profileSha256;
        row.result = outcome.result;
        row.seconds = outcome.seconds;
        row.message = outcome.message;
        row.number = outcome.number;
        QString error;
        if (!m_log->append(row, error))
            emit logFailed(outcome, error);
    }
    emit unitDone(outcome);
    if (m_inFlight == 0)
        emit allDone();
}
