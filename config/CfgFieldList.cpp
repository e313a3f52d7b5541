#include "config/CfgFieldList.h"

#include <algorithm>

namespace {
constexpr int TavrinIIButtonRows = 5;
constexpr int ExtInputIndex = 5;

void add(QList<CfgField>& fields, const QString& label, const QString& value)
{
    fields.append(CfgField { label, value });
}

QString number(int value)
{
    return QString::number(value);
}
} // namespace

QList<CfgField> CfgFieldList::identityFields(const Tavrin2QtCfg& cfg)
{
    QList<CfgField> fields;
    add(fields, tr("Firmware"), cfg.firmware());
    add(fields, tr("Serial Number"), cfg.serNum());
    return fields;
}

QList<CfgField> CfgFieldList::textFields(const Tavrin2QtCfg& cfg)
{
    QList<CfgField> tavrinII;
    for (int i = 0; i < cfg.tavrinIIButtonCount(); ++i) {
        const QString name = i == ExtInputIndex ? tr("External input") : tr("Button %1").arg(i + 1);
        add(tavrinII, tr("%1 message").arg(name), cfg.tavrinIIButtonVectorAtIndex(i).alphaMsg());
    }
    add(tavrinII, tr("Low battery page message"), cfg.lowBatteryPageMsg());
    add(tavrinII, tr("Acknowledge page message"), cfg.ackPageMsg());

    QList<CfgField> dalen;
    const bool oneButton = cfg.tavrinType() == DalenTavrin;
    add(dalen, tr("%1 message").arg(oneButton ? tr("Button") : tr("Button 2")), cfg.dtBtn1SettingMsg());
    add(dalen, tr("%1 message").arg(tr("Button 1")), cfg.dtBtn2SettingMsg());
    add(dalen, tr("Cancel message"), cfg.dtCancelMsg());
    add(dalen, tr("Low battery page message"), cfg.dtLowBatteryPageMsg());

    const bool dalenFirst = cfg.tavrinType() == DalenTavrin || cfg.tavrinType() == DalenTavrin2Button;
    return identityFields(cfg) + (dalenFirst ? dalen + tavrinII : tavrinII + dalen);
}

QList<CfgField> CfgFieldList::fields(const Tavrin2QtCfg& cfg)
{
    QList<CfgField> fields = identityFields(cfg);
    switch (cfg.tavrinType()) {
    case TavrinII:
        addTavrinIIFields(cfg, fields);
        break;
    case DalenTavrin:
    case DalenTavrin2Button:
        addDalenFields(cfg, fields);
        break;
    default:
        // No model, no settings of its own.
        break;
    }
    return fields;
}

void CfgFieldList::addTavrinIIFields(const Tavrin2QtCfg& cfg, QList<CfgField>& fields)
{
    // The device takes buttons 1 to 5 and the external input; further entries of an edited file are
    // never sent.
    const int buttons = std::min(cfg.tavrinIIButtonCount(), ExtInputIndex + 1);
    for (int i = 0; i < buttons && i < TavrinIIButtonRows; ++i)
        addTavrinIIButton(tr("Button %1").arg(i + 1), cfg.tavrinIIButtonVectorAtIndex(i), false, fields);
    if (buttons > ExtInputIndex)
        addTavrinIIButton(tr("External input"), cfg.tavrinIIButtonVectorAtIndex(ExtInputIndex), true, fields);

    for (int j = 0; j < cfg.tavrinIIAutoOnOffTimeCount(); ++j) {
        const Tavrin2QtCfg::TavrinIIAutoOnOffTime pair = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(j);
        add(fields, tr("Auto on/off %1 enabled").arg(j + 1), yesNo(pair.isEnabled()));
        add(fields, tr("Auto on/off %1 on time").arg(j + 1), timeText(pair.autoOnTime()));
        add(fields, tr("Auto on/off %1 off time").arg(j + 1), timeText(pair.autoOffTime()));
    }

    add(fields, tr("Lockout"), lockoutName(cfg.lockoutTimeMode()));
    add(fields, tr("Lockout time (seconds)"), number(cfg.lockoutTime()));
    add(fields, tr("Lockout sequence 1"), number(cfg.extInputDisable1()));
    add(fields, tr("Lockout sequence 2"), number(cfg.extInputDisable2()));
    add(fields, tr("Lockout sequence 3"), number(cfg.extInputDisable3()));
    add(fields, tr("System ID"), number(cfg.sysID()));
    add(fields, tr("Group paging enabled"), yesNo(cfg.enableGrpPaging()));
    add(fields, tr("Repage enabled"), yesNo(cfg.repageEnabled()));
    add(fields, tr("Repage interval (seconds)"), number(cfg.repageInterval()));
    add(fields, tr("Low battery page enabled"), yesNo(cfg.lowBatteryPageEnabled()));
    add(fields, tr("Low battery page pager"), number(cfg.lowBatteryPager()));
    add(fields, tr("Low battery page message"), cfg.lowBatteryPageMsg());
    add(fields, tr("Acknowledge page enabled"), yesNo(cfg.ackPageEnabled()));
    add(fields, tr("Acknowledge page pager"), number(cfg.ackPager()));
    add(fields, tr("Acknowledge page message"), cfg.ackPageMsg());
}

void CfgFieldList::addTavrinIIButton(const QString& name, const TavrinIIButton& button, bool isExtInput,
                                     QList<CfgField>& fields)
{
    add(fields, tr("%1 enabled").arg(name), yesNo(button.buttonEnabled()));
    if (isExtInput)
        add(fields, tr("%1 setting").arg(name), extInputSettingName(button.extInputSetting()));
    add(fields, tr("%1 pager").arg(name), number(button.pagerNum()));
    add(fields, tr("%1 type").arg(name), pagerTypeName(button.type()));
    // What the type leaves greyed out in the window is not a setting of the button.
    if (button.type() != TavrinIIButton::AlphaType)
        add(fields, tr("%1 mode").arg(name), buttonModeName(button.type(), button.mode()));
    if (button.type() == TavrinIIButton::ZellType)
        add(fields, tr("%1 message").arg(name), number(button.zellMsgInt()));
    else if (button.type() == TavrinIIButton::AlphaType)
        add(fields, tr("%1 message").arg(name), button.alphaMsg());
}

void CfgFieldList::addDalenFields(const Tavrin2QtCfg& cfg, QList<CfgField>& fields)
{
    // Named as the window titles the button groups: "Button" on the one-button unit; on the two-button
    // unit the first group (button index 0) is "Button 2" and the second "Button 1".
    const bool twoButton = cfg.tavrinType() == DalenTavrin2Button;
    const QString first = twoButton ? tr("Button 2") : tr("Button");
    add(fields, tr("%1 pager").arg(first), number(cfg.dtBtn1PagerNum()));
    add(fields, tr("%1 message").arg(first), cfg.dtBtn1SettingMsg());
    add(fields, tr("%1 mode").arg(first), dalenModeName(cfg.dtBtn1Mode()));
    if (twoButton) {
        const QString second = tr("Button 1");
        add(fields, tr("%1 pager").arg(second), number(cfg.dtBtn2PagerNum()));
        add(fields, tr("%1 message").arg(second), cfg.dtBtn2SettingMsg());
        add(fields, tr("%1 mode").arg(second), dalenModeName(cfg.dtBtn2Mode()));
    }
    add(fields, tr("Dalen Tavrin ID"), number(cfg.dtTavrinID()));
    add(fields, tr("System ID"), number(cfg.dtSysID()));
    add(fields, tr("Group paging enabled"), yesNo(cfg.dtEnableGrpPaging()));
    add(fields, tr("Beep enabled"), yesNo(cfg.dtBeepEnabled()));
    add(fields, tr("Secondary page enabled"), yesNo(cfg.dtSecondaryPageEnabled()));
    add(fields, tr("Secondary page pager"), number(cfg.dtSecondaryPager()));
    add(fields, tr("Cancel message enabled"), yesNo(cfg.dtCancelMsgEnabled()));
    add(fields, tr("Cancel message"), cfg.dtCancelMsg());
    add(fields, tr("Low battery page enabled"), yesNo(cfg.dtLowBatteryPageEnabled()));
    add(fields, tr("Low battery page pager"), number(cfg.dtLowBatteryPager()));
    add(fields, tr("Low battery page message"), cfg.dtLowBatteryPageMsg());
    add(fields, tr("Repage enabled"), yesNo(cfg.dtRepageEnabled()));
    add(fields, tr("Repage interval (seconds)"), number(cfg.dtRepageInterval()));
}

QList<CfgFieldDifference> CfgFieldList::differences(const Tavrin2QtCfg& first, const Tavrin2QtCfg& second)
{
    const QList<CfgField> firstFields = fields(first);
    const QList<CfgField> secondFields = fields(second);
    auto find = [](const QList<CfgField>& list, const QString& label) -> std::optional<QString> {
        for (const CfgField& field : list) {
            if (field.label == label)
                return field.value;
        }
        return std::nullopt;
    };

    // The first record's order, each setting only the second has placed after its predecessor there,
    // so that a button's settings stay together.
    QStringList labels;
    for (const CfgField& field : firstFields)
        labels.append(field.label);
    qsizetype insertAt = 0;
    for (const CfgField& field : secondFields) {
        const qsizetype known = labels.indexOf(field.label);
        if (known >= 0) {
            insertAt = known + 1;
            continue;
        }
        labels.insert(insertAt++, field.label);
    }

    QList<CfgFieldDifference> differences;
    for (const QString& label : labels) {
        const std::optional<QString> firstValue = find(firstFields, label);
        const std::optional<QString> secondValue = find(secondFields, label);
        if (firstValue != secondValue)
            differences.append(CfgFieldDifference { label, firstValue, secondValue });
    }
    return differences;
}

QString CfgFieldList::yesNo(bool value)
{
    return value ? tr("Yes") : tr("No");
}

QString CfgFieldList::pagerTypeName(int type)
{
    switch (type) {
    case TavrinIIButton::ZellType:
        return tr("Zell");
    case TavrinIIButton::AlphaType:
        return tr("Alpha");
    case TavrinIIButton::GuestType:
        return tr("Guest");
    default:
        return number(type);
    }
}

QString CfgFieldList::buttonModeName(int type, int mode)
{
    // The selector's entries stand for the mode codes 10, 1 and 2, in this order.
    int entry = -1;
    if (mode == TavrinIIButton::DefaultMode)
        entry = 0;
    else if (mode == 1 || mode == 2)
        entry = mode;
    if (entry < 0)
        return number(mode);
    if (type == TavrinIIButton::ZellType) {
        const QString names[] = { tr("VIBE 1", "zell pgr vibration mode 1"), tr("VIBE 2", "zell pgr vibration mode 2"),
                                  tr("VIBE 3", "zell pgr vibration mode 3") };
        return names[entry];
    }
    if (type == TavrinIIButton::GuestType) {
        const QString names[] = { tr("1 Sec", "guest pgr flash mode 1"), tr("30 Sec", "guest pgr flash mode 2"),
                                  tr("5 Min", "guest pgr flash mode 3") };
        return names[entry];
    }
    return number(mode);
}

QString CfgFieldList::extInputSettingName(int setting)
{
    switch (setting) {
    case 0:
        return tr("Normally Open");
    case 1:
        return tr("Normally Closed");
    default:
        return number(setting);
    }
}

QString CfgFieldList::dalenModeName(int mode)
{
    static const char* const names[] = {
        QT_TR_NOOP("Default"),     QT_TR_NOOP("Vibe 1"),      QT_TR_NOOP("Vibe 2"),    QT_TR_NOOP("Vibe 3"),
        QT_TR_NOOP("Beep 1"),      QT_TR_NOOP("Beep 2"),      QT_TR_NOOP("Beep 3"),    QT_TR_NOOP("Vibe-Beep 1"),
        QT_TR_NOOP("Vibe-Beep 2"), QT_TR_NOOP("Vibe-Beep 3"), QT_TR_NOOP("Look Down"),
    };
    if (mode < 0 || mode >= int(std::size(names)))
        return number(mode);
    return tr(names[mode]);
}

QString CfgFieldList::lockoutName(int lockoutTimeMode)
{
    switch (lockoutTimeMode) {
    case 0:
        return tr("Off");
    case 1:
        return tr("Indefinite");
    case 2:
        return tr("Interval");
    default:
        return number(lockoutTimeMode);
    }
}

QString CfgFieldList::timeText(const QTime& time)
{
    // A time the device reported as "none" (hour 255) is no time of day.
    if (!time.isValid())
        return QStringLiteral("--:--");
    return time.toString(time.second() == 0 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss"));
}
