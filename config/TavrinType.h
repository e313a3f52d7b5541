#pragma once

// The model a configuration belongs to. The underlying type is fixed so that any code a file or the
// device hands us is a valid value of the type, not only the four named ones.
enum TavrinType : int
{
    DalenTavrin = 0,
    DalenTavrin2Button = 1,
    TavrinII = 2,
    Unknown = 3
};
