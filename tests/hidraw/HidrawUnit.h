#pragma once

#include "sim/VirtualTavrin.h"

#include <QByteArray>
#include <QString>

#include <fuse_lowlevel.h>

#include <chrono>
#include <deque>
#include <optional>
#include <set>

class UdevAnnouncer;

// One virtual unit behind a hidraw node: a FUSE file system whose root is the regular file
// /dev/hidrawN, and the sysfs entries libudev reads to list it. The unit itself is VirtualTavrin,
// so the command language is the one every other test talks to. It behaves as the kernel's hidraw
// driver does: every open file has its own queue of input reports and receives every report that
// arrives while it is open; after an unplug, poll gives POLLERR|POLLHUP, read EIO (once the queue
// is empty), write and ioctl ENODEV, and the node and its entries disappear.
class HidrawUnit
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int QueueLength = 64;
    static constexpr std::chrono::seconds StallTime { 5 };

    // Faults of this path only; the command language's own faults stay with VirtualTavrin.
    struct Faults
    {
        int muteAfterReports = -1; // input reports still sent before the unit falls silent
        int unplugAfterReports = -1; // input reports still sent before the unit is unplugged
        int unplugAfterCommands = -1; // commands still answered; the next output report unplugs it
        int holdAfterCommands = -1; // commands still taken; every output report after them waits for releaseWrites
        int writeErrno = 0; // every write fails with this errno
        bool stallWrites = false; // every write blocks StallTime, then fails with ETIMEDOUT
        bool shortWrites = false; // every write takes one byte less than offered
        int descriptorSizeErrno = 0; // HIDIOCGRDESCSIZE fails with this errno
        int deniedOpens = 0; // opens still refused with EACCES, as before udev has applied the seat's access
    };

    // serialNumber empty: one made from number.
    HidrawUnit(const QString& name, VirtualTavrin::Model model, int number, quint16 productId,
               const QString& serialNumber = QString());
    ~HidrawUnit();
    HidrawUnit(const HidrawUnit&) = delete;
    HidrawUnit& operator=(const HidrawUnit&) = delete;

    // Creates the node, mounts it, writes the sysfs entries and announces it through announcer, if any, as
    // udevd would; false with *error on failure. The announcer must outlive the unit.
    bool plug(QString* error, UdevAnnouncer* announcer = nullptr);
    void unplug();

    QString name() const { return m_name; }
    QString nodePath() const;
    bool isPresent() const { return m_present; }
    // Until the last open file of an unplugged unit is closed, its session still serves it.
    bool isServing() const { return m_session != nullptr; }
    VirtualTavrin& unit() { return m_unit; }
    Faults& faults() { return m_faults; }
    int openCount() const { return m_openCount; }
    // When the node received its first output report, in ns of CLOCK_MONOTONIC; 0 before it did.
    qint64 firstReportNs() const { return m_firstReportNs; }

    int sessionFd() const;
    // Serves one request waiting on sessionFd().
    void serveRequest();
    // The writes held by holdAfterCommands go through in the order they came, and no more are held.
    void releaseWrites();
    int heldWrites() const { return int(m_held.size()); }
    // Answers the stalled writes whose time is up; returns the next deadline, if any.
    void expireStalls(Clock::time_point now);
    std::optional<Clock::time_point> nextDeadline() const;

private:
    struct OpenFile
    {
        std::deque<QByteArray> queue;
        fuse_pollhandle* pollHandle = nullptr;
        fuse_req* pendingRead = nullptr;
        size_t pendingSize = 0;
    };
    struct StalledWrite
    {
        fuse_req* request;
        Clock::time_point deadline;
    };
    struct HeldWrite
    {
        fuse_req* request;
        QByteArray data;
    };

    friend struct HidrawUnitOps;

    void open(fuse_req* request, int flags, unsigned long* fh);
    void release(OpenFile* file);
    void read(fuse_req* request, OpenFile* file, size_t size, int flags);
    void write(fuse_req* request, const char* data, size_t size);
    void ioctl(fuse_req* request, unsigned int command, size_t outSize);
    void poll(fuse_req* request, OpenFile* file, fuse_pollhandle* handle);

    unsigned pollEvents(const OpenFile& file) const;
    void notify(OpenFile& file);
    void deliver(const QByteArray& report);
    void answerPendingRead(OpenFile& file);
    bool writeSysfs(QString* error);
    void removeSysfs();
    QString hidName() const;
    QString deviceDirectory() const;
    QString hidrawDirectory() const;
    void announce(const QByteArray& action);

    QString m_name;
    int m_number;
    int m_instance; // the kernel numbers HID devices anew with every plug-in
    quint16 m_productId;
    UdevAnnouncer* m_announcer = nullptr;
    VirtualTavrin m_unit;
    HidBackend::Handle m_unitWrite = HidBackend::NoHandle;
    HidBackend::Handle m_unitRead = HidBackend::NoHandle;
    fuse_session* m_session = nullptr;
    fuse_buf m_buffer {};
    std::set<OpenFile*> m_files;
    std::deque<StalledWrite> m_stalled;
    std::deque<HeldWrite> m_held;
    Faults m_faults;
    bool m_present = false;
    bool m_mounted = false;
    int m_openCount = 0;
    qint64 m_firstReportNs = 0;
};
