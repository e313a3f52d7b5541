#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;
class QTimer;

// Reports Tavrin units (03eb:aa55, 03eb:aa57) arriving and leaving, keyed by node path, without opening
// them: one unitArrived per unit plugged in (those attached at start() included), one unitLeft when it goes.
//
// A unit is known by its node and by the identity of that plug-in: on Linux the kernel's HID device name
// (its instance counter grows with every plug-in) and the USB serial string. A different unit found at a
// known node (swapped between two looks, or an add whose remove was missed) is reported as unitLeft and then
// unitArrived for that node, so a consumer that keyed its work by node starts afresh there and reads the new
// unit's own serial number.
//
// Two ways of watching: a udev monitor on the "udev" source (events after the rules ran, so the node's
// permissions are set), its descriptor on the event loop, started before the first enumeration so that no
// unit is missed in between; or, where udev does not run, an enumeration every PollIntervalMs. Lives on the
// thread that creates it, which needs an event loop.
class HotplugMonitor : public QObject
{
    Q_OBJECT

public:
    enum class Method
    {
        Udev,
        Polling
    };
    static constexpr int PollIntervalMs = 500;

    explicit HotplugMonitor(QObject* parent = nullptr);
    ~HotplugMonitor() override;

    // T2Q_HOTPLUG=udev or T2Q_HOTPLUG=poll forces one; unset, udev where it runs, else polling.
    static Method preferredMethod();
    // Whether udevd runs here: its control socket exists.
    static bool udevRunning();

    // Reports every unit already attached (before it returns), then watches. False, with errorText(), when
    // the method cannot be used here.
    bool start(Method method = preferredMethod());
    void stop();
    bool isRunning() const { return m_running; }
    Method method() const { return m_method; }
    QString errorText() const { return m_errorText; }

    // Nodes of the units reported present, sorted.
    QStringList units() const;

signals:
    // serialNumber: the USB descriptor's, read from the system without opening the node; may be empty. The
    // unit's own serial number (what it answers) is still for the consumer to read.
    void unitArrived(const QString& node, const QString& serialNumber);
    void unitLeft(const QString& node);

private:
    struct Seen
    {
        QString node;
        QString identity;
        QString serialNumber;
    };
    struct Udev;

    bool startUdev();
    void readUdevEvents();
    void poll();
    std::vector<Seen> enumerate();
    void arrived(const Seen& unit);
    void left(const QString& node);

    Method m_method = Method::Polling;
    bool m_running = false;
    QString m_errorText;
    std::map<QString, Seen> m_units;
    std::unique_ptr<Udev> m_udev;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_pollTimer = nullptr;
};
