#include "UdevAnnouncer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>

namespace {

constexpr unsigned UdevGroup = 2; // 1 is the kernel's own
constexpr quint32 Magic = 0xfeedcafe;

// libudev's header in front of the properties.
struct MessageHeader
{
    char prefix[8];
    quint32 magic; // network order
    quint32 headerSize;
    quint32 propertiesOffset;
    quint32 propertiesLength;
    quint32 subsystemHash; // network order, as are the three below
    quint32 devtypeHash;
    quint32 tagBloomHigh;
    quint32 tagBloomLow;
};
static_assert(sizeof(MessageHeader) == 40, "libudev's header is 40 bytes");

quint64 monotonicMicroseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return quint64(now.tv_sec) * 1000000u + quint64(now.tv_nsec) / 1000u;
}

} // namespace

UdevAnnouncer::UdevAnnouncer()
{
    m_socket = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT);
    sockaddr_nl address = {};
    address.nl_family = AF_NETLINK;
    if (m_socket >= 0 && ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        std::perror("uevent socket");
        ::close(m_socket);
        m_socket = -1;
    }
}

UdevAnnouncer::~UdevAnnouncer()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

quint32 UdevAnnouncer::subsystemHash(const QByteArray& subsystem)
{
    constexpr quint32 m = 0x5bd1e995;
    const auto* data = reinterpret_cast<const unsigned char*>(subsystem.constData());
    size_t length = size_t(subsystem.size());
    quint32 hash = quint32(length);
    for (; length >= 4; data += 4, length -= 4) {
        quint32 k = quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
        k *= m;
        k ^= k >> 24;
        k *= m;
        hash = hash * m ^ k;
    }
    switch (length) {
    case 3:
        hash ^= quint32(data[2]) << 16;
        [[fallthrough]];
    case 2:
        hash ^= quint32(data[1]) << 8;
        [[fallthrough]];
    case 1:
        hash ^= data[0];
        hash *= m;
    }
    hash ^= hash >> 13;
    hash *= m;
    hash ^= hash >> 15;
    return hash;
}

void UdevAnnouncer::announce(const QByteArray& action, const QByteArray& devpath, const QByteArray& node, int major,
                             int minor)
{
    if (m_socket < 0)
        return;
    QByteArray properties;
    const auto add
        = [&properties](const QByteArray& key, const QByteArray& value) { properties += key + '=' + value + '\0'; };
    add("ACTION", action);
    add("DEVPATH", devpath);
    add("SUBSYSTEM", "hidraw");
    add("DEVNAME", node);
    add("SEQNUM", QByteArray::number(++m_seqnum));
    add("USEC_INITIALIZED", QByteArray::number(monotonicMicroseconds()));
    add("MAJOR", QByteArray::number(major));
    add("MINOR", QByteArray::number(minor));

    MessageHeader header = {};
    std::memcpy(header.prefix, "libudev", 8);
    header.magic = htonl(Magic);
    header.headerSize = sizeof header;
    header.propertiesOffset = sizeof header;
    header.propertiesLength = quint32(properties.size());
    header.subsystemHash = htonl(subsystemHash("hidraw"));

    iovec parts[2] = { { &header, sizeof header }, { properties.data(), size_t(properties.size()) } };
    sockaddr_nl group = {};
    group.nl_family = AF_NETLINK;
    group.nl_groups = UdevGroup;
    // libudev takes only messages whose sender proves to be root.
    union {
        cmsghdr align;
        char buffer[CMSG_SPACE(sizeof(ucred))];
    } control = {};
    msghdr message = {};
    message.msg_name = &group;
    message.msg_namelen = sizeof group;
    message.msg_iov = parts;
    message.msg_iovlen = 2;
    message.msg_control = control.buffer;
    message.msg_controllen = sizeof control.buffer;
    cmsghdr* credentials = CMSG_FIRSTHDR(&message);
    credentials->cmsg_level = SOL_SOCKET;
    credentials->cmsg_type = SCM_CREDENTIALS;
    credentials->cmsg_len = CMSG_LEN(sizeof(ucred));
    const ucred sender = { ::getpid(), 0, 0 };
    std::memcpy(CMSG_DATA(credentials), &sender, sizeof sender);
    // No listener yet is not a failure: the message is simply heard by nobody.
    if (::sendmsg(m_socket, &message, 0) < 0 && errno != ECONNREFUSED && errno != ESRCH)
        std::perror("udev announcement");
}
