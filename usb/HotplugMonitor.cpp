#include "usb/HotplugMonitor.h"

#include "usb/UsbLogging.h"
#ifndef T2Q_HAVE_LIBUDEV
#include "usb/HidapiBackend.h"
#endif

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>

#ifdef T2Q_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace {

constexpr quint16 TavrinVendorId = 0x03EB;

bool isTavrin(quint16 vendorId, quint16 productId)
{
    return vendorId == TavrinVendorId && (productId == 0xAA55 || productId == 0xAA57);
}

} // namespace

#ifdef T2Q_HAVE_LIBUDEV

namespace {

QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

// VID/PID of a hidraw device from its parents, as the system recorded them: no open, no report.
bool tavrinParent(udev_device* device, udev_device** hid, udev_device** usb)
{
    *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (*hid) {
        // HID_ID=0003:000003EB:0000AA55 (bus, vendor, product)
        const QStringList ids = text(udev_device_get_property_value(*hid, "HID_ID")).split(QLatin1Char(':'));
        if (ids.size() == 3)
            return isTavrin(quint16(ids.at(1).toUInt(nullptr, 16)), quint16(ids.at(2).toUInt(nullptr, 16)));
    }
    if (*usb) {
        return isTavrin(quint16(text(udev_device_get_sysattr_value(*usb, "idVendor")).toUInt(nullptr, 16)),
                        quint16(text(udev_device_get_sysattr_value(*usb, "idProduct")).toUInt(nullptr, 16)));
    }
    return false;
}

} // namespace

struct HotplugMonitor::Udev
{
    udev* context = udev_new();
    udev_monitor* monitor = nullptr;

    ~Udev()
    {
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }

    // Empty node when device is not a Tavrin's hidraw node.
    static Seen describe(udev_device* device)
    {
        udev_device* hid = nullptr;
        udev_device* usb = nullptr;
        const char* node = udev_device_get_devnode(device);
        if (!node || !tavrinParent(device, &hid, &usb))
            return Seen();
        QString serial = text(hid ? udev_device_get_property_value(hid, "HID_UNIQ") : nullptr);
        if (serial.isEmpty() && usb)
            serial = text(udev_device_get_sysattr_value(usb, "serial")).trimmed();
        // The HID device's name carries the kernel's instance counter, new with every plug-in.
        const QString identity = text(udev_device_get_syspath(hid ? hid : device)) + QLatin1Char('|') + serial;
        return Seen { QFile::decodeName(node), identity, serial };
    }
};

bool HotplugMonitor::startUdev()
{
    m_udev = std::make_unique<Udev>();
    if (m_udev->context)
        m_udev->monitor = udev_monitor_new_from_netlink(m_udev->context, "udev");
    if (!m_udev->monitor || udev_monitor_filter_add_match_subsystem_devtype(m_udev->monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_udev->monitor) < 0) {
        m_errorText = QStringLiteral("cannot start a udev monitor");
        m_udev.reset();
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_udev->monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HotplugMonitor::readUdevEvents);
    return true;
}

void HotplugMonitor::readUdevEvents()
{
    // A slot may stop the monitor: nothing of it is used after a signal.
    while (m_udev) {
        errno = 0;
        udev_device* device = udev_monitor_receive_device(m_udev->monitor);
        if (!device) {
            // Events were dropped (a burst beyond the socket's buffer): a look at what is present catches up.
            if (errno == ENOBUFS) {
                qCWarning(lcUsb, "udev events were lost; enumerating the units again");
                poll();
            }
            return;
        }
        const QByteArray action = udev_device_get_action(device);
        Seen unit;
        if (action == "add") {
            unit = Udev::describe(device);
        } else if (action == "remove") {
            // The parents are gone from the system by now: the node alone says which unit it was.
            if (const char* node = udev_device_get_devnode(device))
                unit.node = QFile::decodeName(node);
        }
        udev_device_unref(device);
        if (unit.node.isEmpty())
            continue;
        if (action == "add")
            arrived(unit);
        else
            left(unit.node);
    }
}

std::vector<HotplugMonitor::Seen> HotplugMonitor::enumerate()
{
    std::vector<Seen> found;
    udev* context = m_udev ? m_udev->context : udev_new();
    if (!context)
        return found;
    if (udev_enumerate* enumeration = udev_enumerate_new(context)) {
        udev_enumerate_add_match_subsystem(enumeration, "hidraw");
        udev_enumerate_scan_devices(enumeration);
        udev_list_entry* entry;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
        {
            udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            Seen unit = Udev::describe(device);
            if (!unit.node.isEmpty())
                found.push_back(std::move(unit));
            udev_device_unref(device);
        }
        udev_enumerate_unref(enumeration);
    }
    if (!m_udev)
        udev_unref(context);
    return found;
}

#else

struct HotplugMonitor::Udev
{
};

bool HotplugMonitor::startUdev()
{
    m_errorText = QStringLiteral("udev is not available on this system");
    return false;
}

void HotplugMonitor::readUdevEvents() { }

std::vector<HotplugMonitor::Seen> HotplugMonitor::enumerate()
{
    // Through the hidapi backends' lock: hidapi's error text is the process's, and the finder and the
    // units' links enumerate and open on other threads meanwhile.
    std::vector<Seen> found;
    for (const HidapiBackend::Interface& present : HidapiBackend::interfaces(TavrinVendorId)) {
        if (isTavrin(present.vendorId, present.productId))
            found.push_back(Seen { present.path, present.serialNumber, present.serialNumber });
    }
    return found;
}

#endif

HotplugMonitor::HotplugMonitor(QObject* parent)
    : QObject(parent)
{
}

HotplugMonitor::~HotplugMonitor()
{
    stop();
}

bool HotplugMonitor::udevRunning()
{
#ifdef T2Q_HAVE_LIBUDEV
    return QFile::exists(QStringLiteral("/run/udev/control"));
#else
    return false;
#endif
}

HotplugMonitor::Method HotplugMonitor::preferredMethod()
{
    const QString forced = qEnvironmentVariable("T2Q_HOTPLUG");
    if (forced == QLatin1String("udev"))
        return Method::Udev;
    if (forced == QLatin1String("poll"))
        return Method::Polling;
    if (!forced.isEmpty())
        qCWarning(lcUsb, "T2Q_HOTPLUG=%s is neither \"udev\" nor \"poll\"; ignored", qPrintable(forced));
    return udevRunning() ? Method::Udev : Method::Polling;
}

bool HotplugMonitor::start(Method method)
{
    stop();
    m_method = method;
    m_errorText.clear();
    if (method == Method::Udev) {
        if (!udevRunning())
            qCWarning(lcUsb, "udev watching asked for, but udev does not run here: no unit will be heard of");
        if (!startUdev())
            return false;
    } else {
        m_pollTimer = new QTimer(this);
        m_pollTimer->setInterval(PollIntervalMs);
        connect(m_pollTimer, &QTimer::timeout, this, &HotplugMonitor::poll);
        m_pollTimer->start();
    }
    m_running = true;
    qCDebug(lcUsb, "hot-plug watching by %s", method == Method::Udev ? "udev" : "polling");
    // Events of units found here too are recognised when they are read, and not reported twice.
    poll();
    return true;
}

void HotplugMonitor::stop()
{
    // Later: stop() may be called from a slot of their own signals.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_pollTimer) {
        m_pollTimer->stop();
        m_pollTimer->deleteLater();
        m_pollTimer = nullptr;
    }
    m_udev.reset();
    m_units.clear();
    m_running = false;
}

QStringList HotplugMonitor::units() const
{
    QStringList nodes;
    for (const auto& [node, unit] : m_units)
        nodes.append(node);
    return nodes;
}

void HotplugMonitor::poll()
{
    const std::vector<Seen> present = enumerate();
    QStringList gone;
    // Not a structured binding: clang does not let a C++17 lambda capture one.
    for (const auto& entry : m_units) {
        const QString& node = entry.first;
        if (std::none_of(present.begin(), present.end(), [&](const Seen& seen) { return seen.node == node; }))
            gone.append(node);
    }
    // A slot may stop the monitor, which ends the look.
    for (const QString& node : gone) {
        if (m_running)
            left(node);
    }
    for (const Seen& unit : present) {
        if (m_running)
            arrived(unit);
    }
}

void HotplugMonitor::arrived(const Seen& unit)
{
    if (auto known = m_units.find(unit.node); known != m_units.end()) {
        if (known->second.identity == unit.identity)
            return;
        left(unit.node);
    }
    m_units[unit.node] = unit;
    qCDebug(lcUsb, "unit arrived at %s", qPrintable(unit.node));
    emit unitArrived(unit.node, unit.serialNumber);
}

void HotplugMonitor::left(const QString& node)
{
    if (m_units.erase(node) == 0)
        return;
    qCDebug(lcUsb, "unit left %s", qPrintable(node));
    emit unitLeft(node);
}
