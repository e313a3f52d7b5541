#include "usb/UsbHid.h"

#include "usb/HidapiBackend.h"
#include "usb/UsbLogging.h"

#include <QCoreApplication>

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

std::unique_ptr<UsbHid>& instanceSlot()
{
    static std::unique_ptr<UsbHid> slot;
    return slot;
}

} // namespace

UsbHidException::UsbHidException(const QString& message)
    : m_message(message)
    , m_what(message.toUtf8())
{
}

const char* UsbHidException::what() const noexcept
{
    return m_what.constData();
}

UsbHid::UsbHid(std::unique_ptr<HidBackend> backend)
    : m_backend(std::move(backend))
{
}

UsbHid::~UsbHid()
{
    // No trace here: the logging category may already be gone when the process ends.
    closeAll();
}

UsbHid* UsbHid::instance()
{
    auto& slot = instanceSlot();
    if (!slot)
        slot.reset(new UsbHid(std::make_unique<HidapiBackend>()));
    return slot.get();
}

HidBackend* UsbHid::setBackend(std::unique_ptr<HidBackend> backend)
{
    if (!backend)
        backend = std::make_unique<HidapiBackend>();
    auto& slot = instanceSlot();
    if (!slot) {
        slot.reset(new UsbHid(std::move(backend)));
        return slot->backend();
    }
    UsbHid* link = slot.get();
    link->closeAll();
    link->m_backend = std::move(backend);
    link->_device_path.clear();
    link->m_onlyPath.clear();
    link->m_partialLine.clear();
    link->m_productId = -1;
    return link->backend();
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
        if (!probeTavrin(path, &m_probeHandle, &productId))
            continue;

        m_productId = productId;
        _device_path = path;
        qCDebug(lcUsb, "_device_path: %s", qPrintable(path));
        closeHandle(m_readHandle);
        closeHandle(m_writeHandle);
        // Open failures show up as WriteFailed/ReadFailed at the first use, with the backend's reason.
        m_readHandle = m_backend->open(path, HidBackend::Access::Read);
        m_writeHandle = m_backend->open(path, HidBackend::Access::Write);
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
        HidBackend::Handle probe = HidBackend::NoHandle;
        quint16 productId = 0;
        if (probeTavrin(path, &probe, &productId))
            units.push_back(Unit { path, productId });
        closeHandle(probe);
    }
    return units;
}

bool UsbHid::probeTavrin(const QString& path, HidBackend::Handle* probe, quint16* productId)
{
    closeHandle(*probe);
    *probe = m_backend->open(path, HidBackend::Access::Probe);
    if (*probe == HidBackend::NoHandle) {
        qCDebug(lcUsb, "error: cannot open %s for probing", qPrintable(path));
        return false;
    }
    quint16 vendorId = 0;
    if (!m_backend->attributes(*probe, &vendorId, productId)) {
        qCDebug(lcUsb, "error: HidD_GetAttributes() failed");
        closeHandle(*probe);
        return false;
    }
    if (vendorId != VendorId || (*productId != TavrinIIProductId && *productId != DalenProductId)) {
        closeHandle(*probe);
        return false;
    }
    return true;
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
        throw UsbHidException(
            tr("Command line too long for Tavrin (%1 characters, at most %2)").arg(buffer.size()).arg(MaxLineLength));
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
            failAndRelease(m_backend->deviceGone() ? LostCommunication : WriteFailed);
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
        failAndRelease(m_backend->deviceGone() ? LostCommunication : ReadFailed);
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

QString UsbHid::errorMessage(int code) const
{
    const bool known = code >= 0 && code < errorTextCount;
    QString message = known ? tr(errorTexts[code]) : tr("WARNING: unknown exception");
    if (!known || appendsSystemText(code))
        message += QLatin1Char('\n') + m_backend->lastErrorText();
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
    closeHandle(m_probeHandle);
    closeHandle(m_readHandle);
    closeHandle(m_writeHandle);
}

bool UsbHid::isOpen() const
{
    return m_readHandle != HidBackend::NoHandle || m_writeHandle != HidBackend::NoHandle;
}

// A device that failed a transfer is usually gone or re-plugged (perhaps at the same path):
// closing it lets the next search open it afresh instead of meeting dead handles forever.
void UsbHid::failAndRelease(int code)
{
    const QString message = errorMessage(code);
    closeAll();
    m_partialLine.clear();
    throw UsbHidException(message);
}

void UsbHid::raise(int code) const
{
    throw UsbHidException(errorMessage(code));
}
