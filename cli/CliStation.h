#pragma once

#include "config/ProvisionHistory.h"
#include "config/Tavrin2QtCfg.h"
#include "protocol/UnitProvisioner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

class HidBackend;
class HotplugMonitor;
class ProvisionLog;
class ProvisioningRun;
class QEventLoop;
class QTimer;
class UnitNumbering;

// tavrin2qt-cli station: programs every unit attached at start and every unit plugged in later, each once per
// plug-in, several at once, until a stop signal, a count of verified units or a time without any unit.
class CliStation : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString profilePath;
        Tavrin2QtCfg profile;
        QString profileSha256;
        QString logPath;
        bool again = false;
        QStringList excludedSerials;
        int count = 0; // 0: no limit
        int idleExitSeconds = -1; // negative: never
        bool json = false;
        // Units of the backend present at start only (virtual units): no watching for more.
        bool presentOnly = false;
        std::optional<int> numberFrom;
        std::optional<QList<int>> numbers;
    };

    CliStation(const Options& options, std::shared_ptr<HidBackend> backend, QTextStream& out, QTextStream& err);
    ~CliStation() override;

    // Runs the station to its end; the exit status. Throws CliFailure when it cannot start (the log).
    int run();

private:
    struct Unit
    {
        QString port;
        QString serial; // once identified
        bool started = false; // its worker runs (else its node's access is still awaited)
    };

    void arrived(const QString& node);
    void left(const QString& node);
    void startUnit(const QString& node, const QString& port);
    void unitDone(const ProvisionOutcome& outcome);
    ProvisionDecision decide(ProvisionJob& job, const ProvisionOutcome& unit);
    void stopSignal(int count);
    void idleCheck();
    void finishIfDone();
    void printUnit(const ProvisionOutcome& outcome);
    void printSummary();
    void stopAtOnce();
    QString portOf(const QString& node) const;

    Options m_options;
    std::shared_ptr<HidBackend> m_backend;
    QTextStream& m_out;
    QTextStream& m_err;
    std::unique_ptr<ProvisionLog> m_log;
    std::unique_ptr<UnitNumbering> m_numbering;
    ProvisioningRun* m_run = nullptr;
    HotplugMonitor* m_monitor = nullptr;
    QTimer* m_idleTimer = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_done = false;

    // Touched by decide() on the workers' threads.
    QMutex m_decideMutex;
    ProvisionHistory m_history;

    QMap<QString, Unit> m_inFlight; // by node
    QHash<QString, QString> m_unlogged; // by node: why the unit's row could not be written
    QSet<QString> m_waitingNodes; // plugged in again while the old unit's worker still ran
    bool m_stopping = false;
    int m_verified = 0;
    int m_failed = 0;
    int m_skipped = 0;
};
