#include "usb/TavrinFinder.h"

TavrinFinder::TavrinFinder(std::shared_ptr<HidBackend> backend)
    : m_backend(backend ? std::move(backend) : UsbHid::sharedBackend())
{
}

std::vector<UsbHid::Unit> TavrinFinder::attachedUnits()
{
    if (!m_backend->init())
        throw UsbHidException([&]() -> QString {
            return UsbHid::errorText(HidDllNotLoaded) + QLatin1Char('\n')
                + m_backend->lastErrorText(HidBackend::NoHandle);
        });
    std::vector<UsbHid::Unit> units;
    for (const QString& path : m_backend->enumerate(UsbHid::VendorId)) {
        quint16 productId = 0;
        if (UsbHid::isTavrin(m_backend.get(), path, &productId))
            units.push_back(UsbHid::Unit { path, productId, m_backend->portPath(path) });
    }
    return units;
}
