#include "cli/SettingsPrinter.h"

#include "config/DisplayText.h"
#include "protocol/Tavrin2QtComm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
void printJson(QTextStream& out, const QJsonObject& object)
{
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}
} // namespace

void SettingsPrinter::printSettings(QTextStream& out, const QString& modelName, const QList<CfgField>& fields,
                                    const QList<CfgOutOfRange>& outOfRange) const
{
    auto allowed = [&outOfRange](const QString& label) -> std::optional<QString> {
        for (const CfgOutOfRange& field : outOfRange) {
            if (field.label == label)
                return field.allowed;
        }
        return std::nullopt;
    };
    if (m_json) {
        QJsonArray settings;
        for (const CfgField& field : fields) {
            QJsonObject setting { { QStringLiteral("name"), field.label }, { QStringLiteral("value"), field.value } };
            if (const std::optional<QString> range = allowed(field.label))
                setting.insert(QStringLiteral("outOfRange"), *range);
            settings.append(setting);
        }
        printJson(out,
                  QJsonObject { { QStringLiteral("model"), modelName }, { QStringLiteral("settings"), settings } });
        return;
    }
    out << modelLabel() << ": " << modelName << '\n';
    for (const CfgField& field : fields) {
        out << field.label << ": " << displayText(field.value);
        if (const std::optional<QString> range = allowed(field.label))
            out << "  " << tr("(out of range; allowed: %1)").arg(*range);
        out << '\n';
    }
}

void SettingsPrinter::printDifferences(QTextStream& out, const QList<CfgFieldDifference>& differences) const
{
    if (m_json) {
        QJsonArray list;
        for (const CfgFieldDifference& difference : differences) {
            auto side = [](const std::optional<QString>& value) {
                return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
            };
            list.append(QJsonObject { { QStringLiteral("name"), difference.label },
                                      { QStringLiteral("first"), side(difference.first) },
                                      { QStringLiteral("second"), side(difference.second) } });
        }
        printJson(out, QJsonObject { { QStringLiteral("differences"), list } });
        return;
    }
    for (const CfgFieldDifference& difference : differences)
        out << difference.label << ": " << differenceSide(difference.first) << " -> "
            << differenceSide(difference.second) << '\n';
}

void SettingsPrinter::printUnits(QTextStream& out, const QList<TavrinUnit>& units) const
{
    if (!m_json) {
        for (const TavrinUnit& unit : units)
            out << unitLine(unit) << '\n';
        return;
    }
    QJsonArray list;
    for (const TavrinUnit& unit : units) {
        QJsonObject entry { { QStringLiteral("path"), unit.path },
                            { QStringLiteral("model"),
                              inEnglish([&unit] { return Tavrin2QtComm::tavrinTypeName(unit.model); }) },
                            { QStringLiteral("firmware"), unit.firmware },
                            { QStringLiteral("serialNumber"), unit.serialNumber } };
        if (!unit.failure.isEmpty())
            entry.insert(QStringLiteral("error"), unit.englishFailure);
        list.append(entry);
    }
    printJson(out, QJsonObject { { QStringLiteral("units"), list } });
}

QString SettingsPrinter::unitLine(const TavrinUnit& unit)
{
    const QString model = Tavrin2QtComm::tavrinTypeName(unit.model);
    if (!unit.failure.isEmpty())
        return tr("%1: %2, not answering (%3)").arg(unit.path, model, displayText(unit.failure.trimmed()));
    return tr("%1: %2, firmware %3, serial number %4")
        .arg(unit.path, model, displayText(unit.firmware), displayText(unit.serialNumber));
}

QString SettingsPrinter::differenceSide(const std::optional<QString>& value)
{
    if (!value)
        return tr("(none)");
    // An empty value would leave nothing to see beside the arrow.
    if (value->isEmpty())
        return QStringLiteral("\"\"");
    return displayText(*value);
}

QString SettingsPrinter::displayText(const QString& value)
{
    return ::displayText(value);
}
