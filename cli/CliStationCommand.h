#pragma once

#include "config/Tavrin2QtCfg.h"
#include "provisioning/ProvisionPolicy.h"
#include "provisioning/ProvisionTally.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

class HidBackend;
class QTimer;
class HubStation;
struct UnitOutcome;
struct StationUnit;

// tavrin2qt-cli station: programs every unit attached at start and every unit plugged in later, each once per
// plug-in, several at once, until a stop signal, a count of verified units or a time without any unit. The
// station (HubStation, as in the window) decides which unit is written; this prints what became of each.
// The station and its workers live on this object's thread; the workers each on a thread of their own.
class CliStationCommand : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString profilePath;
        // The profile, the log, the numbering, the units left out.
        ProvisionSettings settings;
        int count = 0; // 0: no limit
        int idleExitSeconds = -1; // negative: never
        bool json = false;
        // No line when the station starts waiting or a unit's write begins.
        bool quiet = false;
        // Units of the backend present at start only (virtual units): no watching for more.
        bool presentOnly = false;
    };

    CliStationCommand(const Options& options, std::shared_ptr<HidBackend> backend, QTextStream& out, QTextStream& err);
    ~CliStationCommand() override;

    // Runs the station to its end; the exit status. Throws CliFailure when it cannot start (the log).
    int run();

private:
    void unitEnded(const StationUnit& unit, const UnitOutcome& outcome);
    void stopSignal(int count);
    void idleCheck();
    void stop();
    void stopAtOnce();
    void printSummary();
    // How many units remain, by --count and --numbers; -1 when neither says.
    int toDo() const;

    Options m_options;
    std::shared_ptr<HidBackend> m_backend;
    QTextStream& m_out;
    QTextStream& m_err;
    HubStation* m_station = nullptr;
    QTimer* m_idleTimer = nullptr;
    bool m_stopping = false;
    bool m_stoppedTakingUnits = false;
    ProvisionTally m_tally;
};
