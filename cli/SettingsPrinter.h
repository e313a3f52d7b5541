#pragma once

#include "config/CfgFieldList.h"
#include "protocol/TavrinUnit.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QTextStream>

// Settings and differences of configurations on the command line's output: "Label: value" lines for
// people, JSON for scripts.
class SettingsPrinter
{
    Q_DECLARE_TR_FUNCTIONS(SettingsPrinter)

public:
    explicit SettingsPrinter(bool json)
        : m_json(json)
    {
    }

    // The model's display name first, then the fields; those out of range say what they take.
    void printSettings(QTextStream& out, const QString& modelName, const QList<CfgField>& fields,
                       const QList<CfgOutOfRange>& outOfRange = {}) const;
    void printDifferences(QTextStream& out, const QList<CfgFieldDifference>& differences) const;
    // One line per unit for people; JSON for scripts.
    void printUnits(QTextStream& out, const QList<TavrinUnit>& units) const;
    // "PATH: model, firmware F, serial number S", or why the unit did not say.
    static QString unitLine(const TavrinUnit& unit);

    static QString modelLabel() { return tr("Model"); }
    // A value on one line: control characters (line feed, form feed, ...) as backslash escapes.
    static QString displayText(const QString& value);

private:
    static QString differenceSide(const std::optional<QString>& value);

    bool m_json;
};
