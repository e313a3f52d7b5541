#pragma once

#include <QSize>

class QWidget;

// The screen area a top-level window may use: the whole desktop, less the on-screen keyboard.
QSize usableSize();

// Makes a top-level window fit the usable area, its frame counted, and centres it there; called before it
// is shown. A window that cannot shrink that far is placed at the top, so its title bar stays on the screen.
void fitAndCentre(QWidget* window);

// Layouts inside pages and tabs that have not been shown yet keep the sizes they first computed, so a window's
// minimum size would leave those pages out until each had been visited; this makes every layout count again.
void refreshLayoutSizes(QWidget* window);
