#include "BenchDevice.h"

#include "support/AnsweringPrompter.h"
#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/FitAndCentre.h"
#include "usb/UsbHid.h"

#include <memory>

VirtualTavrin* attachVirtualTavrin(VirtualTavrin::Model model, bool realTime)
{
    auto* device = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
    if (realTime)
        device->setRealTime(true);
    else
        device->setReplyDelayMs(VirtualTavrin::RealTimeReplyDelayMs);
    Tavrin2QtComm::instance()->reset();
    return device;
}

qint64 identificationWaitMs(VirtualTavrin::Model model)
{
    VirtualTavrin* device = attachVirtualTavrin(model, false);
    device->resetElapsed();
    Tavrin2QtComm::instance()->connectTavrin();
    return device->elapsedMs();
}

QSize utilityWindowSize()
{
    AnsweringPrompter prompter;
    attachVirtualTavrin(VirtualTavrin::Model::TavrinII, false);
    FrmTavrin2Qt::resetFirstDetection();
    FrmTavrin2Qt window;
    fitAndCentre(&window);
    return window.size();
}
