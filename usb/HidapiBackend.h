#pragma once

#include "usb/HidBackend.h"

#include <map>

struct hid_device_;

// The platform backend on hidapi. Probing needs no open device: a probe handle stands for the
// entry of the last enumeration, so a device that is present but not openable is still matched
// and its open failure reported where it matters, at the first write or read.
class HidapiBackend : public HidBackend
{
public:
    HidapiBackend() = default;
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    bool init() override;
    std::vector<QString> enumerate(quint16 vendorIdHint) override;
    Handle open(const QString& path, Access access) override;
    void close(Handle handle) override;
    bool attributes(Handle probe, quint16* vendorId, quint16* productId) override;
    bool writeReport(Handle handle, const QByteArray& report) override;
    int readReport(Handle handle, QByteArray* data, int timeoutMs) override;
    QString lastErrorText() override;
    bool deviceGone() const override { return m_deviceGone; }

    // The text for a failed open of path: the permission hint when errorNumber (errno right after
    // the open) says access was denied, else libraryText.
    static QString describeOpenFailure(const QString& path, int errorNumber, const QString& libraryText);

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
    };

    hid_device_* deviceOf(Handle handle);
    // Notes the failure of a transfer through handle: its reason, and whether the device has left.
    void transferFailed(Handle handle, bool reading, int errorNumber, const QString& reason);
    static QString libraryError(hid_device_* device);

    std::map<QString, Ids> m_enumerated;
    std::map<Handle, OpenHandle> m_handles;
    Handle m_nextHandle = 1;
    QString m_lastError;
    QString m_lastOpenError;
    bool m_deviceGone = false;
};
