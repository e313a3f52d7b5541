#pragma once

#include "config/TavrinType.h"
#include "usb/UsbHid.h"

#include <QList>
#include <QString>

#include <vector>

// One attached Tavrin as it describes itself, for choosing among several.
struct TavrinUnit
{
    QString path;
    TavrinType model = Unknown;
    QString firmware;
    QString serialNumber;
    // Why the unit could not be asked; empty when it answered.
    QString failure;
    QString englishFailure; // the same in English, for JSON output
};

// Several units are attached and none was chosen: no device command may pick one of them silently.
class SeveralTavrinsAttached : public UsbHidException
{
public:
    SeveralTavrinsAttached(const QString& message, std::vector<UsbHid::Unit> units)
        : UsbHidException(message)
        , m_units(std::move(units))
    {
    }

    const std::vector<UsbHid::Unit>& units() const { return m_units; }

private:
    std::vector<UsbHid::Unit> m_units;
};

// The first READ of an operation that sets something came from another unit than the one in use: nothing was
// set, and the session identifies its unit anew at the next operation.
class AnotherUnitAnswered : public UsbHidException
{
public:
    using UsbHidException::UsbHidException;
};
