#pragma once

#include "sim/VirtualTavrin.h"

#include <QList>
#include <QString>

class FrmTavrin2Qt;

// What the window's command line asks for, once the arguments are checked.
struct StartOptions
{
    // Virtual units in place of USB, in this order; several share a virtual bus, as on a hub.
    QList<VirtualTavrin::Model> simulatedModels;
    // Loaded as File > Load Configuration would once the window shows; empty for none.
    QString file;
    // The benchmark's stop watch: the program ends once the window is first painted, so start-up can be
    // timed from outside.
    bool quitAfterFirstPaint = false;
};

// The main window as the program opens it, shown; it deletes itself when closed.
FrmTavrin2Qt* openMainWindow(const StartOptions& options);
