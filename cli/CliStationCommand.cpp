#include "cli/CliStationCommand.h"

#include "cli/CliAllUnits.h"
#include "cli/CliFailure.h"
#include "config/DisplayText.h"
#include "provisioning/StopSignals.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/HubStation.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

CliStationCommand::CliStationCommand(const Options& options, std::shared_ptr<HidBackend> backend, QTextStream& out,
                                     QTextStream& err)
    : m_options(options)
    , m_backend(std::move(backend))
    , m_out(out)
    , m_err(err)
{
}

CliStationCommand::~CliStationCommand() = default;

int CliStationCommand::run()
{
    m_station = new HubStation(m_options.settings, m_backend, this);
    // Units beyond the count are never started, even when they are in flight together.
    m_station->setLimit(m_options.count);

    QEventLoop loop;
    bool stopped = false;
    connect(m_station, &Station::stopped, &loop, [&] {
        stopped = true;
        loop.quit();
    });
    connect(m_station, &HubStation::unitEnded, this, &CliStationCommand::unitEnded);
    // The station stops starting units by itself; those in flight end first.
    connect(m_station, &Station::stoppedTakingUnits, this, [this](const QString& reason) {
        m_stoppedTakingUnits = true;
        m_stopping = true;
        m_err << reason << Qt::endl;
    });
    if (!m_options.quiet) {
        connect(m_station, &HubStation::unitWriting, this, [this](const StationUnit& unit) {
            m_out << CliAllUnits::writingLine({ unit.device, unit.port, unit.serialNumber, unit.model, unit.firmware },
                                              unit.number, m_options.json)
                  << Qt::endl;
        });
    }
    StopSignals stopSignals;
    connect(&stopSignals, &StopSignals::received, this, [this](int, int count) { stopSignal(count); });

    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, &CliStationCommand::idleCheck);
    // A unit arrived: the station is not idle.
    connect(m_station, &Station::unitChanged, m_idleTimer, [this](const StationUnit& unit) {
        if (unit.state == UnitState::Waiting)
            m_idleTimer->stop();
    });
    // The clock starts at launch.
    if (m_options.idleExitSeconds >= 0)
        m_idleTimer->start(m_options.idleExitSeconds * 1000);

    ProfileRefusal refusal;
    if (!m_station->start(refusal))
        CliAllUnits::refuse(refusal, m_options.profilePath);
    // The units there now are reported from the event loop: this line comes first.
    if (!m_options.quiet)
        m_out << CliAllUnits::waitingLine(m_options.json, toDo()) << Qt::endl;
    // The units there now are all there will be.
    if (m_options.presentOnly)
        stop();
    if (!stopped)
        loop.exec();

    printSummary();
    return m_tally.failed() == 0 && !m_stoppedTakingUnits ? ExitSuccess : ExitFailure;
}

void CliStationCommand::unitEnded(const StationUnit& unit, const UnitOutcome& outcome)
{
    m_tally.add(outcome.serial, outcome.state, outcome.setCommandsSent);
    UnitOutcome shown = outcome;
    shown.number = unit.number;
    if (outcome.state == UnitState::AlreadyProvisioned) {
        const auto already = [&] {
            return tr("%1 was already provisioned with this profile on %2")
                .arg(displayText(outcome.serial), unit.provisionedOn.toUTC().toString(Qt::ISODate));
        };
        shown.message = already();
        shown.englishMessage = inEnglish(already);
    } else if (outcome.state == UnitState::Unplugged) {
        shown.message = UnitWorker::unpluggedText();
        shown.englishMessage = inEnglish([] { return UnitWorker::unpluggedText(); });
    }
    if (!outcome.isSkip())
        shown.number = outcome.number;
    m_out << CliAllUnits::unitLine(shown, m_options.json, QStringLiteral("done")) << Qt::endl;

    if (m_options.count > 0 && m_tally.written() >= m_options.count)
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
    // Logged and counted as failed: the next run and the installer see what is left to do.
    for (const StationUnit& unit : m_station->abandonUnitsInFlight()) {
        m_tally.add(unit.serialNumber, UnitState::Failed, unit.number > 0);
        units << displayText(unit.serialNumber.isEmpty() ? unit.device
                                                         : QStringLiteral("%1 %2").arg(unit.device, unit.serialNumber));
    }
    if (!units.isEmpty())
        m_err << tr("Stopped at once; left unverified: %1").arg(units.join(QStringLiteral(", "))) << Qt::endl;
    printSummary();
    m_out.flush();
    m_err.flush();
    std::fflush(nullptr);
    // The workers are mid-conversation and cannot be waited for; the rows of finished units are on disk.
    std::_Exit(ExitFailure);
}

void CliStationCommand::idleCheck()
{
    if (m_station->unitsInFlight().isEmpty())
        stop();
}

void CliStationCommand::printSummary()
{
    m_out << CliAllUnits::summaryLine(m_options.json, true, m_tally, toDo()) << Qt::endl;
}

int CliStationCommand::toDo() const
{
    int toDo = m_station->numbersLeft();
    if (m_options.count > 0) {
        const int counted = qMax(0, m_options.count - m_tally.written());
        toDo = toDo < 0 ? counted : qMin(toDo, counted);
    }
    return toDo;
}
