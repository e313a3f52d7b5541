// After an update the unit is read back: a unit that answers OK and keeps something else must not pass
// for one that took the settings.
#include "protocol/Tavrin2QtComm.h"

#include "config/CfgFieldList.h"
#include "config/DisplayText.h"
#include "usb/UsbHid.h"

#include <QLoggingCategory>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {
// SLCKT's codes for "no lockout" and "lockout without time limit".
constexpr int LockoutOffSeconds = 0;
constexpr int LockoutIndefiniteSeconds = 180;

// The Tavrin II settings as the unit keeps them once it has taken `sent`; what the commands do not carry
// comes from what the unit holds.
void keepTavrinIIAsHeld(Tavrin2QtCfg& expected, const Tavrin2QtCfg& held)
{
    const int buttons
        = std::min({ expected.tavrinIIButtonCount(), held.tavrinIIButtonCount(), Tavrin2QtCfg::DefaultButtonCount });
    for (int i = 0; i < buttons; ++i) {
        // "SBUTn,0" switches a button off and carries nothing else.
        if (!expected.tavrinIIButtonVectorAtIndex(i).buttonEnabled()) {
            TavrinIIButton button = held.tavrinIIButtonVectorAtIndex(i);
            button.setButtonEnabled(false);
            expected.setTavrinIIButtonVectorAtIndex(i, button);
        }
    }
    const int pairs = std::min({ expected.tavrinIIAutoOnOffTimeCount(), held.tavrinIIAutoOnOffTimeCount(),
                                 Tavrin2QtCfg::DefaultAutoOnOffTimeCount });
    for (int j = 0; j < pairs; ++j) {
        Tavrin2QtCfg::TavrinIIAutoOnOffTime pair = expected.tavrinIIAutoOnOffTimeVectorAtIndex(j);
        if (pair.isEnabled()) {
            // Hours and minutes are sent, seconds are not.
            pair.setAutoOnTime(QTime(pair.autoOnTime().hour(), pair.autoOnTime().minute()));
            pair.setAutoOffTime(QTime(pair.autoOffTime().hour(), pair.autoOffTime().minute()));
        } else {
            // A pair switched off is sent as "no time" and reads back as one.
            pair = held.tavrinIIAutoOnOffTimeVectorAtIndex(j);
            pair.setIsEnabled(false);
        }
        expected.setTavrinIIAutoOnOffTimeVectorAtIndex(j, pair);
    }

    // An interval of 0 or 180 seconds is the unit's code for off or indefinite; only an interval has a time.
    int mode = expected.lockoutTimeMode();
    if (mode == 2 && expected.lockoutTime() == LockoutOffSeconds)
        mode = 0;
    else if (mode == 2 && expected.lockoutTime() == LockoutIndefiniteSeconds)
        mode = 1;
    expected.setLockoutTimeMode(mode);
    if (mode != 2)
        expected.setLockoutTime(held.lockoutTime());

    // Repaging is switched by the same field as the acknowledge page, which is sent after it.
    expected.setRepageEnabled(expected.ackPageEnabled());
}

QString valueText(const std::optional<QString>& value)
{
    // A unit's text enters the message escaped: a line break of its own is never taken for one of ours.
    return value ? QStringLiteral("\"%1\"").arg(displayText(*value)) : Tavrin2QtComm::tr("nothing");
}
} // namespace

QStringList Tavrin2QtComm::settingsNotTaken(const Tavrin2QtCfg& sent, const Tavrin2QtCfg& held)
{
    return settingsDiffering(sent, held, true);
}

QStringList Tavrin2QtComm::settingsNotHeld(const Tavrin2QtCfg& profile, const Tavrin2QtCfg& held)
{
    return settingsDiffering(profile, held, false);
}

QStringList Tavrin2QtComm::settingsDiffering(const Tavrin2QtCfg& sent, const Tavrin2QtCfg& held, bool wasSent)
{
    Tavrin2QtCfg expected = sent;
    // Not settings: what the unit says about itself.
    expected.setFirmware(held.firmware());
    expected.setSerNum(held.serNum());
    if (expected.tavrinType() == TavrinII)
        keepTavrinIIAsHeld(expected, held);
    else
        // The cancel message is sent as on only together with the secondary page.
        expected.setDtCancelMsgEnabled(sent.dtSecondaryPageEnabled() && sent.dtCancelMsgEnabled());

    QStringList notTaken;
    // Nothing is sent in a check: there the profile holds a value, as the unit does.
    if (held.tavrinType() != expected.tavrinType())
        notTaken << (wasSent ? tr("Model: sent %1, Tavrin holds %2") : tr("Model: file holds %1, Tavrin holds %2"))
                        .arg(tavrinTypeName(expected.tavrinType()), tavrinTypeName(held.tavrinType()));
    for (const CfgFieldDifference& difference : CfgFieldList::differences(expected, held))
        notTaken << (wasSent ? tr("%1: sent %2, Tavrin holds %3") : tr("%1: file holds %2, Tavrin holds %3"))
                        .arg(difference.label, valueText(difference.first), valueText(difference.second));
    return notTaken;
}

void Tavrin2QtComm::verifyUpdate(const Tavrin2QtCfg& sent)
{
    qCDebug(lcProtocol, "Tavrin2QtComm::verifyUpdate()");
    QStringList unreported;
    const Tavrin2QtCfg held = readTavrinNoGui(&unreported);
    if (!unreported.isEmpty()) {
        throw UsbHidException([&]() -> QString {
            return tr("Tavrin answered every command, but when read back it did not report these "
                      "settings, so the update could not be checked:\n%1")
                .arg(unreported.join(QLatin1Char('\n')));
        });
    }
    const QStringList notTaken = settingsNotTaken(sent, held);
    if (!notTaken.isEmpty()) {
        qCWarning(lcProtocol, "Tavrin did not take %d settings", int(notTaken.size()));
        throw UsbHidException([&]() -> QString {
            return tr("Tavrin answered every command, but when read back it does not hold these "
                      "settings:\n%1")
                .arg(notTaken.join(QLatin1Char('\n')));
        });
    }
}
