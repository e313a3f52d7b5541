// The costs that only units answering on the real clock show: write --all on many units against one
// unit's write, and the station's plug-to-first-command latency, its time for many units plugged at once
// and its CPU while it waits. The units are the unit server's hidraw nodes (tests/hidraw), so this runs
// inside tests/hidraw/hidraw-namespace.sh, started by t2q-bench, and hands its rows over as BenchTable
// lines on standard output. Exit status 2 for bad arguments.
#include "BenchTable.h"
#include "Samples.h"
#include "Spawned.h"
#include "UnitControl.h"
#include "config/CfgFile.h"
#include "config/Tavrin2QtCfg.h"
#include "usb/HotplugMonitor.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

constexpr double WriteAllLimit8 = 1.25;
constexpr double WriteAllLimit16 = 1.5;
constexpr double WriteAllCpuLimitPercent = 2;
constexpr double UdevLatencyLimitMs = 300;
constexpr double PollLatencyLimitMs = 700;
constexpr double ManyUnitsLimit = 1.5;
constexpr double StationIdleLimitPercent = 0.2;
constexpr int RunTimeoutMs = 120000;
// The station's start-up and first look for units are over by then.
constexpr int StationSettleMs = 2000;
constexpr int FirstCommandTimeoutMs = 10000;

struct Options
{
    QString cli;
    int plugs = 9;
    int idleSeconds = 10;
};

void progress(const QString& step)
{
    std::fprintf(stderr, "t2q-bench-hidraw: %s\n", qPrintable(step));
}

QString percent(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : 2) + QStringLiteral(" %");
}

QString units(int count)
{
    return count == 1 ? QStringLiteral("1 unit") : QStringLiteral("%1 units").arg(count);
}

QString serialOf(int i)
{
    return QStringLiteral("%1").arg(70000000 + i, 8, 10, QLatin1Char('0'));
}

// The units plugged by one measurement; all unplugged when it ends, however it ends.
class Units
{
public:
    ~Units()
    {
        QString answer;
        for (const QString& name : std::as_const(m_names))
            hidraw::request(QStringLiteral("unplug ") + name, &answer);
    }
    // False with the server's answer in *error.
    bool plug(const QString& name, const QString& serial, QString* error)
    {
        m_names << name;
        return order(QStringLiteral("plug %1 tavrin2 serial=%2").arg(name, serial), error);
    }
    bool unplug(const QString& name, QString* error)
    {
        m_names.removeAll(name);
        return order(QStringLiteral("unplug ") + name, error);
    }

private:
    static bool order(const QString& line, QString* error)
    {
        QString answer;
        if (hidraw::request(line, &answer))
            return true;
        *error = QStringLiteral("the unit server refused \"%1\": %2").arg(line, answer);
        return false;
    }

    QStringList m_names;
};

class HidrawBench
{
public:
    explicit HidrawBench(const Options& options)
        : m_options(options)
    {
    }
    bool prepare(QString* error);
    void measureWriteAll();
    void measureStationPath(const QString& path);
    void measureManyUnits();
    const BenchTable& table() const { return m_table; }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    static int verifiedLines(const QString& outputPath);
    static int lineCount(const QString& outputPath);
    // One run of the command line to its end: an empty string, or why it does not count.
    QString runToEnd(Spawned& run, const QStringList& arguments, const QString& outputPath);
    std::optional<double> cpuPercentOver(const Spawned& station, int seconds);

    Options m_options;
    BenchTable m_table;
    QTemporaryDir m_dir;
    QString m_profile;
};

bool HidrawBench::prepare(QString* error)
{
    if (!m_dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    // What the station tests write: a Tavrin II's settings with a system ID of its own.
    Tavrin2QtCfg cfg;
    cfg.setSysID(7);
    m_profile = file(QStringLiteral("site.t2c"));
    return CfgFile::save(cfg, m_profile, *error);
}

int HidrawBench::verifiedLines(const QString& outputPath)
{
    QFile output(outputPath);
    if (!output.open(QIODevice::ReadOnly))
        return 0;
    // A unit's own line; the summary says "N written and verified, M failed".
    return int(output.readAll().count("written and verified ("));
}

int HidrawBench::lineCount(const QString& outputPath)
{
    QFile output(outputPath);
    return output.open(QIODevice::ReadOnly) ? int(output.readAll().count('\n')) : 0;
}

QString HidrawBench::runToEnd(Spawned& run, const QStringList& arguments, const QString& outputPath)
{
    QString error;
    if (!run.start(m_options.cli, arguments, {}, outputPath, &error))
        return error;
    if (!run.wait(RunTimeoutMs))
        return QStringLiteral("tavrin2qt-cli %1 did not end within %2 s")
            .arg(arguments.constFirst())
            .arg(RunTimeoutMs / 1000);
    if (run.exitCode() != 0)
        return QStringLiteral("tavrin2qt-cli %1 ended with status %2").arg(arguments.constFirst()).arg(run.exitCode());
    return QString();
}

void HidrawBench::measureWriteAll()
{
    const QString singleFigure = QStringLiteral("6 write, one unit (wall)");
    double singleMs = 0;
    {
        Units plugged;
        QString error;
        Spawned single;
        const QString output = file(QStringLiteral("single.txt"));
        if (!plugged.plug(QStringLiteral("single"), serialOf(0), &error)
            || !(error = runToEnd(single, { QStringLiteral("write"), m_profile }, output)).isEmpty()) {
            m_table.addError(singleFigure, error);
            return;
        }
        singleMs = single.wallMs();
        m_table.addRow({ singleFigure, BenchTable::milliseconds(singleMs), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("-"), BenchTable::Verdict::Info });
    }
    QStringList cpuFigures;
    for (const int count : { 1, 4, 8, 16 }) {
        progress(QStringLiteral("write --all on ") + units(count));
        const QString wallFigure = QStringLiteral("6 write --all, %1 (wall)").arg(units(count));
        const QString cpuFigure = QStringLiteral("6 write --all, %1 (CPU per unit)").arg(units(count));
        Units plugged;
        QString error;
        for (int i = 0; i < count && error.isEmpty(); ++i)
            plugged.plug(QStringLiteral("all%1").arg(i), serialOf(100 + i), &error);
        Spawned all;
        const QString output = file(QStringLiteral("all%1.txt").arg(count));
        if (error.isEmpty())
            error = runToEnd(all, { QStringLiteral("write"), QStringLiteral("--all"), m_profile }, output);
        if (error.isEmpty() && verifiedLines(output) != count)
            error = QStringLiteral("%1 of %2 units verified").arg(verifiedLines(output)).arg(count);
        if (!error.isEmpty()) {
            m_table.addError(wallFigure, error);
            continue;
        }
        const double ratio = all.wallMs() / singleMs;
        const double limit = count == 8 ? WriteAllLimit8 : count == 16 ? WriteAllLimit16 : 0;
        m_table.addRow({ wallFigure, BenchTable::milliseconds(all.wallMs()), BenchTable::milliseconds(singleMs),
                         BenchTable::ratio(ratio),
                         limit > 0 ? QStringLiteral("<= ") + BenchTable::ratio(limit) : QStringLiteral("-"),
                         limit > 0 ? BenchTable::within(ratio, limit) : BenchTable::Verdict::Info });
        const double share = all.cpuMs() / all.wallMs() / count * 100;
        m_table.addRow({ cpuFigure, percent(share), QStringLiteral("-"), QStringLiteral("-"),
                         QStringLiteral("<= ") + percent(WriteAllCpuLimitPercent),
                         BenchTable::within(share, WriteAllCpuLimitPercent) });
        cpuFigures << QStringLiteral("%1 %2 ms").arg(units(count)).arg(all.cpuMs(), 0, 'f', 0);
    }
    m_table.addNote(QStringLiteral("6: tavrin2qt-cli write FILE on one Tavrin II hidraw unit of the unit server "
                                   "(real clock), then write --all FILE on 1, 4, 8 and 16 such units, one run each; "
                                   "wall time from the start of the command line to its exit. CPU per unit: the "
                                   "process's user and system time (wait4) over its wall time and the units, "
                                   "start-up included (%1).")
                        .arg(cpuFigures.join(QStringLiteral(", "))));
}

std::optional<double> HidrawBench::cpuPercentOver(const Spawned& station, int seconds)
{
    const std::optional<double> before = station.cpuMsNow();
    const double startNs = monotonicNs();
    QThread::sleep(seconds);
    const std::optional<double> after = station.cpuMsNow();
    if (!before || !after)
        return std::nullopt;
    return (*after - *before) / ((monotonicNs() - startNs) / 1e6) * 100;
}

void HidrawBench::measureStationPath(const QString& path)
{
    const bool polling = path == QLatin1String("poll");
    const QString pathName = polling ? QStringLiteral("polling") : QStringLiteral("udev");
    const QString idleFigure = QStringLiteral("7 station idle, no unit, %1 (share of a core)").arg(pathName);
    const QString latencyFigure = QStringLiteral("7 station, plug to first command, %1 (median)").arg(pathName);
    progress(QStringLiteral("station on the %1 path: %2 s idle, %3 plug-ins")
                 .arg(pathName)
                 .arg(m_options.idleSeconds)
                 .arg(m_options.plugs));

    const QString output = file(QStringLiteral("station-%1.txt").arg(path));
    Spawned station;
    QString error;
    if (!station.start(m_options.cli,
                       { QStringLiteral("station"), m_profile, QStringLiteral("--log"),
                         file(QStringLiteral("station-%1.csv").arg(path)) },
                       { { QStringLiteral("T2Q_HOTPLUG"), path } }, output, &error)) {
        m_table.addError(idleFigure, error);
        m_table.addError(latencyFigure, error);
        return;
    }
    QThread::msleep(StationSettleMs);
    const std::optional<double> idle = cpuPercentOver(station, m_options.idleSeconds);
    if (!idle) {
        m_table.addError(idleFigure, QStringLiteral("the station ended or its CPU clock could not be read"));
    } else {
        m_table.addRow({ idleFigure, QString::number(*idle, 'f', 4) + QStringLiteral(" %"), QStringLiteral("-"),
                         QStringLiteral("-"), QStringLiteral("<= ") + percent(StationIdleLimitPercent),
                         BenchTable::within(*idle, StationIdleLimitPercent) });
    }

    Samples latencies;
    Units plugged;
    for (int i = 0; i < m_options.plugs && error.isEmpty(); ++i) {
        // Plug-ins at any moment of the polling period, not right after a look.
        QThread::msleep(QRandomGenerator::global()->bounded(HotplugMonitor::PollIntervalMs));
        const QString name = QStringLiteral("%1%2").arg(path).arg(i);
        const QString serial = serialOf(polling ? 300 + i : 200 + i);
        // The station's line about the unit names its node: the serial number was not read yet.
        const int linesBefore = lineCount(output);
        const double pluggedNs = monotonicNs();
        if (!plugged.plug(name, serial, &error))
            break;
        double firstNs = 0;
        QString answer;
        while (monotonicNs() - pluggedNs < FirstCommandTimeoutMs * 1e6) {
            if (!hidraw::request(QStringLiteral("first-report ") + name, &answer)) {
                error = QStringLiteral("first-report: ") + answer;
                break;
            }
            if ((firstNs = answer.toDouble()) > 0)
                break;
            QThread::msleep(10);
        }
        if (!error.isEmpty())
            break;
        if (firstNs <= 0) {
            error = QStringLiteral("no command reached a unit within %1 s").arg(FirstCommandTimeoutMs / 1000);
            break;
        }
        latencies.add((firstNs - pluggedNs) / 1e6);
        // Pulled at once: the station reports the unit failed, and the next one has the node to itself.
        if (!plugged.unplug(name, &error))
            break;
        const double pulledNs = monotonicNs();
        while (monotonicNs() - pulledNs < FirstCommandTimeoutMs * 1e6 && lineCount(output) <= linesBefore)
            QThread::msleep(20);
    }
    station.signal(SIGTERM);
    if (!station.wait(RunTimeoutMs) && error.isEmpty())
        error = QStringLiteral("the station did not end after SIGTERM");
    if (!error.isEmpty() || latencies.isEmpty()) {
        m_table.addError(latencyFigure, error.isEmpty() ? QStringLiteral("no plug-in measured") : error);
        return;
    }
    const double limit = polling ? PollLatencyLimitMs : UdevLatencyLimitMs;
    m_table.addRow({ latencyFigure, BenchTable::milliseconds(latencies.median()), QStringLiteral("-"),
                     QStringLiteral("-"), QStringLiteral("<= ") + BenchTable::milliseconds(limit),
                     BenchTable::within(latencies.median(), limit) });
    m_table.addNote(QStringLiteral("7: %1 path (T2Q_HOTPLUG=%2): tavrin2qt-cli station FILE --log LOG watched on its "
                                   "CPU clock for %3 s with no unit, %4 s after its start; then %5 Tavrin II units "
                                   "plugged one at a time at random moments of the %6 ms polling period, each pulled "
                                   "once it received its first output report: from the plug order to that report "
                                   "(the unit server's CLOCK_MONOTONIC), min %7 ms, max %8 ms.")
                        .arg(pathName, path)
                        .arg(m_options.idleSeconds)
                        .arg(StationSettleMs / 1000)
                        .arg(latencies.count())
                        .arg(HotplugMonitor::PollIntervalMs)
                        .arg(latencies.minimum(), 0, 'f', 1)
                        .arg(latencies.maximum(), 0, 'f', 1));
}

void HidrawBench::measureManyUnits()
{
    const QString oneFigure = QStringLiteral("7 station, 1 unit plugged, verified (wall)");
    const QString manyFigure = QStringLiteral("7 station, 16 units plugged at once, verified (wall)");
    std::optional<double> oneMs;
    for (const int count : { 1, 16 }) {
        progress(QStringLiteral("station, %1 plugged at once").arg(units(count)));
        const QString figure = count == 1 ? oneFigure : manyFigure;
        const QString output = file(QStringLiteral("many%1.txt").arg(count));
        Spawned station;
        QString error;
        if (!station.start(m_options.cli,
                           { QStringLiteral("station"), m_profile, QStringLiteral("--log"),
                             file(QStringLiteral("many%1.csv").arg(count)), QStringLiteral("--count"),
                             QString::number(count) },
                           { { QStringLiteral("T2Q_HOTPLUG"), QStringLiteral("udev") } }, output, &error)) {
            m_table.addError(figure, error);
            continue;
        }
        QThread::msleep(StationSettleMs);
        Units plugged;
        const double startNs = monotonicNs();
        for (int i = 0; i < count && error.isEmpty(); ++i)
            plugged.plug(QStringLiteral("many%1").arg(i), serialOf(count * 1000 + i), &error);
        if (error.isEmpty() && !station.wait(RunTimeoutMs))
            error = QStringLiteral("the station did not end within %1 s").arg(RunTimeoutMs / 1000);
        const double ms = (monotonicNs() - startNs) / 1e6;
        if (error.isEmpty() && (station.exitCode() != 0 || verifiedLines(output) != count))
            error = QStringLiteral("status %1, %2 of %3 units verified")
                        .arg(station.exitCode())
                        .arg(verifiedLines(output))
                        .arg(count);
        if (!error.isEmpty()) {
            m_table.addError(figure, error);
            continue;
        }
        if (count == 1) {
            oneMs = ms;
            m_table.addRow({ figure, BenchTable::milliseconds(ms), QStringLiteral("-"), QStringLiteral("-"),
                             QStringLiteral("-"), BenchTable::Verdict::Info });
        } else if (oneMs) {
            const double ratio = ms / *oneMs;
            m_table.addRow({ figure, BenchTable::milliseconds(ms), BenchTable::milliseconds(*oneMs),
                             BenchTable::ratio(ratio), QStringLiteral("<= ") + BenchTable::ratio(ManyUnitsLimit),
                             BenchTable::within(ratio, ManyUnitsLimit) });
        }
    }
    m_table.addNote(QStringLiteral("7: many units: tavrin2qt-cli station FILE --log LOG --count N on the udev path, "
                                   "%1 s after its start N Tavrin II units plugged one right after another; from "
                                   "the first plug order to the station's exit once all N were verified.")
                        .arg(StationSettleMs / 1000));
}

bool parseOptions(const QCoreApplication& app, Options& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Measures tavrin2qt-cli on hidraw units; runs inside tests/hidraw/hidraw-namespace.sh."));
    parser.addHelpOption();
    const QCommandLineOption cli(QStringLiteral("cli"), QStringLiteral("The command line's program."),
                                 QStringLiteral("PATH"));
    const QCommandLineOption plugs(QStringLiteral("plugs"),
                                   QStringLiteral("Plug-ins measured on each hot-plug path (default 9)."),
                                   QStringLiteral("N"), QStringLiteral("9"));
    const QCommandLineOption idle(QStringLiteral("station-idle-seconds"),
                                  QStringLiteral("How long the idle station is watched on each path (default 10)."),
                                  QStringLiteral("N"), QStringLiteral("10"));
    parser.addOptions({ cli, plugs, idle });
    parser.process(app);
    options.cli = parser.value(cli);
    bool plugsOk = false;
    bool idleOk = false;
    options.plugs = parser.value(plugs).toInt(&plugsOk);
    options.idleSeconds = parser.value(idle).toInt(&idleOk);
    if (!plugsOk || options.plugs < 1 || !idleOk || options.idleSeconds < 1) {
        std::fprintf(stderr, "t2q-bench-hidraw: --plugs and --station-idle-seconds take a whole number from 1 up\n");
        return false;
    }
    if (!QFile::exists(options.cli)) {
        std::fprintf(stderr, "t2q-bench-hidraw: --cli %s is not there\n", qPrintable(options.cli));
        return false;
    }
    if (!hidraw::available()) {
        std::fprintf(stderr, "t2q-bench-hidraw: runs only inside tests/hidraw/hidraw-namespace.sh\n");
        return false;
    }
    return true;
}

// The command line's traces are not this program's output.
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(dropMessage);
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(app, options))
        return 2;
    HidrawBench bench(options);
    QString error;
    if (!bench.prepare(&error)) {
        BenchTable table;
        table.addError(QStringLiteral("6, 7 hidraw units"), error);
        std::fputs(table.toLines().constData(), stdout);
        return 0;
    }
    progress(QStringLiteral("write, one unit"));
    bench.measureWriteAll();
    bench.measureStationPath(QStringLiteral("udev"));
    bench.measureStationPath(QStringLiteral("poll"));
    bench.measureManyUnits();
    std::fputs(bench.table().toLines().constData(), stdout);
    return 0;
}
