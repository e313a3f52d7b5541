// The READ response vocabulary: each line of a read response into the record.
#include "protocol/Tavrin2QtComm.h"

#include "usb/UsbHid.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {

// The Dalen button field: the message, then optionally a form feed and the alert code.
struct DalenMessage
{
    QString message;
    int mode = 0;
};

DalenMessage splitDalenMessage(const QString& field, bool traced)
{
    DalenMessage result;
    const int formFeed = int(field.indexOf(QLatin1Char('\f')));
    const QString codeText = formFeed < 0 ? QString() : field.mid(formFeed);
    if (traced) {
        qCDebug(lcProtocol, "dt_message BEFORE: %s", qUtf8Printable(field));
        qCDebug(lcProtocol, "dt_mode_str BEFORE: %s, dt_mode_str len: %d", qUtf8Printable(codeText),
                int(codeText.size()));
    }
    result.message = formFeed < 0 ? field : field.left(formFeed);
    QString code = codeText;
    code.remove(QLatin1Char('\f'));
    if (traced) {
        qCDebug(lcProtocol, "dt_message AFTER trunc: %s", qUtf8Printable(result.message));
        qCDebug(lcProtocol, "dt_mode_str AFTER: %s, dt_mode_str len: %d", qUtf8Printable(code), int(code.size()));
    }
    if (code.isEmpty())
        return result;
    for (int mode = 1; mode <= 10; ++mode) {
        // The table's codes carry the two-character prefix the sender writes; the device sends a form feed.
        if (Tavrin2QtComm::dtModeCode(mode).mid(2) == code) {
            result.mode = mode;
            break;
        }
    }
    return result;
}

int firmwareVariant(const QString& prefix)
{
    if (prefix == QLatin1String("1V"))
        return DalenTavrin;
    if (prefix == QLatin1String("2V"))
        return DalenTavrin2Button;
    if (prefix == QLatin1String("5V"))
        return TavrinII;
    return Unknown;
}

bool isDalen(int variant)
{
    return variant == DalenTavrin || variant == DalenTavrin2Button;
}

// Integers of the settings lines must be numbers; a line with one that is not is rejected.
bool allInts(const QStringList& fields, std::initializer_list<int> indices, int* values)
{
    for (int index : indices) {
        bool ok = false;
        *values++ = fields.at(index).toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

// The parse functions below return false for a malformed line: it stored nothing, or not all it carries.
bool warnMalformed(const char* keyword)
{
    qCWarning(lcProtocol, "Tavrin2QtComm::parseReadTavrinOutput - %s err", keyword);
    return false;
}

bool parseVer(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    if (fields.size() != 2)
        return warnMalformed("VER");
    const QString prefix = fields.at(1).left(2);
    qCDebug(lcProtocol, "version: %s", qUtf8Printable(prefix));
    cfg.setFirmware(fields.at(1));
    cfg.setTavrinType(firmwareVariant(prefix));
    return true;
}

// UID, RID, RPGSET, BEEP, GPEN: one integer.
template<typename Store> bool parseSingleInt(const char* keyword, const QStringList& fields, Store store)
{
    int value = 0;
    if (fields.size() != 2 || !allInts(fields, { 1 }, &value))
        return warnMalformed(keyword);
    store(value);
    return true;
}

bool parseLock(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    bool ok = false;
    const int first = fields.size() == 6 ? fields.at(1).toInt(&ok) : 0;
    if (!ok)
        return warnMalformed("LOCK");
    if (cfg.tavrinType() != TavrinII)
        return true;
    // Each button is stored as soon as it is read: a bad later field keeps the earlier ones.
    cfg.setExtInputDisable1(first);
    const int second = fields.at(2).toInt(&ok);
    if (!ok)
        return warnMalformed("LOCK");
    cfg.setExtInputDisable2(second);
    const int third = fields.at(3).toInt(&ok);
    if (!ok)
        return warnMalformed("LOCK");
    cfg.setExtInputDisable3(third);
    return true;
}

void parseLockoutTime(Tavrin2QtCfg& cfg, int seconds)
{
    if (cfg.tavrinType() != TavrinII)
        return;
    if (seconds == 0) {
        cfg.setLockoutTimeMode(0);
    } else if (seconds == 180) {
        // The device's code for a lockout without time limit.
        cfg.setLockoutTimeMode(1);
    } else {
        cfg.setLockoutTime(seconds);
        cfg.setLockoutTimeMode(2);
    }
}

bool parseAckPage(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    int values[2] = {};
    if (fields.size() != 4 || !allInts(fields, { 1, 2 }, values))
        return warnMalformed("ACKPGR");
    const bool enabled = values[0] != 0;
    if (isDalen(cfg.tavrinType())) {
        cfg.setDtRepageEnabled(enabled);
    } else if (cfg.tavrinType() == TavrinII) {
        cfg.setAckPageEnabled(enabled);
        cfg.setAckPager(values[1]);
        cfg.setAckPageMsg(fields.at(3));
        cfg.setRepageEnabled(enabled);
    }
    return true;
}

bool parseLowBattery(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    int values[2] = {};
    if (fields.size() != 4 || !allInts(fields, { 1, 2 }, values))
        return warnMalformed("LOWBAT");
    if (isDalen(cfg.tavrinType())) {
        cfg.setDtLowBatteryPageEnabled(values[0] != 0);
        cfg.setDtLowBatteryPager(values[1]);
        cfg.setDtLowBatteryPageMsg(fields.at(3));
    } else if (cfg.tavrinType() == TavrinII) {
        cfg.setLowBatteryPageEnabled(values[0] != 0);
        cfg.setLowBatteryPager(values[1]);
        cfg.setLowBatteryPageMsg(fields.at(3));
    }
    return true;
}

bool parseSecondaryPage(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    int values[2] = {};
    if (fields.size() != 3 || !allInts(fields, { 1, 2 }, values))
        return warnMalformed("SECPGR");
    if (cfg.tavrinType() == Unknown)
        return true;
    cfg.setDtSecondaryPageEnabled(values[0] != 0);
    cfg.setDtSecondaryPager(values[1]);
    return true;
}

bool parseCancelMessage(Tavrin2QtCfg& cfg, const QStringList& fields)
{
    int enabled = 0;
    if (fields.size() != 3 || !allInts(fields, { 1 }, &enabled))
        return warnMalformed("CNCLMSG");
    if (cfg.tavrinType() == Unknown)
        return true;
    cfg.setDtCancelMsgEnabled(enabled != 0);
    cfg.setDtCancelMsg(fields.at(2));
    return true;
}

// "RONT0", "ROFFT0", ... "ROFFT2": whether the line is one, and which.
bool autoOnOffKeyword(const QString& line, bool* onTime, int* entry)
{
    for (int j = 0; j < 3; ++j) {
        for (bool on : { true, false }) {
            if (line.startsWith((on ? QLatin1String("RONT") : QLatin1String("ROFFT")) + QString::number(j))) {
                *onTime = on;
                *entry = j;
                return true;
            }
        }
    }
    return false;
}

// "BUT0" to "BUT4" give 0 to 4, "INP0" 5; -1 for any other line.
int buttonIndex(const QString& line)
{
    for (int i = 0; i < 5; ++i) {
        if (line.startsWith(QLatin1String("BUT") + QString::number(i)))
            return i;
    }
    return line.startsWith(QLatin1String("INP0")) ? 5 : -1;
}

// False for a line of no known keyword. *key becomes the line's key ("RID", "BUT2", "ROFFT1") when the line
// was well formed, empty when it was rejected.
bool parseLine(Tavrin2QtCfg& cfg, const QString& line, QString* key)
{
    const QStringList fields = line.split(QLatin1Char(','));
    const int variant = cfg.tavrinType();
    const bool dalen = isDalen(variant);
    const auto starts = [&line](const char* keyword) { return line.startsWith(QLatin1String(keyword)); };
    bool onTime = false;
    int entry = 0;
    const int button = buttonIndex(line);
    bool stored = false;

    if (starts("VER")) {
        *key = QStringLiteral("VER");
        stored = parseVer(cfg, fields);
    } else if (starts("SERIAL")) {
        *key = QStringLiteral("SERIAL");
        stored = fields.size() == 2;
        if (stored)
            cfg.setSerNum(fields.at(1));
        else
            warnMalformed("SERIAL");
    } else if (starts("UID")) {
        *key = QStringLiteral("UID");
        stored = parseSingleInt("UID", fields, [&](int id) {
            if (dalen)
                cfg.setDtTavrinID(id);
        });
    } else if (starts("RID")) {
        *key = QStringLiteral("RID");
        stored = parseSingleInt("RID", fields, [&](int id) {
            if (dalen)
                cfg.setDtSysID(id);
            else if (variant == TavrinII)
                cfg.setSysID(id);
        });
    } else if (starts("RPGSET")) {
        *key = QStringLiteral("RPGSET");
        stored = parseSingleInt("RPGSET", fields, [&](int seconds) {
            if (dalen)
                cfg.setDtRepageInterval(seconds);
            else if (variant == TavrinII)
                cfg.setRepageInterval(seconds);
        });
    } else if (button >= 0) {
        *key = button == 5 ? QStringLiteral("INP0") : QStringLiteral("BUT%1").arg(button);
        stored = Tavrin2QtComm::parseButtonOutput(variant, button, fields, cfg);
    } else if (autoOnOffKeyword(line, &onTime, &entry)) {
        *key = (onTime ? QStringLiteral("RONT%1") : QStringLiteral("ROFFT%1")).arg(entry);
        stored = Tavrin2QtComm::parseAutoOnOffOutput(onTime, entry, fields, cfg);
    } else if (starts("LOCK")) {
        *key = QStringLiteral("LOCK");
        stored = parseLock(cfg, fields);
    } else if (starts("LCKT")) {
        *key = QStringLiteral("LCKT");
        stored = parseSingleInt("LCKT", fields, [&](int seconds) { parseLockoutTime(cfg, seconds); });
    } else if (starts("ACKPGR")) {
        *key = QStringLiteral("ACKPGR");
        stored = parseAckPage(cfg, fields);
    } else if (starts("BEEP")) {
        *key = QStringLiteral("BEEP");
        stored = parseSingleInt("BEEP", fields, [&](int on) {
            if (dalen)
                cfg.setDtBeepEnabled(on != 0);
        });
    } else if (starts("GPEN")) {
        *key = QStringLiteral("GPEN");
        stored = parseSingleInt("GPEN", fields, [&](int on) {
            if (dalen)
                cfg.setDtEnableGrpPaging(on != 0);
            else if (variant == TavrinII)
                cfg.setEnableGrpPaging(on != 0);
        });
    } else if (starts("LOWBAT")) {
        *key = QStringLiteral("LOWBAT");
        stored = parseLowBattery(cfg, fields);
    } else if (starts("SECPGR")) {
        *key = QStringLiteral("SECPGR");
        stored = parseSecondaryPage(cfg, fields);
    } else if (starts("CNCLMSG")) {
        *key = QStringLiteral("CNCLMSG");
        stored = parseCancelMessage(cfg, fields);
    } else {
        qCWarning(lcProtocol, "Tavrin2QtComm::parseReadTavrinOutput - unknown output");
        key->clear();
        return false;
    }
    if (!stored)
        key->clear();
    return true;
}

// The lines whose settings the model's form shows, each with the name of what it carries. The Tavrin II
// form has no secondary page or cancel message: their lines fill Dalen fields only and are not needed.
QList<std::pair<QString, QString>> neededLines(int variant)
{
    using Line = std::pair<QString, QString>;
    QList<Line> lines { { QStringLiteral("VER"), Tavrin2QtComm::tr("Firmware") },
                        { QStringLiteral("SERIAL"), Tavrin2QtComm::tr("Serial Number") } };
    if (variant == Unknown)
        return lines;
    if (isDalen(variant))
        lines.append({ QStringLiteral("UID"), Tavrin2QtComm::tr("Dalen Tavrin ID") });
    lines.append({ QStringLiteral("RID"), Tavrin2QtComm::tr("System ID") });
    lines.append({ QStringLiteral("RPGSET"), Tavrin2QtComm::tr("Repage interval") });
    if (variant == DalenTavrin) {
        lines.append({ QStringLiteral("BUT1"), Tavrin2QtComm::tr("Button") });
    } else if (variant == DalenTavrin2Button) {
        // As the window titles them: index 0 is "Button 2", index 1 "Button 1".
        lines.append({ QStringLiteral("BUT0"), Tavrin2QtComm::tr("Button 2") });
        lines.append({ QStringLiteral("BUT1"), Tavrin2QtComm::tr("Button 1") });
    } else {
        for (int i = 0; i < 5; ++i)
            lines.append({ QStringLiteral("BUT%1").arg(i), Tavrin2QtComm::tr("Button %1").arg(i + 1) });
        lines.append({ QStringLiteral("INP0"), Tavrin2QtComm::tr("External input") });
        for (int j = 0; j < 3; ++j) {
            lines.append({ QStringLiteral("RONT%1").arg(j), Tavrin2QtComm::tr("Auto on/off %1 on time").arg(j + 1) });
            lines.append({ QStringLiteral("ROFFT%1").arg(j), Tavrin2QtComm::tr("Auto on/off %1 off time").arg(j + 1) });
        }
        lines.append({ QStringLiteral("LOCK"), Tavrin2QtComm::tr("Lockout sequence") });
        lines.append({ QStringLiteral("LCKT"), Tavrin2QtComm::tr("Lockout time") });
    }
    lines.append({ QStringLiteral("ACKPGR"),
                   variant == TavrinII ? Tavrin2QtComm::tr("Acknowledge page and repage enabled")
                                       : Tavrin2QtComm::tr("Repage enabled") });
    if (isDalen(variant))
        lines.append({ QStringLiteral("BEEP"), Tavrin2QtComm::tr("Beep enabled") });
    lines.append({ QStringLiteral("GPEN"), Tavrin2QtComm::tr("Group paging enabled") });
    lines.append({ QStringLiteral("LOWBAT"), Tavrin2QtComm::tr("Low battery page") });
    if (isDalen(variant)) {
        lines.append({ QStringLiteral("SECPGR"), Tavrin2QtComm::tr("Secondary page") });
        lines.append({ QStringLiteral("CNCLMSG"), Tavrin2QtComm::tr("Cancel message") });
    }
    return lines;
}

} // namespace

int Tavrin2QtComm::parseReadTavrinOutput(Tavrin2QtCfg& cfg, const QStringList& lines, QStringList* reported)
{
    if (lines.isEmpty())
        throw UsbHidException([&]() -> QString { return UsbHid::errorText(LostCommunication); });
    if (isErrorAnswer(lines.constFirst()))
        throw UsbHidException([&]() -> QString { return UsbHid::errorText(DeviceReportedError); });
    int known = 0;
    for (const QString& line : lines) {
        qCDebug(lcProtocol, "(*it).ascii(): %s", qUtf8Printable(line));
        QString key;
        known += parseLine(cfg, line, &key) ? 1 : 0;
        if (reported && !key.isEmpty())
            reported->append(key);
    }
    return known;
}

QStringList Tavrin2QtComm::unreportedSettings(int variant, const QStringList& reported)
{
    QStringList names;
    for (const auto& [key, name] : neededLines(variant)) {
        if (!reported.contains(key))
            names.append(name);
    }
    return names;
}

QString Tavrin2QtComm::unreportedText(const QStringList& unreported)
{
    return tr("Tavrin's answer lacked these settings, which show their defaults instead of the unit's:\n%1")
        .arg(unreported.join(QLatin1Char('\n')));
}

bool Tavrin2QtComm::parseButtonOutput(int variant, int index, const QStringList& fields, Tavrin2QtCfg& cfg)
{
    if (variant == DalenTavrin && index != 1) {
        // The one-button unit reports its unused button 0 in every answer: normal, not a fault.
        qCDebug(lcProtocol, "Button index %d is invalid for Dalen Tavrin", index);
        return false;
    }
    if (variant == DalenTavrin2Button && index != 0 && index != 1) {
        qCWarning(lcProtocol, "Button index %d is invalid for 2 Btn Dalen Tavrin", index);
        return false;
    }
    if (variant == TavrinII && (index < 0 || index > 5)) {
        qCWarning(lcProtocol, "Button index %d is invalid for Tavrin II", index);
        return false;
    }
    const int expected = index == 5 ? 7 : 6;
    if (fields.size() != expected) {
        qCWarning(lcProtocol, "unexpected button data output - button_idx: %d, num_data_items: %d", index,
                  int(fields.size()));
        return false;
    }

    if (isDalen(variant)) {
        const DalenMessage split = splitDalenMessage(fields.at(4), variant == DalenTavrin);
        // The one-button model reports its button as index 1; the two-button model uses 0 and 1.
        if (variant == DalenTavrin || index == 0) {
            cfg.setDtBtn1PagerNum(fields.at(2).toInt());
            cfg.setDtBtn1SettingMsg(split.message);
            cfg.setDtBtn1Mode(split.mode);
        } else {
            cfg.setDtBtn2PagerNum(fields.at(2).toInt());
            cfg.setDtBtn2SettingMsg(split.message);
            cfg.setDtBtn2Mode(split.mode);
        }
        return true;
    }
    if (variant != TavrinII)
        return true;

    TavrinIIButton button;
    button.setButtonEnabled(fields.at(1).toInt() != 0);
    button.setPagerNum(fields.at(2).toInt());
    button.setType(fields.at(3).toInt());
    if (button.type() == TavrinIIButton::ZellType)
        button.setZellMsgInt(fields.at(4).toInt());
    else if (button.type() == TavrinIIButton::AlphaType)
        button.setAlphaMsg(fields.at(4));
    button.setMode(fields.at(5).toInt(nullptr, 0));
    if (index == 5)
        button.setExtInputSetting(fields.at(6).toInt());
    cfg.setTavrinIIButtonVectorAtIndex(index, button);
    return true;
}

bool Tavrin2QtComm::parseAutoOnOffOutput(bool onTime, int entry, const QStringList& fields, Tavrin2QtCfg& cfg)
{
    if (cfg.tavrinType() != TavrinII) {
        qCWarning(lcProtocol, "Only Tavrin II has Auto On/Off times");
        return false;
    }
    if (entry < 0 || entry > 2) {
        qCWarning(lcProtocol, "index %d is invalid for Tavrin II Auto On/Off", entry);
        return false;
    }
    if (fields.size() != 3) {
        qCWarning(lcProtocol, "unexpected Auto On/Off data output - num_data_items: %d", int(fields.size()));
        return false;
    }
    const int hour = fields.at(1).toInt();
    const int minute = fields.at(2).toInt();
    Tavrin2QtCfg::TavrinIIAutoOnOffTime time = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(entry);
    // 255 is the device's "no time": the pair is off.
    time.setIsEnabled(hour != 255);
    const QTime timeOfDay(hour, minute, 0);
    if (onTime)
        time.setAutoOnTime(timeOfDay);
    else
        time.setAutoOffTime(timeOfDay);
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(entry, time);
    return true;
}
