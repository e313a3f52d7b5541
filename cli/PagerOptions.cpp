#include "cli/PagerOptions.h"

#include "cli/CliCommandLine.h"
#include "cli/CliFailure.h"
#include "protocol/PagerValidation.h"

namespace {
const QString On = QStringLiteral("on");
const QString Off = QStringLiteral("off");
} // namespace

AlphaProgramData PagerOptions::alphaProgramData(const CliCommandLine& commandLine)
{
    AlphaProgramData data;
    data.grpPagingEnabled = choice(commandLine, QStringLiteral("group-paging"), On, Off, false);
    const int minPager = data.grpPagingEnabled ? PagerLimits::MinPagerNumWithGroups : PagerLimits::MinPagerNum;
    data.pagerNum = requiredInteger(commandLine, QStringLiteral("pager"), minPager, PagerLimits::MaxPagerNum);
    data.allPageID = integer(commandLine, QStringLiteral("all-page"), PagerLimits::MinAllPageID,
                             PagerLimits::MaxAllPageID, data.allPageID);
    data.sysID
        = integer(commandLine, QStringLiteral("system-id"), PagerLimits::MinSysID, PagerLimits::MaxSysID, data.sysID);
    if (commandLine.isSet(QStringLiteral("welcome"))) {
        data.welcomeMsg = unescapeWelcome(commandLine.value(QStringLiteral("welcome")));
        if (!isValidWelcomeMessage(data.welcomeMsg))
            throw CliFailure::usage(invalidWelcomeText());
    }
    for (int i = 0; i < PagerLimits::GroupCount; ++i)
        data.groupModelVector.at(i) = group(commandLine, i + 1);
    return data;
}

ZellPagerSettings PagerOptions::zellPagerSettings(const CliCommandLine& commandLine)
{
    ZellPagerSettings settings;
    settings.pagerNum
        = requiredInteger(commandLine, QStringLiteral("pager"), PagerLimits::MinPagerNum, PagerLimits::MaxPagerNum);
    settings.sysID = integer(commandLine, QStringLiteral("system-id"), PagerLimits::MinSysID, PagerLimits::MaxSysID,
                             settings.sysID);
    const bool coaster
        = choice(commandLine, QStringLiteral("kind"), QStringLiteral("coaster"), QStringLiteral("zell"), false);
    const bool manager
        = choice(commandLine, QStringLiteral("who"), QStringLiteral("manager"), QStringLiteral("guest"), false);
    const bool vibe = choice(commandLine, QStringLiteral("vibe"), On, Off, true);
    // The dialog makes a coaster a guest; asking for a manager coaster is a mistake worth telling.
    if (coaster && manager)
        throw CliFailure::usage(tr("A coaster is always a guest: --who manager needs --kind zell."));
    if (coaster)
        settings.flags |= ZellCoaster;
    if (vibe)
        settings.flags |= ZellVibeOn;
    if (manager)
        settings.flags |= ZellManager;
    return settings;
}

QString PagerOptions::unescapeWelcome(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(i + 1);
            if (next == QLatin1Char('n') || next == QLatin1Char('\\')) {
                result += next == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

QString PagerOptions::invalidWelcomeText()
{
    return tr("Invalid Welcome Message text...\nup to 3 lines and 48 characters max\n- no commas allowed");
}

int PagerOptions::integer(const CliCommandLine& commandLine, const QString& option, int min, int max, int fallback)
{
    if (!commandLine.isSet(option))
        return fallback;
    bool ok = false;
    const int value = commandLine.value(option).toInt(&ok, 10);
    if (!ok || value < min || value > max)
        throw CliFailure::usage(tr("--%1 takes a number from %2 to %3.").arg(option).arg(min).arg(max));
    return value;
}

int PagerOptions::requiredInteger(const CliCommandLine& commandLine, const QString& option, int min, int max)
{
    if (!commandLine.isSet(option))
        throw CliFailure::usage(tr("--%1 is required.").arg(option));
    return integer(commandLine, option, min, max, min);
}

bool PagerOptions::choice(const CliCommandLine& commandLine, const QString& option, const QString& first,
                          const QString& second, bool fallback)
{
    if (!commandLine.isSet(option))
        return fallback;
    const QString value = commandLine.value(option).toLower();
    if (value == first)
        return true;
    if (value == second)
        return false;
    throw CliFailure::usage(tr("--%1 takes %2 or %3.").arg(option, first, second));
}

GroupModel PagerOptions::group(const CliCommandLine& commandLine, int group)
{
    const QString option = QStringLiteral("group%1").arg(group);
    if (!commandLine.isSet(option))
        return GroupModel();
    if (choice(commandLine, QStringLiteral("group-paging"), On, Off, false) == false)
        throw CliFailure::usage(tr("--%1 needs --group-paging on.").arg(option));

    const QString value = commandLine.value(option);
    const int comma = value.indexOf(QLatin1Char(','));
    bool ok = false;
    GroupModel model;
    model.pagerNum = value.left(comma < 0 ? value.size() : comma).toInt(&ok, 10);
    if (!ok || model.pagerNum < PagerLimits::MinGroupPagerNum || model.pagerNum > PagerLimits::MaxGroupPagerNum)
        throw CliFailure::usage(tr("--%1 takes a pager number from %2 to %3 (0 = not used), then a comma and the "
                                   "group's name.")
                                    .arg(option)
                                    .arg(PagerLimits::MinGroupPagerNum)
                                    .arg(PagerLimits::MaxGroupPagerNum));
    if (comma >= 0) {
        model.name = value.mid(comma + 1);
        if (!isValidGroupName(model.name))
            throw CliFailure::usage(tr("Group names may not contain commas (--%1).").arg(option));
        if (model.name.size() > maxGroupNameLength(group))
            throw CliFailure::usage(
                tr("The name of group %1 takes at most %2 characters.").arg(group).arg(maxGroupNameLength(group)));
    }
    return model;
}
