// The rows of units served as hidraw nodes: t2q-bench-hidraw measures them inside the private namespaces
// of tests/hidraw/hidraw-namespace.sh (root and /dev/fuse), and hands them over as table lines. Where
// that cannot run, its rows say why they were not measured.
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "BenchTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
const QString Figures = QStringLiteral("6, 7 write --all and station on hidraw units");

void notMeasured(BenchTable& table, const QString& why)
{
    table.addRow({ Figures, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                   BenchTable::Verdict::NotMeasured });
    table.addNote(QStringLiteral("6, 7: not measured: ") + why);
}
} // namespace

void measureHidraw(const BenchOptions& options, BenchTable& table)
{
#ifndef T2Q_BENCH_HIDRAW_SERVER
    Q_UNUSED(options);
    notMeasured(table, QStringLiteral("libfuse3 (libfuse3-dev) was missing when the build was configured"));
#else
    if (options.skipHidraw) {
        notMeasured(table, QStringLiteral("left out (--skip-hidraw)"));
        return;
    }
    const QString here = QCoreApplication::applicationDirPath();
    const QString program = QDir(here).filePath(QStringLiteral("t2q-bench-hidraw"));
    const QString cli = QStringLiteral(T2Q_BENCH_CLI);
    for (const QString& needed : { program, cli, QStringLiteral(T2Q_BENCH_HIDRAW_SERVER) }) {
        if (!QFile::exists(needed)) {
            table.addError(Figures, needed + QStringLiteral(" is not there; build first"));
            return;
        }
    }
    QProcess bench;
    // Its progress lines go where t2q-bench's own go.
    bench.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    bench.start(QStringLiteral("sh"),
                { QStringLiteral(T2Q_BENCH_HIDRAW_NAMESPACE), QStringLiteral(T2Q_BENCH_HIDRAW_SERVER), program,
                  QStringLiteral("--cli"), cli, QStringLiteral("--plugs"), QString::number(options.hidrawPlugs),
                  QStringLiteral("--station-idle-seconds"), QString::number(options.stationIdleSeconds) });
    if (!bench.waitForFinished(20 * 60 * 1000)) {
        bench.kill();
        bench.waitForFinished(5000);
        table.addError(Figures, QStringLiteral("t2q-bench-hidraw did not start or did not end within 20 minutes"));
        return;
    }
    const QByteArray output = bench.readAllStandardOutput();
    const int status = bench.exitStatus() == QProcess::NormalExit ? bench.exitCode() : -1;
    if (status == 77) {
        // hidraw-namespace.sh says why in one line.
        const QByteArray skip = "SKIP: hidraw tests: ";
        const qsizetype at = output.indexOf(skip);
        notMeasured(table,
                    at < 0 ? QStringLiteral("the namespaces could not be made here")
                           : QString::fromLocal8Bit(output.mid(at + skip.size()).split('\n').constFirst()));
        return;
    }
    if (table.addLines(output) == 0 || status != 0)
        table.addError(Figures, QStringLiteral("t2q-bench-hidraw ended with status %1").arg(status));
#endif
}
