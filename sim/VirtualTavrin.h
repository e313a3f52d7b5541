#pragma once

#include "sim/SimClock.h"
#include "sim/VirtualTavrinFirmware.h"
#include "usb/HidBackend.h"

#include <QList>
#include <QRandomGenerator>

#include <map>
#include <optional>

// A Tavrin device on a virtual HID bus, behind the same seam as the real one. It assembles the
// output reports into command lines, lets its firmware execute them and answers in 8-byte input
// reports, each answer line CR-terminated and starting in a new report.
//
// Settings are preloaded by executing set commands directly (execute("SRPG,120")): no traffic,
// no transcript entry, no fault counting.
//
// Time is virtual by default: a read that finds nothing due returns 0 at once and moves the clock
// by its time-out, and elapsedMs() tells how long the host waited. In real-time mode reads block
// as hardware does (a few ms for an answer, the whole time-out for silence).
class VirtualTavrin : public HidBackend
{
public:
    using Model = VirtualTavrinFirmware::Model;

    static constexpr int RealTimeReplyDelayMs = 5;
    static constexpr int BabbleIntervalMs = 10;
    // A device told to leave goes once the host has waited this long in silence: the shortest read
    // window, whether the host waits it at once or in slices.
    static constexpr int DepartureSilenceMs = 100;

    explicit VirtualTavrin(Model model, const QString& path = QStringLiteral("/dev/virtual-tavrin"));

    // "tavrin2" (also "tavrinii"), "dalen", "dalen2"; any letter case.
    static std::optional<Model> modelFromName(const QString& name);

    VirtualTavrinFirmware& firmware() { return m_firmware; }
    const VirtualTavrinFirmware& firmware() const { return m_firmware; }
    Model model() const { return m_firmware.model(); }
    QString path() const { return m_path; }
    // Whether path is the device's or one of its other interfaces.
    bool owns(const QString& path) const { return path == m_path || otherInterface(path); }
    quint16 productId() const { return m_firmware.productId(); }
    void setVersion(const QString& version) { m_firmware.setVersion(version); }
    void setSerialNumber(const QString& serialNumber) { m_firmware.setSerialNumber(serialNumber); }
    // Runs a command without any traffic and returns the answer lines.
    QStringList execute(const QString& line) { return m_firmware.execute(line).answer; }
    QString settingLine(const QString& keyword) const { return m_firmware.settingLine(keyword); }
    const QStringList& pagerCommands() const { return m_firmware.pagerCommands(); }

    // Another HID interface on the bus, listed before the device. It opens, reports its IDs,
    // swallows writes and never answers.
    void addInterface(const QString& path, quint16 vendorId, quint16 productId);

    // Every command line received over the bus, in order.
    const QStringList& transcript() const { return m_transcript; }
    void clearTranscript()
    {
        m_transcript.clear();
        m_reportsDelivered = 0;
    }

    // Faults. Command counts start with the next command received (1 = the next one).
    void setSilent(bool silent) { m_silent = silent; }
    void failCommand(const QString& keyword) { m_failKeyword = keyword; }
    // Answers the keyword's commands OK without applying them.
    void ignoreCommand(const QString& keyword) { m_ignoreKeyword = keyword; }
    // Delivers n more input reports, then nothing at all (an answer may stop in the middle of a line).
    void stopAnsweringAfterReports(int n) { m_reportsLeft = qMax(n, 0); }
    // Input reports delivered to the host since the last clearTranscript().
    int reportsDelivered() const { return m_reportsDelivered; }
    void failNthCommand(int n);
    // Unplugged: absent from enumeration; reads and writes through its handles fail, also after replug.
    void unplug();
    // The next n commands are answered; then the device is gone.
    void unplugAfterCommands(int n);
    void replug();
    // Sends the line "BABBLE" every BabbleIntervalMs while the host reads, whatever it is asked.
    void setBabbling(bool babbling) { m_babbling = babbling; }
    // Precedes every answer line with a report of random bytes without CR.
    void setGarbage(bool garbage) { m_garbage = garbage; }
    // Bytes to deliver as they are, in reports of 8 (the last one padded with zeros).
    void queueRawInput(const QByteArray& bytes);
    // Present, but read and write opens fail as for a user without permission.
    void setOpenable(bool openable) { m_openable = openable; }
    void clearFaults();

    bool isPresent() const { return m_present; }
    // How often the host has searched the bus.
    int enumerations() const { return m_enumerations; }
    // After "BL": the device has left the HID bus for its boot loader, until replug().
    bool isInBootLoader() const { return m_inBootLoader; }

    // Real time also sets the reply delay to RealTimeReplyDelayMs, virtual time to 0.
    void setRealTime(bool realTime);
    bool isRealTime() const { return m_clock.isRealTime(); }
    void setReplyDelayMs(int delayMs) { m_replyDelayMs = delayMs; }
    qint64 elapsedMs() const { return m_clock.now(); }
    void resetElapsed() { m_clock.reset(); }

    bool init() override { return true; }
    std::vector<QString> enumerate(quint16 vendorIdHint) override;
    Handle open(const QString& path, Access access, QString* error) override;
    void close(Handle handle) override;
    bool attributes(Handle probe, quint16* vendorId, quint16* productId) override;
    bool writeReport(Handle handle, const QByteArray& report) override;
    int readReport(Handle handle, QByteArray* data, int timeoutMs) override;
    // Drops the reports due by now; answers still on their way stay.
    int discardInput(Handle handle) override;
    // One unit, used by one thread at a time: its last failure is that of its handles.
    QString lastErrorText(Handle) override { return m_lastError; }
    qint64 nowMs(Handle) override { return m_clock.now(); }
    bool deviceGone(Handle) const override { return m_deviceGone; }
    // A unit alone: the first port of the first bus.
    QString portPath(const QString& path) override { return owns(path) ? QStringLiteral("1-1") : QString(); }

private:
    struct Interface
    {
        QString path;
        quint16 vendorId;
        quint16 productId;
    };
    struct OpenHandle
    {
        QString path;
        Access access;
        int generation; // the device's plug-in generation when opened; 0 for other interfaces
    };
    struct InputReport
    {
        qint64 dueAt;
        QByteArray data;
    };

    const Interface* otherInterface(const QString& path) const;
    const OpenHandle* usableHandle(Handle handle, std::optional<Access> access);
    void receive(const QByteArray& data);
    void executeLine(const QString& line);
    void queueLine(const QByteArray& line);
    void queueReport(const QByteArray& data);
    void leaveBusIfDue();
    void leaveBus(bool forBootLoader);

    QString m_path;
    VirtualTavrinFirmware m_firmware;
    SimClock m_clock;
    QList<Interface> m_otherInterfaces;
    std::map<Handle, OpenHandle> m_handles;
    Handle m_nextHandle = 1;
    QByteArray m_received;
    QList<InputReport> m_input;
    QStringList m_transcript;
    QString m_lastError;
    int m_replyDelayMs = 0;
    qint64 m_silentWaitMs = 0; // waited by the host since the last report or command
    int m_enumerations = 0;
    int m_generation = 1;
    int m_commandCount = 0;
    int m_failAtCommand = 0;
    int m_unplugAfterCommand = 0;
    int m_reportsLeft = -1; // -1: no limit
    int m_reportsDelivered = 0;
    bool m_present = true;
    bool m_inBootLoader = false;
    bool m_departureDue = false;
    bool m_departureForBootLoader = false;
    bool m_silent = false;
    bool m_babbling = false;
    bool m_garbage = false;
    bool m_openable = true;
    bool m_deviceGone = false;
    QString m_failKeyword;
    QString m_ignoreKeyword;
    QRandomGenerator m_random { 20240611 };
};
