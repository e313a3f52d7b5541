#pragma once

#include "usb/UsbPort.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <vector>

// The platform half of the HID link: what the operating system (or a test) provides.
// Every rule of framing, matching and line assembly stays in UsbHid above this seam,
// so every backend gets the same behaviour.
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

    // Makes the platform library usable; false when it cannot be loaded.
    virtual bool init() = 0;
    // Paths of the present HID interfaces, in a stable order. A backend may leave out
    // interfaces whose vendor ID differs from vendorIdHint (0 = no hint); the caller
    // still checks every path it gets.
    virtual std::vector<QString> enumerate(quint16 vendorIdHint) = 0;
    // NoHandle on failure.
    virtual Handle open(const QString& path, Access access) = 0;
    virtual void close(Handle handle) = 0;
    // Through a probe handle; false on failure.
    virtual bool attributes(Handle probe, quint16* vendorId, quint16* productId) = 0;
    // One output report: byte 0 is the report ID (0), then 8 bytes of the line.
    virtual bool writeReport(Handle handle, const QByteArray& report) = 0;
    // Waits at most timeoutMs for one input report and stores its data bytes (without
    // the report ID) in *data. Returns the number of bytes delivered, 0 on time-out,
    // -1 on failure.
    virtual int readReport(Handle handle, QByteArray* data, int timeoutMs) = 0;
    // The system's text for the last failure, ending in a line break; may be empty.
    virtual QString lastErrorText() = 0;
    // Milliseconds on the clock that readReport waits by: the system's steady clock for hardware. A
    // backend whose waits cost no real time keeps its own, so that time spent between reads is not
    // taken for silence.
    virtual qint64 nowMs()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    // After a failed writeReport or readReport: whether the device has left the system (unplugged)
    // rather than refused that one transfer.
    virtual bool deviceGone() const { return false; }
    // The USB port the interface at path is plugged into ("1-1.3"); empty when unknown.
    virtual QString portPath(const QString& path) { return usbPortPath(path); }
};
