#include "support/ProtocolTestSupport.h"

#include "protocol/Tavrin2QtComm.h"
#include "support/ScriptedHidBackend.h"

namespace ProtocolTestSupport {

VirtualTavrin* attach(VirtualTavrin::Model model, bool identified)
{
    auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->reset();
    if (!identified)
        return sim;
    comm->connectTavrin();
    comm->connectTavrin();
    sim->clearTranscript();
    sim->resetElapsed();
    return sim;
}

QString hidError(int code)
{
    return UsbHid::errorText(code);
}

TavrinIIButton button(bool enabled, int pager, int type, int mode, int zellMsg, const QString& alphaMsg)
{
    TavrinIIButton b;
    b.setButtonEnabled(enabled);
    b.setPagerNum(pager);
    b.setType(type);
    b.setZellMsgInt(zellMsg);
    b.setAlphaMsg(alphaMsg);
    b.setMode(mode);
    return b;
}

Tavrin2QtCfg::TavrinIIAutoOnOffTime autoTime(bool enabled, const QTime& on, const QTime& off)
{
    Tavrin2QtCfg::TavrinIIAutoOnOffTime time;
    time.setIsEnabled(enabled);
    time.setAutoOnTime(on);
    time.setAutoOffTime(off);
    return time;
}

void queueLine(ScriptedHidBackend* backend, const QByteArray& line)
{
    const QByteArray bytes = line + '\r';
    for (int offset = 0; offset < bytes.size(); offset += 8)
        backend->queueReport(bytes.mid(offset, 8).leftJustified(8, '\0'));
}

} // namespace ProtocolTestSupport
