// Measures the utility's costs side by side with their baselines and prints one table; started by
// scripts/bench. Exit status 1 when a measurement failed, 2 for bad arguments; a missed target is a
// row of the table, not a failure.
#include "BenchDevice.h"
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "BenchTable.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {
// The utility's traces (and Qt's own) are formatted as usual, then dropped: the table is the output.
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

void progress(const char* step)
{
    std::fprintf(stderr, "t2q-bench: %s\n", step);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll().split(' ').mid(0, 3).join(' '));
}

bool parseOptions(const QApplication& app, BenchOptions& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Measures tavrin2qt's costs against their baselines."));
    parser.addHelpOption();
    const QCommandLineOption idle(QStringLiteral("idle-seconds"),
                                  QStringLiteral("How long the idle utility is watched (default 60)."),
                                  QStringLiteral("N"), QStringLiteral("60"));
    const QCommandLineOption startupRuns(QStringLiteral("startup-runs"),
                                         QStringLiteral("Start-up runs of each program (default 10)."),
                                         QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption skipPagers(QStringLiteral("skip-pagers"),
                                        QStringLiteral("Leave out the pager programming (34 s)."));
    const QCommandLineOption skipHidraw(QStringLiteral("skip-hidraw"),
                                        QStringLiteral("Leave out the rows on hidraw units (about 60 s)."));
    const QCommandLineOption stationIdle(
        QStringLiteral("station-idle-seconds"),
        QStringLiteral("How long the idle station is watched on each hot-plug path (default 10)."), QStringLiteral("N"),
        QStringLiteral("10"));
    const QCommandLineOption plugs(QStringLiteral("plugs"),
                                   QStringLiteral("Plug-ins timed on each hot-plug path (default 9)."),
                                   QStringLiteral("N"), QStringLiteral("9"));
    const QCommandLineOption appOption(QStringLiteral("app"), QStringLiteral("The utility's program."),
                                       QStringLiteral("PATH"));
    parser.addOptions({ idle, startupRuns, skipPagers, skipHidraw, stationIdle, plugs, appOption });
    parser.process(app);

    const QString here = QApplication::applicationDirPath();
    options.appProgram
        = parser.isSet(appOption) ? parser.value(appOption) : QDir(here).filePath(QStringLiteral("../app/tavrin2qt"));
    options.bareProgram = QDir(here).filePath(QStringLiteral("t2q-bench-bare"));
    options.readProgram = QDir(here).filePath(QStringLiteral("t2q-bench-read"));
    options.skipPagers = parser.isSet(skipPagers);
    options.skipHidraw = parser.isSet(skipHidraw);
    const auto count = [&parser](const QCommandLineOption& option, int& value) {
        bool ok = false;
        value = parser.value(option).toInt(&ok);
        return ok && value >= 1;
    };
    if (!count(idle, options.idleSeconds) || !count(startupRuns, options.startupRuns)
        || !count(stationIdle, options.stationIdleSeconds) || !count(plugs, options.hidrawPlugs)) {
        std::fprintf(stderr,
                     "t2q-bench: --idle-seconds, --startup-runs, --station-idle-seconds and --plugs take a "
                     "whole number from 1 up\n");
        return false;
    }
    for (const QString& program : { options.appProgram, options.bareProgram, options.readProgram }) {
        if (!QFile::exists(program)) {
            std::fprintf(stderr, "t2q-bench: %s is not there; build first\n", qPrintable(program));
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(dropMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchOptions options;
    if (!parseOptions(app, options))
        return 2;

    options.windowSize = utilityWindowSize();
    const QString loadBefore = loadAverage();
    BenchTable table;
    progress("start-up");
    measureStartup(options, table);
    progress("protocol (about a minute, pagers included)");
    measureProtocol(options, table);
    progress("detection");
    measureDetection(options, table);
    progress("file");
    measureFile(table);
    progress("memory");
    measureMemory(options, table);
    progress("hidraw units (about a minute)");
    measureHidraw(options, table);

    std::printf("tavrin2qt costs, %s, %s build, %d cores, load average %s before and %s after\n\n",
                qPrintable(QDateTime::currentDateTime().toString(Qt::ISODate)), T2Q_BENCH_BUILD_TYPE,
                QThread::idealThreadCount(), qPrintable(loadBefore), qPrintable(loadAverage()));
    std::fputs(qPrintable(table.render()), stdout);
    std::printf("\n%d pass, %d miss, %d info, %d error, %d not measured\n", table.count(BenchTable::Verdict::Pass),
                table.count(BenchTable::Verdict::Miss), table.count(BenchTable::Verdict::Info),
                table.count(BenchTable::Verdict::Error), table.count(BenchTable::Verdict::NotMeasured));
    return table.count(BenchTable::Verdict::Error) ? 1 : 0;
}
