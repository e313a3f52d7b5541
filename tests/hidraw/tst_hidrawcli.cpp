#include "HidrawUnits.h"

#include "config/CfgFile.h"
#include "usb/UsbPort.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The built tavrin2qt-cli against virtual units behind hidraw nodes: hidapi, libudev and the
// node's read, write, poll and ioctl calls as a user's device meets them.
class TestHidrawCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void detectReadWriteAndReadBack_data();
    void detectReadWriteAndReadBack();
    void unitOfAnotherProductIdIsIgnored();
    void answerCutAnywhereNeverSavesOtherSettings();
    void twoUnitsNeedAChoice();
    void aUnitInUseByAnotherProgramIsLeftAlone();
    void failuresOnTheNodeEndInOneClearMessage_data();
    void failuresOnTheNodeEndInOneClearMessage();

private:
    struct Result
    {
        int status = -1;
        QString out;
        QString err;
        qint64 elapsedMs = 0;
    };
    Result run(const QStringList& arguments);

    QTemporaryDir m_dir;
    QStringList m_units;
};

namespace {
const QString lostCommunication
    = QStringLiteral("Lost communication to Tavrin\nPlease remove then re-attach Tavrin to PC\n");
const QString noDevice = QStringLiteral("No Tavrin device found\nPlease verify Tavrin is connected to PC\n");
} // namespace

void TestHidrawCli::initTestCase()
{
    HIDRAW_REQUIRE_UNIT_SERVER();
    QVERIFY(m_dir.isValid());
}

void TestHidrawCli::cleanup()
{
    for (const QString& unit : std::as_const(m_units))
        hidraw::unplug(unit);
    m_units.clear();
}

TestHidrawCli::Result TestHidrawCli::run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(T2Q_CLI_BINARY), arguments);
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.elapsedMs = clock.elapsed();
    result.status = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

void TestHidrawCli::detectReadWriteAndReadBack_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("modelName");
    QTest::newRow("Tavrin II") << "tavrin2"
                               << "Tavrin II";
    QTest::newRow("Dalen Tavrin - 2 Button") << "dalen2"
                                             << "Dalen Tavrin - 2 Button";
}

void TestHidrawCli::detectReadWriteAndReadBack()
{
    QFETCH(QString, model);
    QFETCH(QString, modelName);
    const bool dalen = model != QLatin1String("tavrin2");
    m_units << QStringLiteral("unit");
    QVERIFY(!hidraw::plug(QStringLiteral("unit"), model).isEmpty());
    hidraw::order(QStringLiteral("execute unit RID,4"));

    const Result detected = run({ QStringLiteral("detect") });
    QVERIFY2(detected.status == 0, qPrintable(detected.err));
    QVERIFY2(detected.out.contains(modelName), qPrintable(detected.out));

    const QString readPath = m_dir.filePath(model + QStringLiteral("-read.t2c"));
    const Result read = run({ QStringLiteral("read"), QStringLiteral("--output"), readPath });
    QVERIFY2(read.status == 0, qPrintable(read.err));
    QString error;
    std::unique_ptr<Tavrin2QtCfg> cfg = CfgFile::load(readPath, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(int(cfg->tavrinType()), dalen ? int(DalenTavrin2Button) : int(TavrinII));
    QCOMPARE(dalen ? cfg->dtSysID() : cfg->sysID(), 4);

    dalen ? cfg->setDtSysID(11) : cfg->setSysID(11);
    const QString writePath = m_dir.filePath(model + QStringLiteral("-write.t2c"));
    QVERIFY2(CfgFile::save(*cfg, writePath, error), qPrintable(error));
    const Result written = run({ QStringLiteral("write"), writePath });
    QVERIFY2(written.status == 0, qPrintable(written.err));
    QCOMPARE(hidraw::setting(QStringLiteral("unit"), QStringLiteral("RID")), QStringLiteral("RID,11"));

    const Result readBack = run({ QStringLiteral("read"), QStringLiteral("--output"), readPath });
    QVERIFY2(readBack.status == 0, qPrintable(readBack.err));
    cfg = CfgFile::load(readPath, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(dalen ? cfg->dtSysID() : cfg->sysID(), 11);
}

void TestHidrawCli::unitOfAnotherProductIdIsIgnored()
{
    m_units << QStringLiteral("other") << QStringLiteral("tavrin");
    QVERIFY(!hidraw::plug(QStringLiteral("other"), QStringLiteral("tavrin2"), 0xAA56).isEmpty());
    const Result alone = run({ QStringLiteral("detect") });
    QCOMPARE(alone.err, noDevice);
    QCOMPARE(alone.status, 1);

    // Listed first, and still passed over for the unit behind it.
    QVERIFY(!hidraw::plug(QStringLiteral("tavrin"), QStringLiteral("tavrin2")).isEmpty());
    const Result both = run({ QStringLiteral("detect") });
    QCOMPARE(both.status, 0);
    QVERIFY2(both.out.contains(QStringLiteral("Tavrin II")), qPrintable(both.out));
    QCOMPARE(hidraw::opens(QStringLiteral("other")), 0);
    QCOMPARE(hidraw::transcript(QStringLiteral("other")), QStringList());
}

// A read is three READ answers of some 41 reports each (identification, version check, the read):
// wherever the unit falls silent, the command fails and writes nothing, or saves the unit's settings.
void TestHidrawCli::answerCutAnywhereNeverSavesOtherSettings()
{
    m_units << QStringLiteral("unit");
    QVERIFY(!hidraw::plug(QStringLiteral("unit"), QStringLiteral("tavrin2")).isEmpty());
    hidraw::order(QStringLiteral("execute unit SLCKT,45"));
    const QString reference = m_dir.filePath(QStringLiteral("reference.t2c"));
    const Result whole = run({ QStringLiteral("read"), QStringLiteral("--output"), reference });
    QVERIFY2(whole.status == 0, qPrintable(whole.err));
    QFile referenceFile(reference);
    QVERIFY(referenceFile.open(QIODevice::ReadOnly));
    const QByteArray expected = referenceFile.readAll();

    for (int reports : { 1, 20, 41, 60, 83, 100, 118, 124 }) {
        hidraw::fault(QStringLiteral("unit"), QStringLiteral("mute-after"), reports);
        const QString path = m_dir.filePath(QStringLiteral("cut-%1.t2c").arg(reports));
        const Result cut = run({ QStringLiteral("read"), QStringLiteral("--output"), path });
        hidraw::fault(QStringLiteral("unit"), QStringLiteral("none"), 0);
        qInfo("cut after %d reports: exit %d", reports, cut.status);
        QFile saved(path);
        if (cut.status != 0) {
            QVERIFY2(!saved.exists(), qPrintable(path));
            QVERIFY2(!cut.err.isEmpty(), qPrintable(QString::number(reports)));
            continue;
        }
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY2(saved.readAll() == expected, qPrintable(QStringLiteral("cut after %1 reports").arg(reports)));
    }
}

// Two units on the bus: hidapi lists both, and nothing is read until one is chosen.
// Another program holds the node's lock (as a running tavrin2qt does for each operation): the command
// fails at once, naming the node, and the unit hears nothing.
void TestHidrawCli::aUnitInUseByAnotherProgramIsLeftAlone()
{
    m_units << QStringLiteral("held");
    const QString node = hidraw::plug(QStringLiteral("held"), QStringLiteral("tavrin2"));
    QVERIFY(!node.isEmpty());
    const int fd = ::open(QFile::encodeName(node).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);

    const Result refused = run({ QStringLiteral("read") });
    QCOMPARE(refused.status, 1);
    QCOMPARE(refused.err, QStringLiteral("The Tavrin at %1 is in use by another program.\n").arg(node));
    QCOMPARE(hidraw::transcript(QStringLiteral("held")), QStringList());

    ::close(fd);
    QCOMPARE(run({ QStringLiteral("read") }).status, 0);
}

void TestHidrawCli::twoUnitsNeedAChoice()
{
    m_units << QStringLiteral("first") << QStringLiteral("second");
    const QString first = hidraw::plug(QStringLiteral("first"), QStringLiteral("tavrin2"));
    const QString second = hidraw::plug(QStringLiteral("second"), QStringLiteral("dalen"));
    QVERIFY(!first.isEmpty() && !second.isEmpty());

    // Each node's own USB device, the port an installer finds on the hub.
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]+-[0-9]+(\\.[0-9]+)*$"));
    const QString firstPort = usbPortPath(first);
    QVERIFY2(portPattern.match(firstPort).hasMatch(), qPrintable(firstPort));
    QVERIFY2(portPattern.match(usbPortPath(second)).hasMatch() && usbPortPath(second) != firstPort,
             qPrintable(usbPortPath(second)));
    QCOMPARE(usbPortPath(QStringLiteral("/dev/null")), QString());

    const Result refused = run({ QStringLiteral("read") });
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.err.contains(first) && refused.err.contains(second), qPrintable(refused.err));
    QCOMPARE(refused.out, QString());

    const Result listed = run({ QStringLiteral("list") });
    QCOMPARE(listed.status, 0);
    QVERIFY2(listed.out.contains(first + QStringLiteral(": Tavrin II"))
                 && listed.out.contains(second + QStringLiteral(": Dalen Tavrin")),
             qPrintable(listed.out));

    const Result chosen = run({ QStringLiteral("detect"), QStringLiteral("--device"), second });
    QVERIFY2(chosen.status == 0, qPrintable(chosen.err));
    QVERIFY2(chosen.out.contains(QStringLiteral("Dalen Tavrin")), qPrintable(chosen.out));
}

void TestHidrawCli::failuresOnTheNodeEndInOneClearMessage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("message");

    // The unit falls silent inside the first line of the first answer.
    QTest::newRow("answer cut off part-way") << "read"
                                             << "mute-after" << 1 << lostCommunication;
    // Pulled out while the settings go over, after the identification and three set commands.
    QTest::newRow("unplugged mid-write") << "write"
                                         << "unplug-after-commands" << 5 << lostCommunication;
    QTest::newRow("unplugged mid-answer") << "read"
                                          << "unplug-after-reports" << 3 << lostCommunication;
    QTest::newRow("write fails with EIO") << "read"
                                          << "write-errno" << EIO << "WriteFile failed\nInput/output error\n";
    // The node opens, but is no hidraw node to hidapi: never "Success" as the reason.
    QTest::newRow("HIDIOCGRDESCSIZE fails at open")
        << "read"
        << "descriptor-errno" << ENOTTY << "WriteFile failed\nInappropriate ioctl for device\n";
    QTest::newRow("short write") << "read"
                                 << "short-writes" << 0
                                 << "WriteFile failed\nThe Tavrin device took 8 of 9 bytes of a report.\n";
    // A USB time-out: one failure after the stall, no retry.
    QTest::newRow("write stalls, then times out") << "read"
                                                  << "stall-writes" << 0 << "WriteFile failed\nConnection timed out\n";
}

void TestHidrawCli::failuresOnTheNodeEndInOneClearMessage()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    QFETCH(int, n);
    QFETCH(QString, message);
    m_units << QStringLiteral("unit");
    QVERIFY(!hidraw::plug(QStringLiteral("unit"), QStringLiteral("tavrin2")).isEmpty());
    hidraw::fault(QStringLiteral("unit"), fault, n);

    QStringList arguments { command };
    if (command == QLatin1String("write")) {
        Tavrin2QtCfg cfg;
        cfg.setTavrinType(TavrinII);
        const QString path = m_dir.filePath(QStringLiteral("update.t2c"));
        QString error;
        QVERIFY2(CfgFile::save(cfg, path, error), qPrintable(error));
        arguments << path;
    }
    const Result result = run(arguments);
    // After any progress lines: the message, once, and one line break after it.
    QVERIFY2(result.err.endsWith(message) && result.err.count(message) == 1 && !result.err.contains("\n\n"),
             qPrintable(result.err));
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, QString());
    const qint64 stallMs = fault == QLatin1String("stall-writes") ? 5000 : 0;
    QVERIFY2(result.elapsedMs >= stallMs && result.elapsedMs < stallMs + 3000,
             qPrintable(QStringLiteral("%1 ms").arg(result.elapsedMs)));
}

QTEST_GUILESS_MAIN(TestHidrawCli)
#include "tst_hidrawcli.moc"
