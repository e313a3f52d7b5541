#pragma once

#include "config/CfgFieldList.h"

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

    // The model's display name first, then the fields.
    void printSettings(QTextStream& out, const QString& modelName, const QList<CfgField>& fields) const;
    void printDifferences(QTextStream& out, const QList<CfgFieldDifference>& differences) const;

    static QString modelLabel() { return tr("Model"); }
    // A value on one line: control characters (line feed, form feed, ...) as backslash escapes.
    static QString displayText(const QString& value);

private:
    static QString differenceSide(const std::optional<QString>& value);

    bool m_json;
};
