// Start-up: process start to the main window's first paint, against Qt's own cost for an empty
// main window, all programs run in turn so that the machine's load falls on each alike.
#include "BenchDevice.h"
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "BenchTable.h"
#include "ChildRun.h"
#include "Samples.h"

namespace {
const ChildRun::Environment stopAtFirstPaint = { { QStringLiteral("T2Q_EXIT_AFTER_PAINT"), QStringLiteral("1") } };

QString range(const Samples& samples)
{
    return QStringLiteral("%1-%2 ms").arg(samples.minimum(), 0, 'f', 0).arg(samples.maximum(), 0, 'f', 0);
}
} // namespace

void measureStartup(const BenchOptions& options, BenchTable& table)
{
    const QString figure = QStringLiteral("1 start-up to first paint");
    struct Program
    {
        QString path;
        QStringList arguments;
        Samples wallMs;
    };
    Program programs[] = {
        { options.appProgram, { QStringLiteral("--simulate"), QStringLiteral("tavrin2") }, {} },
        { options.bareProgram, {}, {} },
        { options.bareProgram, options.textWindowArguments(), {} },
    };
    // One unmeasured round first: the first start also pays for reading the libraries from disk.
    for (int run = -1; run < options.startupRuns; ++run) {
        for (Program& program : programs) {
            const ChildRun child = ChildRun::run(program.path, program.arguments, stopAtFirstPaint);
            if (!child.problem.isEmpty()) {
                table.addError(figure, child.problem);
                return;
            }
            if (run >= 0)
                program.wallMs.add(child.wallMs);
        }
    }
    const Samples& app = programs[0].wallMs;
    const Samples& bare = programs[1].wallMs;
    const Samples& text = programs[2].wallMs;

    const double deviceWaitMs = double(identificationWaitMs(VirtualTavrin::Model::TavrinII));
    const double net = app.median() - deviceWaitMs;
    const auto row = [&](const QString& name, double value, const Samples& baseline) {
        table.addRow({ figure + name, BenchTable::milliseconds(value), BenchTable::milliseconds(baseline.median()),
                       BenchTable::ratio(value / baseline.median()), QStringLiteral("-"), BenchTable::Verdict::Info });
    };
    row(QStringLiteral(" (raw)"), app.median(), bare);
    row(QStringLiteral(" (less device wait)"), net, bare);
    row(QStringLiteral(" (less device wait) vs text window"), net, text);
    table.addNote(QStringLiteral("1: medians of %1 runs each in turn (utility %2, bare window %3, text window %4), "
                                 "offscreen, --simulate tavrin2 in real time. The first detection identifies the "
                                 "device with one READ whose %5 ms (reply delay and the silent read window) no "
                                 "program can avoid; the second and third rows subtract them. The text window is "
                                 "the bare one at the utility's size (%6x%7) with one label, so it also loads the "
                                 "fonts.")
                      .arg(app.count())
                      .arg(range(app), range(bare), range(text))
                      .arg(deviceWaitMs, 0, 'f', 0)
                      .arg(options.windowSize.width())
                      .arg(options.windowSize.height()));
}
