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

QString rangeText(const ValueRange& range)
{
    return QStringLiteral("%1-%2").arg(range.low).arg(range.high);
}
} // namespace

// The fields of a record, and those of them whose values are out of range.
struct CfgFieldList::Collector
{
    QList<CfgField> fields;
    QList<CfgOutOfRange> outOfRange;

    void add(const QString& label, const QString& value) { fields.append(CfgField { label, value }); }
    // A setting of a ranged setter, shown as shown.
    void add(const QString& label, const QString& shown, int value, const ValueRange& range)
    {
        add(label, shown);
        if (!range.contains(value))
            outOfRange.append(CfgOutOfRange { label, number(value), rangeText(range) });
    }
};

QList<CfgField> CfgFieldList::identityFields(const Tavrin2QtCfg& cfg)
{
    QList<CfgField> fields;
    add(fields, tr("Firmware"), cfg.firmware());
    add(fields, tr("Serial Number"), cfg.serNum());
    return fields;
}

QList<CfgMessageField> CfgFieldList::messages(const Tavrin2QtCfg& cfg, bool allButtons)
{
    QList<CfgMessageField> tavrinII;
    const int buttons = allButtons ? cfg.tavrinIIButtonCount() : std::min(cfg.tavrinIIButtonCount(), ExtInputIndex + 1);
    for (int i = 0; i < buttons; ++i) {
        const QString name = i == ExtInputIndex ? tr("External input") : tr("Button %1").arg(i + 1);
        const bool commandLineBound = i == 0 || i == ExtInputIndex;
        tavrinII.append({ tr("%1 message").arg(name), cfg.tavrinIIButtonVectorAtIndex(i).alphaMsg(),
                          commandLineBound ? Tavrin2QtCfg::LongMessageMaxLength : Tavrin2QtCfg::MessageMaxLength });
    }
    tavrinII.append({ tr("Low battery page message"), cfg.lowBatteryPageMsg(), Tavrin2QtCfg::MessageMaxLength });
    tavrinII.append({ tr("Acknowledge page message"), cfg.ackPageMsg(), Tavrin2QtCfg::MessageMaxLength });

    QList<CfgMessageField> dalen;
    const bool oneButton = cfg.tavrinType() == DalenTavrin;
    dalen.append({ tr("%1 message").arg(oneButton ? tr("Button") : tr("Button 2")), cfg.dtBtn1SettingMsg(),
                   Tavrin2QtCfg::MessageMaxLength });
    dalen.append({ tr("%1 message").arg(tr("Button 1")), cfg.dtBtn2SettingMsg(), Tavrin2QtCfg::MessageMaxLength });
    dalen.append({ tr("Cancel message"), cfg.dtCancelMsg(), Tavrin2QtCfg::MessageMaxLength });
    dalen.append({ tr("Low battery page message"), cfg.dtLowBatteryPageMsg(), Tavrin2QtCfg::MessageMaxLength });

    const bool dalenFirst = cfg.tavrinType() == DalenTavrin || cfg.tavrinType() == DalenTavrin2Button;
    return dalenFirst ? dalen + tavrinII : tavrinII + dalen;
}

QList<CfgMessageField> CfgFieldList::messageFields(const Tavrin2QtCfg& cfg)
{
    return messages(cfg, false);
}

QList<CfgMessageField> CfgFieldList::overLimitFields(const Tavrin2QtCfg& cfg)
{
    QList<CfgMessageField> over;
    for (const CfgMessageField& field : messageFields(cfg)) {
        if (field.isOverLimit())
            over.append(field);
    }
    return over;
}

QList<CfgField> CfgFieldList::textFields(const Tavrin2QtCfg& cfg)
{
    QList<CfgField> fields = identityFields(cfg);
    for (const CfgMessageField& message : messages(cfg, true))
        add(fields, message.label, message.value);
    return fields;
}

QList<CfgField> CfgFieldList::fields(const Tavrin2QtCfg& cfg)
{
    Collector out;
    collect(cfg, out);
    return out.fields;
}

QList<CfgOutOfRange> CfgFieldList::outOfRangeFields(const Tavrin2QtCfg& cfg)
{
    Collector out;
    collect(cfg, out);
    return out.outOfRange;
}

void CfgFieldList::collect(const Tavrin2QtCfg& cfg, Collector& out)
{
    out.fields = identityFields(cfg);
    switch (cfg.tavrinType()) {
    case TavrinII:
        addTavrinIIFields(cfg, out);
        break;
    case DalenTavrin:
    case DalenTavrin2Button:
        addDalenFields(cfg, out);
        break;
    default:
        // No model, no settings of its own.
        break;
    }
}

void CfgFieldList::addTavrinIIFields(const Tavrin2QtCfg& cfg, Collector& out)
{
    // The device takes buttons 1 to 5 and the external input; further entries of an edited file are
    // never sent.
    const int buttons = std::min(cfg.tavrinIIButtonCount(), ExtInputIndex + 1);
    for (int i = 0; i < buttons && i < TavrinIIButtonRows; ++i)
        addTavrinIIButton(tr("Button %1").arg(i + 1), cfg.tavrinIIButtonVectorAtIndex(i), false, out);
    if (buttons > ExtInputIndex)
        addTavrinIIButton(tr("External input"), cfg.tavrinIIButtonVectorAtIndex(ExtInputIndex), true, out);

    for (int j = 0; j < cfg.tavrinIIAutoOnOffTimeCount(); ++j) {
        const Tavrin2QtCfg::TavrinIIAutoOnOffTime pair = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(j);
        out.add(tr("Auto on/off %1 enabled").arg(j + 1), yesNo(pair.isEnabled()));
        out.add(tr("Auto on/off %1 on time").arg(j + 1), timeText(pair.autoOnTime()));
        out.add(tr("Auto on/off %1 off time").arg(j + 1), timeText(pair.autoOffTime()));
    }

    out.add(tr("Lockout"), lockoutName(cfg.lockoutTimeMode()), cfg.lockoutTimeMode(),
            Tavrin2QtCfg::LockoutTimeModeRange);
    out.add(tr("Lockout time (seconds)"), number(cfg.lockoutTime()), cfg.lockoutTime(), Tavrin2QtCfg::LockoutTimeRange);
    out.add(tr("Lockout sequence 1"), number(cfg.extInputDisable1()));
    out.add(tr("Lockout sequence 2"), number(cfg.extInputDisable2()));
    out.add(tr("Lockout sequence 3"), number(cfg.extInputDisable3()));
    out.add(tr("System ID"), number(cfg.sysID()), cfg.sysID(), Tavrin2QtCfg::SysIDRange);
    out.add(tr("Group paging enabled"), yesNo(cfg.enableGrpPaging()));
    out.add(tr("Repage enabled"), yesNo(cfg.repageEnabled()));
    out.add(tr("Repage interval (seconds)"), number(cfg.repageInterval()), cfg.repageInterval(),
            Tavrin2QtCfg::RepageIntervalRange);
    out.add(tr("Low battery page enabled"), yesNo(cfg.lowBatteryPageEnabled()));
    out.add(tr("Low battery page pager"), number(cfg.lowBatteryPager()), cfg.lowBatteryPager(),
            Tavrin2QtCfg::PagerRange);
    out.add(tr("Low battery page message"), cfg.lowBatteryPageMsg());
    out.add(tr("Acknowledge page enabled"), yesNo(cfg.ackPageEnabled()));
    out.add(tr("Acknowledge page pager"), number(cfg.ackPager()), cfg.ackPager(), Tavrin2QtCfg::PagerRange);
    out.add(tr("Acknowledge page message"), cfg.ackPageMsg());
}

void CfgFieldList::addTavrinIIButton(const QString& name, const TavrinIIButton& button, bool isExtInput, Collector& out)
{
    out.add(tr("%1 enabled").arg(name), yesNo(button.buttonEnabled()));
    if (isExtInput)
        out.add(tr("%1 setting").arg(name), extInputSettingName(button.extInputSetting()), button.extInputSetting(),
                TavrinIIButton::ExtInputSettingRange);
    out.add(tr("%1 pager").arg(name), number(button.pagerNum()), button.pagerNum(), TavrinIIButton::PagerRange);
    out.add(tr("%1 type").arg(name), pagerTypeName(button.type()), button.type(), TavrinIIButton::TypeRange);
    // What the type leaves greyed out in the window is not a setting of the button.
    if (button.type() != TavrinIIButton::AlphaType) {
        const QString label = tr("%1 mode").arg(name);
        out.add(label, buttonModeName(button.type(), button.mode()));
        // The modes a type takes are the setter's to say; a wrong type is named on its own.
        TavrinIIButton probe;
        probe.setType(button.type());
        if (TavrinIIButton::TypeRange.contains(button.type()) && probe.setMode(button.mode()))
            out.outOfRange.append(CfgOutOfRange { label, number(button.mode()), tr("1, 2 or 10") });
    }
    if (button.type() == TavrinIIButton::ZellType)
        out.add(tr("%1 message").arg(name), number(button.zellMsgInt()), button.zellMsgInt(),
                TavrinIIButton::ZellMsgRange);
    else if (button.type() == TavrinIIButton::AlphaType)
        out.add(tr("%1 message").arg(name), button.alphaMsg());
}

void CfgFieldList::addDalenFields(const Tavrin2QtCfg& cfg, Collector& out)
{
    // Named as the window titles the button groups: "Button" on the one-button unit; on the two-button
    // unit the first group (button index 0) is "Button 2" and the second "Button 1".
    const bool twoButton = cfg.tavrinType() == DalenTavrin2Button;
    const QString first = twoButton ? tr("Button 2") : tr("Button");
    out.add(tr("%1 pager").arg(first), number(cfg.dtBtn1PagerNum()), cfg.dtBtn1PagerNum(), Tavrin2QtCfg::PagerRange);
    out.add(tr("%1 message").arg(first), cfg.dtBtn1SettingMsg());
    out.add(tr("%1 mode").arg(first), dalenModeName(cfg.dtBtn1Mode()), cfg.dtBtn1Mode(), Tavrin2QtCfg::DalenModeRange);
    if (twoButton) {
        const QString second = tr("Button 1");
        out.add(tr("%1 pager").arg(second), number(cfg.dtBtn2PagerNum()), cfg.dtBtn2PagerNum(),
                Tavrin2QtCfg::PagerRange);
        out.add(tr("%1 message").arg(second), cfg.dtBtn2SettingMsg());
        out.add(tr("%1 mode").arg(second), dalenModeName(cfg.dtBtn2Mode()), cfg.dtBtn2Mode(),
                Tavrin2QtCfg::DalenModeRange);
    }
    out.add(tr("Dalen Tavrin ID"), number(cfg.dtTavrinID()), cfg.dtTavrinID(), Tavrin2QtCfg::DtTavrinIDRange);
    out.add(tr("System ID"), number(cfg.dtSysID()), cfg.dtSysID(), Tavrin2QtCfg::SysIDRange);
    out.add(tr("Group paging enabled"), yesNo(cfg.dtEnableGrpPaging()));
    out.add(tr("Beep enabled"), yesNo(cfg.dtBeepEnabled()));
    out.add(tr("Secondary page enabled"), yesNo(cfg.dtSecondaryPageEnabled()));
    out.add(tr("Secondary page pager"), number(cfg.dtSecondaryPager()), cfg.dtSecondaryPager(),
            Tavrin2QtCfg::PagerRange);
    out.add(tr("Cancel message enabled"), yesNo(cfg.dtCancelMsgEnabled()));
    out.add(tr("Cancel message"), cfg.dtCancelMsg());
    out.add(tr("Low battery page enabled"), yesNo(cfg.dtLowBatteryPageEnabled()));
    out.add(tr("Low battery page pager"), number(cfg.dtLowBatteryPager()), cfg.dtLowBatteryPager(),
            Tavrin2QtCfg::PagerRange);
    out.add(tr("Low battery page message"), cfg.dtLowBatteryPageMsg());
    out.add(tr("Repage enabled"), yesNo(cfg.dtRepageEnabled()));
    out.add(tr("Repage interval (seconds)"), number(cfg.dtRepageInterval()), cfg.dtRepageInterval(),
            Tavrin2QtCfg::RepageIntervalRange);
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
