#pragma once

#include <QtGlobal>

#include <ctime>

// CPU time the whole process has used, in nanoseconds: what a call costs, whatever else the machine
// is running meanwhile.
inline qint64 processCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
