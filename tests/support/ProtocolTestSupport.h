#pragma once

#include "config/Tavrin2QtCfg.h"
#include "sim/VirtualTavrin.h"
#include "usb/UsbHid.h"

#include <QStringList>

class ScriptedHidBackend;

// Helpers shared by the protocol tests.
namespace ProtocolTestSupport {

// Installs a fresh virtual device and forgets what the protocol knew. With identified, the device
// is also found and identified as the window's detection leaves it before an action (open, its
// model known), and its transcript and clock start afresh.
VirtualTavrin* attach(VirtualTavrin::Model model, bool identified = true);

// The message of the UsbHidException an operation throws; empty when it throws none.
template<typename Operation> QString failureOf(Operation operation)
{
    try {
        operation();
    } catch (const UsbHidException& e) {
        return e.message();
    }
    return QString();
}

QString hidError(int code);

TavrinIIButton button(bool enabled, int pager, int type, int mode, int zellMsg = 0, const QString& alphaMsg = {});
Tavrin2QtCfg::TavrinIIAutoOnOffTime autoTime(bool enabled, const QTime& on, const QTime& off);

// Queues one answer line as the device sends it: CR-terminated, in 8-byte reports.
void queueLine(ScriptedHidBackend* backend, const QByteArray& line);

} // namespace ProtocolTestSupport
