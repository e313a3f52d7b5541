#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What the firmware of a Tavrin device does with one received command line: the settings it
// holds, the READ report of them, the set commands that change them and the pager programming
// commands, for each model. Knows nothing of reports or time.
//
// Settings are held as the fields of the READ line that reports them, so a set command is a
// rule "these fields of that line". The form-feed convention of the Dalen button messages is
// applied on the way in: the two characters backslash and f become one form feed.
class VirtualTavrinFirmware
{
public:
    enum class Model
    {
        TavrinII,
        DalenTavrin,
        DalenTavrin2Button
    };

    struct Result
    {
        QStringList answer;
        bool enterBootLoader = false;
    };

    explicit VirtualTavrinFirmware(Model model);

    Model model() const { return m_model; }
    quint16 productId() const;
    QString version() const { return m_version; }
    void setVersion(const QString& version) { m_version = version; }
    QString serialNumber() const { return m_serialNumber; }
    void setSerialNumber(const QString& serialNumber) { m_serialNumber = serialNumber; }

    Result execute(const QString& line);

    // The lines a READ answers, in order.
    QStringList readResponse() const;
    // The READ line of one keyword ("RID" gives e.g. "RID,5"); empty when this model does not report it.
    QString settingLine(const QString& keyword) const;
    // A fault: READ answers line in place of the keyword's own ("RID,x"); an empty line leaves it out.
    void replaceReportLine(const QString& keyword, const QString& line) { m_replacedLines[keyword] = line; }
    // The accepted pager programming commands, as received.
    const QStringList& pagerCommands() const { return m_pagerCommands; }
    void clearPagerCommands() { m_pagerCommands.clear(); }
    // Fields of the last SETT command, empty before one.
    const QStringList& clockSetting() const { return m_clockSetting; }

private:
    // One accepted form of a command. fieldTypes has one letter per field after the keyword:
    // 'i' integer, 't' text, 'm' Dalen button message. An empty target means "not stored".
    struct CommandForm
    {
        QString command;
        QString target;
        QString fieldTypes;
    };

    bool isDalen() const { return m_model != Model::TavrinII; }
    void setDefaults();
    void addForms();
    void addForm(const QString& command, const QString& target, const QString& fieldTypes);
    const CommandForm* findForm(const QString& command, int fieldCount, bool* commandKnown) const;
    static bool fieldsMatch(const QStringList& fields, const QString& fieldTypes);

    Model m_model;
    QString m_version;
    QString m_serialNumber;
    QMap<QString, QStringList> m_settings;
    QStringList m_reportOrder;
    QMap<QString, QString> m_replacedLines;
    QList<CommandForm> m_forms;
    QStringList m_pagerCommands;
    QStringList m_clockSetting;
};
