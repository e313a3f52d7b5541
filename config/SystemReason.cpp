#include "config/SystemReason.h"

#include <cerrno>
#include <cstring>

namespace {
QString ownText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return SystemReason::tr("No such file or directory");
    case EACCES:
        return SystemReason::tr("Permission denied");
    case ENOSPC:
        return SystemReason::tr("No space left on device");
    case EROFS:
        return SystemReason::tr("Read-only file system");
    case EISDIR:
        return SystemReason::tr("Is a directory");
    default:
        return QString();
    }
}
} // namespace

QString SystemReason::text(int errorNumber)
{
    const QString own = ownText(errorNumber);
    return own.isEmpty() ? QString::fromLocal8Bit(std::strerror(errorNumber)) : own;
}

QString SystemReason::text(const QFileDevice& file, int errorNumber)
{
    switch (file.error()) {
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
    case QFileDevice::OpenError:
    case QFileDevice::ResourceError:
    case QFileDevice::PermissionsError:
    case QFileDevice::CopyError:
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError:
    case QFileDevice::ResizeError: {
        const QString own = ownText(errorNumber);
        if (!own.isEmpty())
            return own;
        break;
    }
    default:
        break;
    }
    return file.errorString();
}
