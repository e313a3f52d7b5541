#pragma once

#include "usb/HidBackend.h"

#include <map>
#include <mutex>

struct hid_device_;

// The platform backend on hidapi. Probing needs no open device: a probe handle stands for the
// entry of the last enumeration, so a device that is present but not openable is still matched
// and its open failure reported where it matters, at the first write or read.
// hidapi keeps one unlocked process-wide error text for init, enumerate, open and exit: those, and the
// handle tables, go through one process-wide mutex, shared by every backend of the process (a replaced
// backend lives on in the links made with it); transfers run unlocked on their own device.
class HidapiBackend : public HidBackend
{
public:
    // One present HID interface, as enumeration listed it.
    struct Interface
    {
        QString path;
        quint16 vendorId = 0;
        quint16 productId = 0;
        QString serialNumber;
    };

    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    bool init() override;
    std::vector<QString> enumerate(quint16 vendorIdHint) override;
    Handle open(const QString& path, Access access, QString* error) override;
    void close(Handle handle) override;
    bool attributes(Handle probe, quint16* vendorId, quint16* productId) override;
    bool writeReport(Handle handle, const QByteArray& report) override;
    int readReport(Handle handle, QByteArray* data, int timeoutMs) override;
    int discardInput(Handle handle) override { return discardByReading(handle); }
    QString lastErrorText(Handle handle) override;
    bool deviceGone(Handle handle) const override;
    int lockNode(const QString& path) override;
    UnitWatch unitWatch() const override { return UnitWatch::SystemHotplug; }
    void unlockNode(int token) override;

    // The text for a failed open of path: the permission hint when errorNumber (errno right after
    // the open) says access was denied, else libraryText.
    static QString describeOpenFailure(const QString& path, int errorNumber, const QString& libraryText);
    // The present interfaces (one entry per path) under the backends' lock, for a caller that holds no
    // backend; vendorIdHint as for enumerate. *error, when given, says why the list is empty where it failed.
    static std::vector<Interface> interfaces(quint16 vendorIdHint, QString* error = nullptr);

private:
    struct Ids
    {
        quint16 vendorId = 0;
        quint16 productId = 0;
    };
    struct OpenHandle
    {
        hid_device_* device = nullptr; // none for a probe
        Ids ids;
        QString path;
        // Written only by the thread that uses the handle.
        QString lastError;
        bool deviceGone = false;
    };

    // The entry of an open handle: stable while the handle is open (map nodes do not move).
    OpenHandle* entry(Handle handle);
    const OpenHandle* entry(Handle handle) const;
    std::vector<QString> enumerateLocked(quint16 vendorIdHint);
    static std::vector<Interface> interfacesLocked(quint16 vendorIdHint, QString* error);
    // Notes the failure of a transfer through handle: its reason, and whether the device has left.
    static void transferFailed(OpenHandle* open, bool reading, int errorNumber, const QString& reason);
    static QString libraryError(hid_device_* device);

    // hidapi's state is the process's, so is its lock; hid_exit waits for the last backend.
    static inline std::mutex s_mutex;
    static inline int s_backends = 0;
    std::map<QString, Ids> m_enumerated;
    std::map<Handle, OpenHandle> m_handles;
    Handle m_nextHandle = 1;
    QString m_lastError;
};
