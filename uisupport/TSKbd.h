#pragma once

#include <QWidget>

class TSKbd;

// Makes the on-screen keyboard. A factory registers itself while it exists; the utility
// registers none, so there is no keyboard unless an embedding application provides one.
class TSKbdFactory
{
public:
    TSKbdFactory();
    virtual ~TSKbdFactory();
    TSKbdFactory(const TSKbdFactory&) = delete;
    TSKbdFactory& operator=(const TSKbdFactory&) = delete;

    virtual TSKbd* create(int layout, QWidget* parent, const char* name) = 0;

    static TSKbdFactory* registered();
};

// The on-screen keyboard: a widget whose height is taken off the usable screen height.
class TSKbd : public QWidget
{
    Q_OBJECT

public:
    explicit TSKbd(QWidget* parent = nullptr);

    // The process-wide keyboard, made on the first request through the registered factory;
    // nullptr when no factory is registered.
    static TSKbd* instance();
    // Forgets the keyboard (tests only); the keyboard object is deleted.
    static void resetInstance();
};
