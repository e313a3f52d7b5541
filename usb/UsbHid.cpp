#include "usb/UsbHid.h"

#include "usb/HidapiBackend.h"
#include "usb/UsbLogging.h"

#include <QCoreApplication>

#include <mutex>

namespace {

constexpr int ReportSize = 9;
constexpr int ReportDataSize = 8;
constexpr char CarriageReturn = '\x0D';

// Indexed by UsbHidError.
const char* const errorTexts[] = {
    QT_TRANSLATE_NOOP("UsbHid", "HID.DLL failed to load"),
    QT_TRANSLATE_NOOP("UsbHid", "SETUPAPI.DLL failed to load"),
    QT_TRANSLATE_NOOP("UsbHid", "HidD_GetHidGuid not found in HID.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "HidD_GetAttributes not found in HID.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiDestroyDeviceInfoList not found in SETUPAPI.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiEnumDeviceInterfaces not found in SETUPAPI.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiGetClassDevsA not found in SETUPAPI.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL"),
    QT_TRANSLATE_NOOP("UsbHid", "No Tavrin device found\nPlease verify Tavrin is connected to PC"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiGetClassDevs failed to open handle to device set"),
    QT_TRANSLATE_NOOP("UsbHid", "SetupDiGetDeviceInterfaceDetail failed"),
    QT_TRANSLATE_NOOP("UsbHid", "getHidGuid passed in NULL guid"),
    QT_TRANSLATE_NOOP("UsbHid", "WriteFile failed"),
    QT_TRANSLATE_NOOP("UsbHid", "ReadFile failed"),
    QT_TRANSLATE_NOOP("UsbHid", "GetOverlappedResult failed"),
    QT_TRANSLATE_NOOP("UsbHid", "Lost communication to Tavrin\nPlease remove then re-attach Tavrin to PC"),
    QT_TRANSLATE_NOOP("UsbHid", "Tavrin response indicates an error was\nencountered performing current operation"),
    QT_TRANSLATE_NOOP("UsbHid", "Detected software version is not supported.\nPlease contact Orvenna to upgrade."),
};
constexpr int errorTextCount = int(sizeof(errorTexts) / sizeof(errorTexts[0]));
static_assert(errorTextCount == UnknownError, "one text per UsbHidError code below UnknownError");

// The errors the protocol raises about the device's answers carry no system text.
bool appendsSystemText(int code)
{
    return code != NoDeviceFound && code != LostCommunication && code != DeviceReportedError
        && code != UnsupportedVersion;
}

struct SharedBackend
{
    std::mutex mutex;
    std::shared_ptr<HidBackend> backend;
};

SharedBackend& sharedSlot()
{
    static SharedBackend slot;
    return slot;
}

} // namespace

UsbHidException::UsbHidException(const QString& message)
    : m_message(message)
    , m_what(message.toUtf8())
{
}

UsbHidException::UsbHidException(const QString& message, const QString& english)
    : m_message(message)
    , m_english(english)
    , m_what(message.toUtf8())
{
}

const char* UsbHidException::what() const noexcept
{
    return m_what.constData();
}

UsbHid::UsbHid(std::shared_ptr<HidBackend> backend)
    : m_backend(backend ? std::move(backend) : sharedBackend())
{
}

UsbHid::~UsbHid()
{
    // No trace here: the logging category may already be gone when the process ends.
    closeAll();
    unlockNode();
}

std::shared_ptr<HidBackend> UsbHid::sharedBackend()
{
    SharedBackend& slot = sharedSlot();
    const std::lock_guard<std::mutex> lock(slot.mutex);
    if (!slot.backend)
        slot.backend = std::make_shared<HidapiBackend>();
    return slot.backend;
}

HidBackend* UsbHid::setBackend(std::unique_ptr<HidBackend> backend)
{
    if (!backend)
        backend = std::make_unique<HidapiBackend>();
    SharedBackend& slot = sharedSlot();
    const std::lock_guard<std::mutex> lock(slot.mutex);
    slot.backend = std::move(backend);
    return slot.backend.get();
}

QString UsbHid::errorText(int code)
{
    const bool known = code >= 0 && code < errorTextCount;
    return known ? tr(errorTexts[code]) : tr("WARNING: unknown exception");
}

void UsbHid::loadHidLibraries()
{
    if (!m_backend->init())
        raise(HidDllNotLoaded);
}

void UsbHid::resolveHidFunctions()
{
    loadHidLibraries();
}

UsbHid::InterfaceSet UsbHid::getClassDevs()
{
    return m_backend->enumerate(VendorId);
}

FindResult UsbHid::findDevice(const InterfaceSet& interfaces, bool force)
{
    for (const QString& path : interfaces) {
        if (!m_onlyPath.isEmpty() && path != m_onlyPath)
            continue;
        if (!force && path == _device_path && isOpen())
            return AlreadyOpen;

        quint16 productId = 0;
        if (!isTavrin(m_backend.get(), path, &productId))
            continue;

        m_productId = productId;
        _device_path = path;
        qCDebug(lcUsb, "_device_path: %s", qPrintable(path));
        closeHandle(m_readHandle);
        closeHandle(m_writeHandle);
        m_readOpenError.clear();
        m_writeOpenError.clear();
        // Open failures show up as WriteFailed/ReadFailed at the first use, with the backend's reason.
        m_readHandle = m_backend->open(path, HidBackend::Access::Read, &m_readOpenError);
        m_writeHandle = m_backend->open(path, HidBackend::Access::Write, &m_writeOpenError);
        // Bytes from the handle just closed cannot belong to the next line.
        m_partialLine.clear();
        return Opened;
    }
    return NotFound;
}

std::vector<UsbHid::Unit> UsbHid::matchingUnits(const InterfaceSet& interfaces)
{
    std::vector<Unit> units;
    for (const QString& path : interfaces) {
        quint16 productId = 0;
        if (isTavrin(m_backend.get(), path, &productId))
            units.push_back(Unit { path, productId, QString() });
    }
    return units;
}

bool UsbHid::isTavrin(HidBackend* backend, const QString& path, quint16* productId)
{
    const HidBackend::Handle probe = backend->open(path, HidBackend::Access::Probe, nullptr);
    if (probe == HidBackend::NoHandle) {
        qCDebug(lcUsb, "error: cannot open %s for probing", qPrintable(path));
        return false;
    }
    quint16 vendorId = 0;
    const bool known = backend->attributes(probe, &vendorId, productId);
    backend->close(probe);
    if (!known) {
        qCDebug(lcUsb, "error: HidD_GetAttributes() failed");
        return false;
    }
    return vendorId == VendorId && (*productId == TavrinIIProductId || *productId == DalenProductId);
}

void UsbHid::disconnect()
{
    qCDebug(lcUsb, "UsbHid::disconnect()");
    closeAll();
}

void UsbHid::write(const QString& line)
{
    QByteArray buffer = line.toLatin1();
    if (buffer.size() > MaxLineLength)
        throw UsbHidException([&]() -> QString {
            return tr("Command line too long for Tavrin (%n characters, at most %1)", nullptr, int(buffer.size()))
                .arg(MaxLineLength);
        });
    qCDebug(lcUsb, "write: out_str = %s", buffer.constData());
    buffer.append("\n\r");
    buffer.append('\0');

    for (int offset = 0; offset < buffer.size(); offset += ReportDataSize) {
        QByteArray report(ReportSize, '\0');
        const int count = qMin(ReportDataSize, int(buffer.size()) - offset);
        report.replace(1, count, buffer.constData() + offset, count);
        for (int i = 0; i < ReportSize; ++i)
            qCDebug(lcUsb, "report_buffer[%d] = %c", i, report.at(i));
        if (!m_backend->writeReport(m_writeHandle, report))
            failAndRelease(m_backend->deviceGone(m_writeHandle) ? LostCommunication : WriteFailed, m_writeHandle,
                           m_writeOpenError);
    }
}

int UsbHid::read(QStringList& lines, int timeoutMs)
{
    const int count = readSlice(lines, timeoutMs);
    m_lineCutOff = count == 0 && !m_partialLine.isEmpty();
    if (count == 0)
        m_partialLine.clear();
    return count;
}

int UsbHid::readSlice(QStringList& lines, int timeoutMs)
{
    QByteArray data;
    const int count = m_backend->readReport(m_readHandle, &data, timeoutMs);
    if (count < 0)
        failAndRelease(m_backend->deviceGone(m_readHandle) ? LostCommunication : ReadFailed, m_readHandle,
                       m_readOpenError);
    if (count == 0)
        return 0;
    const int examined = qMin(int(data.size()), ReportDataSize);
    for (int i = 0; i < examined; ++i) {
        const char byte = data.at(i);
        if (byte == CarriageReturn) {
            lines.append(QString::fromLatin1(m_partialLine));
            m_partialLine.clear();
            break;
        }
        m_partialLine.append(byte);
    }
    return count;
}

int UsbHid::discardInput()
{
    m_partialLine.clear();
    m_lineCutOff = false;
    if (m_readHandle == HidBackend::NoHandle)
        return 0;
    const int discarded = m_backend->discardInput(m_readHandle);
    if (discarded > 0)
        qCDebug(lcUsb, "discarded %d input reports that came before the operation", discarded);
    return discarded;
}

qint64 UsbHid::nowMs() const
{
    return m_backend->nowMs(m_readHandle);
}

void UsbHid::lockNode()
{
    if (holdsNodeLock() || _device_path.isEmpty())
        return;
    const int token = m_backend->lockNode(_device_path);
    if (token == HidBackend::NodeInUse)
        throw UsbHidException(
            [&]() -> QString { return tr("The Tavrin at %1 is in use by another program.").arg(_device_path); });
    m_lockToken = token;
}

void UsbHid::unlockNode()
{
    if (!holdsNodeLock())
        return;
    m_backend->unlockNode(m_lockToken);
    m_lockToken = HidBackend::NoLock;
}

QString UsbHid::errorMessage(int code) const
{
    const bool known = code >= 0 && code < errorTextCount;
    QString message = errorText(code);
    if (!known || appendsSystemText(code))
        message += QLatin1Char('\n')
            + (m_lastFailure.isEmpty() ? m_backend->lastErrorText(HidBackend::NoHandle) : m_lastFailure);
    return message;
}

void UsbHid::closeHandle(HidBackend::Handle& handle)
{
    if (handle == HidBackend::NoHandle)
        return;
    m_backend->close(handle);
    handle = HidBackend::NoHandle;
}

void UsbHid::closeAll()
{
    closeHandle(m_readHandle);
    closeHandle(m_writeHandle);
}

bool UsbHid::isOpen() const
{
    return m_readHandle != HidBackend::NoHandle || m_writeHandle != HidBackend::NoHandle;
}

// A device that failed a transfer is usually gone or re-plugged (perhaps at the same path):
// closing it lets the next search open it afresh instead of meeting dead handles forever.
void UsbHid::failAndRelease(int code, HidBackend::Handle handle, const QString& openError)
{
    if (handle != HidBackend::NoHandle)
        m_lastFailure = m_backend->lastErrorText(handle);
    else if (!openError.isEmpty())
        m_lastFailure = openError;
    else
        m_lastFailure = m_backend->lastErrorText(HidBackend::NoHandle);
    if (m_lastFailure.isEmpty())
        m_lastFailure = QStringLiteral("The Tavrin device is not open.\n");
    const QString message = errorMessage(code);
    const QString english = inEnglish([&] { return errorMessage(code); });
    closeAll();
    m_partialLine.clear();
    throw UsbHidException(message, english);
}

void UsbHid::raise(int code) const
{
    throw UsbHidException([&]() -> QString { return errorMessage(code); });
}
