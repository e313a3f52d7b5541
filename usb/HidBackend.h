#pragma once

#include "usb/UsbPort.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <vector>

// The platform half of the HID link: what the operating system (or a test) provides.
// Every rule of framing, matching and line assembly stays in UsbHid above this seam,
// so every backend gets the same behaviour.
//
// One backend serves every unit of the process. enumerate, open, close and attributes may be called from
// any thread. Everything that names a handle (transfers, its error, its clock) is called only by the thread
// that uses that handle, and what it reports belongs to that handle alone.
class HidBackend
{
public:
    using Handle = int;
    static constexpr Handle NoHandle = -1;

    enum class Access
    {
        Probe, // query only: enough to read the vendor and product ID
        Read,
        Write
    };

    virtual ~HidBackend() = default;

    // Makes the platform library usable; false when it cannot be loaded (lastErrorText(NoHandle) says why).
    virtual bool init() = 0;
    // Paths of the present HID interfaces, in a stable order. A backend may leave out
    // interfaces whose vendor ID differs from vendorIdHint (0 = no hint); the caller
    // still checks every path it gets.
    virtual std::vector<QString> enumerate(quint16 vendorIdHint) = 0;
    // NoHandle on failure, with the reason (ending in a line break) in *error when given.
    virtual Handle open(const QString& path, Access access, QString* error) = 0;
    virtual void close(Handle handle) = 0;
    // Through a probe handle; false on failure.
    virtual bool attributes(Handle probe, quint16* vendorId, quint16* productId) = 0;
    // One output report: byte 0 is the report ID (0), then 8 bytes of the line.
    virtual bool writeReport(Handle handle, const QByteArray& report) = 0;
    // Waits at most timeoutMs for one input report and stores its data bytes (without
    // the report ID) in *data. Returns the number of bytes delivered, 0 on time-out,
    // -1 on failure.
    virtual int readReport(Handle handle, QByteArray* data, int timeoutMs) = 0;
    // Drops the input reports already waiting for handle, without waiting for more; returns how many.
    // A backend whose input is a script of its own keeps it.
    virtual int discardInput(Handle handle) { return discardByReading(handle); }
    // The system's text for the last failure through handle, ending in a line break; may be empty.
    // For NoHandle: the last failure of init or enumerate.
    virtual QString lastErrorText(Handle handle) = 0;
    // Milliseconds on the clock that readReport waits by on handle: the system's steady clock for hardware.
    // A backend whose waits cost no real time keeps its own per unit, so that time spent between reads is
    // not taken for silence.
    virtual qint64 nowMs(Handle handle)
    {
        Q_UNUSED(handle)
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    // After a failed writeReport or readReport through handle: whether the device has left the system
    // (unplugged) rather than refused that one transfer.
    virtual bool deviceGone(Handle handle) const
    {
        Q_UNUSED(handle)
        return false;
    }
    // Takes the advisory exclusive lock of the node at path for one operation, without waiting. Returns a
    // token for unlockNode, NoLock when the node needs none (or cannot be locked because it cannot be
    // opened: its open reports that), and NodeInUse when another program holds it.
    static constexpr int NoLock = 0;
    static constexpr int NodeInUse = -1;
    virtual int lockNode(const QString& path)
    {
        Q_UNUSED(path)
        return NoLock;
    }
    virtual void unlockNode(int token) { Q_UNUSED(token) }
    // How a station hears of units plugged in and out: the system's hot-plug monitor (udev, or its own
    // polling of the system), or by looking at this backend's units every HotplugMonitor::PollIntervalMs.
    enum class UnitWatch
    {
        SystemHotplug,
        PollBackend
    };
    virtual UnitWatch unitWatch() const { return UnitWatch::PollBackend; }
    // The USB port the interface at path is plugged into ("1-1.3"); empty when unknown.
    virtual QString portPath(const QString& path) { return usbPortPath(path); }

protected:
    // Reads with no wait until nothing is left; bounded, as the kernel keeps at most 64 reports per reader.
    int discardByReading(Handle handle)
    {
        constexpr int MaxDiscarded = 1024;
        QByteArray data;
        int discarded = 0;
        while (discarded < MaxDiscarded && readReport(handle, &data, 0) > 0)
            ++discarded;
        return discarded;
    }
};
