#pragma once

#include <QString>

// The limits a pager's settings must keep before they are sent to the device: the program pagers
// dialog enforces them with its widgets, the command line checks them by hand.
namespace PagerLimits {
constexpr int MinPagerNum = 1;
constexpr int MaxPagerNum = 9999;
// With group paging on, pager numbers below this page the groups instead of a pager.
constexpr int MinPagerNumWithGroups = 100;
constexpr int MinAllPageID = 1;
constexpr int MaxAllPageID = 9999;
constexpr int MinSysID = 0;
constexpr int MaxSysID = 13;
constexpr int GroupCount = 5;
// 0 means the group is not used.
constexpr int MinGroupPagerNum = 0;
constexpr int MaxGroupPagerNum = 98;
// The same for every group: a pager shows no longer name.
constexpr int MaxGroupNameLength = 19;
// The pager shows three lines; the device's command fields are comma-separated.
constexpr int MaxWelcomeMessageLineBreaks = 2;
constexpr int MaxWelcomeMessageLength = 48;
} // namespace PagerLimits

// True when an Alpha pager can show the welcome message: at most 3 lines (2 line feeds),
// at most 48 characters with the line feeds, and no comma.
bool isValidWelcomeMessage(const QString& message);

// True when a group name can travel in a command field: no comma.
bool isValidGroupName(const QString& name);

// The longest name group number group (1 to 5) takes.
int maxGroupNameLength(int group);
