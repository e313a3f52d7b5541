#include "provisioning/HubStation.h"

#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/UnitNumbering.h"
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
int percentAt(UnitWorker::Stage stage)
{
    switch (stage) {
    case UnitWorker::Identifying:
        return 10;
    case UnitWorker::Writing:
        return 30;
    case UnitWorker::Verifying:
        return 80;
    }
    return 0;
}
} // namespace

HubStation::HubStation(const StationSettings& settings, std::shared_ptr<HidBackend> backend, QObject* parent)
    : Station(parent)
    , m_settings(settings)
    , m_backend(backend ? std::move(backend) : UsbHid::sharedBackend())
{
    for (const QString& serial : settings.leaveOutSerials)
        m_leftOutSerials.insert(serial);
}

HubStation::~HubStation()
{
    if (m_monitor)
        m_monitor->stop();
    // The run waits for its units before the log it writes to goes.
    m_run.reset();
}

bool HubStation::start(QString& error)
{
    if (m_running)
        return true;
    m_refusedUnnumbered = false;
    m_profileSha256 = ProvisionLog::profileSha256(m_settings.profile, error);
    if (m_profileSha256.isNull())
        return false;

    auto log = std::make_unique<ProvisionLog>(m_settings.logPath);
    if (!log->open(error) || !log->holdForStation(error))
        return false;
    QList<ProvisionRow> rows;
    if (!ProvisionLog::read(m_settings.logPath, rows, error))
        return false;
    m_history = ProvisionHistory(rows);
    m_numbering = UnitNumbering::forRun(m_settings.numberFrom, m_settings.numbers, m_history);
    if (!m_numbering && NumberedProfile::holdsNumber(m_settings.profile)) {
        m_refusedUnnumbered = true;
        error = tr("The profile's messages hold {n}, which only numbered units can take: every unit would get "
                   "it as it stands. Number the units, or take {n} out of the messages.");
        return false;
    }
    m_log = std::move(log);

    m_run = std::make_unique<WorkerPool>(m_backend);
    m_run->setLog(m_log.get());
    m_run->setNumbering(m_numbering.get());
    m_run->setDecide([this](UnitJob& job, const UnitOutcome& unit) { return decide(job, unit); });
    connect(m_run.get(), &WorkerPool::identified, this, &HubStation::identified);
    connect(m_run.get(), &WorkerPool::stage, this, &HubStation::stageReached);
    connect(m_run.get(), &WorkerPool::logFailed, this,
            [this](const UnitOutcome& outcome, const QString& logError) {
                m_logErrors.insert(outcome.device, logError);
            });
    connect(m_run.get(), &WorkerPool::unitDone, this, &HubStation::unitDone);
    connect(m_run.get(), &WorkerPool::allDone, this, &HubStation::allDone);

    m_running = true;
    if (m_backend->unitWatch() == HidBackend::UnitWatch::SystemHotplug) {
        m_monitor = new HotplugMonitor(this);
        connect(m_monitor, &HotplugMonitor::unitArrived, this,
                [this](const QString& device, const QString&) { unitArrived(device); });
        connect(m_monitor, &HotplugMonitor::unitLeft, this, &HubStation::unitLeft);
        if (!m_monitor->start()) {
            error = m_monitor->errorText();
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
    if (!m_running || m_stopping)
        return;
    // In the order the system lists them: units attached together are numbered as they sit on the hub.
    QStringList now;
    try {
        for (const UsbHid::Unit& unit : TavrinFinder(m_backend).attachedUnits())
            now.append(unit.path);
    } catch (const UsbHidException&) {
        return;
    }
    const QSet<QString> gone = QSet<QString>(m_present).subtract(QSet<QString>(now.cbegin(), now.cend()));
    for (const QString& device : gone)
        unitLeft(device);
    for (const QString& device : std::as_const(now)) {
        if (!m_present.contains(device))
            unitArrived(device);
    }
}

void HubStation::stop()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    if (m_monitor)
        m_monitor->stop();
    if (m_poll)
        m_poll->stop();
    if (m_inFlight.isEmpty())
        QMetaObject::invokeMethod(this, &HubStation::allDone, Qt::QueuedConnection);
}

void HubStation::leaveOut(const QString& device)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_leftOutDevices.insert(device);
    const QString serial = m_units.value(device).serialNumber;
    if (!serial.isEmpty())
        m_leftOutSerials.insert(serial);
}

void HubStation::retry(const QString& device)
{
    const StationUnit unit = m_units.value(device);
    if (!m_running || m_stopping || m_inFlight.contains(device) || !m_present.contains(device)
        || unit.state != StationUnit::State::Failed)
        return;
    m_inFlight.insert(device);
    startUnit(device);
}

void HubStation::unitArrived(const QString& device)
{
    m_present.insert(device);
    if (m_stopping)
        return;
    // The unit that left this node is still finishing: the new one starts after it.
    if (m_inFlight.contains(device)) {
        m_arrivedMeanwhile.insert(device);
        return;
    }
    StationUnit unit;
    unit.device = device;
    unit.port = m_backend->portPath(device);
    report(unit);
    {
        // A node is left out for the unit plugged in there, not for the next one.
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_leftOutDevices.remove(device);
    }
    m_inFlight.insert(device);
    if (!m_monitor) {
        startUnit(device);
        return;
    }
    // Access to a node just announced can come a moment later; when it never comes, the worker's own open
    // fails with the reason.
    // Units start in the order they arrived, which is the order they are numbered in: one whose access
    // comes later holds back those that arrived after it.
    m_awaitingAccess.append(device);
    OpenRetry::start(
        this, [device] { return openOnce(device); },
        [this, device](OpenRetry::Result) {
            m_accessSettled.insert(device);
            while (!m_awaitingAccess.isEmpty() && m_accessSettled.remove(m_awaitingAccess.constFirst())) {
                const QString next = m_awaitingAccess.takeFirst();
                // Stopped meanwhile: never started, so no longer in flight.
                if (m_stopping)
                    m_inFlight.remove(next);
                else
                    startUnit(next);
            }
            allDone();
        });
}

void HubStation::unitLeft(const QString& device)
{
    m_present.remove(device);
    m_arrivedMeanwhile.remove(device);
    // A unit in flight ends by itself, its worker telling a unit that went from one that failed.
    if (m_inFlight.contains(device))
        return;
    StationUnit unit = m_units.value(device);
    if (unit.state == StationUnit::State::Waiting && !unit.device.isEmpty()) {
        unit.state = StationUnit::State::Unplugged;
        report(unit);
    }
}

void HubStation::startUnit(const QString& device)
{
    StationUnit unit = m_units.value(device);
    if (unit.state != StationUnit::State::Waiting) {
        unit.state = StationUnit::State::Writing;
        unit.percent = 0;
        unit.number = 0;
        unit.detail.clear();
        report(unit);
    }
    UnitJob job;
    job.device = device;
    job.port = unit.port;
    job.profile = m_settings.profile;
    job.profileName = m_settings.profileName;
    job.profileSha256 = m_profileSha256;
    m_logErrors.remove(device);
    m_run->start(job);
}

void HubStation::identified(const QString& device, const QString& serial, const QString& model,
                             const QString& firmware)
{
    StationUnit unit = m_units.value(device);
    unit.serialNumber = serial;
    unit.model = model;
    unit.firmware = firmware;
    report(unit);
}

void HubStation::stageReached(const QString& device, UnitWorker::Stage stage)
{
    StationUnit unit = m_units.value(device);
    if (stage == UnitWorker::Writing)
        unit.state = StationUnit::State::Writing;
    else if (stage == UnitWorker::Verifying)
        unit.state = StationUnit::State::Verifying;
    unit.percent = percentAt(stage);
    report(unit);
}

UnitDecision HubStation::decide(UnitJob& job, const UnitOutcome& unit)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_leftOutDevices.contains(job.device) || m_leftOutSerials.contains(unit.serial))
        return UnitDecision::skip(tr("left out"));
    if (m_settings.again)
        return UnitDecision::proceed();
    const ProvisionRow* row = m_history.verifiedWith(unit.serial, m_profileSha256);
    if (!row)
        return UnitDecision::proceed();
    // The number it carries stays its own.
    job.number = row->number;
    return UnitDecision::skip(
        tr("already provisioned with this profile on %1").arg(row->time.toString(Qt::ISODate)));
}

void HubStation::readHistory()
{
    // Read back as logged: a unit plugged in again in this run is known by its row, its time and its number.
    QList<ProvisionRow> rows;
    QString error;
    if (!ProvisionLog::read(m_settings.logPath, rows, error))
        return;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_history = ProvisionHistory(rows);
}

void HubStation::unitDone(const UnitOutcome& outcome)
{
    m_inFlight.remove(outcome.device);
    StationUnit unit = m_units.value(outcome.device);
    unit.device = outcome.device;
    if (!outcome.serial.isEmpty())
        unit.serialNumber = outcome.serial;
    if (!outcome.model.isEmpty())
        unit.model = outcome.model;
    if (!outcome.firmware.isEmpty())
        unit.firmware = outcome.firmware;
    unit.detail = outcome.message;
    unit.number = 0;
    unit.provisionedOn = QDateTime();
    unit.logError = m_logErrors.take(outcome.device);
    if (outcome.skipped) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const bool leftOut = m_leftOutDevices.contains(outcome.device) || m_leftOutSerials.contains(outcome.serial);
        unit.state = leftOut ? StationUnit::State::LeftOut : StationUnit::State::AlreadyProvisioned;
        if (const ProvisionRow* row = leftOut ? nullptr : m_history.verifiedWith(outcome.serial, m_profileSha256))
            unit.provisionedOn = row->time;
        // A unit left alone keeps the number the log gave it.
        unit.number = outcome.number > 0 ? outcome.number : m_history.numberOf(outcome.serial);
    } else if (outcome.result == ProvisionRow::Result::Verified && unit.logError.isEmpty()) {
        unit.state = StationUnit::State::Verified;
        unit.percent = 100;
        unit.number = outcome.number;
        readHistory();
    } else if (outcome.unplugged) {
        unit.state = StationUnit::State::Unplugged;
    } else {
        unit.state = StationUnit::State::Failed;
        // A unit not in the log is not provisioned, whatever it holds.
        if (!unit.logError.isEmpty())
            unit.detail = tr("its row could not be logged: %1").arg(unit.logError);
    }
    report(unit);
    emit unitEnded(unit, outcome);
    if (m_arrivedMeanwhile.remove(outcome.device) && m_present.contains(outcome.device))
        unitArrived(outcome.device);
}

void HubStation::allDone()
{
    if (m_stopping && m_inFlight.isEmpty() && m_running) {
        m_running = false;
        emit stopped();
    }
}

QList<StationUnit> HubStation::unitsInFlight() const
{
    QStringList devices(m_inFlight.cbegin(), m_inFlight.cend());
    devices.sort();
    QList<StationUnit> units;
    for (const QString& device : std::as_const(devices))
        units.append(m_units.value(device));
    return units;
}

void HubStation::report(const StationUnit& unit)
{
    m_units.insert(unit.device, unit);
    emit unitChanged(unit);
}
