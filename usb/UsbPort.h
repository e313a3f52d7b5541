#pragma once

#include <QString>

// The USB port path of a hidraw node ("/dev/hidraw3" -> "1-1.3"), the name the kernel gives the port a
// unit is plugged into: what an installer can find on the hub. Empty when the node is no USB device's or
// the system cannot tell (no udev). Safe from any thread.
QString usbPortPath(const QString& devicePath);
