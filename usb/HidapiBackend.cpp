#include "usb/HidapiBackend.h"

#include "config/SystemReason.h"
#include "usb/UsbLogging.h"

#include <QCoreApplication>
#include <QFile>

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cwchar>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int InputBufferSize = 17;

QString endingInLineBreak(QString text)
{
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

bool accessDenied(int errorNumber)
{
    return errorNumber == EACCES || errorNumber == EPERM;
}

// An unplugged device: writes and ioctls fail with ENODEV, reads with EIO, poll reports a hang-up
// (hidapi fails the read without a system error), and the node disappears.
bool leftTheSystem(bool reading, int errorNumber, const QString& path)
{
    if (errorNumber == ENODEV || (reading && (errorNumber == EIO || errorNumber == 0)))
        return true;
#ifdef Q_OS_LINUX
    struct stat status;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) != 0 && errno == ENOENT;
#else
    Q_UNUSED(path)
    return false;
#endif
}

} // namespace

HidapiBackend::HidapiBackend()
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    ++s_backends;
}

HidapiBackend::~HidapiBackend()
{
    for (auto& [handle, open] : m_handles) {
        if (open.device)
            hid_close(open.device);
    }
    const std::lock_guard<std::mutex> lock(s_mutex);
    // Another backend's open devices and enumerations still need the library.
    if (--s_backends == 0)
        hid_exit();
}

bool HidapiBackend::init()
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    if (hid_init() == 0)
        return true;
    m_lastError = libraryError(nullptr);
    return false;
}

std::vector<QString> HidapiBackend::enumerate(quint16 vendorIdHint)
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    return enumerateLocked(vendorIdHint);
}

std::vector<QString> HidapiBackend::enumerateLocked(quint16 vendorIdHint)
{
    m_enumerated.clear();
    std::vector<QString> paths;
    QString error;
    for (const Interface& found : interfacesLocked(vendorIdHint, &error)) {
        m_enumerated[found.path] = Ids { found.vendorId, found.productId };
        paths.push_back(found.path);
    }
    if (paths.empty())
        m_lastError = error;
    return paths;
}

std::vector<HidapiBackend::Interface> HidapiBackend::interfaces(quint16 vendorIdHint, QString* error)
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    return interfacesLocked(vendorIdHint, error);
}

std::vector<HidapiBackend::Interface> HidapiBackend::interfacesLocked(quint16 vendorIdHint, QString* error)
{
    std::vector<Interface> found;
    hid_device_info* list = hid_enumerate(vendorIdHint, 0);
    if (!list && error)
        *error = libraryError(nullptr);
    for (const hid_device_info* info = list; info; info = info->next) {
        const QString path = QFile::decodeName(info->path);
        // Some platforms list one entry per top-level usage of the same interface.
        if (std::any_of(found.begin(), found.end(), [&](const Interface& known) { return known.path == path; }))
            continue;
        const QString serial = info->serial_number ? QString::fromWCharArray(info->serial_number) : QString();
        found.push_back(Interface { path, info->vendor_id, info->product_id, serial });
    }
    hid_free_enumeration(list);
    return found;
}

HidBackend::Handle HidapiBackend::open(const QString& path, Access access, QString* error)
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    OpenHandle open;
    QString failure;
    if (access == Access::Probe) {
        auto found = m_enumerated.find(path);
        if (found == m_enumerated.end()) {
            enumerateLocked(0);
            found = m_enumerated.find(path);
        }
        if (found == m_enumerated.end())
            failure = QStringLiteral("No HID device is present at %1.\n").arg(path);
        else
            open.ids = found->second;
    } else {
        const QByteArray nativePath = QFile::encodeName(path);
        errno = 0;
        open.device = hid_open_path(nativePath.constData());
        const int openErrno = errno;
        if (!open.device) {
            failure = describeOpenFailure(path, openErrno, libraryError(nullptr));
            qCWarning(lcUsb, "cannot open %s: %s", nativePath.constData(), qPrintable(failure.trimmed()));
        } else if (auto found = m_enumerated.find(path); found != m_enumerated.end()) {
            open.ids = found->second;
        }
        open.path = path;
    }
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return NoHandle;
    }
    const Handle handle = m_nextHandle++;
    m_handles.emplace(handle, open);
    return handle;
}

void HidapiBackend::close(Handle handle)
{
    hid_device_* device = nullptr;
    {
        const std::lock_guard<std::mutex> lock(s_mutex);
        auto found = m_handles.find(handle);
        if (found == m_handles.end())
            return;
        device = found->second.device;
        m_handles.erase(found);
    }
    if (device)
        hid_close(device);
}

bool HidapiBackend::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    auto found = m_handles.find(probe);
    if (found == m_handles.end())
        return false;
    *vendorId = found->second.ids.vendorId;
    *productId = found->second.ids.productId;
    return true;
}

HidapiBackend::OpenHandle* HidapiBackend::entry(Handle handle)
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    auto found = m_handles.find(handle);
    return found != m_handles.end() ? &found->second : nullptr;
}

const HidapiBackend::OpenHandle* HidapiBackend::entry(Handle handle) const
{
    const std::lock_guard<std::mutex> lock(s_mutex);
    auto found = m_handles.find(handle);
    return found != m_handles.end() ? &found->second : nullptr;
}

bool HidapiBackend::writeReport(Handle handle, const QByteArray& report)
{
    OpenHandle* open = entry(handle);
    if (!open || !open->device)
        return false;
    errno = 0;
    const int written
        = hid_write(open->device, reinterpret_cast<const unsigned char*>(report.constData()), size_t(report.size()));
    if (written < 0) {
        transferFailed(open, false, errno, libraryError(open->device));
        return false;
    }
    if (written < report.size()) {
        transferFailed(open, false, EIO,
                       QCoreApplication::translate("UsbHid", "The Tavrin device took %1 of %n bytes of a report.\n",
                                                   nullptr, int(report.size()))
                           .arg(written));
        return false;
    }
    return true;
}

int HidapiBackend::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    OpenHandle* open = entry(handle);
    if (!open || !open->device)
        return -1;
    // hidapi hands over an unnumbered report without its report ID byte, as the link expects.
    unsigned char buffer[InputBufferSize] = {};
    errno = 0;
    const int count = hid_read_timeout(open->device, buffer, sizeof buffer, timeoutMs);
    if (count < 0) {
        transferFailed(open, true, errno, libraryError(open->device));
        return -1;
    }
    *data = QByteArray(reinterpret_cast<const char*>(buffer), count);
    return count;
}

QString HidapiBackend::lastErrorText(Handle handle)
{
    if (handle == NoHandle) {
        const std::lock_guard<std::mutex> lock(s_mutex);
        return m_lastError;
    }
    const OpenHandle* open = entry(handle);
    return open ? open->lastError : QStringLiteral("The Tavrin device is not open.\n");
}

bool HidapiBackend::deviceGone(Handle handle) const
{
    const OpenHandle* open = entry(handle);
    return open && open->deviceGone;
}

int HidapiBackend::lockNode(const QString& path)
{
#ifdef Q_OS_LINUX
    // A descriptor of its own: flock belongs to the open file, and hidapi's is not ours to lock.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return NoLock;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return fd + 1;
    const int lockErrno = errno;
    ::close(fd);
    return lockErrno == EWOULDBLOCK ? NodeInUse : NoLock;
#else
    Q_UNUSED(path)
    return NoLock;
#endif
}

void HidapiBackend::unlockNode(int token)
{
#ifdef Q_OS_LINUX
    // Closing the descriptor releases its lock.
    if (token > 0)
        ::close(token - 1);
#else
    Q_UNUSED(token)
#endif
}

QString HidapiBackend::describeOpenFailure(const QString& path, int errorNumber, const QString& libraryText)
{
    bool denied = accessDenied(errorNumber);
#ifdef Q_OS_LINUX
    // hidapi may have overwritten errno while recording its own message; the node itself can tell.
    if (!denied && ::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0)
        denied = accessDenied(errno);
#else
    Q_UNUSED(path)
#endif
    if (denied)
        return QCoreApplication::translate("UsbHid",
                                           "Permission denied opening the Tavrin device. Install the udev rule "
                                           "70-tavrin.rules (see README) and re-plug the device.\n");
    if (!libraryText.isEmpty())
        return endingInLineBreak(libraryText);
    if (errorNumber != 0)
        return endingInLineBreak(SystemReason::text(errorNumber));
    return QStringLiteral("Cannot open %1.\n").arg(path);
}

void HidapiBackend::transferFailed(OpenHandle* open, bool reading, int errorNumber, const QString& reason)
{
    open->lastError = reason.isEmpty() && errorNumber ? endingInLineBreak(SystemReason::text(errorNumber)) : reason;
    open->deviceGone = leftTheSystem(reading, errorNumber, open->path);
}

QString HidapiBackend::libraryError(hid_device_* device)
{
    const wchar_t* text = hid_error(device);
    // hidapi's placeholder where it recorded nothing; an open that fails after open() succeeded
    // records its reason on the device it has just freed, and leaves this behind.
    if (!text || std::wcscmp(text, L"Success") == 0)
        return QString();
    return endingInLineBreak(QString::fromWCharArray(text));
}
