#pragma once

#include <QByteArray>

// Announces hidraw nodes arriving and leaving as udevd does once its rules have run: libudev's message on
// the netlink "udev" group. Heard only inside the network namespace of the test run, which
// hidraw-namespace.sh makes private; sending there needs root.
class UdevAnnouncer
{
public:
    UdevAnnouncer();
    ~UdevAnnouncer();
    UdevAnnouncer(const UdevAnnouncer&) = delete;
    UdevAnnouncer& operator=(const UdevAnnouncer&) = delete;

    bool isOpen() const { return m_socket >= 0; }
    // action "add" or "remove"; devpath below /sys; node such as /dev/hidraw3.
    void announce(const QByteArray& action, const QByteArray& devpath, const QByteArray& node, int major, int minor);

    // libudev's in-kernel filters compare this hash (MurmurHash2, seed 0) of the subsystem.
    static quint32 subsystemHash(const QByteArray& subsystem);

private:
    int m_socket = -1;
    quint64 m_seqnum = 0;
};
