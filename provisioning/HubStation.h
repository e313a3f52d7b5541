#pragma once

#include "provisioning/ProvisionHistory.h"
#include "provisioning/Station.h"
#include "provisioning/UnitWorker.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class HidBackend;
class HotplugMonitor;
class ProvisionLog;
class WorkerPool;
class QTimer;
class UnitNumbering;

// The station on the units of a backend, for the window's dialog and the command line's station: every unit
// attached at start and every unit plugged in later is written, verified and logged once per plug-in,
// several at once. A serial number the log (or this run) shows verified with the same profile is skipped
// unless StationSettings::again; numbering goes on from the log. The system's units are heard by the
// hot-plug monitor; units of another backend (virtual ones) by looking at the backend every
// HotplugMonitor::PollIntervalMs.
class HubStation : public Station
{
    Q_OBJECT

public:
    explicit HubStation(const StationSettings& settings, std::shared_ptr<HidBackend> backend = {},
                         QObject* parent = nullptr);
    ~HubStation() override;

    bool start(QString& error) override;
    void stop() override;
    void leaveOut(const QString& device) override;
    void retry(const QString& device) override;

    // Tests: looks at the backend's units now instead of at the next tick (virtual units only).
    void lookForUnits();

    // After start() failed: whether the profile holds {n} while the units are not numbered.
    bool refusedUnnumbered() const { return m_refusedUnnumbered; }
    // The units being started or written, by node.
    QList<StationUnit> unitsInFlight() const;

signals:
    // Once per unit tried or skipped, right after the unitChanged that shows its end: outcome is how its
    // worker ended it.
    void unitEnded(const StationUnit& unit, const UnitOutcome& outcome);

private:
    void unitArrived(const QString& device);
    void unitLeft(const QString& device);
    void startUnit(const QString& device);
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    void stageReached(const QString& device, UnitWorker::Stage stage);
    void unitDone(const UnitOutcome& outcome);
    void allDone();
    void report(const StationUnit& unit);
    // On the workers' threads, one unit at a time.
    UnitDecision decide(UnitJob& job, const UnitOutcome& unit);
    void readHistory();

    StationSettings m_settings;
    QString m_profileSha256;
    std::shared_ptr<HidBackend> m_backend;
    std::unique_ptr<ProvisionLog> m_log;
    std::unique_ptr<UnitNumbering> m_numbering;
    std::unique_ptr<WorkerPool> m_run;
    HotplugMonitor* m_monitor = nullptr;
    QTimer* m_poll = nullptr;
    QSet<QString> m_present;
    QHash<QString, StationUnit> m_units;
    // Nodes whose unit is being started or written.
    QSet<QString> m_inFlight;
    // Nodes just announced, in the order they came, until their first open is settled.
    QStringList m_awaitingAccess;
    QSet<QString> m_accessSettled;
    // Nodes where a unit was plugged in while the previous one there was still finishing.
    QSet<QString> m_arrivedMeanwhile;
    QHash<QString, QString> m_logErrors;
    bool m_running = false;
    bool m_stopping = false;
    bool m_refusedUnnumbered = false;

    // Shared with decide on the workers' threads.
    std::mutex m_mutex;
    ProvisionHistory m_history;
    QSet<QString> m_leftOutDevices;
    QSet<QString> m_leftOutSerials;
};
