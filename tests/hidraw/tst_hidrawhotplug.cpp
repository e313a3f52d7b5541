// Units arriving and leaving on hidraw nodes, as the hot-plug monitor reports them, on the path that
// T2Q_HOTPLUG names (CTest runs this once for udev and once for polling).
#include "HidrawUnits.h"

#include "usb/HotplugMonitor.h"
#include "usb/OpenRetry.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int DeadlineMs = 5000;

// What a monitor said, in order: "+NODE SERIAL" and "-NODE".
struct Reports
{
    explicit Reports(HotplugMonitor& monitor)
    {
        QObject::connect(&monitor, &HotplugMonitor::unitArrived, &monitor,
                         [this](const QString& node, const QString& serial) { lines << u'+' + node + u' ' + serial; });
        QObject::connect(&monitor, &HotplugMonitor::unitLeft, &monitor,
                         [this](const QString& node) { lines << u'-' + node; });
    }
    int count(const QString& line) const { return int(lines.count(line)); }
    QStringList lines;
};

OpenRetry::Result openOnce(const QString& node, std::atomic<int>* tries)
{
    ++*tries;
    const int fd = ::open(QFile::encodeName(node).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return OpenRetry::fromErrno(errno);
    ::close(fd);
    return OpenRetry::Result::Opened;
}

} // namespace

class tst_HidrawHotplug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void eachUnitReportedOnce();
    void refusedFirstOpenClears();

private:
    QString plugged(const QString& name, const QString& model, quint16 productId = 0, const QString& serial = {},
                    int deniedOpens = 0);

    QStringList m_names;
};

void tst_HidrawHotplug::initTestCase()
{
    HIDRAW_REQUIRE_UNIT_SERVER();
}

void tst_HidrawHotplug::cleanup()
{
    for (const QString& name : std::as_const(m_names))
        hidraw::unplug(name);
    m_names.clear();
}

QString tst_HidrawHotplug::plugged(const QString& name, const QString& model, quint16 productId, const QString& serial,
                                   int deniedOpens)
{
    m_names << name;
    return hidraw::plug(name, model, productId, serial, deniedOpens);
}

void tst_HidrawHotplug::eachUnitReportedOnce()
{
    QStringList expected;
    int serials = 0;
    const auto plug = [&](const QString& name, const QString& model) {
        const QString serial = QStringLiteral("%1").arg(20000 + ++serials, 8, 10, QLatin1Char('0'));
        const QString node = plugged(name, model, 0, serial);
        expected << u'+' + node + u' ' + serial;
        return node;
    };
    const auto unplug = [&](const QString& name, const QString& node) {
        hidraw::unplug(name);
        expected << u'-' + node;
    };
    const auto reported
        = [](const Reports& reports, const QString& node) { return reports.lines.filter(u'+' + node + u' ').size(); };

    const QString first = plug(QStringLiteral("first"), QStringLiteral("tavrin2"));
    HotplugMonitor monitor;
    Reports reports(monitor);
    QVERIFY(monitor.start());
    QCOMPARE(monitor.method(),
             qEnvironmentVariable("T2Q_HOTPLUG") == QLatin1String("poll") ? HotplugMonitor::Method::Polling
                                                                          : HotplugMonitor::Method::Udev);
    // Attached before the start: reported by start() itself.
    QCOMPARE(reports.lines, expected);

    for (const QString& model : { QStringLiteral("tavrin2"), QStringLiteral("dalen"), QStringLiteral("dalen2") }) {
        const QString node = plug(QStringLiteral("next-") + model, model);
        QTRY_COMPARE_WITH_TIMEOUT(reported(reports, node), 1, DeadlineMs);
    }

    // Not a Tavrin: never mentioned.
    plugged(QStringLiteral("foreign"), QStringLiteral("tavrin2"), 0x1234);
    QStringList burst;
    for (int i = 0; i < 12; ++i)
        burst << plug(QStringLiteral("burst%1").arg(i), QStringLiteral("tavrin2"));
    QTRY_COMPARE_WITH_TIMEOUT(monitor.units().size(), 16, DeadlineMs);

    unplug(QStringLiteral("burst0"), burst.at(0));
    QTRY_COMPARE_WITH_TIMEOUT(monitor.units().size(), 15, DeadlineMs);

    // Another unit at the node the first one left: a new unit there, whatever happened between two looks.
    unplug(QStringLiteral("first"), first);
    QCOMPARE(plug(QStringLiteral("swapped"), QStringLiteral("tavrin2")), first);
    QTRY_COMPARE_WITH_TIMEOUT(reported(reports, first), 2, DeadlineMs);
    QCOMPARE(reports.lines.indexOf(u'-' + first), reports.lines.indexOf(expected.last()) - 1);

    // Anything reported twice would have come before the report of a unit plugged last.
    plug(QStringLiteral("last"), QStringLiteral("dalen"));
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(expected.last()), 1, DeadlineMs);
    QStringList heard = reports.lines;
    heard.sort();
    expected.sort();
    QCOMPARE(heard, expected);
    QCOMPARE(monitor.units().size(), 16);
}

void tst_HidrawHotplug::refusedFirstOpenClears()
{
    HotplugMonitor monitor;
    QVERIFY(monitor.start());

    // Timer-driven, on this thread: the node is refused twice, then opens.
    std::atomic<int> tries { 0 };
    std::optional<OpenRetry::Result> result;
    connect(&monitor, &HotplugMonitor::unitArrived, this, [&](const QString& node) {
        OpenRetry::start(
            &monitor, [node, &tries] { return openOnce(node, &tries); },
            [&result](OpenRetry::Result last) { result = last; });
    });
    plugged(QStringLiteral("late-access"), QStringLiteral("tavrin2"), 0, QString(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), DeadlineMs);
    QCOMPARE(*result, OpenRetry::Result::Opened);
    QCOMPARE(tries.load(), 3);

    // Blocking, on a worker: access that never comes is reported after about a second.
    monitor.stop();
    const QString never = plugged(QStringLiteral("no-access"), QStringLiteral("tavrin2"), 0, QString(), 100);
    tries = 0;
    // Atomic: QThread::wait orders it as well, but ThreadSanitizer does not see Qt's waits.
    std::atomic<OpenRetry::Result> last { OpenRetry::Result::Opened };
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QThread> worker(
        QThread::create([&] { last = OpenRetry::run([&] { return openOnce(never, &tries); }); }));
    worker->start();
    QVERIFY(worker->wait(DeadlineMs));
    QCOMPARE(last.load(), OpenRetry::Result::Denied);
    QCOMPARE(tries.load(), OpenRetry::Tries);
    QVERIFY(clock.elapsed() >= (OpenRetry::Tries - 1) * OpenRetry::IntervalMs);
}

QTEST_GUILESS_MAIN(tst_HidrawHotplug)
#include "tst_hidrawhotplug.moc"
