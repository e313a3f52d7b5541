#pragma once

#include <QGuiApplication>

// The wait cursor for as long as it lives: every way out of a device operation, a thrown one
// included, gives the cursor back.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
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
