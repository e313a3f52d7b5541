#include "protocol/Tavrin2QtComm.h"

#include "usb/UsbHid.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcProtocol, "tavrin.protocol")

namespace {
[[noreturn]] void notImplemented()
{
    throw UsbHidException(QStringLiteral("not implemented"));
}
} // namespace

Tavrin2QtComm::Tavrin2QtComm()
    : m_clock([] { return QTime::currentTime(); })
{
}

Tavrin2QtComm* Tavrin2QtComm::instance()
{
    static Tavrin2QtComm* comm = new Tavrin2QtComm;
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
    m_clock = clock ? std::move(clock) : Clock([] { return QTime::currentTime(); });
}

TavrinType Tavrin2QtComm::connectTavrin()
{
    notImplemented();
}
TavrinType Tavrin2QtComm::detectedTavrinType()
{
    notImplemented();
}
QString Tavrin2QtComm::tavrinTypeName(int)
{
    return tr("unknown");
}
void Tavrin2QtComm::checkResponse(const QStringList&)
{
    notImplemented();
}
QString Tavrin2QtComm::dtModeCode(int)
{
    return QString();
}
Tavrin2QtCfg Tavrin2QtComm::readTavrin()
{
    notImplemented();
}
Tavrin2QtCfg Tavrin2QtComm::readTavrinNoGui()
{
    notImplemented();
}
void Tavrin2QtComm::parseReadTavrinOutput(Tavrin2QtCfg&, const QStringList&)
{
    notImplemented();
}
void Tavrin2QtComm::parseButtonOutput(int, int, const QStringList&, Tavrin2QtCfg&)
{
    notImplemented();
}
void Tavrin2QtComm::parseAutoOnOffOutput(bool, int, const QStringList&, Tavrin2QtCfg&)
{
    notImplemented();
}
bool Tavrin2QtComm::softwareSupported()
{
    notImplemented();
}
void Tavrin2QtComm::updateTavrin(const Tavrin2QtCfg&)
{
    notImplemented();
}
bool Tavrin2QtComm::programAlphaPager(const AlphaProgramData&)
{
    notImplemented();
}
bool Tavrin2QtComm::programZellPager(int, int, int)
{
    notImplemented();
}
void Tavrin2QtComm::updateDalenTavrin(const Tavrin2QtCfg&, QStringList&)
{
    notImplemented();
}
void Tavrin2QtComm::updateTavrinII(const Tavrin2QtCfg&, QStringList&)
{
    notImplemented();
}
void Tavrin2QtComm::exchange(const QString&, int, QStringList&)
{
    notImplemented();
}
