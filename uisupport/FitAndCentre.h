#pragma once

#include <QSize>

class QWidget;

// The screen area a top-level window may use: the whole desktop, less the on-screen keyboard.
QSize usableSize();

// Makes a top-level window fit the usable area and centres it there; called before it is shown.
void fitAndCentre(QWidget* window);
