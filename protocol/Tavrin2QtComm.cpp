// The protocol's core: the exchange, identification of the attached model and reading its settings.
#include "protocol/Tavrin2QtComm.h"

#include "usb/UsbHid.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcProtocol, "tavrin.protocol")

namespace {
constexpr int ReadWindowMs = 100;
// Far above a real response (a READ answers some 25 lines): a device that keeps sending past
// these counts is broken, and counting keeps the bound independent of how time passes.
constexpr int MaxLinesPerExchange = 1000;
constexpr int MaxReportsPerExchange = 8192;

QTime localTime()
{
    return QTime::currentTime();
}

[[noreturn]] void fail(int code)
{
    throw UsbHidException(UsbHid::instance()->errorMessage(code));
}
} // namespace

Tavrin2QtComm::Tavrin2QtComm()
    : m_clock(localTime)
{
}

Tavrin2QtComm* Tavrin2QtComm::instance()
{
    // Kept until the process ends, like the link.
    static Tavrin2QtComm* const comm = new Tavrin2QtComm;
    return comm;
}

void Tavrin2QtComm::reset()
{
    terminateBatchisp();
    _progressDialog.reset();
    _detectedType = Unknown;
    m_connectionStatus = NotFound;
}

void Tavrin2QtComm::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(localTime);
}

TavrinType Tavrin2QtComm::connectTavrin()
{
    UsbHid* link = UsbHid::instance();
    link->resolveHidFunctions();
    const UsbHid::InterfaceSet interfaces = link->getClassDevs();
    m_connectionStatus = link->findDevice(interfaces, m_connectionStatus == NotFound);
    if (m_connectionStatus == NotFound)
        fail(NoDeviceFound);
    return detectedTavrinType();
}

TavrinType Tavrin2QtComm::detectedTavrinType()
{
    if (m_connectionStatus == AlreadyOpen)
        return _detectedType;
    qCDebug(lcProtocol, "Tavrin2QtComm::detectedTavrinType() 1");

    switch (UsbHid::instance()->productId()) {
    case UsbHid::TavrinIIProductId:
        _detectedType = TavrinII;
        break;
    case UsbHid::DalenProductId:
        _detectedType = DalenTavrin;
        break;
    default:
        _detectedType = Unknown;
        fail(NoDeviceFound);
    }

    if (!softwareSupported())
        fail(UnsupportedVersion);
    if (_detectedType == DalenTavrin && readTavrinNoGui().tavrinType() == DalenTavrin2Button)
        _detectedType = DalenTavrin2Button;
    return _detectedType;
}

QString Tavrin2QtComm::tavrinTypeName(int type)
{
    switch (type) {
    case DalenTavrin:
        return tr("Dalen Tavrin");
    case DalenTavrin2Button:
        return tr("Dalen Tavrin - 2 Button");
    case TavrinII:
        return tr("Tavrin II");
    default:
        return tr("unknown");
    }
}

void Tavrin2QtComm::checkResponse(const QStringList& lines)
{
    if (lines.isEmpty())
        fail(LostCommunication);
    if (lines.constFirst().left(3).toLower() == QLatin1String("err"))
        fail(DeviceReportedError);
    for (const QString& line : lines)
        qCDebug(lcProtocol, "(*it).ascii(): %s", qUtf8Printable(line));
}

QString Tavrin2QtComm::dtModeCode(int mode)
{
    static const char* const codes[]
        = { "", "VV1v6X85", "VV3v6X85", "VV5v6X85", "B1b0", "B2b0", "B3b0", "Bb0V1v6", "Bb0V3v6", "Bb0V5v6", "B1b3" };
    constexpr int count = int(sizeof(codes) / sizeof(codes[0]));
    if (mode <= 0 || mode >= count)
        return QString();
    // A backslash and an f, not a form feed: the device turns the pair into its separator.
    return QStringLiteral("\\f") + QLatin1String(codes[mode]);
}

void Tavrin2QtComm::exchange(const QString& command, int windowMs, QStringList& response)
{
    // The last search found none (never one, or it has gone): say so, not what a dead handle says.
    if (m_connectionStatus == NotFound)
        fail(NoDeviceFound);
    UsbHid::instance()->write(command);
    collectResponse(windowMs, response);
}

void Tavrin2QtComm::collectResponse(int windowMs, QStringList& response)
{
    UsbHid* link = UsbHid::instance();
    const int linesBefore = int(response.size());
    for (int reports = 1; link->read(response, windowMs) != 0; ++reports) {
        if (reports >= MaxReportsPerExchange || response.size() - linesBefore >= MaxLinesPerExchange) {
            qCWarning(lcProtocol, "Tavrin does not stop sending (%d reports, %d lines); giving up", reports,
                      int(response.size()) - linesBefore);
            fail(LostCommunication);
        }
    }
}

Tavrin2QtCfg Tavrin2QtComm::readTavrin()
{
    Tavrin2QtCfg cfg;
    QStringList lines;
    const std::unique_ptr<ProgressIndicator> progress = ProgressIndicator::create(tr("Reading Tavrin..."), false);
    if (!softwareSupported())
        fail(UnsupportedVersion);
    progress->setCaption(tr("Please Wait"));
    progress->show();
    progress->setTotalSteps(2);

    UsbHid::instance()->write(QStringLiteral("READ"));
    progress->setProgress(1);
    collectResponse(ReadWindowMs, lines);
    qCDebug(lcProtocol, "Finished read()");
    progress->setProgress(2);

    parseDeviceSettings(cfg, lines);
    return cfg;
}

Tavrin2QtCfg Tavrin2QtComm::readTavrinNoGui()
{
    qCDebug(lcProtocol, "Tavrin2QtComm::readTavrinNoGui()");
    Tavrin2QtCfg cfg;
    QStringList lines;
    exchange(QStringLiteral("READ"), ReadWindowMs, lines);
    qCDebug(lcProtocol, "Finished no gui read()");
    parseDeviceSettings(cfg, lines);
    return cfg;
}

void Tavrin2QtComm::parseDeviceSettings(Tavrin2QtCfg& cfg, const QStringList& lines)
{
    if (parseReadTavrinOutput(cfg, lines) == 0) {
        qCWarning(lcProtocol, "Tavrin answered READ with %d lines of no known keyword", int(lines.size()));
        fail(LostCommunication);
    }
}

bool Tavrin2QtComm::softwareSupported()
{
    qCDebug(lcProtocol, "Tavrin2QtComm::softwareSupported()");
    const int variant = readTavrinNoGui().tavrinType();
    if (_detectedType == TavrinII && variant != TavrinII)
        return false;
    if (_detectedType == DalenTavrin && variant != DalenTavrin && variant != DalenTavrin2Button)
        return false;
    return true;
}
