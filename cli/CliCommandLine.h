#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The command line of tavrin2qt-cli: a command, its arguments and options. Knows which options each
// command takes and writes the help text.
class CliCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CliCommandLine)

public:
    static constexpr const char* ProgramName = "tavrin2qt-cli";

    CliCommandLine();

    // arguments start with the program name. Throws CliFailure (usage) for a wrong command line;
    // with --help or --version nothing else is checked.
    void parse(const QStringList& arguments);

    bool helpRequested() const { return m_parser.isSet(QStringLiteral("help")); }
    bool versionRequested() const { return m_parser.isSet(QStringLiteral("version")); }
    QString command() const { return m_command; }
    QStringList commandArguments() const { return m_commandArguments; }
    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    QString value(const QString& option) const { return m_parser.value(option); }
    QStringList values(const QString& option) const { return m_parser.values(option); }

    QString helpText() const;
    static QString versionText();

private:
    struct CommandEntry
    {
        QString name;
        QStringList argumentNames;
        QString description;
    };
    struct OptionEntry
    {
        QCommandLineOption option;
        // Commands that take the option; empty for options of every command.
        QStringList commands;
    };
    struct HelpEntry
    {
        QString synopsis;
        QString description;
    };
    struct HelpSection
    {
        QString title;
        QList<HelpEntry> entries;
    };

    void addOption(const QStringList& names, const QString& valueName, const QStringList& commands);
    const CommandEntry* findCommand(const QString& name) const;
    const OptionEntry* findOption(const QString& name) const;
    void checkOptions() const;
    QList<HelpSection> helpSections() const;
    static QString usageHint();

    QCommandLineParser m_parser;
    QList<CommandEntry> m_commands;
    QList<OptionEntry> m_options;
    QString m_command;
    QStringList m_commandArguments;
};
