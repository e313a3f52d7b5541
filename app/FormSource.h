#pragma once

#include <QString>

// Where the form's settings came from, as the window knows it. Provision Units says it, so that nobody writes
// factory defaults to every unit believing they were a unit's or a file's settings.
struct FormSource
{
    enum class Kind
    {
        Defaults,
        ReadFromUnit,
        LoadedFromFile,
        Edited
    };
    Kind kind = Kind::Defaults;
    // The unit's serial number or the file's name.
    QString name;
};
