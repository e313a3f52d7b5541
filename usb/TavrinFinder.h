#pragma once

#include "usb/UsbHid.h"

#include <memory>
#include <vector>

// Finds the attached Tavrin units: enumerates the HID interfaces and probes each one's IDs, without
// any traffic to a unit. Safe from any thread (the backend serialises enumerate and open); each unit
// found can then be given to a session of its own.
class TavrinFinder
{
public:
    explicit TavrinFinder(std::shared_ptr<HidBackend> backend = UsbHid::sharedBackend());

    // Every attached unit in enumeration order, with its hub port where the system tells it.
    // Throws HidDllNotLoaded when the platform library cannot be used.
    std::vector<UsbHid::Unit> attachedUnits();
    std::shared_ptr<HidBackend> backend() const { return m_backend; }

private:
    std::shared_ptr<HidBackend> m_backend;
};
