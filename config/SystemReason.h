#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QString>

// The reasons the system gives most often for a file that cannot be used, as our own texts, so that they
// are translated with the rest. English reads as the C library words it; other reasons keep the system's
// text.
class SystemReason
{
    Q_DECLARE_TR_FUNCTIONS(SystemReason)

public:
    // The reason for an errno value.
    static QString text(int errorNumber);
    // The reason for a failed QFile operation: errorNumber is errno right after the call; the file's own
    // errorString() serves where errno says nothing or the failure is not the system's.
    static QString text(const QFileDevice& file, int errorNumber);
};
