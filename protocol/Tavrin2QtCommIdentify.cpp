// Which unit a session talks to, and who that unit says it is: finding, choosing and identifying it.
#include "protocol/Tavrin2QtComm.h"

#include "usb/TavrinFinder.h"
#include "usb/UsbHid.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {
[[noreturn]] void fail(int code)
{
    throw UsbHidException([&]() -> QString { return UsbHid::errorText(code); });
}
} // namespace

TavrinType Tavrin2QtComm::connectTavrin()
{
    refuseWhileBusy();
    const Operation operation(this);
    UsbHid* link = this->link();
    link->resolveHidFunctions();
    const UsbHid::InterfaceSet interfaces = link->getClassDevs();
    if (link->onlyPath().isEmpty()) {
        std::vector<UsbHid::Unit> units = link->matchingUnits(interfaces);
        if (units.size() > 1)
            throw SeveralTavrinsAttached(
                tr("Several Tavrin devices are attached and none was chosen.\nNothing was sent."), std::move(units));
    }
    m_connectionStatus = link->findDevice(interfaces, m_connectionStatus == NotFound);
    if (m_connectionStatus == NotFound) {
        // The unit in use is gone; whichever is attached next must be found (or chosen) anew.
        link->setOnlyPath(QString());
        fail(NoDeviceFound);
    }
    // Keep to this unit while it stays attached, even when another one is plugged in.
    link->setOnlyPath(link->devicePath());
    return detectedTavrinType();
}

std::vector<UsbHid::Unit> Tavrin2QtComm::attachedUnits()
{
    link();
    return TavrinFinder(currentBackend()).attachedUnits();
}

QList<TavrinUnit> Tavrin2QtComm::describeUnits()
{
    // It opens and closes every unit: never under an operation that waits for one.
    refuseWhileBusy();
    UsbHid* link = this->link();
    const QString chosen = link->onlyPath();
    QList<TavrinUnit> described;
    for (const UsbHid::Unit& unit : attachedUnits()) {
        // Each unit's question is an operation of its own, under that unit's lock.
        const Operation operation(this);
        TavrinUnit entry;
        entry.path = unit.path;
        entry.model = unit.productId == UsbHid::TavrinIIProductId ? TavrinII : DalenTavrin;
        try {
            link->setOnlyPath(unit.path);
            if (link->findDevice({ unit.path }, true) != Opened)
                fail(NoDeviceFound);
            m_connectionStatus = Opened;
            const Tavrin2QtCfg reported = readTavrinNoGui();
            entry.firmware = reported.firmware();
            entry.serialNumber = reported.serNum();
            if (entry.model == DalenTavrin && reported.tavrinType() == DalenTavrin2Button)
                entry.model = DalenTavrin2Button;
        } catch (const UsbHidException& e) {
            entry.failure = e.message();
            entry.englishFailure = e.english();
        }
        described.append(entry);
    }
    // No unit stays open that the caller did not choose.
    link->disconnect();
    link->setOnlyPath(chosen);
    m_connectionStatus = NotFound;
    return described;
}

void Tavrin2QtComm::chooseUnit(const QString& path)
{
    refuseWhileBusy();
    UsbHid* link = this->link();
    if (path == link->onlyPath())
        return;
    link->setOnlyPath(path);
    if (path != link->devicePath()) {
        // What is open is another unit: nothing may reach it, and the chosen one must be identified.
        link->disconnect();
        m_connectionStatus = NotFound;
    }
}

TavrinType Tavrin2QtComm::detectedTavrinType()
{
    if (m_connectionStatus == AlreadyOpen)
        return _detectedType;
    qCDebug(lcProtocol, "Tavrin2QtComm::detectedTavrinType() 1");
    const Operation operation(this);

    switch (link()->productId()) {
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

    bool supported = false;
    try {
        supported = softwareSupported();
        if (supported && _detectedType == DalenTavrin && readTavrinNoGui().tavrinType() == DalenTavrin2Button)
            _detectedType = DalenTavrin2Button;
    } catch (const UsbHidException&) {
        // A unit that has just booted, one held by another program, a garbled answer: whichever unit this
        // is, the previous one's serial number and model must not pass for its own.
        forgetIdentity();
        throw;
    }
    if (!supported)
        fail(UnsupportedVersion);
    return _detectedType;
}

bool Tavrin2QtComm::softwareSupported()
{
    qCDebug(lcProtocol, "Tavrin2QtComm::softwareSupported()");
    const Operation operation(this);
    const int variant = readTavrinNoGui().tavrinType();
    if (_detectedType == TavrinII && variant != TavrinII)
        return false;
    if (_detectedType == DalenTavrin && variant != DalenTavrin && variant != DalenTavrin2Button)
        return false;
    return true;
}

void Tavrin2QtComm::forgetIdentity()
{
    _detectedType = Unknown;
    m_serialNumber.clear();
    m_connectionStatus = NotFound;
}

void Tavrin2QtComm::checkUnitInUse()
{
    if (m_unitInUse.isEmpty() || m_serialNumber == m_unitInUse)
        return;
    qCWarning(lcProtocol, "Another unit answers in place of the one in use; nothing is set");
    const QString answered = m_serialNumber;
    forgetIdentity();
    throw AnotherUnitAnswered(tr("The Tavrin with serial number %1 answers in place of the one with serial number "
                                 "%2.\nNothing was sent.")
                                  .arg(answered, m_unitInUse));
}
