// Memory: the utility's peak resident memory after a Read, against Qt's own for an empty main window.
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "BenchTable.h"
#include "ChildRun.h"
#include "Samples.h"

namespace {
constexpr double MemoryLimit = 1.5;

QString mebibytes(double kib)
{
    return QString::number(kib / 1024, 'f', 1) + QStringLiteral(" MiB");
}
} // namespace

void measureMemory(const BenchOptions& options, BenchTable& table)
{
    const QString figure = QStringLiteral("5 peak memory after a Read");
    const QByteArray key = QByteArrayLiteral("peak-kib");
    const ChildRun::Environment stopAtFirstPaint = { { QStringLiteral("T2Q_EXIT_AFTER_PAINT"), QStringLiteral("1") } };
    struct Program
    {
        QString path;
        QStringList arguments;
        ChildRun::Environment environment;
        Samples peakKiB;
    };
    Program programs[] = {
        { options.readProgram, {}, {}, {} },
        { options.bareProgram, { QStringLiteral("--report-peak") }, stopAtFirstPaint, {} },
        { options.bareProgram, options.textWindowArguments() << QStringLiteral("--report-peak"), stopAtFirstPaint, {} },
    };
    for (int run = 0; run < options.memoryRuns; ++run) {
        for (Program& program : programs) {
            const ChildRun child = ChildRun::run(program.path, program.arguments, program.environment);
            if (!child.problem.isEmpty() || child.outputValue(key) <= 0) {
                table.addError(figure, child.problem.isEmpty() ? QStringLiteral("no peak reported") : child.problem);
                return;
            }
            program.peakKiB.add(double(child.outputValue(key)));
        }
    }
    const double utility = programs[0].peakKiB.median();
    const double bare = programs[1].peakKiB.median();
    const double text = programs[2].peakKiB.median();
    table.addRow({ figure, mebibytes(utility), mebibytes(bare), BenchTable::ratio(utility / bare),
                   QStringLiteral("<= ") + BenchTable::ratio(MemoryLimit),
                   BenchTable::within(utility / bare, MemoryLimit) });
    table.addRow({ figure + QStringLiteral(" vs text window"), mebibytes(utility), mebibytes(text),
                   BenchTable::ratio(utility / text), QStringLiteral("-"), BenchTable::Verdict::Info });
    table.addNote(QStringLiteral("5: VmHWM read by each process itself, median of %1 runs each: the utility's window "
                                 "(translations, virtual Tavrin II) first painted then Read, against the bare window "
                                 "and the text window (as in 1) first painted.")
                      .arg(options.memoryRuns));
}
