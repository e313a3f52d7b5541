#include "sim/VirtualTavrinFirmware.h"

#include "sim/SimLogging.h"

namespace {

const QString Ok = QStringLiteral("OK");
const QString UnknownCommand = QStringLiteral("Err: unknown command");
const QString BadFields = QStringLiteral("Err: bad fields");

constexpr int ButtonCount = 5;
constexpr int AutoOnOffCount = 3;

// Pager programming commands and their fields; the device takes them as they come.
const QMap<QString, QString>& pagerCommandFields()
{
    static const QMap<QString, QString> fields = {
        { QStringLiteral("FPROG"), QStringLiteral("iii") }, { QStringLiteral("WPROG"), QStringLiteral("t") },
        { QStringLiteral("GNPROG"), QStringLiteral("it") }, { QStringLiteral("GPROG"), QStringLiteral("ii") },
        { QStringLiteral("LPROG"), QStringLiteral("iii") },
    };
    return fields;
}

QString indexed(const char* keyword, int index)
{
    return QLatin1String(keyword) + QString::number(index);
}

} // namespace

VirtualTavrinFirmware::VirtualTavrinFirmware(Model model)
    : m_model(model)
    , m_serialNumber(QStringLiteral("00012345"))
{
    switch (model) {
    case Model::TavrinII:
        m_version = QStringLiteral("5V1.07");
        break;
    case Model::DalenTavrin:
        m_version = QStringLiteral("1V1.07");
        break;
    case Model::DalenTavrin2Button:
        m_version = QStringLiteral("2V1.07");
        break;
    }
    setDefaults();
    addForms();
}

quint16 VirtualTavrinFirmware::productId() const
{
    return isDalen() ? 0xAA57 : 0xAA55;
}

VirtualTavrinFirmware::Result VirtualTavrinFirmware::execute(const QString& line)
{
    Result result;
    QStringList fields = line.split(QLatin1Char(','));
    const QString command = fields.takeFirst();

    if (command == QLatin1String("READ") && fields.isEmpty()) {
        result.answer = readResponse();
    } else if (command == QLatin1String("BL") && fields.isEmpty()) {
        result.answer = QStringList { Ok };
        result.enterBootLoader = true;
    } else if (pagerCommandFields().contains(command)) {
        const bool valid = fieldsMatch(fields, pagerCommandFields().value(command));
        if (valid)
            m_pagerCommands.append(line);
        result.answer = QStringList { valid ? Ok : BadFields };
    } else {
        bool commandKnown = false;
        const CommandForm* form = findForm(command, int(fields.size()), &commandKnown);
        if (!form || !fieldsMatch(fields, form->fieldTypes)) {
            result.answer = QStringList { commandKnown ? BadFields : UnknownCommand };
        } else if (form->target.isEmpty()) {
            m_clockSetting = fields;
            result.answer = QStringList { Ok };
        } else {
            QStringList& stored = m_settings[form->target];
            for (int i = 0; i < fields.size(); ++i) {
                QString value = fields.at(i);
                if (form->fieldTypes.at(i) == QLatin1Char('m'))
                    value.replace(QLatin1String("\\f"), QStringLiteral("\f"));
                stored[i] = value;
            }
            result.answer = QStringList { Ok };
        }
    }
    qCDebug(lcSim) << "executed" << line << "->" << result.answer;
    return result;
}

QStringList VirtualTavrinFirmware::readResponse() const
{
    QStringList lines { settingLine(QStringLiteral("VER")), settingLine(QStringLiteral("SERIAL")) };
    for (const QString& keyword : m_reportOrder) {
        const QString line = m_replacedLines.value(keyword, settingLine(keyword));
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

QString VirtualTavrinFirmware::settingLine(const QString& keyword) const
{
    if (keyword == QLatin1String("VER"))
        return QStringLiteral("VER,") + m_version;
    if (keyword == QLatin1String("SERIAL"))
        return QStringLiteral("SERIAL,") + m_serialNumber;
    if (!m_reportOrder.contains(keyword))
        return QString();
    return keyword + QLatin1Char(',') + m_settings.value(keyword).join(QLatin1Char(','));
}

void VirtualTavrinFirmware::setDefaults()
{
    const QString off = QStringLiteral("0");
    const QString one = QStringLiteral("1");
    m_settings[QStringLiteral("RID")] = QStringList { off };
    m_settings[QStringLiteral("RPGSET")] = QStringList { QStringLiteral("300") };
    m_settings[QStringLiteral("ACKPGR")] = QStringList { off, one, QString() };
    m_settings[QStringLiteral("GPEN")] = QStringList { off };
    m_settings[QStringLiteral("LOWBAT")] = QStringList { off, one, QString() };

    if (isDalen()) {
        // Dalen buttons: enabled, pager, type (always 1), message with alert code, mode (always 0).
        for (int i = 0; i < ButtonCount; ++i)
            m_settings[indexed("BUT", i)] = QStringList { off, one, one, QString(), off };
        m_settings[QStringLiteral("BUT1")][0] = one;
        m_settings[QStringLiteral("INP0")] = QStringList { off, one, one, QString(), off, off };
        m_settings[QStringLiteral("UID")] = QStringList { one };
        m_settings[QStringLiteral("BEEP")] = QStringList { off };
        m_settings[QStringLiteral("SECPGR")] = QStringList { off, one };
        m_settings[QStringLiteral("CNCLMSG")] = QStringList { off, QString() };
        m_reportOrder = QStringList { QStringLiteral("UID"),    QStringLiteral("RID"),    QStringLiteral("RPGSET"),
                                      QStringLiteral("BUT0"),   QStringLiteral("BUT1"),   QStringLiteral("ACKPGR"),
                                      QStringLiteral("BEEP"),   QStringLiteral("GPEN"),   QStringLiteral("LOWBAT"),
                                      QStringLiteral("SECPGR"), QStringLiteral("CNCLMSG") };
        return;
    }

    // Tavrin II buttons: enabled, pager, type (Zell), Zell message number, mode; the input adds its setting.
    m_reportOrder = QStringList { QStringLiteral("RID"), QStringLiteral("RPGSET") };
    for (int i = 0; i < ButtonCount; ++i) {
        m_settings[indexed("BUT", i)] = QStringList { off, one, off, off, QStringLiteral("10") };
        m_reportOrder.append(indexed("BUT", i));
    }
    m_settings[QStringLiteral("INP0")] = QStringList { off, one, off, off, QStringLiteral("10"), off };
    m_reportOrder.append(QStringLiteral("INP0"));
    // 255,255 is the device's "no time": the pair is off.
    const QStringList noTime { QStringLiteral("255"), QStringLiteral("255") };
    for (int j = 0; j < AutoOnOffCount; ++j) {
        m_settings[indexed("RONT", j)] = noTime;
        m_settings[indexed("ROFFT", j)] = noTime;
        m_reportOrder << indexed("RONT", j) << indexed("ROFFT", j);
    }
    m_settings[QStringLiteral("LOCK")] = QStringList { one, one, one, off, off };
    m_settings[QStringLiteral("LCKT")] = QStringList { off };
    m_reportOrder << QStringLiteral("LOCK") << QStringLiteral("LCKT") << QStringLiteral("ACKPGR")
                  << QStringLiteral("GPEN") << QStringLiteral("LOWBAT");
}

void VirtualTavrinFirmware::addForms()
{
    addForm(QStringLiteral("SETT"), QString(), QStringLiteral("ii"));
    addForm(QStringLiteral("RID"), QStringLiteral("RID"), QStringLiteral("i"));
    addForm(QStringLiteral("SRPG"), QStringLiteral("RPGSET"), QStringLiteral("i"));
    // One field switches acknowledge paging (and with it repaging) on or off; three set it in full.
    addForm(QStringLiteral("SACKPGR"), QStringLiteral("ACKPGR"), QStringLiteral("i"));
    addForm(QStringLiteral("SACKPGR"), QStringLiteral("ACKPGR"), QStringLiteral("iit"));
    addForm(QStringLiteral("GPEN"), QStringLiteral("GPEN"), QStringLiteral("i"));
    addForm(QStringLiteral("SLOWBAT"), QStringLiteral("LOWBAT"), QStringLiteral("iit"));
    // "SBUTn,0" switches a button off and keeps the rest of its settings.
    for (int i = 0; i < ButtonCount; ++i) {
        addForm(indexed("SBUT", i), indexed("BUT", i), QStringLiteral("i"));
        addForm(indexed("SBUT", i), indexed("BUT", i), isDalen() ? QStringLiteral("iiimi") : QStringLiteral("iiiti"));
    }
    addForm(QStringLiteral("SINP0"), QStringLiteral("INP0"), QStringLiteral("i"));

    if (isDalen()) {
        addForm(QStringLiteral("UID"), QStringLiteral("UID"), QStringLiteral("i"));
        addForm(QStringLiteral("BEEP"), QStringLiteral("BEEP"), QStringLiteral("i"));
        addForm(QStringLiteral("SECPGR"), QStringLiteral("SECPGR"), QStringLiteral("ii"));
        addForm(QStringLiteral("CNCLMSG"), QStringLiteral("CNCLMSG"), QStringLiteral("it"));
        return;
    }
    addForm(QStringLiteral("SINP0"), QStringLiteral("INP0"), QStringLiteral("iiitii"));
    for (int j = 0; j < AutoOnOffCount; ++j) {
        addForm(indexed("SONT", j), indexed("RONT", j), QStringLiteral("ii"));
        addForm(indexed("SOFFT", j), indexed("ROFFT", j), QStringLiteral("ii"));
    }
    addForm(QStringLiteral("SLOCK"), QStringLiteral("LOCK"), QStringLiteral("iiiii"));
    addForm(QStringLiteral("SLCKT"), QStringLiteral("LCKT"), QStringLiteral("i"));
}

void VirtualTavrinFirmware::addForm(const QString& command, const QString& target, const QString& fieldTypes)
{
    m_forms.append(CommandForm { command, target, fieldTypes });
}

const VirtualTavrinFirmware::CommandForm* VirtualTavrinFirmware::findForm(const QString& command, int fieldCount,
                                                                          bool* commandKnown) const
{
    for (const CommandForm& form : m_forms) {
        if (form.command != command)
            continue;
        *commandKnown = true;
        if (form.fieldTypes.size() == fieldCount)
            return &form;
    }
    return nullptr;
}

bool VirtualTavrinFirmware::fieldsMatch(const QStringList& fields, const QString& fieldTypes)
{
    if (fields.size() != fieldTypes.size())
        return false;
    for (int i = 0; i < fields.size(); ++i) {
        bool isInteger = true;
        if (fieldTypes.at(i) == QLatin1Char('i'))
            fields.at(i).toInt(&isInteger);
        if (!isInteger)
            return false;
    }
    return true;
}
