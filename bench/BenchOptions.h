#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What one run of the benchmark measures and how often.
struct BenchOptions
{
    QString appProgram; // the utility, with the T2Q_EXIT_AFTER_PAINT stop watch
    QString bareProgram; // t2q-bench-bare
    QString readProgram; // t2q-bench-read
    // The utility's window on this screen: the size of the text window that separates what any form
    // of that size costs from what the utility adds.
    QSize windowSize;
    QStringList textWindowArguments() const
    {
        return { QStringLiteral("--text"), QStringLiteral("%1x%2").arg(windowSize.width()).arg(windowSize.height()) };
    }
    int startupRuns = 10;
    int protocolRuns = 3;
    // A Read waits only two windows, so a few ms of scheduling on a busy machine move its ratio most.
    int readRuns = 7;
    int memoryRuns = 3;
    int idleSeconds = 60;
    // Leave out the pager programming (34 s of device windows) while working on the benchmark itself.
    bool skipPagers = false;
    // The hidraw rows (about a minute, in namespaces of their own) left out.
    bool skipHidraw = false;
    int hidrawPlugs = 9; // plug-ins whose latency is measured on each hot-plug path
    int stationIdleSeconds = 10;
};
