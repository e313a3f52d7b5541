#pragma once

#include "uisupport/InputDiscarder.h"

#include <QGuiApplication>

// The wait cursor for as long as it lives: every way out of a device operation, a thrown one
// included, gives the cursor back. What was clicked or typed while it showed is dropped then.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor()
    {
        InputDiscarder::discardPending();
        QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Runs work under the wait cursor and returns its result; the cursor is back before any message
// box that follows.
template<typename Work> auto underBusyCursor(Work work)
{
    const BusyCursor cursor;
    return work();
}
