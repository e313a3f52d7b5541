#include "usb/UsbPort.h"

#include "usb/UsbLogging.h"

#include <QFileInfo>

#ifdef T2Q_HAVE_LIBUDEV
#include <libudev.h>
#endif

QString usbPortPath(const QString& devicePath)
{
#ifdef T2Q_HAVE_LIBUDEV
    const QString name = QFileInfo(devicePath).fileName();
    if (!name.startsWith(QLatin1String("hidraw")))
        return QString();
    // A context per call: libudev's objects are not to be shared between threads.
    udev* context = udev_new();
    if (!context)
        return QString();
    QString port;
    if (udev_device* hidraw
        = udev_device_new_from_subsystem_sysname(context, "hidraw", name.toLocal8Bit().constData())) {
        // The parent belongs to the child and goes with it.
        if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_device"))
            port = QString::fromLocal8Bit(udev_device_get_sysname(usb));
        udev_device_unref(hidraw);
    }
    udev_unref(context);
    if (port.isEmpty())
        qCDebug(lcUsb) << "no USB port for" << devicePath;
    return port;
#else
    Q_UNUSED(devicePath)
    return QString();
#endif
}
