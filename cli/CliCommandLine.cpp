#include "cli/CliCommandLine.h"

#include "cli/CliFailure.h"
#include "protocol/PagerValidation.h"

#include <QSet>

namespace {
const QString Detect = QStringLiteral("detect");
const QString Read = QStringLiteral("read");
const QString Write = QStringLiteral("write");
const QString Show = QStringLiteral("show");
const QString Diff = QStringLiteral("diff");
const QString ProgramAlpha = QStringLiteral("program-alpha");
const QString ProgramZell = QStringLiteral("program-zell");
const QString List = QStringLiteral("list");
const QString Station = QStringLiteral("station");
const QString Check = QStringLiteral("check");
// The options that may be given more than once: each adds a value.
const QStringList RepeatableOptions = { QStringLiteral("exclude-serial") };

QString groupOption(int group)
{
    return QStringLiteral("group%1").arg(group);
}

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

constexpr int HelpColumn = 30;
constexpr int HelpWidth = 100;

// The description's words in lines that fit beside the synopsis column.
QString wrapped(const QString& description)
{
    QString text;
    int column = HelpColumn;
    for (const QString& word : description.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > HelpColumn && column + 1 + word.size() > HelpWidth) {
            text += QLatin1Char('\n') + QString(HelpColumn, QLatin1Char(' '));
            column = HelpColumn;
        } else if (column > HelpColumn) {
            text += QLatin1Char(' ');
            ++column;
        }
        text += word;
        column += int(word.size());
    }
    return text;
}
} // namespace

CliCommandLine::CliCommandLine()
{
    m_commands = {
        { Detect, {}, tr("Show the attached unit's model, firmware and serial number.") },
        { Read, {}, tr("Read the unit's settings as a configuration file (standard output, or -o FILE).") },
        { Write, { QStringLiteral("FILE") }, tr("Write a configuration file into the unit, as Update does.") },
        { Show, { QStringLiteral("FILE") }, tr("List the settings of a configuration file.") },
        { Diff,
          { QStringLiteral("FILE1"), QStringLiteral("FILE2") },
          tr("List the settings in which two configuration files differ (exit status 1 when they do).") },
        { ProgramAlpha, {}, tr("Program an Alpha pager through the unit.") },
        { ProgramZell, {}, tr("Program a Zell pager or a coaster through the unit.") },
        { List, {}, tr("List the attached units: device path, model, firmware and serial number; fails without any.") },
        { Check,
          { QStringLiteral("FILE") },
          tr("Read the unit and compare it with a configuration file, writing nothing (exit status 1 when it "
             "differs).") },
        { Station,
          { QStringLiteral("FILE") },
          tr("Write and verify FILE into every unit attached and every unit plugged in until stopped, several at "
             "once, each once per plug-in; needs --log.") },
    };
    const QStringList unitCommands = { Detect, Read, Write, ProgramAlpha, ProgramZell, Check };

    addOption({ QStringLiteral("h"), QStringLiteral("help") }, QString(), {});
    addOption({ QStringLiteral("version") }, QString(), {});
    addOption({ QStringLiteral("verbose") }, QString(), {});
    addOption({ QStringLiteral("simulate") }, QStringLiteral("MODEL"), {});
    addOption({ QStringLiteral("simulate-from") }, QStringLiteral("FILE"), {});
    addOption({ QStringLiteral("transcript") }, QStringLiteral("FILE"), {});
    addOption({ QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE"), { Read });
    addOption({ QStringLiteral("device") }, QStringLiteral("PATH"), unitCommands);
    addOption({ QStringLiteral("serial") }, QStringLiteral("SERIAL"), unitCommands);
    addOption({ QStringLiteral("allow-incomplete") }, QString(), { Read });
    addOption({ QStringLiteral("no-verify") }, QString(), { Write });
    addOption({ QStringLiteral("json") }, QString(), { Detect, Show, Diff, List, Read, Write, Check, Station });
    addOption({ QStringLiteral("all") }, QString(), { Read, Write, Check });
    addOption({ QStringLiteral("exclude-serial") }, QStringLiteral("SERIAL"), { Read, Write, Check, Station });
    addOption({ QStringLiteral("log") }, QStringLiteral("FILE"), { Write, Check, Station });
    addOption({ QStringLiteral("number-from") }, QStringLiteral("N"), { Write, Check, Station });
    addOption({ QStringLiteral("numbers") }, QStringLiteral("LIST"), { Write, Check, Station });
    addOption({ QStringLiteral("again") }, QString(), { Station });
    addOption({ QStringLiteral("count") }, QStringLiteral("N"), { Station });
    addOption({ QStringLiteral("idle-exit") }, QStringLiteral("SECONDS"), { Station });
    addOption({ QStringLiteral("quiet") }, QString(), { Station });
    addOption({ QStringLiteral("pager") }, QStringLiteral("N"), { ProgramAlpha, ProgramZell });
    addOption({ QStringLiteral("system-id") }, QStringLiteral("N"), { ProgramAlpha, ProgramZell });
    addOption({ QStringLiteral("all-page") }, QStringLiteral("N"), { ProgramAlpha });
    addOption({ QStringLiteral("welcome") }, QStringLiteral("TEXT"), { ProgramAlpha });
    addOption({ QStringLiteral("group-paging") }, QStringLiteral("on|off"), { ProgramAlpha });
    for (int group = 1; group <= PagerLimits::GroupCount; ++group)
        addOption({ groupOption(group) }, QStringLiteral("PAGER[,NAME]"), { ProgramAlpha });
    addOption({ QStringLiteral("kind") }, QStringLiteral("zell|coaster"), { ProgramZell });
    addOption({ QStringLiteral("who") }, QStringLiteral("guest|manager"), { ProgramZell });
    addOption({ QStringLiteral("vibe") }, QStringLiteral("on|off"), { ProgramZell });
}

void CliCommandLine::addOption(const QStringList& names, const QString& valueName, const QStringList& commands)
{
    // Descriptions live in the help text, which words them per command.
    QCommandLineOption option(names);
    if (!valueName.isEmpty())
        option.setValueName(valueName);
    m_parser.addOption(option);
    m_options.append(OptionEntry { option, commands });
}

void CliCommandLine::parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        throw CliFailure::usage(m_parser.errorText() + usageHint());
    if (helpRequested() || versionRequested())
        return;

    QStringList positional = m_parser.positionalArguments();
    if (positional.isEmpty())
        throw CliFailure::usage(tr("No command given.") + usageHint());
    m_command = positional.takeFirst();
    const CommandEntry* command = findCommand(m_command);
    if (!command)
        throw CliFailure::usage(tr("Unknown command \"%1\".").arg(m_command) + usageHint());
    if (positional.size() != command->argumentNames.size()) {
        const QString synopsis
            = QStringList { QLatin1String(ProgramName), command->name, command->argumentNames.join(QLatin1Char(' ')) }
                  .join(QLatin1Char(' '))
                  .trimmed();
        throw CliFailure::usage(tr("Usage: %1").arg(synopsis) + usageHint());
    }
    m_commandArguments = positional;
    checkOptions();
}

void CliCommandLine::checkOptions() const
{
    QSet<QString> seen;
    for (const QString& name : m_parser.optionNames()) {
        const OptionEntry* entry = findOption(name);
        const QString shown = dashed(entry ? entry->option.names().constLast() : name);
        if (seen.contains(shown) && !RepeatableOptions.contains(entry ? entry->option.names().constLast() : name))
            throw CliFailure::usage(tr("%1 is given more than once.").arg(shown) + usageHint());
        seen.insert(shown);
        if (entry && !entry->commands.isEmpty() && !entry->commands.contains(m_command))
            throw CliFailure::usage(tr("%1 does not apply to %2.").arg(shown, m_command) + usageHint());
    }
    if (isSet(QStringLiteral("transcript")) && !isSet(QStringLiteral("simulate"))
        && !isSet(QStringLiteral("simulate-from")))
        throw CliFailure::usage(tr("--transcript needs --simulate or --simulate-from.") + usageHint());
    if (isSet(QStringLiteral("device")) && isSet(QStringLiteral("serial")))
        throw CliFailure::usage(tr("--device and --serial both choose the unit: give one of them.") + usageHint());
    const bool all = isSet(QStringLiteral("all"));
    if (all && (isSet(QStringLiteral("device")) || isSet(QStringLiteral("serial"))))
        throw CliFailure::usage(tr("--all takes every attached unit: --device and --serial do not go with it.")
                                + usageHint());
    if (!all) {
        if (isSet(QStringLiteral("exclude-serial")) && m_command != Station)
            throw CliFailure::usage(tr("--exclude-serial goes with --all.") + usageHint());
        if (isSet(QStringLiteral("json")) && (m_command == Read || m_command == Write))
            throw CliFailure::usage(tr("%1 does not apply to %2.").arg(QStringLiteral("--json"), m_command)
                                    + usageHint());
    }
    if (all && m_command == Read && value(QStringLiteral("output")).isEmpty())
        throw CliFailure::usage(tr("read --all needs -o FOLDER: a file per unit goes there.") + usageHint());
    if (isSet(QStringLiteral("number-from")) && isSet(QStringLiteral("numbers")))
        throw CliFailure::usage(tr("--number-from and --numbers both number the units: give one of them.")
                                + usageHint());
    if (m_command == Check && (isSet(QStringLiteral("number-from")) || isSet(QStringLiteral("numbers")))) {
        // The numbers units were given are in the log, nowhere else.
        if (!all || value(QStringLiteral("log")).isEmpty())
            throw CliFailure::usage(tr("A numbered check takes the numbers from the log: check --all --log LOG with "
                                       "--number-from N or --numbers LIST.")
                                    + usageHint());
    } else if (m_command == Check && isSet(QStringLiteral("log"))) {
        throw CliFailure::usage(tr("check takes --log only for a numbered check, with --number-from N or --numbers "
                                   "LIST.")
                                + usageHint());
    }
    for (const QString& serial : m_parser.values(QStringLiteral("exclude-serial"))) {
        if (serial.isEmpty())
            throw CliFailure::usage(tr("--exclude-serial is empty: give the unit's serial number (see list).")
                                    + usageHint());
    }
    // An empty choice (a script's unset variable) would otherwise read as no choice: the only unit attached.
    for (const QString& choice : { QStringLiteral("device"), QStringLiteral("serial") }) {
        if (isSet(choice) && value(choice).isEmpty())
            throw CliFailure::usage(
                tr("--%1 is empty: give the unit's %2 (see list).")
                    .arg(choice, choice == QLatin1String("device") ? tr("device path") : tr("serial number"))
                + usageHint());
    }
}

const CliCommandLine::CommandEntry* CliCommandLine::findCommand(const QString& name) const
{
    for (const CommandEntry& command : m_commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

const CliCommandLine::OptionEntry* CliCommandLine::findOption(const QString& name) const
{
    for (const OptionEntry& entry : m_options) {
        if (entry.option.names().contains(name))
            return &entry;
    }
    return nullptr;
}

QString CliCommandLine::usageHint()
{
    return QLatin1Char('\n') + tr("Try '%1 --help' for more information.").arg(QLatin1String(ProgramName));
}

QString CliCommandLine::versionText()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(ProgramName), QStringLiteral(T2Q_VERSION));
}

QList<CliCommandLine::HelpSection> CliCommandLine::helpSections() const
{
    HelpSection commands { tr("Commands:"), {} };
    for (const CommandEntry& command : m_commands)
        commands.entries.append(
            { (QStringList { command.name } + command.argumentNames).join(QLatin1Char(' ')), command.description });

    const HelpSection global {
        tr("Options of every command:"),
        {
            { QStringLiteral("-h, --help"), tr("Show this help.") },
            { QStringLiteral("--version"), tr("Show the version.") },
            { QStringLiteral("--verbose"), tr("Also print the traces of the device talk on standard error.") },
            { QStringLiteral("--simulate MODEL"),
              tr("Talk to a virtual unit instead of USB: tavrin2, dalen or dalen2. It answers at once. Several "
                 "models separated by commas (tavrin2,dalen) attach several units, with serial numbers 00012345, "
                 "00012346 and so on.") },
            { QStringLiteral("--simulate-from FILE"),
              tr("The virtual unit (the first of several) starts with FILE's settings (and its model, unless "
                 "--simulate is given).") },
            { QStringLiteral("--transcript FILE"),
              tr("Write every line the virtual unit received to FILE, one per line (a line break in a line as "
                 "\\n), also on failure.") },
        }
    };
    const HelpSection unit {
        tr("Options of detect, read, write, check, program-alpha and program-zell:"),
        {
            { QStringLiteral("--device PATH"), tr("Use the unit at this device path (see list).") },
            { QStringLiteral("--serial SERIAL"), tr("Use the unit with this serial number (see list).") },
            { QString(),
              tr("With several units attached one of these is required: the command refuses and lists them.") },
        }
    };
    const HelpSection read {
        tr("Options of read:"),
        { { QStringLiteral("-o, --output FILE"),
            tr("Write the configuration file to FILE (replaced only when complete).") },
          { QStringLiteral("--allow-incomplete"),
            tr("Write the file also when the unit did not report some settings (they keep their defaults); "
               "without it such a read fails and writes nothing.") } }
    };
    const HelpSection write { tr("Options of write:"),
                              { { QStringLiteral("--no-verify"),
                                  tr("Do not read the unit back to check that it holds what was written.") } } };
    const HelpSection numbering {
        tr("Options of write, and of check with --all:"),
        { { QStringLiteral("--log FILE"),
            tr("Append a row for each unit tried to the provisioning log FILE (CSV; created with a header row), "
               "on disk before the unit's result is printed.") },
          { QStringLiteral("--number-from N"),
            tr("Number the units from N (1-9999): a Dalen unit's ID becomes its number, and {n} in a message "
               "text stands for it ({{ for a literal {).") },
          { QStringLiteral("--numbers LIST"),
            tr("Number the units from a list, such as 12,14,20-35; the summary says how many of them are left.") },
          { QString(),
            tr("check --all with --log and --number-from or --numbers checks a numbered batch: each unit against "
               "FILE with the number the log gave it; a unit the log did not number with FILE fails.") } }
    };
    const HelpSection all {
        tr("Options of read, write and check:"),
        { { QStringLiteral("--all"),
            tr("Every attached unit at once, one line each as it finishes, then a summary (read: -o names a "
               "folder, one file per unit named by serial number).") },
          { QStringLiteral("--exclude-serial SERIAL"),
            tr("With --all: leave the unit with this serial number alone (may be given more than once).") } }
    };
    const HelpSection json { tr("Options of detect, show, diff, list and check, and of read and write with --all:"),
                             { { QStringLiteral("--json"),
                                 tr("Print JSON for scripts (with --all: one object per unit, then a summary "
                                    "object; check of one unit: that unit's object, as with --all).") } } };
    const HelpSection station {
        tr("Options of station:"),
        {
            { QStringLiteral("--log FILE"),
              tr("Required: the provisioning log, as with write. Units it shows verified with the same profile are "
                 "left alone; one station per log.") },
            { QStringLiteral("--again"), tr("Write units the log shows verified with this profile again.") },
            { QStringLiteral("--exclude-serial SERIAL"),
              tr("Leave the unit with this serial number alone (may be given more than once).") },
            { QStringLiteral("--count N"),
              tr("Stop after N units were verified; the first line and the summary say how many remain.") },
            { QStringLiteral("--idle-exit SECONDS"),
              tr("Stop after SECONDS in which no unit was in flight and none was plugged in.") },
            { QStringLiteral("--quiet"),
              tr("Print only each unit's end and the summary: no line when the station starts waiting or a "
                 "unit's write begins.") },
            { QStringLiteral("--number-from N"), tr("As with write; a number is used up only by a verified unit.") },
            { QStringLiteral("--numbers LIST"),
              tr("As with write; when they run out the station takes no more units, finishes those in flight and "
                 "exits with status 1.") },
            { QStringLiteral("--json"), tr("One object per unit, then a summary object.") },
            { QString(),
              tr("Without --number-from or --numbers, numbering continues after the highest number of the log, if "
                 "it holds any. Stops on SIGINT or SIGTERM after the units in flight; a second signal stops at "
                 "once. Exit status 0 when no unit failed.") },
        }
    };

    HelpSection alpha {
        tr("Options of program-alpha:"),
        {
            { QStringLiteral("--pager N"), tr("Pager number, 1-9999 (100-9999 with group paging on). Required.") },
            { QStringLiteral("--all-page N"), tr("All page ID, 1-9999 (default 911).") },
            { QStringLiteral("--system-id N"), tr("System ID, 0-13 (default 0).") },
            { QStringLiteral("--welcome TEXT"),
              tr("Welcome message: at most 3 lines and 48 characters, no comma; \\n starts a new line, \\\\ is a "
                 "backslash.") },
            { QStringLiteral("--group-paging on|off"), tr("Group paging (default off).") },
        }
    };
    for (int group = 1; group <= PagerLimits::GroupCount; ++group) {
        alpha.entries.append({ QStringLiteral("--%1 PAGER[,NAME]").arg(groupOption(group)),
                               tr("Group %1: pager 0-98 (0 = not used), name of at most %2 characters without "
                                  "comma. Needs group paging on.")
                                   .arg(group)
                                   .arg(maxGroupNameLength(group)) });
    }
    const HelpSection zell {
        tr("Options of program-zell:"),
        {
            { QStringLiteral("--pager N"), tr("Pager or coaster number, 1-9999. Required.") },
            { QStringLiteral("--system-id N"), tr("System ID, 0-13 (default 0).") },
            { QStringLiteral("--kind zell|coaster"), tr("Program a Zell pager or a coaster (default zell).") },
            { QStringLiteral("--who guest|manager"), tr("A guest or a manager Zell pager (default guest).") },
            { QStringLiteral("--vibe on|off"), tr("Vibration (default on).") },
        }
    };
    return { commands, global, unit, read, write, numbering, all, json, station, alpha, zell };
}

QString CliCommandLine::helpText() const
{
    QString text = tr("Usage: %1 [options] COMMAND [ARGUMENTS]").arg(QLatin1String(ProgramName));
    text += QStringLiteral("\n\n");
    text += tr("Configures the attached Tavrin unit from the command line, for installers who set up many "
               "units,\nand lists and compares configuration files (.t2c) of the window and of this command.");
    text += QLatin1Char('\n');
    for (const HelpSection& section : helpSections()) {
        text += QLatin1Char('\n') + section.title + QLatin1Char('\n');
        for (const HelpEntry& entry : section.entries) {
            QString line = QStringLiteral("  ") + entry.synopsis;
            line += line.size() < HelpColumn ? QString(HelpColumn - line.size(), QLatin1Char(' '))
                                             : QLatin1Char('\n') + QString(HelpColumn, QLatin1Char(' '));
            text += line + wrapped(entry.description) + QLatin1Char('\n');
        }
    }
    text += QLatin1Char('\n');
    text += tr("Exit status: 0 on success, 1 when the unit or a file failed, 2 for a wrong command line or when "
               "several units are attached and none was chosen. diff: 0 when the files hold the same settings, 1 "
               "when they differ, 2 when a file cannot be read. check: 1 also when a unit differs. With --all: 1 "
               "when any unit failed or none is attached.");
    text += QLatin1Char('\n');
    return text;
}
