#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// One run of another program, timed from just before it is started to its exit.
struct ChildRun
{
    bool finished = false; // exited by itself within the time allowed
    int exitCode = -1;
    double wallMs = 0;
    QByteArray output;
    QString problem; // why the run does not count; empty when it does

    using Environment = std::vector<std::pair<QString, QString>>;
    // Offscreen, with the given variables on top of this process's environment. A run that has not
    // ended after timeoutMs is killed.
    static ChildRun run(const QString& program, const QStringList& arguments, const Environment& environment,
                        int timeoutMs = 60000);
    // The integer after "key " on a line of the output; -1 when absent.
    qint64 outputValue(const QByteArray& key) const;
};
