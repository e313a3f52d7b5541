#pragma once

#include "usb/HidBackend.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>

// A HID backend driven by the test: it presents the interfaces it is given, records every output
// report and replays queued input reports, time-outs and failures. A read with nothing queued
// times out. I/O through a handle of the wrong kind (or a closed one) fails, so the link's
// handle bookkeeping is checked as a side effect.
class ScriptedHidBackend : public HidBackend
{
public:
    struct Interface
    {
        QString path;
        quint16 vendorId = 0;
        quint16 productId = 0;
        bool probeOpens = true;
        bool attributesWork = true;
        bool ioOpens = true; // read and write handles
    };

    struct WrittenReport
    {
        Handle handle;
        QString path;
        QByteArray bytes;
    };

    // Returns the new entry so a test can adjust its flags.
    Interface& addInterface(const QString& path, quint16 vendorId, quint16 productId);
    void removeInterface(const QString& path);

    void setInitSucceeds(bool succeeds) { m_initSucceeds = succeeds; }
    void setLastErrorText(const QString& text) { m_lastError = text; }

    // Input script, consumed by readReport in order. data are the report's data bytes.
    void queueReport(const QByteArray& data);
    void queueTimeout();
    void queueReadFailure();
    int pendingInput() const { return int(m_input.size()); }
    // The write that is the n-th from now (1 = the next) fails.
    void failWriteAt(int n);

    const QList<WrittenReport>& writtenReports() const { return m_written; }
    QList<QByteArray> writtenBytes() const;
    void clearWritten() { m_written.clear(); }
    // Readable history of open/close calls, e.g. "open read /dev/a -> 3", "close 3".
    const QStringList& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    const QList<int>& readTimeouts() const { return m_readTimeouts; }
    int openHandleCount() const { return int(m_handles.size()); }
    bool isOpenHandle(Handle handle) const { return m_handles.count(handle) != 0; }
    quint16 lastVendorIdHint() const { return m_vendorIdHint; }

    bool init() override;
    std::vector<QString> enumerate(quint16 vendorIdHint) override;
    Handle open(const QString& path, Access access, QString* error) override;
    void close(Handle handle) override;
    bool attributes(Handle probe, quint16* vendorId, quint16* productId) override;
    bool writeReport(Handle handle, const QByteArray& report) override;
    int readReport(Handle handle, QByteArray* data, int timeoutMs) override;
    // The script is the device's answer in order: nothing in it is stale.
    int discardInput(Handle) override { return 0; }
    QString lastErrorText(Handle) override { return m_lastError; }
    // Time passes only by reads that time out, each by its whole time-out.
    qint64 nowMs(Handle) override { return m_nowMs; }

private:
    enum class InputKind
    {
        Report,
        Timeout,
        Failure
    };
    struct Input
    {
        InputKind kind;
        QByteArray data;
    };
    struct OpenHandle
    {
        QString path;
        Access access;
    };

    const Interface* find(const QString& path) const;
    bool usable(Handle handle, Access access) const;

    QList<Interface> m_interfaces;
    QList<Input> m_input;
    QList<WrittenReport> m_written;
    QStringList m_log;
    QList<int> m_readTimeouts;
    qint64 m_nowMs = 0;
    std::map<Handle, OpenHandle> m_handles;
    Handle m_nextHandle = 1;
    int m_writesUntilFailure = 0;
    bool m_initSucceeds = true;
    quint16 m_vendorIdHint = 0;
    QString m_lastError;
};
