#include "HidrawUnit.h"

#include "UdevAnnouncer.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <linux/hidraw.h>

namespace {

constexpr fuse_ino_t RootInode = 1;
constexpr int HidrawMajor = 240;
constexpr int ReportSize = 9;
int hidInstances = 0;

// Vendor page, one collection with an 8-byte input and an 8-byte output report, unnumbered.
const unsigned char ReportDescriptor[]
    = { 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95,
        0x08, 0x81, 0x02, 0x09, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x08, 0x91, 0x02, 0xC0 };

QString sysfsRoot()
{
    const QString root = qEnvironmentVariable("T2Q_HIDRAW_SYSFS");
    return root.isEmpty() ? QStringLiteral("/sys/class/hidraw") : root;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

HidrawUnit* unitOf(fuse_req_t request)
{
    return static_cast<HidrawUnit*>(fuse_req_userdata(request));
}

struct stat rootAttributes()
{
    struct stat attributes = {};
    attributes.st_ino = RootInode;
    attributes.st_mode = S_IFREG | 0600;
    attributes.st_nlink = 1;
    return attributes;
}

} // namespace

struct HidrawUnitOps
{
    static HidrawUnit::OpenFile* fileOf(fuse_file_info* info)
    {
        return reinterpret_cast<HidrawUnit::OpenFile*>(info->fh);
    }

    static void getattr(fuse_req_t request, fuse_ino_t inode, fuse_file_info*)
    {
        if (inode != RootInode) {
            fuse_reply_err(request, ENOENT);
            return;
        }
        const struct stat attributes = rootAttributes();
        fuse_reply_attr(request, &attributes, 0);
    }

    static void open(fuse_req_t request, fuse_ino_t, fuse_file_info* info)
    {
        unsigned long fh = 0;
        unitOf(request)->open(request, info->flags, &fh);
        if (!fh)
            return;
        info->fh = fh;
        info->direct_io = 1;
        info->nonseekable = 1;
        fuse_reply_open(request, info);
    }

    static void release(fuse_req_t request, fuse_ino_t, fuse_file_info* info)
    {
        unitOf(request)->release(fileOf(info));
        fuse_reply_err(request, 0);
    }

    static void read(fuse_req_t request, fuse_ino_t, size_t size, off_t, fuse_file_info* info)
    {
        unitOf(request)->read(request, fileOf(info), size, info->flags);
    }

    static void write(fuse_req_t request, fuse_ino_t, const char* data, size_t size, off_t, fuse_file_info*)
    {
        unitOf(request)->write(request, data, size);
    }

    static void ioctl(fuse_req_t request, fuse_ino_t, unsigned int command, void*, fuse_file_info*, unsigned flags,
                      const void*, size_t, size_t outSize)
    {
        if (flags & FUSE_IOCTL_COMPAT) {
            fuse_reply_err(request, ENOSYS);
            return;
        }
        unitOf(request)->ioctl(request, command, outSize);
    }

    static void poll(fuse_req_t request, fuse_ino_t, fuse_file_info* info, fuse_pollhandle* handle)
    {
        unitOf(request)->poll(request, fileOf(info), handle);
    }

    static const fuse_lowlevel_ops& table()
    {
        static const fuse_lowlevel_ops ops = [] {
            fuse_lowlevel_ops o = {};
            o.getattr = getattr;
            o.open = open;
            o.release = release;
            o.read = read;
            o.write = write;
            o.ioctl = ioctl;
            o.poll = poll;
            return o;
        }();
        return ops;
    }
};

HidrawUnit::HidrawUnit(const QString& name, VirtualTavrin::Model model, int number, quint16 productId,
                       const QString& serialNumber)
    : m_name(name)
    , m_number(number)
    , m_instance(++hidInstances)
    , m_productId(productId)
    , m_unit(model, QStringLiteral("/dev/hidraw%1").arg(number))
{
    m_unit.setSerialNumber(serialNumber.isEmpty() ? QStringLiteral("%1").arg(10000 + number, 8, 10, QLatin1Char('0'))
                                                  : serialNumber);
    m_unitWrite = m_unit.open(m_unit.path(), HidBackend::Access::Write, nullptr);
    m_unitRead = m_unit.open(m_unit.path(), HidBackend::Access::Read, nullptr);
}

HidrawUnit::~HidrawUnit()
{
    unplug();
    for (const StalledWrite& stalled : m_stalled)
        fuse_reply_err(stalled.request, ETIMEDOUT);
    for (OpenFile* file : std::set<OpenFile*>(m_files))
        release(file);
    if (m_session)
        fuse_session_destroy(m_session);
    free(m_buffer.mem);
}

QString HidrawUnit::nodePath() const
{
    return m_unit.path();
}

bool HidrawUnit::plug(QString* error, UdevAnnouncer* announcer)
{
    m_announcer = announcer;
    const QByteArray node = QFile::encodeName(nodePath());
    if (!writeFile(nodePath(), QByteArray())) {
        *error = QStringLiteral("cannot create %1").arg(nodePath());
        return false;
    }
    char program[] = "tavrin-hidraw-units";
    char* argv[] = { program, nullptr };
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    m_session = fuse_session_new(&args, &HidrawUnitOps::table(), sizeof(fuse_lowlevel_ops), this);
    fuse_opt_free_args(&args);
    if (!m_session || fuse_session_mount(m_session, node.constData()) != 0) {
        *error = QStringLiteral("cannot mount FUSE on %1: %2").arg(nodePath(), QString::fromLocal8Bit(strerror(errno)));
        ::unlink(node.constData());
        return false;
    }
    m_mounted = true;
    m_present = true;
    if (!writeSysfs(error)) {
        unplug();
        return false;
    }
    announce("add");
    return true;
}

void HidrawUnit::unplug()
{
    if (!m_present)
        return;
    m_present = false;
    removeSysfs();
    if (m_mounted) {
        // Detached: files still open keep their connection and see the unit gone.
        const QByteArray node = QFile::encodeName(nodePath());
        ::umount2(node.constData(), MNT_DETACH);
        ::unlink(node.constData());
        m_mounted = false;
    }
    for (OpenFile* file : m_files) {
        answerPendingRead(*file);
        notify(*file);
    }
    for (const HeldWrite& held : m_held)
        fuse_reply_err(held.request, ENODEV);
    m_held.clear();
    announce("remove");
}

void HidrawUnit::announce(const QByteArray& action)
{
    if (!m_announcer)
        return;
    const QByteArray syspath = QFile::encodeName(hidrawDirectory());
    const QByteArray devpath = syspath.startsWith("/sys/") ? syspath.mid(4) : syspath;
    m_announcer->announce(action, devpath, QFile::encodeName(nodePath()), HidrawMajor, m_number);
}

int HidrawUnit::sessionFd() const
{
    return m_session ? fuse_session_fd(m_session) : -1;
}

void HidrawUnit::serveRequest()
{
    const int received = fuse_session_receive_buf(m_session, &m_buffer);
    if (received == -EINTR || received == -EAGAIN)
        return;
    if (received <= 0 || fuse_session_exited(m_session)) {
        // The last file of a detached node was closed: the connection is gone.
        fuse_session_destroy(m_session);
        m_session = nullptr;
        return;
    }
    fuse_session_process_buf(m_session, &m_buffer);
}

void HidrawUnit::releaseWrites()
{
    m_faults.holdAfterCommands = -1;
    std::deque<HeldWrite> held;
    held.swap(m_held);
    for (const HeldWrite& write : held)
        this->write(write.request, write.data.constData(), size_t(write.data.size()));
}

void HidrawUnit::expireStalls(Clock::time_point now)
{
    while (!m_stalled.empty() && m_stalled.front().deadline <= now) {
        fuse_reply_err(m_stalled.front().request, ETIMEDOUT);
        m_stalled.pop_front();
    }
}

std::optional<HidrawUnit::Clock::time_point> HidrawUnit::nextDeadline() const
{
    if (m_stalled.empty())
        return std::nullopt;
    return m_stalled.front().deadline;
}

void HidrawUnit::open(fuse_req* request, int, unsigned long* fh)
{
    if (!m_present) {
        fuse_reply_err(request, ENODEV);
        return;
    }
    if (m_faults.deniedOpens > 0) {
        --m_faults.deniedOpens;
        fuse_reply_err(request, EACCES);
        return;
    }
    auto* file = new OpenFile;
    m_files.insert(file);
    ++m_openCount;
    *fh = reinterpret_cast<unsigned long>(file);
}

void HidrawUnit::release(OpenFile* file)
{
    if (file->pollHandle)
        fuse_pollhandle_destroy(file->pollHandle);
    m_files.erase(file);
    delete file;
}

void HidrawUnit::read(fuse_req* request, OpenFile* file, size_t size, int flags)
{
    if (file->pendingRead) {
        fuse_reply_err(request, EBUSY);
        return;
    }
    file->pendingRead = request;
    file->pendingSize = size;
    answerPendingRead(*file);
    if (!file->pendingRead)
        return;
    if (flags & O_NONBLOCK) {
        file->pendingRead = nullptr;
        fuse_reply_err(request, EAGAIN);
        return;
    }
    // A reader that takes a signal gives up its read, as on a real node.
    fuse_req_interrupt_func(
        request,
        [](fuse_req_t interrupted, void* data) {
            auto* waiting = static_cast<OpenFile*>(data);
            if (waiting->pendingRead != interrupted)
                return;
            waiting->pendingRead = nullptr;
            fuse_reply_err(interrupted, EINTR);
        },
        file);
}

void HidrawUnit::answerPendingRead(OpenFile& file)
{
    if (!file.pendingRead)
        return;
    fuse_req_t request = file.pendingRead;
    if (!file.queue.empty()) {
        const QByteArray report = file.queue.front();
        file.queue.pop_front();
        file.pendingRead = nullptr;
        fuse_reply_buf(request, report.constData(), qMin(size_t(report.size()), file.pendingSize));
    } else if (!m_present) {
        file.pendingRead = nullptr;
        fuse_reply_err(request, EIO);
    }
}

void HidrawUnit::write(fuse_req* request, const char* data, size_t size)
{
    if (!m_present) {
        fuse_reply_err(request, ENODEV);
        return;
    }
    if (!m_firstReportNs) {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        m_firstReportNs = qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    if (m_faults.writeErrno) {
        fuse_reply_err(request, m_faults.writeErrno);
        return;
    }
    if (m_faults.stallWrites) {
        m_stalled.push_back(StalledWrite { request, Clock::now() + StallTime });
        return;
    }
    if (m_faults.holdAfterCommands == 0) {
        m_held.push_back(HeldWrite { request, QByteArray(data, int(size)) });
        return;
    }
    if (m_faults.shortWrites) {
        fuse_reply_write(request, size > 1 ? size - 1 : 0);
        return;
    }
    if (m_faults.unplugAfterCommands == 0) {
        unplug();
        fuse_reply_err(request, ENODEV);
        return;
    }
    const int commandsBefore = int(m_unit.transcript().size());
    if (!m_unit.writeReport(m_unitWrite, QByteArray(data, int(size)))) {
        fuse_reply_err(request, EINVAL);
        return;
    }
    fuse_reply_write(request, size);
    if (int(m_unit.transcript().size()) > commandsBefore) {
        if (m_faults.unplugAfterCommands > 0)
            --m_faults.unplugAfterCommands;
        if (m_faults.holdAfterCommands > 0)
            --m_faults.holdAfterCommands;
    }
    QByteArray report;
    while (m_present && m_unit.readReport(m_unitRead, &report, 0) > 0)
        deliver(report);
    // "BL": the unit has left for its boot loader.
    if (!m_unit.isPresent())
        unplug();
}

void HidrawUnit::deliver(const QByteArray& report)
{
    if (m_faults.unplugAfterReports == 0) {
        unplug();
        return;
    }
    if (m_faults.unplugAfterReports > 0)
        --m_faults.unplugAfterReports;
    if (m_faults.muteAfterReports == 0)
        return;
    if (m_faults.muteAfterReports > 0)
        --m_faults.muteAfterReports;
    for (OpenFile* file : m_files) {
        // As the kernel does with a reader that falls behind: a full queue drops the new report.
        if (int(file->queue.size()) < QueueLength)
            file->queue.push_back(report);
        answerPendingRead(*file);
        notify(*file);
    }
}

void HidrawUnit::ioctl(fuse_req* request, unsigned int command, size_t outSize)
{
    if (!m_present) {
        fuse_reply_err(request, ENODEV);
        return;
    }
    switch (command) {
    case HIDIOCGRDESCSIZE: {
        if (m_faults.descriptorSizeErrno) {
            fuse_reply_err(request, m_faults.descriptorSizeErrno);
            return;
        }
        const int size = int(sizeof ReportDescriptor);
        fuse_reply_ioctl(request, 0, &size, sizeof size);
        return;
    }
    case HIDIOCGRDESC: {
        hidraw_report_descriptor descriptor = {};
        descriptor.size = sizeof ReportDescriptor;
        std::memcpy(descriptor.value, ReportDescriptor, sizeof ReportDescriptor);
        fuse_reply_ioctl(request, 0, &descriptor, qMin(outSize, sizeof descriptor));
        return;
    }
    case HIDIOCGRAWINFO: {
        hidraw_devinfo info = {};
        info.bustype = 3; // BUS_USB
        info.vendor = 0x03EB;
        info.product = qint16(m_productId);
        fuse_reply_ioctl(request, 0, &info, sizeof info);
        return;
    }
    default:
        fuse_reply_err(request, EINVAL);
    }
}

void HidrawUnit::poll(fuse_req* request, OpenFile* file, fuse_pollhandle* handle)
{
    if (handle) {
        if (file->pollHandle)
            fuse_pollhandle_destroy(file->pollHandle);
        file->pollHandle = handle;
    }
    fuse_reply_poll(request, pollEvents(*file));
}

unsigned HidrawUnit::pollEvents(const OpenFile& file) const
{
    unsigned events = POLLOUT | POLLWRNORM;
    if (!file.queue.empty())
        events |= POLLIN | POLLRDNORM;
    if (!m_present)
        events |= POLLERR | POLLHUP;
    return events;
}

void HidrawUnit::notify(OpenFile& file)
{
    if (!file.pollHandle)
        return;
    fuse_lowlevel_notify_poll(file.pollHandle);
    fuse_pollhandle_destroy(file.pollHandle);
    file.pollHandle = nullptr;
}

QString HidrawUnit::hidName() const
{
    return QStringLiteral("0003:03EB:%1.%2")
        .arg(m_productId, 4, 16, QLatin1Char('0'))
        .arg(m_instance, 4, 16, QLatin1Char('0'));
}

QString HidrawUnit::hidrawDirectory() const
{
    return deviceDirectory()
        + QStringLiteral("/%1-1/%1-1:1.0/%2/hidraw/hidraw%3").arg(m_number + 1).arg(hidName()).arg(m_number);
}

QString HidrawUnit::deviceDirectory() const
{
    // Dot-named: libudev lists the class folder's entries, and skips those.
    return sysfsRoot() + QStringLiteral("/.devices/usb%1").arg(m_number + 1);
}

// What hidapi reads through libudev: the hidraw device, its HID parent (IDs, name, serial, report
// descriptor), the USB interface and the USB device above it.
bool HidrawUnit::writeSysfs(QString* error)
{
    const bool dalen = m_unit.model() != VirtualTavrin::Model::TavrinII;
    const QByteArray product = dalen ? "Dalen Tavrin" : "Tavrin II";
    const QByteArray serial = m_unit.firmware().serialNumber().toLatin1();
    const QByteArray productHex = QByteArray::number(m_productId, 16).rightJustified(4, '0');

    const QString usbDevice = deviceDirectory() + QStringLiteral("/%1-1").arg(m_number + 1);
    const QString usbInterface = usbDevice + QStringLiteral("/%1-1:1.0").arg(m_number + 1);
    const QString hidDevice = usbInterface + QLatin1Char('/') + hidName();
    const QString hidraw = hidrawDirectory();
    const QString link = sysfsRoot() + QStringLiteral("/hidraw%1").arg(m_number);

    const bool written = QDir().mkpath(hidraw)
        && writeFile(usbDevice + QStringLiteral("/uevent"), "DEVTYPE=usb_device\n")
        && writeFile(usbDevice + QStringLiteral("/idVendor"), "03eb\n")
        && writeFile(usbDevice + QStringLiteral("/idProduct"), productHex + '\n')
        && writeFile(usbDevice + QStringLiteral("/manufacturer"), "Orvenna\n")
        && writeFile(usbDevice + QStringLiteral("/product"), product + '\n')
        && writeFile(usbDevice + QStringLiteral("/bcdDevice"), "0107\n")
        && writeFile(usbDevice + QStringLiteral("/serial"), serial + '\n')
        && QFile::link(QStringLiteral("/sys/bus/usb"), usbDevice + QStringLiteral("/subsystem"))
        && writeFile(usbInterface + QStringLiteral("/uevent"), "DEVTYPE=usb_interface\n")
        && writeFile(usbInterface + QStringLiteral("/bInterfaceNumber"), "00\n")
        && QFile::link(QStringLiteral("/sys/bus/usb"), usbInterface + QStringLiteral("/subsystem"))
        && writeFile(hidDevice + QStringLiteral("/uevent"),
                     "HID_ID=0003:000003EB:0000" + productHex.toUpper() + "\nHID_NAME=Orvenna " + product
                         + "\nHID_PHYS=usb-virtual-" + QByteArray::number(m_number + 1) + "/input0\nHID_UNIQ=" + serial
                         + '\n')
        && writeFile(hidDevice + QStringLiteral("/report_descriptor"),
                     QByteArray(reinterpret_cast<const char*>(ReportDescriptor), sizeof ReportDescriptor))
        && QFile::link(QStringLiteral("/sys/bus/hid"), hidDevice + QStringLiteral("/subsystem"))
        && writeFile(hidraw + QStringLiteral("/uevent"),
                     "MAJOR=" + QByteArray::number(HidrawMajor) + "\nMINOR=" + QByteArray::number(m_number)
                         + "\nDEVNAME=hidraw" + QByteArray::number(m_number) + '\n')
        && QFile::link(sysfsRoot(), hidraw + QStringLiteral("/subsystem"))
        && QFile::link(hidDevice, hidraw + QStringLiteral("/device"))
        && QFile::link(QDir(sysfsRoot()).relativeFilePath(hidraw), link);
    if (!written)
        *error = QStringLiteral("cannot write the sysfs entries under %1").arg(sysfsRoot());
    return written;
}

void HidrawUnit::removeSysfs()
{
    QFile::remove(sysfsRoot() + QStringLiteral("/hidraw%1").arg(m_number));
    QDir(deviceDirectory()).removeRecursively();
}
