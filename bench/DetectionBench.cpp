// Detection: the CPU one detection costs with the device open (it must cause no device traffic) and
// with no device on the real HID backend, and the share of a core the idle utility takes, which is
// mostly its detection timer.
#include "BenchDevice.h"
#include "BenchFigures.h"
#include "BenchOptions.h"
#include "support/AnsweringPrompter.h"
#include "BenchTable.h"
#include "CpuClock.h"
#include "Samples.h"
#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/UsbHid.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <optional>

#include <ctime>

#include <unistd.h>

namespace {
constexpr int DeviceOpenCalls = 1000;
constexpr int NoDeviceCalls = 100;
constexpr double DetectionCpuLimitUs = 1000;
constexpr double IdleShareLimitPercent = 0.5;
// Start-up and the first detection are over by then; only the idle state is measured.
constexpr int IdleSettleMs = 2000;

template<typename Call> Samples cpuPerCall(int calls, Call call)
{
    Samples samples;
    for (int i = 0; i < calls; ++i) {
        const qint64 before = processCpuNs();
        call();
        samples.add(double(processCpuNs() - before) / 1e3);
    }
    return samples;
}

// CPU time of the whole process in nanoseconds, ended threads included, from the kernel's own
// accounting; absent where another process's clock cannot be read.
std::optional<qint64> processCpuNsOf(qint64 pid)
{
    clockid_t clock {};
    timespec now {};
    if (clock_getcpuclockid(pid_t(pid), &clock) != 0 || clock_gettime(clock, &now) != 0)
        return std::nullopt;
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// utime + stime of a process, in clock ticks.
std::optional<qint64> cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = stat.readAll();
    // The command name may hold spaces; the fields after it start with the state (field 3).
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

void measureDetectionCalls(BenchTable& table)
{
    AnsweringPrompter prompter;
    VirtualTavrin* device = attachVirtualTavrin(VirtualTavrin::Model::TavrinII, true);
    FrmTavrin2Qt::resetFirstDetection();
    FrmTavrin2Qt window;
    device->clearTranscript();
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    const Samples connect = cpuPerCall(DeviceOpenCalls, [comm] { comm->connectTavrin(); });
    const Samples detect = cpuPerCall(DeviceOpenCalls, [&window] { window.detectTavrin(); });
    const qsizetype traffic = device->transcript().size();
    const QStringList prompts = prompter.takeShown();

    const QString openFigure = QStringLiteral("3 detection, device open (CPU)");
    if (!prompts.isEmpty()) {
        table.addError(openFigure, prompts.join(QStringLiteral(" | ")));
    } else {
        const bool pass = traffic == 0 && detect.median() < DetectionCpuLimitUs;
        table.addRow({ openFigure, BenchTable::microseconds(detect.median()), QStringLiteral("-"), QStringLiteral("-"),
                       QStringLiteral("< 1000 us, 0 cmds"),
                       pass ? BenchTable::Verdict::Pass : BenchTable::Verdict::Miss });
        table.addNote(QStringLiteral("3: device open: median of %1 calls of the window's detectTavrin (mean %2 us; "
                                     "connectTavrin alone %3 us), each timed with the process CPU clock, whose own "
                                     "call is included; commands sent meanwhile: %4.")
                          .arg(DeviceOpenCalls)
                          .arg(detect.mean(), 0, 'f', 2)
                          .arg(connect.median(), 0, 'f', 2)
                          .arg(traffic));
    }

    // The real backend with nothing of ours attached: enumeration filtered by the vendor ID finds nothing.
    UsbHid::setBackend(nullptr);
    comm->reset();
    const Samples absent = cpuPerCall(NoDeviceCalls, [&window] { window.detectTavrin(); });
    table.addRow({ QStringLiteral("3 detection, no device, hidapi (CPU)"), BenchTable::microseconds(absent.median()),
                   QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), BenchTable::Verdict::Info });
    table.addNote(QStringLiteral("3: no device: median of %1 calls of detectTavrin on the hidapi backend (each a "
                                 "vendor-filtered enumeration ending in NoDeviceFound, silent after start-up); "
                                 "prompts: %2.")
                      .arg(NoDeviceCalls)
                      .arg(prompter.takeShown().size()));
}

void measureIdle(const BenchOptions& options, BenchTable& table)
{
    const QString figure = QStringLiteral("3 idle utility (share of a core)");
    QProcess utility;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    utility.setProcessEnvironment(environment);
    utility.setStandardOutputFile(QProcess::nullDevice());
    utility.setStandardErrorFile(QProcess::nullDevice());
    utility.start(options.appProgram, { QStringLiteral("--simulate"), QStringLiteral("tavrin2") });
    if (!utility.waitForStarted()) {
        table.addError(figure, utility.errorString());
        return;
    }
    QThread::msleep(IdleSettleMs);
    const qint64 pid = utility.processId();
    const std::optional<qint64> before = cpuTicks(pid);
    const std::optional<qint64> clockBefore = processCpuNsOf(pid);
    QElapsedTimer watch;
    watch.start();
    QThread::sleep(options.idleSeconds);
    const std::optional<qint64> after = cpuTicks(pid);
    const std::optional<qint64> clockAfter = processCpuNsOf(pid);
    const double seconds = double(watch.nsecsElapsed()) / 1e9;
    const bool stayed = utility.state() == QProcess::Running;
    utility.terminate();
    if (!utility.waitForFinished(5000)) {
        utility.kill();
        utility.waitForFinished(5000);
    }
    if (!before || !after || !stayed) {
        table.addError(figure, QStringLiteral("the utility ended or its /proc entry could not be read"));
        return;
    }
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    const double tickPercent = double(*after - *before) / ticksPerSecond / seconds * 100;
    // The process clock is finer than the ticks (1/100 s), which stand alone where it cannot be read.
    const bool fine = clockBefore && clockAfter;
    const double clockMs = fine ? double(*clockAfter - *clockBefore) / 1e6 : 0;
    const double percent = fine ? clockMs / 1e3 / seconds * 100 : tickPercent;
    table.addRow({ figure, QString::number(percent, 'f', 4) + QStringLiteral(" %"), QStringLiteral("-"),
                   QStringLiteral("-"),
                   QStringLiteral("< ") + QString::number(IdleShareLimitPercent) + QStringLiteral(" %"),
                   BenchTable::within(percent, IdleShareLimitPercent) });
    table.addNote(QStringLiteral("3: idle: tavrin2qt --simulate tavrin2 (offscreen) watched for %1 s after %2 s to "
                                 "settle: %3 ms on its CPU clock%4, utime+stime %5 ticks of 1/%6 s "
                                 "(%7 %).")
                      .arg(seconds, 0, 'f', 1)
                      .arg(IdleSettleMs / 1000)
                      .arg(clockMs, 0, 'f', 1)
                      .arg(fine ? QString() : QStringLiteral(" (not available: the ticks are the value)"))
                      .arg(*after - *before)
                      .arg(ticksPerSecond, 0, 'f', 0)
                      .arg(tickPercent, 0, 'f', 3));
}
} // namespace

void measureDetection(const BenchOptions& options, BenchTable& table)
{
    measureDetectionCalls(table);
    measureIdle(options, table);
}
