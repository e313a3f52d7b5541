#include "cli/CliStationCommand.h"

#include "cli/CliAllUnits.h"
#include "cli/CliFailure.h"
#include "provisioning/StopSignals.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/HubStation.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

CliStationCommand::CliStationCommand(const Options& options, std::shared_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
    : m_options(options)
    , m_backend(std::move(backend))
    , m_out(out)
    , m_err(err)
{
}

CliStationCommand::~CliStationCommand() = default;

int CliStationCommand::run()
{
    StationSettings settings;
    settings.profile = m_options.profile;
    settings.profileName = QFileInfo(m_options.profilePath).fileName();
    settings.logPath = m_options.logPath;
    settings.numberFrom = m_options.numberFrom;
    settings.numbers = m_options.numbers;
    settings.leaveOutSerials = m_options.excludedSerials;
    settings.again = m_options.again;
    m_station = new HubStation(settings, m_backend, this);

    QEventLoop loop;
    bool stopped = false;
    connect(m_station, &Station::stopped, &loop, [&] {
        stopped = true;
        loop.quit();
    });
    connect(m_station, &HubStation::unitEnded, this, &CliStationCommand::unitEnded);
    StopSignals stopSignals;
    connect(&stopSignals, &StopSignals::received, this, [this](int, int count) { stopSignal(count); });

    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, &CliStationCommand::idleCheck);
    // A unit arrived: the station is not idle.
    connect(m_station, &Station::unitChanged, m_idleTimer, [this](const StationUnit& unit) {
        if (unit.state == StationUnit::State::Waiting)
            m_idleTimer->stop();
    });
    // The clock starts at launch.
    if (m_options.idleExitSeconds >= 0)
        m_idleTimer->start(m_options.idleExitSeconds * 1000);

    QString error;
    if (!m_station->start(error)) {
        if (m_station->refusedUnnumbered())
            error = tr("%1 holds {n} in a message text, but the units are not numbered; nothing was sent. Number "
                       "them with --number-from N or --numbers LIST.")
                        .arg(m_options.profilePath);
        throw CliFailure::failure(error);
    }
    // The units there now are all there will be.
    if (m_options.presentOnly)
        stop();
    if (!stopped)
        loop.exec();

    printSummary();
    return m_failed == 0 ? ExitSuccess : ExitFailure;
}

void CliStationCommand::unitEnded(const StationUnit& unit, const UnitOutcome& outcome)
{
    UnitOutcome shown = outcome;
    switch (unit.state) {
    case StationUnit::State::Verified:
        ++m_verified;
        break;
    case StationUnit::State::LeftOut:
    case StationUnit::State::AlreadyProvisioned:
        ++m_skipped;
        shown.number = unit.number;
        shown.message = unit.state == StationUnit::State::LeftOut
            ? tr("left out (--exclude-serial)")
            : tr("%1 was already provisioned with this profile on %2")
                  .arg(outcome.serial, unit.provisionedOn.toUTC().toString(Qt::ISODate));
        break;
    default:
        ++m_failed;
        shown.result = ProvisionRow::Result::Failed;
        // A unit missing from the log is not done: the log is what the next run and the installer go by.
        if (!unit.logError.isEmpty())
            shown.message = tr("its row could not be written to the log: %1").arg(ProvisionLog::oneLine(unit.logError));
        else if (outcome.unplugged)
            shown.message = UnitWorker::unpluggedText();
        break;
    }
    m_out << CliAllUnits::unitLine(shown, m_options.json) << Qt::endl;

    if (m_options.count > 0 && m_verified >= m_options.count)
        stop();
    if (m_options.idleExitSeconds >= 0 && !m_stopping && m_station->unitsInFlight().isEmpty())
        m_idleTimer->start(m_options.idleExitSeconds * 1000);
}

void CliStationCommand::stop()
{
    m_stopping = true;
    m_station->stop();
}

void CliStationCommand::stopSignal(int count)
{
    if (count == 1) {
        if (!m_station->unitsInFlight().isEmpty())
            m_err << tr("Stopping after the units in flight; a second signal stops at once.") << Qt::endl;
        stop();
        return;
    }
    stopAtOnce();
}

void CliStationCommand::stopAtOnce()
{
    QStringList units;
    for (const StationUnit& unit : m_station->unitsInFlight())
        units << (unit.serialNumber.isEmpty() ? unit.device
                                              : QStringLiteral("%1 %2").arg(unit.device, unit.serialNumber));
    if (!units.isEmpty())
        m_err << tr("Stopped at once; left unverified: %1").arg(units.join(QStringLiteral(", "))) << Qt::endl;
    printSummary();
    m_out.flush();
    m_err.flush();
    std::fflush(nullptr);
    // The workers are mid-conversation and cannot be waited for; the rows of finished units are on disk.
    ::_exit(ExitFailure);
}

void CliStationCommand::idleCheck()
{
    if (m_station->unitsInFlight().isEmpty())
        stop();
}

void CliStationCommand::printSummary()
{
    m_out << CliAllUnits::summaryLine(m_options.json, true, m_verified, m_failed, m_skipped) << Qt::endl;
}
