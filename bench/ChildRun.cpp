#include "ChildRun.h"

#include <QElapsedTimer>
#include <QProcess>

ChildRun ChildRun::run(const QString& program, const QStringList& arguments, const Environment& environment,
                       int timeoutMs)
{
    QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    processEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const auto& [name, value] : environment)
        processEnvironment.insert(name, value);

    QProcess process;
    process.setProcessEnvironment(processEnvironment);
    // The utility's traces would only add a pipe to drain to what is timed.
    process.setStandardErrorFile(QProcess::nullDevice());
    ChildRun result;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        result.problem = QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
        return result;
    }
    result.finished = process.waitForFinished(timeoutMs);
    result.wallMs = double(clock.nsecsElapsed()) / 1e6;
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
        result.problem = QStringLiteral("%1 did not end within %2 s").arg(program).arg(timeoutMs / 1000);
        return result;
    }
    result.output = process.readAllStandardOutput();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (result.exitCode != 0)
        result.problem = QStringLiteral("%1 ended with status %2").arg(program).arg(result.exitCode);
    return result;
}

qint64 ChildRun::outputValue(const QByteArray& key) const
{
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith(key + ' '))
            return line.mid(key.size() + 1).trimmed().toLongLong();
    }
    return -1;
}
