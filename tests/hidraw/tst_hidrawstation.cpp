// The built tavrin2qt-cli's station against units plugged in and out of hidraw nodes while it runs, on the
// hot-plug path that T2Q_HOTPLUG names (CTest runs this once for udev and once for polling).
#include "HidrawUnits.h"

#include "config/CfgFieldList.h"
#include "config/CfgFile.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/UsbHid.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

constexpr int DeadlineMs = 20000;

// A station run: its lines as they come.
class Station
{
public:
    explicit Station(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_LOGGING_RULES"));
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(T2Q_CLI_BINARY), QStringList { QStringLiteral("station") } + arguments);
    }
    ~Station()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QStringList lines()
    {
        m_out += QString::fromLocal8Bit(m_process.readAllStandardOutput());
        return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString err()
    {
        m_err += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_err;
    }
    // The lines that end a unit (its serial number in them).
    QStringList linesOf(const QString& serial)
    {
        QStringList ends = lines().filter(serial);
        ends.removeIf([](const QString& line) { return line.endsWith(QStringLiteral(": writing...")); });
        return ends;
    }
    // The lines that say a unit's write began.
    QStringList writingLinesOf(const QString& serial)
    {
        return lines().filter(serial).filter(QRegularExpression(QStringLiteral(": writing\\.\\.\\.$")));
    }
    void signal(int signalNumber) { ::kill(pid_t(m_process.processId()), signalNumber); }
    // The exit status; -1 when it did not end of itself in time.
    int finished()
    {
        if (!m_process.waitForFinished(DeadlineMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        lines();
        err();
        return m_process.exitCode();
    }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
    QString m_out;
    QString m_err;
};

QString serialOf(int i)
{
    return QStringLiteral("%1").arg(40000 + i, 8, 10, QLatin1Char('0'));
}

// Commands that set something: every set command carries its value after a comma.
QStringList setCommands(const QString& name)
{
    return hidraw::transcript(name).filter(QStringLiteral(","));
}

QList<ProvisionRow> logRows(const QString& path)
{
    QList<ProvisionRow> rows;
    QString error;
    if (!ProvisionLog::read(path, rows, error))
        qWarning("%s", qPrintable(error));
    return rows;
}

QStringList serialsOf(const QList<ProvisionRow>& rows, ProvisionRow::Result result)
{
    QStringList serials;
    for (const ProvisionRow& row : rows) {
        if (row.result == result)
            serials << row.serial;
    }
    serials.sort();
    return serials;
}

} // namespace

class TestHidrawStation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void unitsProgrammedAsTheyArrive();
    void killedStationKeepsEveryReportedRow();
    void unitsNumbered();
    void aSecondProgramOnANodeBeingWrittenIsTurnedAway();

private:
    QString plugged(const QString& name, const QString& model, const QString& serial, int deniedOpens = 0)
    {
        if (!m_names.contains(name))
            m_names << name;
        return hidraw::plug(name, model, 0, serial, deniedOpens);
    }
    QString profile(const QString& name, int type, const QString& message = QString());

    QTemporaryDir m_dir;
    QStringList m_names;
};

void TestHidrawStation::initTestCase()
{
    HIDRAW_REQUIRE_UNIT_SERVER();
    QVERIFY(m_dir.isValid());
}

void TestHidrawStation::cleanup()
{
    for (const QString& name : std::as_const(m_names))
        hidraw::unplug(name);
    m_names.clear();
}

QString TestHidrawStation::profile(const QString& name, int type, const QString& message)
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(type);
    if (type == TavrinII) {
        cfg.setSysID(7);
    } else {
        cfg.setDtSysID(7);
        cfg.setDtBtn1SettingMsg(message);
    }
    const QString path = m_dir.filePath(name);
    QString error;
    if (!CfgFile::save(cfg, path, error))
        qWarning("%s", qPrintable(error));
    return path;
}

void TestHidrawStation::unitsProgrammedAsTheyArrive()
{
    const QString file = profile(QStringLiteral("site.t2c"), TavrinII);
    const QString log = m_dir.filePath(QStringLiteral("site.csv"));
    const QRegularExpression verified(QStringLiteral(": written and verified \\("));
    const auto verifiedLines
        = [&](Station& station, const QString& serial) { return station.linesOf(serial).filter(verified).size(); };

    plugged(QStringLiteral("a"), QStringLiteral("tavrin2"), serialOf(1));
    Station station({ file, QStringLiteral("--log"), log });
    QTRY_COMPARE_WITH_TIMEOUT(verifiedLines(station, serialOf(1)), 1, DeadlineMs);
    QCOMPARE(station.lines().constFirst(), QStringLiteral("Waiting for units; Ctrl+C to stop."));

    // One after another, then three at once.
    plugged(QStringLiteral("b"), QStringLiteral("tavrin2"), serialOf(2));
    QTRY_COMPARE_WITH_TIMEOUT(verifiedLines(station, serialOf(2)), 1, DeadlineMs);
    for (int i : { 3, 4, 5 })
        plugged(QStringLiteral("burst%1").arg(i), QStringLiteral("tavrin2"), serialOf(i));
    for (int i : { 3, 4, 5 })
        QTRY_COMPARE_WITH_TIMEOUT(verifiedLines(station, serialOf(i)), 1, DeadlineMs);

    // A unit of another model: refused with no set command.
    plugged(QStringLiteral("other"), QStringLiteral("dalen2"), serialOf(6));
    QTRY_COMPARE_WITH_TIMEOUT(station.linesOf(serialOf(6)).filter(QStringLiteral("FAILED")).size(), 1, DeadlineMs);
    QCOMPARE(setCommands(QStringLiteral("other")), QStringList());

    // Access to the node comes a moment after the unit.
    plugged(QStringLiteral("late"), QStringLiteral("tavrin2"), serialOf(7), 2);
    QTRY_COMPARE_WITH_TIMEOUT(verifiedLines(station, serialOf(7)), 1, DeadlineMs);

    // Unplugged in the middle of the write.
    plugged(QStringLiteral("pulled"), QStringLiteral("tavrin2"), serialOf(8));
    hidraw::fault(QStringLiteral("pulled"), QStringLiteral("unplug-after-commands"), 8);
    QTRY_COMPARE_WITH_TIMEOUT(station.linesOf(serialOf(8)).size(), 1, DeadlineMs);
    QVERIFY2(
        station.linesOf(serialOf(8)).constFirst().contains(QStringLiteral("FAILED: unplugged before it was verified")),
        qPrintable(station.linesOf(serialOf(8)).constFirst()));

    // A second station on the same log refuses.
    Station second({ file, QStringLiteral("--log"), log });
    QCOMPARE(second.finished(), 1);
    QVERIFY2(second.lines().isEmpty() && !second.err().isEmpty(), qPrintable(second.err()));

    // A verified unit plugged in again: left alone, named with its time as logged.
    hidraw::unplug(QStringLiteral("a"));
    plugged(QStringLiteral("a"), QStringLiteral("tavrin2"), serialOf(1));
    QTRY_COMPARE_WITH_TIMEOUT(station.linesOf(serialOf(1)).size(), 2, DeadlineMs);
    QList<ProvisionRow> rows = logRows(log);
    QCOMPARE(rows.constFirst().serial, serialOf(1));
    QVERIFY2(station.linesOf(serialOf(1))
                 .constLast()
                 .endsWith(QStringLiteral("%1 was already provisioned with this profile on %2")
                               .arg(serialOf(1), rows.constFirst().time.toUTC().toString(Qt::ISODate))),
             qPrintable(station.linesOf(serialOf(1)).constLast()));
    QCOMPARE(setCommands(QStringLiteral("a")), QStringList());

    // SIGTERM while a unit is written: it is finished, then the station ends.
    plugged(QStringLiteral("last"), QStringLiteral("tavrin2"), serialOf(9));
    QTRY_VERIFY_WITH_TIMEOUT(!setCommands(QStringLiteral("last")).isEmpty(), DeadlineMs);
    station.signal(SIGTERM);
    QCOMPARE(station.finished(), 1);
    QCOMPARE(verifiedLines(station, serialOf(9)), 1);
    // Picked up first: its node, port, model and serial number before the write's end.
    const QStringList picked = station.writingLinesOf(serialOf(9));
    QCOMPARE(picked.size(), 1);
    QVERIFY2(picked.constFirst().contains(
                 QRegularExpression(QStringLiteral("^/dev/hidraw\\d+ .*Tavrin II %1: writing").arg(serialOf(9)))),
             qPrintable(picked.constFirst()));
    QVERIFY(station.lines().indexOf(picked.constFirst())
            < station.lines().indexOf(station.linesOf(serialOf(9)).constLast()));
    // The unit plugged in again and left alone is one unit, counted by its write.
    QCOMPARE(station.lines().constLast(), QStringLiteral("7 written and verified, 2 failed"));

    // Each unit programmed once (one System ID command each); a row per unit tried, none for the skipped one.
    for (const QString& name : { QStringLiteral("b"), QStringLiteral("burst3"), QStringLiteral("burst4"),
                                 QStringLiteral("burst5"), QStringLiteral("late") })
        QCOMPARE(setCommands(name).filter(QRegularExpression(QStringLiteral("^RID,"))).size(), 1);
    rows = logRows(log);
    QCOMPARE(rows.size(), 9);
    QCOMPARE(
        serialsOf(rows, ProvisionRow::Result::Verified),
        QStringList({ serialOf(1), serialOf(2), serialOf(3), serialOf(4), serialOf(5), serialOf(7), serialOf(9) }));
    QCOMPARE(serialsOf(rows, ProvisionRow::Result::Failed), QStringList({ serialOf(6), serialOf(8) }));

    // Written again when asked; the count ends the station.
    cleanup();
    plugged(QStringLiteral("a"), QStringLiteral("tavrin2"), serialOf(1));
    Station again({ file, QStringLiteral("--log"), log, QStringLiteral("--again"), QStringLiteral("--count"),
                    QStringLiteral("1") });
    QCOMPARE(again.finished(), 0);
    QCOMPARE(verifiedLines(again, serialOf(1)), 1);
    QCOMPARE(logRows(log).size(), 10);
}

void TestHidrawStation::killedStationKeepsEveryReportedRow()
{
    const QString file = profile(QStringLiteral("kill.t2c"), TavrinII);
    const QString log = m_dir.filePath(QStringLiteral("kill.csv"));
    Station station({ file, QStringLiteral("--log"), log });
    for (int i = 20; i < 26; ++i)
        plugged(QStringLiteral("k%1").arg(i), QStringLiteral("tavrin2"), serialOf(i));
    QTRY_VERIFY_WITH_TIMEOUT(station.lines().filter(QStringLiteral("written and verified")).size() >= 2, DeadlineMs);
    station.signal(SIGKILL);
    QCOMPARE(station.finished(), -1);
    const QStringList reported = station.lines().filter(QStringLiteral("written and verified"));
    const QStringList logged = serialsOf(logRows(log), ProvisionRow::Result::Verified);
    for (const QString& line : reported) {
        const QString serial = line.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), -1);
        QVERIFY2(logged.contains(serial), qPrintable(line));
    }

    // A second Ctrl+C stops at once: the unit being written is counted and logged failed, with its number.
    cleanup();
    const QString stopLog = m_dir.filePath(QStringLiteral("stop.csv"));
    plugged(QStringLiteral("stalled"), QStringLiteral("tavrin2"), serialOf(27));
    Station stopped({ file, QStringLiteral("--log"), stopLog, QStringLiteral("--number-from"), QStringLiteral("7") });
    QTRY_VERIFY2_WITH_TIMEOUT(stopped.writingLinesOf(serialOf(27)).size() == 1,
                              qPrintable(stopped.lines().join('\n') + stopped.err()), DeadlineMs);
    // Its write hangs from now on.
    hidraw::fault(QStringLiteral("stalled"), QStringLiteral("stall-writes"), 0);
    stopped.signal(SIGINT);
    QTRY_VERIFY_WITH_TIMEOUT(stopped.err().contains(QStringLiteral("a second signal stops at once")), DeadlineMs);
    stopped.signal(SIGINT);
    QCOMPARE(stopped.finished(), 1);
    QVERIFY2(stopped.err().contains(QStringLiteral("left unverified: /dev/hidraw")), qPrintable(stopped.err()));
    QCOMPARE(stopped.lines().constLast(), QStringLiteral("0 written and verified, 1 failed"));
    const QList<ProvisionRow> rows = logRows(stopLog);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.constFirst().serial, serialOf(27));
    QCOMPARE(rows.constFirst().result, ProvisionRow::Result::Failed);
    QCOMPARE(rows.constFirst().message, QStringLiteral("stopped before it was verified"));
    QCOMPARE(rows.constFirst().number, 7);
}

void TestHidrawStation::unitsNumbered()
{
    const QString file = profile(QStringLiteral("tables.t2c"), DalenTavrin2Button, QStringLiteral("Table {n}"));
    const QString log = m_dir.filePath(QStringLiteral("tables.csv"));
    const auto numbered = [](Station& station, const QString& serial, int number) {
        return station.linesOf(serial)
            .filter(QRegularExpression(QStringLiteral("^#%1 .*: written and verified").arg(number)))
            .size();
    };

    // Without numbering, "{n}" would reach every unit as it stands.
    Station unnumbered({ file, QStringLiteral("--log"), log });
    QCOMPARE(unnumbered.finished(), 1);
    QVERIFY2(unnumbered.err().contains(QStringLiteral("{n}")), qPrintable(unnumbered.err()));
    QVERIFY(logRows(log).isEmpty());

    Station station({ file, QStringLiteral("--log"), log, QStringLiteral("--number-from"), QStringLiteral("12") });
    plugged(QStringLiteral("t1"), QStringLiteral("dalen2"), serialOf(31));
    QTRY_COMPARE_WITH_TIMEOUT(numbered(station, serialOf(31), 12), 1, DeadlineMs);
    // A unit that fails once its number was sent keeps it; the next unit gets the next.
    plugged(QStringLiteral("broken"), QStringLiteral("dalen2"), serialOf(39));
    hidraw::fault(QStringLiteral("broken"), QStringLiteral("unplug-after-commands"), 4);
    QTRY_COMPARE_WITH_TIMEOUT(station.linesOf(serialOf(39))
                                  .filter(QStringLiteral("It now holds number 13: plug it in again to finish it."))
                                  .size(),
                              1, DeadlineMs);
    plugged(QStringLiteral("t2"), QStringLiteral("dalen2"), serialOf(32));
    QTRY_COMPARE_WITH_TIMEOUT(numbered(station, serialOf(32), 14), 1, DeadlineMs);
    plugged(QStringLiteral("t3"), QStringLiteral("dalen2"), serialOf(33));
    QTRY_COMPARE_WITH_TIMEOUT(numbered(station, serialOf(33), 15), 1, DeadlineMs);
    for (int i : { 1, 2, 3 }) {
        const QString name = QStringLiteral("t%1").arg(i);
        const int number = i == 1 ? 12 : 12 + i;
        QCOMPARE(hidraw::setting(name, QStringLiteral("UID")), QStringLiteral("UID,%1").arg(number));
        QVERIFY2(hidraw::setting(name, QStringLiteral("BUT0")).contains(QStringLiteral(",Table %1").arg(number)),
                 qPrintable(hidraw::setting(name, QStringLiteral("BUT0"))));
    }
    // Plugged in again: keeps its number and is left alone.
    hidraw::unplug(QStringLiteral("t1"));
    plugged(QStringLiteral("t1"), QStringLiteral("dalen2"), serialOf(31));
    QTRY_COMPARE_WITH_TIMEOUT(station.linesOf(serialOf(31)).size(), 2, DeadlineMs);
    QVERIFY2(station.linesOf(serialOf(31)).constLast().startsWith(QStringLiteral("#12 ")),
             qPrintable(station.linesOf(serialOf(31)).constLast()));
    QVERIFY(station.linesOf(serialOf(31)).constLast().contains(QStringLiteral("already provisioned")));
    station.signal(SIGINT);
    QCOMPARE(station.finished(), 1);
    QCOMPARE(logRows(log).constLast().number, 15);

    // Started again on the same log: the next number.
    Station restarted({ file, QStringLiteral("--log"), log, QStringLiteral("--count"), QStringLiteral("1") });
    plugged(QStringLiteral("t4"), QStringLiteral("dalen2"), serialOf(34));
    QCOMPARE(restarted.finished(), 0);
    QCOMPARE(numbered(restarted, serialOf(34), 16), 1);
    QCOMPARE(hidraw::setting(QStringLiteral("t4"), QStringLiteral("UID")), QStringLiteral("UID,16"));
    cleanup();

    // Three numbers for four units (and a reference unit left out, which takes none).
    const QString listLog = m_dir.filePath(QStringLiteral("list.csv"));
    for (int i = 41; i <= 45; ++i)
        plugged(QStringLiteral("n%1").arg(i), QStringLiteral("dalen2"), serialOf(i));
    Station listed({ file, QStringLiteral("--log"), listLog, QStringLiteral("--numbers"), QStringLiteral("5,9-10"),
                     QStringLiteral("--exclude-serial"), serialOf(45) });
    QCOMPARE(listed.finished(), 1);
    QCOMPARE(listed.lines().constFirst(), QStringLiteral("Waiting for units (3 to do); Ctrl+C to stop."));
    QStringList numbers;
    for (const QString& line : listed.lines().filter(QRegularExpression(QStringLiteral("^#.*written and verified"))))
        numbers << line.section(QLatin1Char(' '), 0, 0);
    numbers.sort();
    QCOMPARE(numbers, QStringList({ "#10", "#5", "#9" }));
    QCOMPARE(listed.lines().filter(QStringLiteral("FAILED: no number left in 5,9-10")).size(), 1);
    // It stopped taking units by itself when the list ran out, once the units in flight had finished.
    QVERIFY2(listed.err().contains(QStringLiteral("The station takes no more units: no number left in 5,9-10.\n")),
             qPrintable(listed.err()));
    // The reference unit may be left alone before the stop or never be taken at all.
    QVERIFY2(QRegularExpression(QStringLiteral("^3 written and verified, 1 failed(, 1 skipped)?, 0 to do$"))
                 .match(listed.lines().constLast())
                 .hasMatch(),
             qPrintable(listed.lines().constLast()));
    QCOMPARE(setCommands(QStringLiteral("n45")), QStringList());
    QCOMPARE(logRows(listLog).size(), 4);
    cleanup();

    // Too long once its number is in: refused before any set command, the field and the number named.
    QString message = QStringLiteral("Table {n} ");
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin2Button);
    Tavrin2QtComm checker;
    for (;; message += QLatin1Char('x')) {
        cfg.setDtBtn1SettingMsg(message);
        try {
            checker.checkUpdateSendable(NumberedProfile::forUnit(cfg, 1000));
        } catch (const UsbHidException&) {
            break;
        }
        if (!CfgFieldList::overLimitFields(NumberedProfile::forUnit(cfg, 1000)).isEmpty())
            break;
    }
    const QString longFile = profile(QStringLiteral("long.t2c"), DalenTavrin2Button, message);
    plugged(QStringLiteral("long"), QStringLiteral("dalen2"), serialOf(50));
    Station tooLong({ longFile, QStringLiteral("--log"), m_dir.filePath(QStringLiteral("long.csv")),
                      QStringLiteral("--number-from"), QStringLiteral("1000"), QStringLiteral("--idle-exit"),
                      QStringLiteral("1") });
    QCOMPARE(tooLong.finished(), 1);
    const QStringList refused = tooLong.linesOf(serialOf(50));
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused.constFirst().contains(QStringLiteral("1000"))
                 && refused.constFirst().contains(QStringLiteral(" long")),
             qPrintable(refused.constFirst()));
    QCOMPARE(setCommands(QStringLiteral("long")), QStringList());
}

// Another tavrin2qt-cli write on a node in the middle of the station's write: it is refused before it sends
// anything, and the station's write goes on to be verified as if alone.
void TestHidrawStation::aSecondProgramOnANodeBeingWrittenIsTurnedAway()
{
    const QString file = profile(QStringLiteral("shared.t2c"), TavrinII);
    const QString log = m_dir.filePath(QStringLiteral("shared.csv"));
    plugged(QStringLiteral("alone"), QStringLiteral("tavrin2"), serialOf(60));
    const QString node = plugged(QStringLiteral("busy"), QStringLiteral("tavrin2"), serialOf(61));
    // After identification (five READs), the clock and the System ID, the station's next command waits for release.
    hidraw::fault(QStringLiteral("busy"), QStringLiteral("hold-after-commands"), 7);
    Station station({ file, QStringLiteral("--log"), log, QStringLiteral("--count"), QStringLiteral("2") });
    // Before the station is waited for, whatever the test's end: its write cannot end while held.
    const auto release = qScopeGuard([] { hidraw::order(QStringLiteral("release busy")); });
    QTRY_VERIFY2_WITH_TIMEOUT(hidraw::order(QStringLiteral("held busy")).toInt() > 0,
                              qPrintable(station.lines().join(u'\n') + station.err()), DeadlineMs);
    QVERIFY2(setCommands(QStringLiteral("busy")).size() == 2,
             qPrintable(hidraw::transcript(QStringLiteral("busy")).join(u' ')));

    QProcess second;
    second.start(QStringLiteral(T2Q_CLI_BINARY), { QStringLiteral("write"), QStringLiteral("--device"), node, file });
    const bool secondEnded = second.waitForFinished(DeadlineMs);
    hidraw::order(QStringLiteral("release busy"));
    QVERIFY(secondEnded);
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(second.readAllStandardError()),
             QStringLiteral("The Tavrin at %1 is in use by another program.\n").arg(node));
    QCOMPARE(second.readAllStandardOutput(), QByteArray());

    QCOMPARE(station.finished(), 0);
    QVERIFY2(station.err().isEmpty(), qPrintable(station.err()));
    const QRegularExpression unitLine(QStringLiteral("^/dev/hidraw\\d+ \\(port [\\d.-]+\\) Tavrin II \\d{8}: "
                                                     "(writing\\.\\.\\.|written and verified \\(\\d+\\.\\d s\\))$"));
    QStringList lines = station.lines();
    QCOMPARE(lines.takeFirst(), QStringLiteral("Waiting for units (2 to do); Ctrl+C to stop."));
    QCOMPARE(lines.takeLast(), QStringLiteral("2 written and verified, 0 failed, 0 to do"));
    QCOMPARE(lines.size(), 4);
    for (const QString& line : std::as_const(lines))
        QVERIFY2(unitLine.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(station.linesOf(serialOf(61)).filter(QStringLiteral(": written and verified (")).size(), 1);
    QCOMPARE(serialsOf(logRows(log), ProvisionRow::Result::Verified), QStringList({ serialOf(60), serialOf(61) }));

    // The unit heard the station alone: the same commands as the unit nobody else reached.
    static const QRegularExpression clock(QStringLiteral("^SETT,\\d+,\\d+$"));
    const auto commands = [](const QString& name) {
        QStringList lines = hidraw::transcript(name);
        lines.replaceInStrings(clock, QStringLiteral("SETT,hh,mm"));
        return lines;
    };
    QVERIFY(commands(QStringLiteral("alone")).size() > 5);
    QCOMPARE(commands(QStringLiteral("busy")), commands(QStringLiteral("alone")));
    QCOMPARE(hidraw::setting(QStringLiteral("busy"), QStringLiteral("RID")), QStringLiteral("RID,7"));
}

QTEST_GUILESS_MAIN(TestHidrawStation)
#include "tst_hidrawstation.moc"
