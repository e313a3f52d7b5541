// The main window's detection of the attached unit: which model the form shows at start, which of several
// units is used, and that no other unit is used unasked.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"
#include "usb/UsbHid.h"

#include <exception>

namespace {
// Only the first detection after start-up moves the form to a model.
bool firstDetection = true;
} // namespace

bool FrmTavrin2Qt::isFirstDetection()
{
    return firstDetection;
}

void FrmTavrin2Qt::resetFirstDetection()
{
    firstDetection = true;
}

void FrmTavrin2Qt::detectTavrin()
{
    // The timer fires while an operation waits for the device, and while the flashing tool has the unit
    // in its boot loader: the device link is that operation's.
    if (operationInProgress())
        return;
    try {
        // Only the start-up detection asks which of several units to use; the timer's stay silent
        // and the next device action asks.
        detect(firstDetection);
    } catch (const SeveralTavrinsAttached&) {
    }
}

void FrmTavrin2Qt::detect(bool mayAskForUnit)
{
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    const bool deviceAction = mayAskForUnit && !firstDetection;
    bool connected = false;
    try {
        TavrinType type = Unknown;
        try {
            type = comm->connectTavrin();
        } catch (const SeveralTavrinsAttached&) {
            const QString path = mayAskForUnit ? askForUnit() : QString();
            if (path.isEmpty())
                throw;
            comm->chooseUnit(path);
            type = comm->connectTavrin();
            // Chosen by the operator: this unit is the one in use from now on.
            useUnit(comm->serialNumber());
        }
        connected = true;
        if (firstDetection) {
            selectedTavrinType = type;
            selectModel(type);
        }
    } catch (const SeveralTavrinsAttached&) {
        firstDetection = false;
        throw;
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what());
        handleDetectionFailure(message);
        // A unit that did not say who it is is not used: the action ends here, saying why, and the next one
        // identifies the unit again. Without a unit, or with an unsupported one, the action says so itself.
        if (deviceAction && message != UsbHid::errorText(NoDeviceFound)
            && message != UsbHid::errorText(UnsupportedVersion))
            throw;
    }
    firstDetection = false;
    if (connected)
        keepToChosenUnit(mayAskForUnit);
}

void FrmTavrin2Qt::keepToChosenUnit(bool mayAskForUnit)
{
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    const QString serial = comm->serialNumber();
    if (m_unitSerial.isEmpty() || serial == m_unitSerial) {
        useUnit(serial);
        return;
    }
    // The unit in use went away (another port, its boot loader) and another one answers.
    if (!mayAskForUnit)
        return;
    const QList<TavrinUnit> units = comm->describeUnits();
    QString path;
    int sameSerial = 0;
    for (const TavrinUnit& unit : units) {
        if (unit.failure.isEmpty() && unit.serialNumber == m_unitSerial) {
            path = unit.path;
            ++sameSerial;
        }
    }
    // The unit in use, found at another node, is kept to without a question.
    if (sameSerial != 1)
        path
            = askForUnit(units, tr("Another Tavrin Device Found"),
                         tr("The Tavrin with serial number %1 is no longer attached.\nPlease select the Tavrin to use:")
                             .arg(m_unitSerial));
    if (path.isEmpty())
        throw UsbHidException(
            tr("The Tavrin with serial number %1 is no longer attached, and no other was chosen.\nNothing was sent.")
                .arg(m_unitSerial));
    comm->chooseUnit(path);
    comm->connectTavrin();
    useUnit(comm->serialNumber());
}

void FrmTavrin2Qt::useUnit(const QString& serial)
{
    m_unitSerial = serial;
    Tavrin2QtComm::instance()->setUnitInUse(serial);
}

QString FrmTavrin2Qt::askForUnit()
{
    return askForUnit(Tavrin2QtComm::instance()->describeUnits(), tr("Several Tavrin Devices Found"),
                      tr("Please select the Tavrin to use:"));
}

QString FrmTavrin2Qt::askForUnit(const QList<TavrinUnit>& units, const QString& caption, const QString& label)
{
    QStringList items;
    for (const TavrinUnit& unit : units) {
        const QString model = Tavrin2QtComm::tavrinTypeName(unit.model);
        items << (unit.failure.isEmpty() ? tr("%1, serial number %2 (%3)").arg(model, unit.serialNumber, unit.path)
                                         : tr("%1, not answering (%2)").arg(model, unit.path));
    }
    bool ok = false;
    const QString choice = Prompter::instance().getItem(this, caption, label, items, 0, false, &ok);
    const int position = int(items.indexOf(choice));
    return ok && position >= 0 ? units.at(position).path : QString();
}

void FrmTavrin2Qt::handleDetectionFailure(const QString& message)
{
    if (message == UsbHid::errorText(NoDeviceFound)) {
        if (!firstDetection)
            return;
        qCDebug(lcApp, "FrmTavrin2Qt::detectTavrin() 1");
        // Cleared before asking: the timer may fire while the choice is open.
        firstDetection = false;
        const QStringList items = { m_dalenTavrinName, m_dalenTavrin2BtnName, m_tavrinIIName };
        bool ok = false;
        const QString choice = Prompter::instance().getItem(this, tr("No Tavrin Device Found"),
                                                            tr("Please select your Tavrin type:"), items, 2, true, &ok);
        if (!ok)
            return;
        const int position = items.indexOf(choice);
        selectModel(position == 0 ? DalenTavrin : position == 1 ? DalenTavrin2Button : TavrinII);
    } else if (message == UsbHid::errorText(UnsupportedVersion)) {
        // Only a freshly opened device reports it; while it stays attached the timer stays quiet.
        if (Tavrin2QtComm::instance()->connectionStatus() != Opened)
            return;
        qCDebug(lcApp, "FrmTavrin2Qt::detectTavrin() 2");
        showError(message);
    }
}
