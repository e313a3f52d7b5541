#include "usb/HidapiBackend.h"

#include "usb/UsbLogging.h"

#include <QCoreApplication>
#include <QFile>

#include <hidapi.h>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
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

} // namespace

HidapiBackend::~HidapiBackend()
{
    for (auto& [handle, open] : m_handles) {
        if (open.device)
            hid_close(open.device);
    }
    hid_exit();
}

bool HidapiBackend::init()
{
    if (hid_init() == 0)
        return true;
    m_lastError = libraryError(nullptr);
    return false;
}

std::vector<QString> HidapiBackend::enumerate(quint16 vendorIdHint)
{
    m_enumerated.clear();
    std::vector<QString> paths;
    hid_device_info* list = hid_enumerate(vendorIdHint, 0);
    if (!list)
        m_lastError = libraryError(nullptr);
    for (const hid_device_info* info = list; info; info = info->next) {
        const QString path = QFile::decodeName(info->path);
        // Some platforms list one entry per top-level usage of the same interface.
        if (m_enumerated.count(path))
            continue;
        m_enumerated[path] = Ids { info->vendor_id, info->product_id };
        paths.push_back(path);
    }
    hid_free_enumeration(list);
    return paths;
}

HidBackend::Handle HidapiBackend::open(const QString& path, Access access)
{
    OpenHandle open;
    if (access == Access::Probe) {
        auto found = m_enumerated.find(path);
        if (found == m_enumerated.end()) {
            enumerate(0);
            found = m_enumerated.find(path);
        }
        if (found == m_enumerated.end()) {
            m_lastError = QStringLiteral("No HID device is present at %1.\n").arg(path);
            return NoHandle;
        }
        open.ids = found->second;
    } else {
        const QByteArray nativePath = QFile::encodeName(path);
        errno = 0;
        open.device = hid_open_path(nativePath.constData());
        const int openErrno = errno;
        if (!open.device) {
            m_lastError = describeOpenFailure(path, openErrno, libraryError(nullptr));
            m_lastOpenError = m_lastError;
            qCWarning(lcUsb, "cannot open %s: %s", nativePath.constData(), qPrintable(m_lastError.trimmed()));
            return NoHandle;
        }
        if (auto found = m_enumerated.find(path); found != m_enumerated.end())
            open.ids = found->second;
    }
    const Handle handle = m_nextHandle++;
    m_handles.emplace(handle, open);
    return handle;
}

void HidapiBackend::close(Handle handle)
{
    auto found = m_handles.find(handle);
    if (found == m_handles.end())
        return;
    if (found->second.device)
        hid_close(found->second.device);
    m_handles.erase(found);
}

bool HidapiBackend::attributes(Handle probe, quint16* vendorId, quint16* productId)
{
    auto found = m_handles.find(probe);
    if (found == m_handles.end()) {
        m_lastError = QStringLiteral("Invalid device handle.\n");
        return false;
    }
    *vendorId = found->second.ids.vendorId;
    *productId = found->second.ids.productId;
    return true;
}

bool HidapiBackend::writeReport(Handle handle, const QByteArray& report)
{
    hid_device_* device = deviceOf(handle);
    if (!device)
        return false;
    if (hid_write(device, reinterpret_cast<const unsigned char*>(report.constData()), size_t(report.size())) < 0) {
        m_lastError = libraryError(device);
        return false;
    }
    return true;
}

int HidapiBackend::readReport(Handle handle, QByteArray* data, int timeoutMs)
{
    hid_device_* device = deviceOf(handle);
    if (!device)
        return -1;
    // hidapi hands over an unnumbered report without its report ID byte, as the link expects.
    unsigned char buffer[InputBufferSize] = {};
    const int count = hid_read_timeout(device, buffer, sizeof buffer, timeoutMs);
    if (count < 0) {
        m_lastError = libraryError(device);
        return -1;
    }
    *data = QByteArray(reinterpret_cast<const char*>(buffer), count);
    return count;
}

QString HidapiBackend::lastErrorText()
{
    return m_lastError;
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
        return endingInLineBreak(QString::fromLocal8Bit(std::strerror(errorNumber)));
    return QStringLiteral("Cannot open %1.\n").arg(path);
}

hid_device_* HidapiBackend::deviceOf(Handle handle)
{
    auto found = m_handles.find(handle);
    if (found != m_handles.end() && found->second.device)
        return found->second.device;
    // The open that should have produced this handle failed; its reason is the useful one.
    m_lastError = m_lastOpenError.isEmpty() ? QStringLiteral("The Tavrin device is not open.\n") : m_lastOpenError;
    return nullptr;
}

QString HidapiBackend::libraryError(hid_device_* device)
{
    const wchar_t* text = hid_error(device);
    return text ? endingInLineBreak(QString::fromWCharArray(text)) : QString();
}
