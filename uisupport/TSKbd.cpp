#include "uisupport/TSKbd.h"

#include <QPointer>

namespace {
TSKbdFactory* registeredFactory = nullptr;
QPointer<TSKbd> keyboard;
} // namespace

TSKbdFactory::TSKbdFactory()
{
    registeredFactory = this;
}

TSKbdFactory::~TSKbdFactory()
{
    if (registeredFactory == this)
        registeredFactory = nullptr;
}

TSKbdFactory* TSKbdFactory::registered()
{
    return registeredFactory;
}

TSKbd::TSKbd(QWidget* parent)
    : QWidget(parent)
{
}

TSKbd* TSKbd::instance()
{
    if (!keyboard && registeredFactory)
        keyboard = registeredFactory->create(3, nullptr, nullptr);
    return keyboard;
}

void TSKbd::resetInstance()
{
    delete keyboard.data();
    keyboard = nullptr;
}
