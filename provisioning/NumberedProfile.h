#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QString>

// A profile made a unit's own by its number: "{n}" in a message text stands for the number, "{{" for a
// literal "{". Only the messages of the profile's model are read and replaced (the other page's texts are
// never sent); a profile of no model has both.
class NumberedProfile
{
public:
    // Whether a message text holds "{n}": without numbering, every unit would get it literally.
    static bool holdsNumber(const Tavrin2QtCfg& profile);
    // Whether the text holds "{n}" ("{{n}" is a literal "{n}").
    static bool holdsNumber(const QString& text);
    // The profile of the unit numbered `number`: its messages replaced, and a Dalen unit's ID the number.
    static Tavrin2QtCfg forUnit(const Tavrin2QtCfg& profile, int number);
    // The text with "{n}" replaced by the number and "{{" by "{"; any other "{" stays as it is.
    static QString replace(const QString& text, int number);
};
