#include "usb/TavrinFinder.h"

#if __has_include("usb/UsbPort.h")
#include "usb/UsbPort.h"
#define T2Q_HAS_USB_PORT 1
#endif

namespace {
QString portOf(const QString& devicePath)
{
#ifdef T2Q_HAS_USB_PORT
    return usbPortPath(devicePath);
#else
    // Where the system names the USB port of a node, it is looked up here.
    Q_UNUSED(devicePath)
    return QString();
#endif
}
} // namespace

TavrinFinder::TavrinFinder(std::shared_ptr<HidBackend> backend)
    : m_backend(backend ? std::move(backend) : UsbHid::sharedBackend())
{
}

std::vector<UsbHid::Unit> TavrinFinder::attachedUnits()
{
    if (!m_backend->init())
        throw UsbHidException(UsbHid::errorText(HidDllNotLoaded) + QLatin1Char('\n')
                              + m_backend->lastErrorText(HidBackend::NoHandle));
    std::vector<UsbHid::Unit> units;
    for (const QString& path : m_backend->enumerate(UsbHid::VendorId)) {
        quint16 productId = 0;
        if (UsbHid::isTavrin(m_backend.get(), path, &productId))
            units.push_back(UsbHid::Unit { path, productId, portOf(path) });
    }
    return units;
}
