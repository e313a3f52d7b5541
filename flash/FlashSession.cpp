#include "flash/FlashSession.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace {
constexpr int StepTimeoutMs = 120000;
constexpr int PollIntervalMs = 500;

int bootLoaderWaitMs()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TAVRIN_FLASH_WAIT_SECONDS", &ok);
    return (ok && seconds >= 0 ? seconds : 20) * 1000;
}
} // namespace

FlashSession FlashSession::fromBatchispArguments(const QStringList& arguments)
{
    FlashSession session;
    const int device = arguments.indexOf(QStringLiteral("-device"));
    if (device >= 0 && device + 1 < arguments.size())
        session.m_device = arguments.at(device + 1).toLower();
    const int buffer = arguments.indexOf(QStringLiteral("loadbuffer"));
    if (buffer >= 0 && buffer + 1 < arguments.size())
        session.m_file = arguments.at(buffer + 1);
    else
        session.m_usageError = QStringLiteral("tavrin-flash: no firmware file given (expected \"loadbuffer FILE\")");
    return session;
}

void FlashSession::say(const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool FlashSession::reportsFailure(const QString& output)
{
    const QString text = output.toLower();
    return text.contains(QLatin1String("error")) || text.contains(QLatin1String("fail"))
        || text.contains(QLatin1String("no device present"));
}

// dfu-programmer draws progress bars without line breaks; a carriage return also ends a line.
void FlashSession::relayChunk(QByteArray chunk, QByteArray& partial, bool relay, QString& collected)
{
    chunk.replace('\r', '\n');
    partial += chunk;
    int end;
    while ((end = partial.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(partial.left(end));
        partial.remove(0, end + 1);
        if (line.trimmed().isEmpty())
            continue;
        collected += line + QLatin1Char('\n');
        if (relay)
            say(line);
    }
}

FlashSession::StepResult FlashSession::runTool(const QStringList& arguments, bool relay, int timeoutMs)
{
    StepResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(m_tool, arguments);
    if (!process.waitForStarted()) {
        result.output = QStringLiteral("dfu-programmer could not be started: %1\n").arg(process.errorString());
        if (relay)
            say(result.output.trimmed());
        return result;
    }
    result.started = true;
    QByteArray partial;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        if (clock.elapsed() > timeoutMs) {
            process.kill();
            process.waitForFinished();
            result.timedOut = true;
            break;
        }
        process.waitForReadyRead(200);
        relayChunk(process.readAll(), partial, relay, result.output);
    }
    relayChunk(process.readAll() + '\n', partial, relay, result.output);
    if (result.timedOut) {
        result.output += QStringLiteral("ERROR: dfu-programmer did not finish in time\n");
        if (relay)
            say(QStringLiteral("ERROR: dfu-programmer did not finish in time"));
    }
    return result;
}

bool FlashSession::step(const QString& title, const QStringList& arguments)
{
    say(QStringLiteral("%1: dfu-programmer %2").arg(title, arguments.join(QLatin1Char(' '))));
    const StepResult result = runTool(arguments, true, StepTimeoutMs);
    // dfu-programmer's exit status is 1 even on success in some releases: judge by its words.
    const bool ok = result.started && !result.timedOut && !reportsFailure(result.output);
    say(QStringLiteral("%1: %2").arg(title, ok ? QStringLiteral("done") : QStringLiteral("FAILED")));
    if (ok)
        ++m_passed;
    return ok;
}

bool FlashSession::waitForBootLoader()
{
    const int waitMs = bootLoaderWaitMs();
    say(QStringLiteral("Waiting up to %1 seconds for the boot loader to appear...").arg(waitMs / 1000));
    QElapsedTimer clock;
    clock.start();
    StepResult last;
    for (;;) {
        last = runTool({ m_device, QStringLiteral("get"), QStringLiteral("bootloader-version") }, false, StepTimeoutMs);
        if (!last.started)
            break;
        if (!reportsFailure(last.output)) {
            say(QStringLiteral("Boot loader found: %1").arg(last.output.trimmed()));
            ++m_passed;
            return true;
        }
        if (clock.elapsed() + PollIntervalMs > waitMs)
            break;
        QThread::msleep(PollIntervalMs);
    }
    for (const QString& line : last.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        say(line);
    say(QStringLiteral("ERROR: the boot loader did not appear; start it on the device and try again"));
    return false;
}

int FlashSession::finish()
{
    const int failed = m_total - m_passed;
    say(QStringLiteral("Summary:  Total %1   Passed %2   Failed %3").arg(m_total).arg(m_passed).arg(failed));
    return failed == 0 ? 0 : 1;
}

int FlashSession::run()
{
    if (!m_usageError.isEmpty()) {
        say(m_usageError);
        m_passed = 0;
        finish();
        return 2;
    }
    m_tool = QStandardPaths::findExecutable(QStringLiteral("dfu-programmer"));
    if (m_tool.isEmpty()) {
        say(QStringLiteral("ERROR: dfu-programmer could not be started: it is not installed or not on the "
                           "program search path (on Debian: apt-get install dfu-programmer)"));
        return finish();
    }
    const QString versionText = runTool({ QStringLiteral("--version") }, false, StepTimeoutMs).output;
    const QRegularExpressionMatch version = QRegularExpression(QStringLiteral("(\\d+)\\.(\\d+)")).match(versionText);
    // 0.7 asks for --force on erase and flash and calls start "launch".
    m_modernSyntax = version.hasMatch() && (version.captured(1).toInt() > 0 || version.captured(2).toInt() >= 7);
    say(QStringLiteral("Using %1 (%2)").arg(m_tool, versionText.trimmed()));

    if (!waitForBootLoader())
        return finish();
    const QString force = QStringLiteral("--force");
    QStringList erase { m_device, QStringLiteral("erase") };
    QStringList flash { m_device, QStringLiteral("flash") };
    if (m_modernSyntax) {
        erase << force;
        flash << force;
    }
    flash << m_file;
    const QStringList start { m_device, m_modernSyntax ? QStringLiteral("launch") : QStringLiteral("start") };

    if (step(QStringLiteral("Erase"), erase) && step(QStringLiteral("Program and verify"), flash))
        step(QStringLiteral("Start application"), start);
    return finish();
}
