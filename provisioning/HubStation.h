#pragma once

#include "provisioning/ProvisionPolicy.h"
#include "provisioning/Station.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class HidBackend;
class HotplugMonitor;
class ProvisionLog;
class WorkerPool;
class QTimer;

// The station on the units of a backend, for the window's dialog and the command line's station: every unit
// attached at start and every unit plugged in later is written, verified and logged once per plug-in,
// several at once. What becomes of each unit (left out, already provisioned, its number) is its policy's
// word; the station follows each node from plug-in to the unit's end. The backend says how its units are
// heard: the system's hot-plug monitor, or looking at the backend every HotplugMonitor::PollIntervalMs.
class HubStation : public Station
{
    Q_OBJECT

public:
    // Where a node stands. A unit is in flight from its plug-in until its worker ends it.
    enum class NodeState
    {
        // No unit in flight: none attached, or the one attached ended (or was never started: stopping).
        Idle,
        // Just announced; its first open is not settled yet.
        AwaitingAccess,
        // Its open is settled; it starts after the units that arrived before it.
        Ready,
        // Its worker runs.
        Running
    };

    // settings.station is implied.
    explicit HubStation(const ProvisionSettings& settings, std::shared_ptr<HidBackend> backend = {},
                        QObject* parent = nullptr);
    // The units in flight are finished, their rows written.
    ~HubStation() override;

    bool start(ProfileRefusal& refusal) override;
    void stop() override;
    void leaveOut(const QString& device) override;
    void retry(const QString& device) override;

    // At most this many units written (--count): a unit waits while those written and those in flight make
    // it, and starts when one of them fails. 0: no limit. Before start().
    void setLimit(int units) { m_limit = units; }

    // With a list of numbers: how many of them are left for units; -1 without a list or before start().
    int numbersLeft() const { return m_policy ? m_policy->numbersLeft() : -1; }

    // Tests: looks at the backend's units now instead of at the next tick (virtual units only).
    void lookForUnits();

    // The units being started or written, by node.
    QList<StationUnit> unitsInFlight() const;
    // Stopping at once: the units in flight are logged failed ("stopped before it was verified"), with the
    // number of those whose write began; they are returned, nothing is waited for.
    QList<StationUnit> abandonUnitsInFlight();
    static QString abandonedText() { return tr("stopped before it was verified"); }
    NodeState nodeState(const QString& device) const { return m_nodes.value(device).state; }

signals:
    // A unit's write began (its number, when numbered, is set).
    void unitWriting(const StationUnit& unit);
    // Once per unit tried or left alone, right after the unitChanged that shows its end: outcome is how its
    // worker ended it.
    void unitEnded(const StationUnit& unit, const UnitOutcome& outcome);

private:
    struct Node
    {
        NodeState state = NodeState::Idle;
        // A unit is attached at the node (the one in flight may have left).
        bool present = false;
        // The unit in flight left and another was plugged in there: it starts when the first one ends.
        bool pluggedAgain = false;
        // When the unit in flight arrived: units start in the order they arrived, which is the order they
        // are numbered in.
        quint64 arrival = 0;
        // What was last reported of its unit.
        StationUnit unit;
    };

    void unitArrived(const QString& device);
    void unitLeft(const QString& device);
    void accessSettled(const QString& device);
    void startUnit(const QString& device);
    // The units ready to start, in the order they arrived, as far as the limit allows.
    void startWaitingUnits();
    void identified(const QString& device, const QString& serial, const QString& model, const QString& firmware);
    void stageReached(const QString& device, UnitState stage, int number);
    void unitDone(const UnitOutcome& outcome);
    void allDone();
    void logFailed(const QString& error);
    // Every number of the run is taken: says so once and stops.
    void stopTakingUnitsIfUsedUp();
    void report(const StationUnit& unit);
    bool anyInFlight() const;
    bool atLimit() const;

    ProvisionSettings m_settings;
    std::shared_ptr<HidBackend> m_backend;
    std::unique_ptr<ProvisionPolicy> m_policy;
    std::unique_ptr<ProvisionLog> m_log;
    std::unique_ptr<WorkerPool> m_pool;
    HotplugMonitor* m_monitor = nullptr;
    QTimer* m_poll = nullptr;
    QHash<QString, Node> m_nodes;
    quint64 m_arrivals = 0;
    int m_limit = 0;
    // Units written (verified or not) since start.
    int m_written = 0;
    bool m_running = false;
    bool m_stopping = false;
    bool m_logFailed = false;
    bool m_numbersUsedUp = false;
};
