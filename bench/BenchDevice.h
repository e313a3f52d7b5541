#pragma once

#include "sim/VirtualTavrin.h"

#include <QSize>
#include <QtGlobal>

// Installs a fresh virtual device of the model on the link and makes the protocol forget the last one.
// Real time waits as hardware does. Otherwise time is virtual but the device keeps the real reply
// delay, so that elapsedMs() adds up exactly the waits the command sequence cannot avoid: every
// read window that passes in silence and every reply the device takes to start.
VirtualTavrin* attachVirtualTavrin(VirtualTavrin::Model model, bool realTime);

// Those waits for the first detection of the model (its identification exchanges).
qint64 identificationWaitMs(VirtualTavrin::Model model);

// The size the entry point gives the utility's window on this screen.
QSize utilityWindowSize();
