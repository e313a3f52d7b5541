#pragma once

#include <QString>

#include <vector>

// One Alpha pager group: the pager number that pages the group (0 = group not used) and its name.
struct GroupModel
{
    int pagerNum = 0;
    QString name;
};

// Everything needed to program one Alpha pager, built afresh by the program pagers dialog for each
// press of Program and handed read-only to the protocol.
struct AlphaProgramData
{
    int pagerNum = 1;
    int allPageID = 911;
    int sysID = 0;
    QString welcomeMsg;
    bool grpPagingEnabled = false;
    // Groups 1 to 5, in order.
    std::vector<GroupModel> groupModelVector = std::vector<GroupModel>(5);
};

// Bits of the option field sent when programming a Zell pager or coaster.
enum ZellPagerFlags
{
    ZellCoaster = 1,
    ZellVibeOn = 2,
    // Only for a Zell pager: a coaster is always a guest.
    ZellManager = 4
};
