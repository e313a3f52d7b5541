#include "cli/CliStation.h"

#include "cli/CliAllUnits.h"
#include "cli/CliFailure.h"
#include "cli/SettingsPrinter.h"
#include "cli/StopSignals.h"
#include "config/NumberedProfile.h"
#include "config/ProvisionLog.h"
#include "config/UnitNumbering.h"
#include "protocol/ProvisioningRun.h"
#include "usb/HotplugMonitor.h"
#include "usb/OpenRetry.h"
#include "usb/TavrinFinder.h"
#include "usb/UsbHid.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

OpenRetry::Result openOnce(const QString& node)
{
    const int fd = ::open(QFile::encodeName(node).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return OpenRetry::fromErrno(errno);
    ::close(fd);
    return OpenRetry::Result::Opened;
}

} // namespace

CliStation::CliStation(const Options& options, std::shared_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
    : m_options(options)
    , m_backend(std::move(backend))
    , m_out(out)
    , m_err(err)
{
}

CliStation::~CliStation() = default;

int CliStation::run()
{
    QString error;
    m_log = std::make_unique<ProvisionLog>(m_options.logPath);
    if (!m_log->open(error) || !m_log->holdForStation(error))
        throw CliFailure::failure(error);
    // What the log holds from earlier runs: its verified units are skipped, its numbers kept.
    QList<ProvisionRow> rows;
    if (!ProvisionLog::read(m_options.logPath, rows, error))
        throw CliFailure::failure(error);
    m_history = ProvisionHistory(rows);
    m_numbering = UnitNumbering::forRun(m_options.numberFrom, m_options.numbers, m_history);
    if (!m_numbering && NumberedProfile::holdsNumber(m_options.profile))
        throw CliFailure::failure(tr("%1 holds {n} in a message text, but the units are not numbered; nothing "
                                     "was sent. Number them with --number-from N or --numbers LIST.")
                                      .arg(m_options.profilePath));

    m_run = new ProvisioningRun(m_backend, this);
    m_run->setLog(m_log.get());
    m_run->setNumbering(m_numbering.get());
    m_run->setDecide([this](ProvisionJob& job, const ProvisionOutcome& unit) { return decide(job, unit); });
    connect(m_run, &ProvisioningRun::unitDone, this, &CliStation::unitDone);
    connect(m_run, &ProvisioningRun::logFailed, this, [this](const ProvisionOutcome& outcome, const QString& error) {
        m_unlogged.insert(outcome.device, error);
    });
    connect(m_run, &ProvisioningRun::identified, this, [this](const QString& device, const QString& serial) {
        auto unit = m_inFlight.find(device);
        if (unit != m_inFlight.end())
            unit->serial = serial;
    });

    QEventLoop loop;
    m_loop = &loop;
    StopSignals stopSignals;
    connect(&stopSignals, &StopSignals::received, this, [this](int, int count) { stopSignal(count); });

    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, &CliStation::idleCheck);
    // The clock starts at launch.
    if (m_options.idleExitSeconds >= 0)
        m_idleTimer->start(m_options.idleExitSeconds * 1000);

    if (m_options.presentOnly) {
        for (const UsbHid::Unit& unit : TavrinFinder(m_backend).attachedUnits())
            startUnit(unit.path, unit.port);
        // Nothing more can arrive.
        m_stopping = true;
    } else {
        m_monitor = new HotplugMonitor(this);
        connect(m_monitor, &HotplugMonitor::unitArrived, this, [this](const QString& node) { arrived(node); });
        connect(m_monitor, &HotplugMonitor::unitLeft, this, &CliStation::left);
        if (!m_monitor->start())
            throw CliFailure::failure(m_monitor->errorText());
    }
    finishIfDone();
    if (!m_done)
        loop.exec();
    m_loop = nullptr;
    if (m_monitor)
        m_monitor->stop();

    printSummary();
    return m_failed == 0 ? ExitSuccess : ExitFailure;
}

void CliStation::arrived(const QString& node)
{
    if (m_stopping)
        return;
    m_idleTimer->stop();
    // The unit that left this node is still finishing: the new one starts after it.
    if (m_inFlight.contains(node)) {
        m_waitingNodes.insert(node);
        return;
    }
    const QString port = portOf(node);
    m_inFlight.insert(node, Unit { port, QString(), false });
    // Access to a node just announced can come a moment later; when it never comes, the worker's own open
    // fails with the reason.
    OpenRetry::start(
        this, [node] { return openOnce(node); },
        [this, node, port](OpenRetry::Result) {
            // Stopped meanwhile: not started, so not in flight.
            if (m_stopping) {
                m_inFlight.remove(node);
                m_waitingNodes.remove(node);
                finishIfDone();
                return;
            }
            startUnit(node, port);
        });
}

void CliStation::left(const QString& node)
{
    // A unit unplugged while it is written fails by itself ("unplugged before it was verified").
    m_waitingNodes.remove(node);
}

QString CliStation::portOf(const QString& node) const
{
    for (const UsbHid::Unit& unit : TavrinFinder(m_backend).attachedUnits()) {
        if (unit.path == node)
            return unit.port;
    }
    return QString();
}

void CliStation::startUnit(const QString& node, const QString& port)
{
    ProvisionJob job;
    job.device = node;
    job.port = port;
    job.profile = m_options.profile;
    job.profileName = QFileInfo(m_options.profilePath).fileName();
    job.profileSha256 = m_options.profileSha256;
    job.verify = true;
    m_inFlight.insert(node, Unit { port, QString(), true });
    m_idleTimer->stop();
    m_run->start(job);
}

ProvisionDecision CliStation::decide(ProvisionJob& job, const ProvisionOutcome& unit)
{
    QMutexLocker lock(&m_decideMutex);
    if (m_options.excludedSerials.contains(unit.serial))
        return ProvisionDecision::skip(tr("left out (--exclude-serial)"));
    if (m_options.again)
        return ProvisionDecision::proceed();
    const ProvisionRow* done = m_history.verifiedWith(unit.serial, job.profileSha256);
    if (!done)
        return ProvisionDecision::proceed();
    // The number it carries stays its own; the line shows it.
    job.number = done->number;
    return ProvisionDecision::skip(tr("%1 was already provisioned with this profile on %2")
                                       .arg(unit.serial, done->time.toUTC().toString(Qt::ISODate)));
}

void CliStation::unitDone(const ProvisionOutcome& done)
{
    ProvisionOutcome outcome = done;
    m_inFlight.remove(outcome.device);
    // A unit missing from the log is not done: the log is what the next run and the installer go by.
    const QString logError = m_unlogged.take(outcome.device);
    if (!logError.isEmpty()) {
        outcome.result = ProvisionRow::Result::Failed;
        outcome.unplugged = false;
        outcome.message = tr("its row could not be written to the log: %1").arg(ProvisionLog::oneLine(logError));
    }
    if (outcome.skipped) {
        ++m_skipped;
        QMutexLocker lock(&m_decideMutex);
        if (!outcome.number)
            outcome.number = m_history.numberOf(outcome.serial);
    } else if (outcome.result == ProvisionRow::Result::Verified) {
        ++m_verified;
        // Read back as logged: a unit plugged in again in this run is known by its row, time and number.
        QList<ProvisionRow> rows;
        QString error;
        if (ProvisionLog::read(m_options.logPath, rows, error)) {
            QMutexLocker lock(&m_decideMutex);
            m_history = ProvisionHistory(rows);
        }
        if (m_options.count > 0 && m_verified >= m_options.count)
            m_stopping = true;
    } else {
        ++m_failed;
    }
    printUnit(outcome);

    const QString node = outcome.device;
    if (m_waitingNodes.remove(node) && !m_stopping)
        arrived(node);
    if (m_inFlight.isEmpty() && m_options.idleExitSeconds >= 0 && !m_stopping)
        m_idleTimer->start(m_options.idleExitSeconds * 1000);
    finishIfDone();
}

void CliStation::stopSignal(int count)
{
    if (count == 1) {
        m_stopping = true;
        if (!m_inFlight.isEmpty())
            m_err << tr("Stopping after the units in flight; a second signal stops at once.") << Qt::endl;
        finishIfDone();
        return;
    }
    stopAtOnce();
}

void CliStation::stopAtOnce()
{
    QStringList units;
    for (auto unit = m_inFlight.cbegin(); unit != m_inFlight.cend(); ++unit)
        units << (unit->serial.isEmpty() ? unit.key() : QStringLiteral("%1 %2").arg(unit.key(), unit->serial));
    if (!units.isEmpty())
        m_err << tr("Stopped at once; left unverified: %1").arg(units.join(QStringLiteral(", "))) << Qt::endl;
    printSummary();
    m_out.flush();
    m_err.flush();
    std::fflush(nullptr);
    // The workers are mid-conversation and cannot be waited for; the rows of finished units are on disk.
    ::_exit(ExitFailure);
}

void CliStation::idleCheck()
{
    if (!m_inFlight.isEmpty())
        return;
    m_stopping = true;
    finishIfDone();
}

void CliStation::finishIfDone()
{
    if (!m_stopping || !m_inFlight.isEmpty() || m_done)
        return;
    m_done = true;
    if (m_loop)
        m_loop->quit();
}

void CliStation::printUnit(const ProvisionOutcome& outcome)
{
    if (m_options.json) {
        QJsonObject object {
            { QStringLiteral("device"), outcome.device },
            { QStringLiteral("port"), outcome.port },
            { QStringLiteral("serial"), outcome.serial },
            { QStringLiteral("model"), outcome.model },
            { QStringLiteral("firmware"), outcome.firmware },
            { QStringLiteral("result"),
              outcome.skipped ? QStringLiteral("skipped") : ProvisionLog::resultName(outcome.result) },
            { QStringLiteral("seconds"), outcome.seconds },
            { QStringLiteral("message"),
              outcome.unplugged && !outcome.skipped ? tr("unplugged before it was verified") : outcome.message },
        };
        object.insert(QStringLiteral("number"), outcome.number > 0 ? QJsonValue(outcome.number) : QJsonValue());
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
        return;
    }
    QString line = CliAllUnits::unitLabel(outcome.number, outcome.device, outcome.port, outcome.model, outcome.serial);
    line += QStringLiteral(": ");
    if (outcome.skipped)
        line += tr("skipped: %1").arg(outcome.message);
    else if (outcome.result == ProvisionRow::Result::Verified)
        line += tr("written and verified (%1 s)").arg(outcome.seconds, 0, 'f', 1);
    else
        line += tr("FAILED: %1")
                    .arg(outcome.unplugged ? tr("unplugged before it was verified")
                                           : SettingsPrinter::displayText(outcome.message));
    m_out << line << Qt::endl;
}

void CliStation::printSummary()
{
    if (m_options.json) {
        const QJsonObject summary { { QStringLiteral("summary"), true },
                                    { QStringLiteral("verified"), m_verified },
                                    { QStringLiteral("failed"), m_failed },
                                    { QStringLiteral("skipped"), m_skipped } };
        m_out << QJsonDocument(summary).toJson(QJsonDocument::Compact) << Qt::endl;
        return;
    }
    QString line = tr("%1 written and verified, %2 failed").arg(m_verified).arg(m_failed);
    if (m_skipped)
        line += tr(", %1 skipped").arg(m_skipped);
    m_out << line << Qt::endl;
}
