// Protocol overhead: each operation's wall time on a device that waits as hardware does, against the
// waits its command sequence cannot avoid (read windows in silence and the device's reply delay),
// which a replay of the same operation in virtual time adds up exactly. In the same runs, how long
// the event loop went without a pass, and whether the progress dialog was painted meanwhile.
#include "BenchDevice.h"
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "support/AnsweringPrompter.h"
#include "BenchTable.h"
#include "Samples.h"
#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>

namespace {
constexpr double OverheadLimit = 1.05;
// About three frames: longer, and the window visibly stops following its own repaints.
constexpr double StallLimitMs = 50;

struct Operation
{
    QString name;
    VirtualTavrin::Model model;
    int runs;
    std::function<void(FrmTavrin2Qt&)> run;
    // Brings the form to what the operation starts from; not measured.
    std::function<void(FrmTavrin2Qt&)> prepare;
};

// While it lives: the longest time between two passes of the event loop (a zero timer fires once per
// pass), and the paint events the progress dialog got while the operation waited for the device.
class LoopWatch : public QObject
{
public:
    LoopWatch()
    {
        connect(&m_pass, &QTimer::timeout, this, [this] { pass(); });
        qApp->installEventFilter(this);
        m_clock.start();
        m_pass.start(0);
    }
    ~LoopWatch() override { qApp->removeEventFilter(this); }

    // The longest stall in ms, the time since the last pass included.
    double finish()
    {
        pass();
        m_pass.stop();
        return double(m_longestNs) / 1e6;
    }
    int paintsWhileWaiting() const { return m_paints; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && Tavrin2QtComm::instance()->isBusy()) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window()->objectName() == QLatin1String("Progress"))
                ++m_paints;
        }
        return false;
    }

private:
    void pass()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longestNs = qMax(m_longestNs, now - m_lastNs);
        m_lastNs = now;
    }

    QTimer m_pass;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_longestNs = 0;
    int m_paints = 0;
};

struct Outcome
{
    Samples wallMs;
    double longestStallMs = 0;
    int fewestPaints = -1;
    qint64 unavoidableMs = 0;
    qsizetype commands = 0;
    QString problem;
};

QString modelName(VirtualTavrin::Model model)
{
    switch (model) {
    case VirtualTavrin::Model::DalenTavrin:
        return QStringLiteral("Dalen");
    case VirtualTavrin::Model::DalenTavrin2Button:
        return QStringLiteral("Dalen 2-button");
    default:
        return QStringLiteral("Tavrin II");
    }
}

AlphaProgramData alphaWithGroups()
{
    AlphaProgramData data;
    data.pagerNum = 12;
    data.sysID = 3;
    data.welcomeMsg = QStringLiteral("Welcome to table 12");
    data.grpPagingEnabled = true;
    for (int i = 0; i < int(data.groupModelVector.size()); ++i)
        data.groupModelVector[std::size_t(i)] = GroupModel { 20 + i, QStringLiteral("Group %1").arg(i + 1) };
    return data;
}

// Runs the operation, turning a failure (thrown, or shown to the operator by the window) into a text.
QString attempt(const Operation& operation, FrmTavrin2Qt& window, AnsweringPrompter& prompter)
{
    try {
        operation.run(window);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return prompter.takeShown().join(QStringLiteral(" | "));
}

std::unique_ptr<FrmTavrin2Qt> openWindow(const Operation& operation, AnsweringPrompter& prompter)
{
    FrmTavrin2Qt::resetFirstDetection();
    auto window = std::make_unique<FrmTavrin2Qt>();
    window->show();
    QApplication::processEvents();
    if (operation.prepare)
        operation.prepare(*window);
    prompter.takeShown();
    return window;
}

Outcome measure(const Operation& operation, AnsweringPrompter& prompter)
{
    Outcome outcome;
    VirtualTavrin* device = attachVirtualTavrin(operation.model, true);
    std::unique_ptr<FrmTavrin2Qt> window = openWindow(operation, prompter);
    for (int run = 0; run < operation.runs && outcome.problem.isEmpty(); ++run) {
        device->clearTranscript();
        QElapsedTimer clock;
        LoopWatch loop;
        clock.start();
        outcome.problem = attempt(operation, *window, prompter);
        outcome.wallMs.add(double(clock.nsecsElapsed()) / 1e6);
        outcome.commands = device->transcript().size();
        outcome.longestStallMs = qMax(outcome.longestStallMs, loop.finish());
        const int paints = loop.paintsWhileWaiting();
        outcome.fewestPaints = outcome.fewestPaints < 0 ? paints : qMin(outcome.fewestPaints, paints);
    }
    if (!outcome.problem.isEmpty())
        return outcome;

    VirtualTavrin* replay = attachVirtualTavrin(operation.model, false);
    window = openWindow(operation, prompter);
    replay->clearTranscript();
    replay->resetElapsed();
    outcome.problem = attempt(operation, *window, prompter);
    outcome.unavoidableMs = replay->elapsedMs();
    if (outcome.problem.isEmpty() && replay->transcript().size() != outcome.commands)
        outcome.problem = QStringLiteral("the replay sent %1 commands, the measured runs %2")
                              .arg(replay->transcript().size())
                              .arg(outcome.commands);
    return outcome;
}

QList<Operation> operations(const BenchOptions& options)
{
    const auto read = [](FrmTavrin2Qt& window) { window.pushButtonRead_clicked(); };
    const auto update = [](FrmTavrin2Qt& window) { window.pushButtonUpdateUnit_clicked(); };
    QList<Operation> list;
    for (const auto model : { VirtualTavrin::Model::TavrinII, VirtualTavrin::Model::DalenTavrin,
                              VirtualTavrin::Model::DalenTavrin2Button }) {
        list.append({ QStringLiteral("Read ") + modelName(model), model, options.readRuns, read, {} });
        // Update writes back what the device holds, as after a Read and an edit.
        list.append({ QStringLiteral("Update ") + modelName(model), model, options.protocolRuns, update, read });
    }
    // The same update without the read that checks what the unit took: the difference is that check's cost.
    list.append({ QStringLiteral("Update Tavrin II, unchecked"), VirtualTavrin::Model::TavrinII, options.protocolRuns,
                  [](FrmTavrin2Qt& window) {
                      window.detectTavrin();
                      Tavrin2QtComm::instance()->updateTavrin(window.uiSettings(), false);
                  },
                  read });
    if (!options.skipPagers) {
        list.append({ QStringLiteral("Alpha pager, 5 groups"),
                      VirtualTavrin::Model::TavrinII,
                      1,
                      [](FrmTavrin2Qt&) { Tavrin2QtComm::instance()->programAlphaPager(alphaWithGroups()); },
                      {} });
        list.append(
            { QStringLiteral("Zell pager"),
              VirtualTavrin::Model::TavrinII,
              1,
              [](FrmTavrin2Qt&) { Tavrin2QtComm::instance()->programZellPager(7, 3, ZellVibeOn | ZellManager); },
              {} });
    }
    return list;
}
} // namespace

void measureProtocol(const BenchOptions& options, BenchTable& table)
{
    AnsweringPrompter prompter;
    QStringList counts;
    QMap<QString, double> wallMs;
    // As the utility's entry point does.
    FrmTavrin2Qt::keepResponsiveDuringDeviceWork();
    for (const Operation& operation : operations(options)) {
        const QString figure = QStringLiteral("2 ") + operation.name;
        const Outcome outcome = measure(operation, prompter);
        if (!outcome.problem.isEmpty()) {
            table.addError(figure, outcome.problem);
            continue;
        }
        wallMs.insert(operation.name, outcome.wallMs.median());
        const double ratio = outcome.wallMs.median() / double(outcome.unavoidableMs);
        table.addRow({ figure, BenchTable::milliseconds(outcome.wallMs.median()),
                       BenchTable::milliseconds(double(outcome.unavoidableMs)), BenchTable::ratio(ratio),
                       QStringLiteral("<= ") + BenchTable::ratio(OverheadLimit),
                       BenchTable::within(ratio, OverheadLimit) });
        const bool painted = outcome.fewestPaints > 0;
        table.addRow(
            { figure + QStringLiteral(", longest event-loop stall"), BenchTable::milliseconds(outcome.longestStallMs),
              QStringLiteral("%1 progress paints").arg(outcome.fewestPaints), QString(),
              QStringLiteral("<= ") + BenchTable::milliseconds(StallLimitMs) + QStringLiteral(", painted"),
              painted ? BenchTable::within(outcome.longestStallMs, StallLimitMs) : BenchTable::Verdict::Miss });
        counts
            << QStringLiteral("%1 %2x/%3 cmds").arg(operation.name).arg(outcome.wallMs.count()).arg(outcome.commands);
    }
    const QString checked = QStringLiteral("Update Tavrin II");
    const QString unchecked = QStringLiteral("Update Tavrin II, unchecked");
    if (wallMs.contains(checked) && wallMs.contains(unchecked)) {
        const double verifyMs = wallMs.value(checked) - wallMs.value(unchecked);
        table.addRow({ QStringLiteral("2 Verify after Update Tavrin II"), BenchTable::milliseconds(verifyMs),
                       BenchTable::milliseconds(wallMs.value(checked)),
                       BenchTable::ratio(verifyMs / wallMs.value(checked)), QStringLiteral("-"),
                       BenchTable::Verdict::Info });
    }
    Tavrin2QtComm::instance()->setWaitHook({});
    table.addNote(QStringLiteral("2: wall time in real time (reply delay %1 ms) against the same operation replayed "
                                 "in virtual time, whose clock sums the silent read windows and reply delays; medians "
                                 "of runs x commands sent: %2. Read and Update are the window's buttons (detection, "
                                 "form mapping and progress dialog included; Update ends with the read that checks "
                                 "what the unit took); the pagers the protocol's calls. Verify: Update's median less "
                                 "the unchecked one's, against Update's. Stall: the longest time in any run between "
                                 "two passes of the event loop, measured in the same real-time runs; paints: the "
                                 "fewest paint events any run's progress dialog got while the operation waited for "
                                 "the device.")
                      .arg(VirtualTavrin::RealTimeReplyDelayMs)
                      .arg(counts.join(QStringLiteral(", "))));
}
