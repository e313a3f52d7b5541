#include "usb/UsbLogging.h"

Q_LOGGING_CATEGORY(lcUsb, "tavrin.usb")
