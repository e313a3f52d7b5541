#include "protocol/CommandPlan.h"

#include "config/Latin1Text.h"
#include "usb/UsbHid.h"

#include <QCoreApplication>
#include <QStringList>

CommandPlan::CommandPlan(int totalSteps, int firstProgress)
    : m_totalSteps(totalSteps)
    , m_firstProgress(firstProgress)
{
}

void CommandPlan::send(const QString& command, int windowMs, const QString& trace, const QString& setting)
{
    m_entries.append(Entry { command, windowMs, trace, setting, QString(), QString(), TextKind::Line });
}

void CommandPlan::sendText(const QString& command, int windowMs, const QString& trace, const QString& setting,
                           const QString& text, const QString& textName, TextKind textKind)
{
    m_entries.append(Entry { command, windowMs, trace, setting, text, textName, textKind });
}

void CommandPlan::step(const QString& trace)
{
    Entry entry;
    entry.trace = trace;
    m_entries.append(entry);
}

QStringList CommandPlan::commands() const
{
    QStringList commands;
    for (const Entry& entry : m_entries) {
        if (!entry.command.isEmpty())
            commands.append(entry.command);
    }
    return commands;
}

void CommandPlan::checkSendable() const
{
    for (const Entry& entry : m_entries) {
        if (entry.text.contains(QLatin1Char(','))) {
            throw UsbHidException([&]() -> QString {
                return QCoreApplication::translate(
                           "Tavrin2QtComm",
                           "%1 contains a comma, which Tavrin would take as the start of another "
                           "field.\nPlease remove it; nothing was sent.")
                    .arg(entry.textName);
            });
        }
        const QString foreign = Latin1Text::firstForeignCharacter(entry.text);
        if (!foreign.isEmpty()) {
            throw UsbHidException([&]() -> QString {
                return QCoreApplication::translate("Tavrin2QtComm",
                                                   "%1 holds the character \"%2\", which Tavrin cannot take.\nPlease "
                                                   "replace it; nothing was sent.")
                    .arg(entry.textName, foreign);
            });
        }
        const QString control = Latin1Text::firstControlCharacter(entry.text, entry.textKind == TextKind::Lines);
        if (!control.isEmpty()) {
            throw UsbHidException([&]() -> QString {
                return QCoreApplication::translate(
                           "Tavrin2QtComm",
                           "%1 holds the control character %2, which Tavrin cannot show.\nPlease "
                           "remove it; nothing was sent.")
                    .arg(entry.textName, Latin1Text::characterName(control));
            });
        }
        if (entry.textKind == TextKind::DalenButtonMessage && entry.text.contains(QLatin1String("\\f"))) {
            throw UsbHidException([&]() -> QString {
                return QCoreApplication::translate(
                           "Tavrin2QtComm",
                           "%1 holds \"\\f\", which Tavrin takes as the start of the pager alert "
                           "code: it would keep another message and alert.\nPlease remove it; "
                           "nothing was sent.")
                    .arg(entry.textName);
            });
        }
        if (entry.command.size() > UsbHid::MaxLineLength) {
            const QString what = entry.textName.isEmpty()
                ? QCoreApplication::translate("Tavrin2QtComm", "The %1 command")
                      .arg(entry.command.section(QLatin1Char(','), 0, 0))
                : entry.textName;
            throw UsbHidException([&]() -> QString {
                return QCoreApplication::translate(
                           "Tavrin2QtComm",
                           "%1 is too long to send to Tavrin (its command would have %2 characters; "
                           "a command may hold at most %3).\nNothing was sent.")
                    .arg(what)
                    .arg(entry.command.size())
                    .arg(UsbHid::MaxLineLength);
            });
        }
    }
}
