#pragma once

#include "protocol/AlphaProgramData.h"

#include <QCoreApplication>
#include <QString>

class CliCommandLine;

// The three values that program a Zell pager or coaster.
struct ZellPagerSettings
{
    int pagerNum = 1;
    int sysID = 0;
    int flags = 0;
};

// The pager settings of program-alpha and program-zell, checked as the program pagers dialog checks
// them (its value ranges, its welcome message and group name rules). Every check throws CliFailure
// (usage) before anything is sent.
class PagerOptions
{
    Q_DECLARE_TR_FUNCTIONS(PagerOptions)

public:
    static AlphaProgramData alphaProgramData(const CliCommandLine& commandLine);
    static ZellPagerSettings zellPagerSettings(const CliCommandLine& commandLine);

    // "\n" is a line break and "\\" a backslash; any other backslash stands for itself.
    static QString unescapeWelcome(const QString& text);
    // The dialog's text for a refused welcome message.
    static QString invalidWelcomeText();

private:
    static int integer(const CliCommandLine& commandLine, const QString& option, int min, int max, int fallback);
    static int requiredInteger(const CliCommandLine& commandLine, const QString& option, int min, int max);
    // Whether the option's value is the first of its two words; the fallback when not given.
    static bool choice(const CliCommandLine& commandLine, const QString& option, const QString& first,
                       const QString& second, bool fallback);
    static GroupModel group(const CliCommandLine& commandLine, int group);
};
