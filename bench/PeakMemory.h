#pragma once

#include <QFile>

// The process's peak resident memory (VmHWM) in KiB, 0 where /proc is not there. Read from inside:
// a parent's wait4() figure would also count what the child held before exec.
inline qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}
