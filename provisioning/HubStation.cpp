#include "provisioning/HubStation.h"

#include "provisioning/ProvisionLog.h"
#include "provisioning/WorkerPool.h"
#include "usb/HidBackend.h"
#include "usb/HotplugMonitor.h"
#include "usb/OpenRetry.h"
#include "usb/TavrinFinder.h"
#include "usb/UsbHid.h"

#include <QFile>
#include <QTimer>

#include <cerrno>
#include <mutex>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
OpenRetry::Result openOnce(const QString& device)
{
#ifndef Q_OS_UNIX
    Q_UNUSED(device);
    return OpenRetry::Result::Opened;
#else
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return OpenRetry::fromErrno(errno);
    ::close(fd);
    return OpenRetry::Result::Opened;
#endif
}

// How far a unit has come, for its progress bar: the worker reports stages, not commands.
int percentAt(UnitState stage)
{
    switch (stage) {
    case UnitState::Identifying:
        return 10;
    case UnitState::Writing:
        return 30;
    case UnitState::Verifying:
        return 80;
    default:
        return 0;
    }
}
} // namespace

HubStation::HubStation(const ProvisionSettings& settings, std::shared_ptr<HidBackend> backend, QObject* parent)
    : Station(parent)
    , m_settings(settings)
    , m_backend(backend ? std::move(backend) : UsbHid::sharedBackend())
{
    m_settings.station = true;
}

HubStation::~HubStation()
{
    if (m_monitor)
        m_monitor->stop();
    // The pool finishes its units before the log it writes to goes.
    m_pool.reset();
}

bool HubStation::start(ProfileRefusal& refusal)
{
    if (m_running)
        return true;
    std::unique_ptr<ProvisionPolicy> policy = ProvisionPolicy::prepare(m_settings, refusal);
    if (!policy)
        return false;
    auto log = std::make_unique<ProvisionLog>(m_settings.logPath);
    QString error;
    if (!log->open(error) || !log->holdForStation(error)) {
        refusal = { ProfileRefusal::Kind::Unusable, error };
        return false;
    }
    m_policy = std::move(policy);
    m_log = std::move(log);

    m_pool = std::make_unique<WorkerPool>(m_backend);
    m_pool->setLog(m_log.get());
    m_pool->setPolicy(m_policy.get());
    connect(m_pool.get(), &WorkerPool::identified, this, &HubStation::identified);
    connect(m_pool.get(), &WorkerPool::stage, this, &HubStation::stageReached);
    connect(m_pool.get(), &WorkerPool::unitDone, this, &HubStation::unitDone);
    connect(m_pool.get(), &WorkerPool::allDone, this, &HubStation::allDone);
    connect(m_pool.get(), &WorkerPool::logFailed, this, &HubStation::logFailed);

    m_running = true;
    if (m_backend->unitWatch() == HidBackend::UnitWatch::SystemHotplug) {
        m_monitor = new HotplugMonitor(this);
        connect(m_monitor, &HotplugMonitor::unitArrived, this,
                [this](const QString& device, const QString&) { unitArrived(device); });
        connect(m_monitor, &HotplugMonitor::unitLeft, this, &HubStation::unitLeft);
        if (!m_monitor->start()) {
            refusal = { ProfileRefusal::Kind::Unusable, m_monitor->errorText() };
            m_running = false;
            return false;
        }
    } else {
        m_poll = new QTimer(this);
        connect(m_poll, &QTimer::timeout, this, &HubStation::lookForUnits);
        m_poll->start(HotplugMonitor::PollIntervalMs);
        lookForUnits();
    }
    return true;
}

void HubStation::lookForUnits()
{
    if (!m_running)
        return;
    // In the order the system lists them: units attached together are numbered as they sit on the hub.
    QStringList now;
    try {
        for (const UsbHid::Unit& unit : TavrinFinder(m_backend).attachedUnits())
            now.append(unit.path);
    } catch (const UsbHidException&) {
        return;
    }
    QStringList gone;
    for (auto node = m_nodes.cbegin(); node != m_nodes.cend(); ++node) {
        if (node->present && !now.contains(node.key()))
            gone.append(node.key());
    }
    for (const QString& device : std::as_const(gone))
        unitLeft(device);
    for (const QString& device : std::as_const(now)) {
        if (!m_nodes.value(device).present)
            unitArrived(device);
    }
}

void HubStation::stop()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    // Units are still heard until the station has stopped: one plugged in now gets a row saying it was not started.
    // Units waiting for their turn are never started.
    startWaitingUnits();
    if (!anyInFlight())
        QMetaObject::invokeMethod(this, &HubStation::allDone, Qt::QueuedConnection);
}

void HubStation::leaveOut(const QString& device)
{
    m_policy->leaveOutNode(device, m_nodes.value(device).unit.serialNumber);
}

void HubStation::retry(const QString& device)
{
    const Node node = m_nodes.value(device);
    if (!m_running || m_stopping || node.state != NodeState::Idle || !node.present
        || node.unit.state != UnitState::Failed)
        return;
    startUnit(device);
}

void HubStation::unitArrived(const QString& device)
{
    Node& node = m_nodes[device];
    node.present = true;
    if (m_stopping && node.state == NodeState::Idle) {
        StationUnit unit;
        unit.device = device;
        unit.port = m_backend->portPath(device);
        unit.notStarted = true;
        report(unit);
        return;
    }
    // The unit that left this node is still finishing: the new one starts after it.
    if (node.state != NodeState::Idle) {
        node.pluggedAgain = true;
        return;
    }
    StationUnit unit;
    unit.device = device;
    unit.port = m_backend->portPath(device);
    report(unit);
    m_policy->nodePlugged(device);
    node.arrival = ++m_arrivals;
    if (!m_monitor) {
        node.state = NodeState::Ready;
        startWaitingUnits();
        return;
    }
    // Access to a node just announced can come a moment later; when it never comes, the worker's own open
    // fails with the reason.
    node.state = NodeState::AwaitingAccess;
    OpenRetry::start(
        this, [device] { return openOnce(device); }, [this, device](OpenRetry::Result) { accessSettled(device); });
}

void HubStation::accessSettled(const QString& device)
{
    m_nodes[device].state = NodeState::Ready;
    startWaitingUnits();
    allDone();
}

void HubStation::startWaitingUnits()
{
    // One whose access comes later holds back those that arrived after it.
    while (true) {
        QString first;
        for (auto node = m_nodes.cbegin(); node != m_nodes.cend(); ++node) {
            const bool waiting = node->state == NodeState::AwaitingAccess || node->state == NodeState::Ready;
            if (waiting && (first.isNull() || node->arrival < m_nodes.value(first).arrival))
                first = node.key();
        }
        if (first.isNull() || m_nodes.value(first).state != NodeState::Ready)
            break;
        // Stopped meanwhile: never started, so no longer in flight.
        if (m_stopping) {
            m_nodes[first].state = NodeState::Idle;
            StationUnit unit = m_nodes.value(first).unit;
            unit.notStarted = true;
            report(unit);
        } else if (atLimit())
            break;
        else
            startUnit(first);
    }
}

bool HubStation::atLimit() const
{
    if (m_limit <= 0)
        return false;
    int running = 0;
    for (const Node& node : m_nodes) {
        if (node.state == NodeState::Running)
            ++running;
    }
    return m_written + running >= m_limit;
}

void HubStation::unitLeft(const QString& device)
{
    Node& node = m_nodes[device];
    node.present = false;
    node.pluggedAgain = false;
    // A unit in flight ends by itself, its worker telling a unit that went from one that failed.
    if (node.state != NodeState::Idle)
        return;
    StationUnit unit = node.unit;
    if (unit.device.isEmpty())
        return;
    if (unit.state == UnitState::Waiting && !unit.notStarted) {
        unit.state = UnitState::Unplugged;
        report(unit);
    } else if (unit.present) {
        unit.present = false;
        report(unit);
    }
}

void HubStation::startUnit(const QString& device)
{
    Node& node = m_nodes[device];
    node.state = NodeState::Running;
    StationUnit unit = node.unit;
    if (unit.state != UnitState::Waiting) {
        unit.state = UnitState::Writing;
        unit.percent = 0;
        unit.number = 0;
        unit.detail.clear();
        report(unit);
    }
    m_pool->start(m_policy->jobFor(device, unit.port));
}

void HubStation::identified(const QString& device, const QString& serial, const QString& model, const QString& firmware)
{
    StationUnit unit = m_nodes.value(device).unit;
    unit.serialNumber = serial;
    unit.model = model;
    unit.firmware = firmware;
    report(unit);
}

void HubStation::stageReached(const QString& device, UnitState stage, int number)
{
    StationUnit unit = m_nodes.value(device).unit;
    if (stage == UnitState::Writing || stage == UnitState::Verifying)
        unit.state = stage;
    if (stage == UnitState::Writing)
        unit.number = number;
    unit.percent = percentAt(stage);
    report(unit);
    if (stage == UnitState::Writing)
        emit unitWriting(unit);
}

void HubStation::unitDone(const UnitOutcome& outcome)
{
    Node& node = m_nodes[outcome.device];
    node.state = NodeState::Idle;
    if (!outcome.isFailure() && !outcome.isSkip())
        ++m_written;
    StationUnit unit = node.unit;
    unit.device = outcome.device;
    if (!outcome.serial.isEmpty())
        unit.serialNumber = outcome.serial;
    if (!outcome.model.isEmpty())
        unit.model = outcome.model;
    if (!outcome.firmware.isEmpty())
        unit.firmware = outcome.firmware;
    unit.state = outcome.state;
    unit.detail = outcome.message;
    unit.number = 0;
    unit.provisionedOn = outcome.provisionedOn;
    unit.setCommandsSent = outcome.setCommandsSent;
    if (outcome.isSkip()) {
        // A unit left alone keeps the number the log gave it.
        unit.number = outcome.number > 0 ? outcome.number : m_policy->numberOf(outcome.serial);
    } else if (!outcome.isFailure()) {
        unit.percent = 100;
        unit.number = outcome.number;
    } else if (outcome.holdsNumber()) {
        unit.number = outcome.number;
    }
    report(unit);
    emit unitEnded(unit, outcome);
    if (outcome.isFailure())
        stopTakingUnitsIfUsedUp();
    Node& now = m_nodes[outcome.device];
    if (now.pluggedAgain && now.present) {
        now.pluggedAgain = false;
        unitArrived(outcome.device);
    }
    // A unit that failed or was left alone makes room for one waiting.
    startWaitingUnits();
}

void HubStation::logFailed(const QString& error)
{
    // Every unit after it would be written and then not logged: the log is what the next run goes by.
    if (m_logFailed)
        return;
    m_logFailed = true;
    emit stoppedTakingUnits(
        tr("The log %1 cannot be written (%2); no more units are started.").arg(m_settings.logPath, error));
    stop();
}

void HubStation::stopTakingUnitsIfUsedUp()
{
    // A unit plugged in after it could only fail the same way.
    const QString reason = m_policy->noMoreUnitsReason();
    if (reason.isNull() || m_numbersUsedUp)
        return;
    m_numbersUsedUp = true;
    emit stoppedTakingUnits(tr("The station takes no more units: %1.").arg(reason));
    stop();
}

bool HubStation::anyInFlight() const
{
    for (const Node& node : m_nodes) {
        if (node.state != NodeState::Idle)
            return true;
    }
    return false;
}

void HubStation::allDone()
{
    if (m_stopping && !anyInFlight() && m_running) {
        m_running = false;
        if (m_monitor)
            m_monitor->stop();
        if (m_poll)
            m_poll->stop();
        emit stopped();
    }
}

QList<StationUnit> HubStation::unitsInFlight() const
{
    QStringList devices;
    for (auto node = m_nodes.cbegin(); node != m_nodes.cend(); ++node) {
        if (node->state != NodeState::Idle)
            devices.append(node.key());
    }
    devices.sort();
    QList<StationUnit> units;
    for (const QString& device : std::as_const(devices))
        units.append(m_nodes.value(device).unit);
    return units;
}

QList<StationUnit> HubStation::abandonUnitsInFlight()
{
    const QList<StationUnit> units = unitsInFlight();
    for (const StationUnit& unit : units) {
        UnitOutcome abandoned;
        abandoned.device = unit.device;
        abandoned.port = unit.port;
        abandoned.serial = unit.serialNumber;
        abandoned.model = unit.model;
        abandoned.firmware = unit.firmware;
        abandoned.profileName = m_settings.profileName;
        abandoned.profileSha256 = m_policy ? m_policy->profileSha256() : QString();
        abandoned.message = abandonedText();
        abandoned.englishMessage = inEnglish([] { return abandonedText(); });
        // Its number reached it once its write began.
        abandoned.number = unit.number;
        abandoned.setCommandsSent = unit.number > 0;
        QString error;
        if (m_log)
            m_log->append(WorkerPool::rowOf(abandoned), error);
    }
    return units;
}

void HubStation::report(const StationUnit& unit)
{
    m_nodes[unit.device].unit = unit;
    emit unitChanged(unit);
}
