#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ProgressRecorder.h"
#include "support/ProtocolTestSupport.h"
#include "support/ScriptedHidBackend.h"
#include "usb/UsbHid.h"

#include <QtTest>

using Model = VirtualTavrin::Model;

Q_DECLARE_METATYPE(VirtualTavrin::Model)
Q_DECLARE_METATYPE(Tavrin2QtCfg)

using namespace ProtocolTestSupport;

namespace {

const QTime clockTime(9, 5, 7);

// The two version checks of an update read before the first set command.
// The version checks' reads come first, and the read that checks what the unit took last.
QStringList afterChecks(const QStringList& commands)
{
    return QStringList { "READ", "READ" } + commands + QStringList { "READ" };
}

Tavrin2QtCfg dalenRecord(TavrinType type)
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(type);
    cfg.setDtTavrinID(42);
    cfg.setDtSysID(5);
    cfg.setDtBtn1PagerNum(12);
    cfg.setDtBtn1SettingMsg("Ready");
    cfg.setDtBtn1Mode(4);
    cfg.setDtBtn2PagerNum(7);
    cfg.setDtRepageInterval(120);
    cfg.setDtRepageEnabled(true);
    cfg.setDtEnableGrpPaging(true);
    cfg.setDtLowBatteryPageEnabled(true);
    cfg.setDtLowBatteryPager(77);
    cfg.setDtLowBatteryPageMsg("Battery low");
    cfg.setDtSecondaryPager(88);
    cfg.setDtCancelMsgEnabled(true);
    cfg.setDtCancelMsg("Cancelled");
    return cfg;
}

Tavrin2QtCfg tavrinIIRecord()
{
    Tavrin2QtCfg cfg;
    cfg.setSysID(3);
    cfg.setTavrinIIButtonVectorAtIndex(1, button(true, 5, TavrinIIButton::GuestType, 10));
    cfg.setTavrinIIButtonVectorAtIndex(2, button(true, 7, TavrinIIButton::ZellType, 1, 3));
    cfg.setTavrinIIButtonVectorAtIndex(3, button(true, 8, TavrinIIButton::AlphaType, 0, 0, "Help"));
    cfg.setTavrinIIButtonVectorAtIndex(4, button(false, 9, TavrinIIButton::AlphaType, 0, 0, "Not, sent"));
    TavrinIIButton input = button(true, 44, TavrinIIButton::AlphaType, 0, 0, "Door");
    input.setExtInputSetting(1);
    cfg.setTavrinIIButtonVectorAtIndex(5, input);
    cfg.setRepageInterval(120);
    cfg.setRepageEnabled(true);
    cfg.setLowBatteryPageEnabled(true);
    cfg.setLowBatteryPager(9);
    cfg.setLowBatteryPageMsg("Battery");
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(0, autoTime(true, QTime(7, 5), QTime(23, 30)));
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(1, autoTime(false, QTime(8, 0), QTime(9, 0)));
    cfg.setExtInputDisable1(2);
    cfg.setExtInputDisable2(3);
    cfg.setExtInputDisable3(4);
    cfg.setLockoutTime(45);
    cfg.setLockoutTimeMode(2);
    return cfg;
}

// The record as a file from an edited configuration may hold it: more or fewer button entries.
Tavrin2QtCfg withButtonEntries(const Tavrin2QtCfg& cfg, int count)
{
    QString error;
    QString text = cfg.freeze(error);
    const auto end = text.indexOf("</_tavrinIIButtons>");
    const auto lastItem = text.lastIndexOf("<item>", end);
    const QString item = text.mid(lastItem, end - lastItem);
    if (count > cfg.tavrinIIButtonCount())
        text.insert(end, item);
    else
        text.remove(lastItem, end - lastItem);
    text.replace(QStringLiteral("<count>6</count>"), QStringLiteral("<count>%1</count>").arg(count));
    const std::unique_ptr<Tavrin2QtCfg> changed = Tavrin2QtCfg::thaw(text, error);
    if (!changed)
        qFatal("%s", qPrintable(error));
    return *changed;
}

// The fields in which two records differ, as lines of their file form; empty when equal.
QString difference(const Tavrin2QtCfg& actual, const Tavrin2QtCfg& expected)
{
    QString error;
    const QStringList actualLines = actual.freeze(error).split('\n');
    const QStringList expectedLines = expected.freeze(error).split('\n');
    QString result;
    for (int i = 0; i < qMax(actualLines.size(), expectedLines.size()); ++i) {
        const QString a = actualLines.value(i);
        const QString e = expectedLines.value(i);
        if (a != e)
            result += QStringLiteral("line %1: %2 instead of %3\n").arg(i + 1).arg(a.trimmed(), e.trimmed());
    }
    return result;
}

// The command lines in a scripted backend's output reports.
QStringList writtenLines(const ScriptedHidBackend* backend)
{
    QByteArray bytes;
    for (const QByteArray& report : backend->writtenBytes())
        bytes += report.mid(1);
    QStringList lines;
    for (QByteArray line : bytes.split('\r')) {
        while (line.startsWith('\0'))
            line.remove(0, 1);
        if (!line.isEmpty())
            lines.append(QString::fromLatin1(line.chopped(1))); // the LF before the CR
    }
    return lines;
}

} // namespace

class TestProtocolUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Tavrin2QtComm::instance()->setClock([] { return clockTime; });
    }
    void cleanupTestCase() { Tavrin2QtComm::instance()->setClock({}); }

    void dalenSequences_data();
    void dalenSequences();
    void cancelMessageGoesWithTheSecondaryPage_data();
    void cancelMessageGoesWithTheSecondaryPage();
    void tavrinIISequence();
    void lockoutTime_data();
    void lockoutTime();
    void sevenButtonRecordSkipsTheSeventh();
    void modelMismatchSendsNothing();
    void unsendableRecordsSendNothing_data();
    void unsendableRecordsSendNothing();
    void silentDeviceGetsEveryCommand();
    void deviceErrorIsJudgedAfterEveryCommand();
    void roundTrip_data();
    void roundTrip();
};

void TestProtocolUpdate::dalenSequences_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QStringList>("commands");

    const QStringList tail { "SBUT2,0",
                             "SBUT3,0",
                             "SBUT4,0",
                             "SINP0,0",
                             "SRPG,120",
                             "SACKPGR,1",
                             "GPEN,1",
                             "BEEP,0",
                             "SLOWBAT,1,77,Battery low",
                             "SECPGR,0,88",
                             "CNCLMSG,0,Cancelled" };
    QTest::newRow("one button") << Model::DalenTavrin
                                << QStringList { "UID,42", "SETT,09,05", "RID,5", "SBUT0,0",
                                                 "SBUT1,1,12,1,Ready\\fB1b0,0" }
            + tail;
    QTest::newRow("two buttons") << Model::DalenTavrin2Button
                                 << QStringList { "UID,42", "SETT,09,05", "RID,5", "SBUT0,1,12,1,Ready\\fB1b0,0",
                                                  "SBUT1,1,7,1,,0" }
            + tail;
}

void TestProtocolUpdate::dalenSequences()
{
    QFETCH(Model, model);
    QFETCH(QStringList, commands);
    VirtualTavrin* sim = attach(model);
    ProgressRecorder recorder;

    Tavrin2QtComm::instance()->updateTavrin(
        dalenRecord(model == Model::DalenTavrin ? DalenTavrin : DalenTavrin2Button));
    QCOMPARE(sim->transcript(), afterChecks(commands));
    // Three reads of 100 ms, fifteen set windows of 100 ms and SLOWBAT's of 200 ms.
    QCOMPARE(sim->elapsedMs(), 3 * 100 + 15 * 100 + 200);
    QCOMPARE(sim->firmware().clockSetting(), (QStringList { "09", "05" }));

    QCOMPARE(recorder.records().size(), 1);
    const ProgressRecorder::Record& dialog = recorder.records().first();
    QCOMPARE(dialog.label, QStringLiteral("Updating Dalen Tavrin..."));
    QCOMPARE(dialog.caption, QStringLiteral("Please Wait"));
    QVERIFY(dialog.shown && !dialog.modal);
    QCOMPARE(dialog.totalSteps, 15);
    QCOMPARE(dialog.values.first(), 0);
    QCOMPARE(dialog.values.last(), 14);
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolUpdate::cancelMessageGoesWithTheSecondaryPage_data()
{
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("command");

    QTest::newRow("both") << true << true << "CNCLMSG,1,Bye";
    QTest::newRow("no secondary page") << false << true << "CNCLMSG,0,Bye";
    QTest::newRow("cancel off") << true << false << "CNCLMSG,0,Bye";
}

void TestProtocolUpdate::cancelMessageGoesWithTheSecondaryPage()
{
    QFETCH(bool, secondary);
    QFETCH(bool, cancel);
    QFETCH(QString, command);
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    Tavrin2QtCfg cfg = dalenRecord(DalenTavrin);
    cfg.setDtSecondaryPageEnabled(secondary);
    cfg.setDtCancelMsgEnabled(cancel);
    cfg.setDtCancelMsg("Bye");

    Tavrin2QtComm::instance()->updateTavrin(cfg, false);
    QCOMPARE(sim->transcript().last(), command);
}

void TestProtocolUpdate::tavrinIISequence()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    ProgressRecorder recorder;

    Tavrin2QtComm::instance()->updateTavrin(tavrinIIRecord());
    QCOMPARE(sim->transcript(), afterChecks({ "SETT,09,05",      "RID,3",
                                              "SBUT0,0",         "SBUT1,1,5,2,,10",
                                              "SBUT2,1,7,0,3,1", "SBUT3,1,8,1,Help,0",
                                              "SBUT4,0",         "SINP0,1,44,1,Door,0,1",
                                              "SRPG,120",        "SACKPGR,1",
                                              "GPEN,0",          "SLOWBAT,1,9,Battery",
                                              "SACKPGR,0,1,",    "SONT0,7,5",
                                              "SOFFT0,23,30",    "SONT1,255,255",
                                              "SOFFT1,255,255",  "SONT2,255,255",
                                              "SOFFT2,255,255",  "SLOCK,2,3,4,0,0",
                                              "SLCKT,45" }));
    // Three reads, nineteen set windows of 100 ms, SLOWBAT's and the full SACKPGR's of 200 ms.
    QCOMPARE(sim->elapsedMs(), 3 * 100 + 19 * 100 + 2 * 200);

    const ProgressRecorder::Record& dialog = recorder.records().first();
    QCOMPARE(dialog.label, QStringLiteral("Updating Tavrin II..."));
    QCOMPARE(dialog.caption, QStringLiteral("Please Wait"));
    QCOMPARE(dialog.totalSteps, 16);
    QList<int> steps;
    for (int value = 0; value <= 16; ++value)
        steps.append(value);
    QCOMPARE(dialog.values, steps);
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolUpdate::lockoutTime_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("command");

    QTest::newRow("off") << 0 << "SLCKT,0";
    QTest::newRow("without limit") << 1 << "SLCKT,180";
    QTest::newRow("for a time") << 2 << "SLCKT,45";
}

void TestProtocolUpdate::lockoutTime()
{
    QFETCH(int, mode);
    QFETCH(QString, command);
    VirtualTavrin* sim = attach(Model::TavrinII);
    Tavrin2QtCfg cfg = tavrinIIRecord();
    cfg.setLockoutTimeMode(mode);

    Tavrin2QtComm::instance()->updateTavrin(cfg, false);
    QCOMPARE(sim->transcript().last(), command);
}

void TestProtocolUpdate::sevenButtonRecordSkipsTheSeventh()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    ProgressRecorder recorder;
    const Tavrin2QtCfg cfg = withButtonEntries(tavrinIIRecord(), 7);
    QCOMPARE(cfg.tavrinIIButtonCount(), 7);
    QTest::ignoreMessage(QtWarningMsg, "trying to program an invalid Tavrin II button");

    Tavrin2QtComm::instance()->updateTavrin(cfg);
    const QStringList& transcript = sim->transcript();
    QCOMPARE(transcript.indexOf("SRPG,120"), transcript.indexOf("SINP0,1,44,1,Door,0,1") + 1);
    QCOMPARE(transcript.size(), 2 + 21 + 1);
    QCOMPARE(recorder.records().first().totalSteps, 17);
    QCOMPARE(recorder.records().first().values.last(), 17);
}

void TestProtocolUpdate::modelMismatchSendsNothing()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    ProgressRecorder recorder;

    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->updateTavrin(tavrinIIRecord()); }),
             QStringLiteral("You are trying to program a Dalen Tavrin\ndevice with the Tavrin II UI selected."));
    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->updateTavrin(dalenRecord(DalenTavrin2Button)); }),
             QStringLiteral("You are trying to program a Dalen Tavrin\ndevice with the Dalen Tavrin - 2 Button UI "
                            "selected."));
    QCOMPARE(sim->transcript(), (QStringList { "READ", "READ" }));
    QVERIFY(recorder.records().isEmpty());
}

void TestProtocolUpdate::unsendableRecordsSendNothing_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<Tavrin2QtCfg>("cfg");
    QTest::addColumn<QString>("error"); // empty: the update goes through

    const QString tooLong = QStringLiteral("%1 is too long to send to Tavrin (its command would have %2 characters; a "
                                           "command may hold at most 253).\nNothing was sent.");
    const QString comma = QStringLiteral("%1 contains a comma, which Tavrin would take as the start of another "
                                         "field.\nPlease remove it; nothing was sent.");
    const auto withButton1 = [](const QString& alphaMsg) {
        Tavrin2QtCfg cfg = tavrinIIRecord();
        cfg.setTavrinIIButtonVectorAtIndex(0, button(true, 1, TavrinIIButton::AlphaType, 0, 0, alphaMsg));
        return cfg;
    };

    QTest::newRow("Alpha message of 300")
        << Model::TavrinII << withButton1(QString(300, 'x')) << tooLong.arg("The Alpha message of Button 1").arg(314);
    QTest::newRow("one character over") << Model::TavrinII << withButton1(QString(240, 'x'))
                                        << tooLong.arg("The Alpha message of Button 1").arg(254);
    QTest::newRow("a full line") << Model::TavrinII << withButton1(QString(239, 'x')) << QString();
    // Beyond Latin-1 the text would reach the unit with "?" in its place; the highest Latin-1 letter goes.
    const QString foreign = QStringLiteral("%1 holds the character \"%2\", which Tavrin cannot take.\nPlease replace "
                                           "it; nothing was sent.");
    QTest::newRow("euro sign") << Model::TavrinII << withButton1(QStringLiteral("5 \u20ac"))
                               << foreign.arg("The Alpha message of Button 1", QStringLiteral("\u20ac"));
    QTest::newRow("y with diaeresis") << Model::TavrinII << withButton1(QStringLiteral("\u00ff")) << QString();

    Tavrin2QtCfg cfg = tavrinIIRecord();
    TavrinIIButton input = cfg.tavrinIIButtonVectorAtIndex(5);
    input.setAlphaMsg("Door, back");
    cfg.setTavrinIIButtonVectorAtIndex(5, input);
    QTest::newRow("external input comma")
        << Model::TavrinII << cfg << comma.arg("The Alpha message of the External input");
    cfg = tavrinIIRecord();
    cfg.setAckPageMsg("Seen, thanks");
    QTest::newRow("acknowledge page comma") << Model::TavrinII << cfg << comma.arg("The Acknowledge page message");
    cfg = tavrinIIRecord();
    cfg.setLowBatteryPageMsg(QString(250, 'b'));
    QTest::newRow("low battery too long")
        << Model::TavrinII << cfg << tooLong.arg("The Low battery page message").arg(262);
    QTest::newRow("five button entries")
        << Model::TavrinII << withButtonEntries(tavrinIIRecord(), 5)
        << QStringLiteral("These settings hold 5 button entries and 3 automatic on/off times; Tavrin II needs 6 "
                          "and 3.\nNothing was sent.");

    cfg = dalenRecord(DalenTavrin2Button);
    cfg.setDtBtn1SettingMsg("Ready, steady");
    QTest::newRow("two-button Dalen first button comma")
        << Model::DalenTavrin2Button << cfg << comma.arg("The message of Button 2");
    cfg = dalenRecord(DalenTavrin);
    cfg.setDtBtn1SettingMsg("Ready, steady");
    QTest::newRow("Dalen button comma") << Model::DalenTavrin << cfg << comma.arg("The message of the Button");
    cfg = dalenRecord(DalenTavrin);
    cfg.setDtLowBatteryPageMsg(QStringLiteral("Battery \U0001F50B low"));
    QTest::newRow("Dalen low battery emoji")
        << Model::DalenTavrin << cfg << foreign.arg("The Low battery page message", QStringLiteral("\U0001F50B"));
    cfg = dalenRecord(DalenTavrin);
    cfg.setDtCancelMsg(QString(260, 'c'));
    QTest::newRow("Dalen cancel message too long")
        << Model::DalenTavrin << cfg << tooLong.arg("The Cancel message").arg(270);
}

void TestProtocolUpdate::unsendableRecordsSendNothing()
{
    QFETCH(Model, model);
    QFETCH(Tavrin2QtCfg, cfg);
    QFETCH(QString, error);
    VirtualTavrin* sim = attach(model);
    ProgressRecorder recorder;

    QCOMPARE(failureOf([&] { Tavrin2QtComm::instance()->updateTavrin(cfg); }), error);
    if (!error.isEmpty()) {
        // Refused before any traffic: not even the version check's READ.
        QVERIFY(sim->transcript().isEmpty());
        QVERIFY(recorder.records().isEmpty());
    }
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolUpdate::silentDeviceGetsEveryCommand()
{
    auto* backend = static_cast<ScriptedHidBackend*>(UsbHid::setBackend(std::make_unique<ScriptedHidBackend>()));
    backend->addInterface(QStringLiteral("/dev/tavrin"), UsbHid::VendorId, UsbHid::TavrinIIProductId);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->reset();
    // Identification and the two version checks are answered; the set commands never are.
    for (int i = 0; i < 3; ++i) {
        queueLine(backend, "VER,5V1.07");
        backend->queueTimeout();
    }
    comm->connectTavrin();
    comm->connectTavrin();
    ProgressRecorder recorder;

    QCOMPARE(failureOf([&] { comm->updateTavrin(tavrinIIRecord()); }), hidError(LostCommunication));
    const QStringList written = writtenLines(backend);
    QCOMPARE(written.size(), 3 + 21);
    QCOMPARE(written.at(3), QStringLiteral("SETT,09,05"));
    QCOMPARE(written.last(), QStringLiteral("SLCKT,45"));
    // One silent window per command: 100 ms, and 200 ms for the two commands with a message.
    QList<int> windows = backend->readTimeouts().mid(backend->readTimeouts().size() - 21);
    QCOMPARE(windows.count(200), 2);
    QCOMPARE(windows.mid(11, 2), (QList<int> { 200, 200 }));
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolUpdate::deviceErrorIsJudgedAfterEveryCommand()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    sim->failCommand(QStringLiteral("UID"));
    ProgressRecorder recorder;

    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->updateTavrin(dalenRecord(DalenTavrin)); }),
             hidError(DeviceReportedError)
                 + "\nTavrin refused UID (Dalen Tavrin ID), answering \"Err: failed\".\nThe commands before it were "
                   "applied; the ones after it were not sent.");
    // Nothing after the refused command.
    QCOMPARE(sim->transcript().size(), 2 + 1);
    QCOMPARE(sim->transcript().last(), QStringLiteral("UID,42"));
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolUpdate::roundTrip_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<Tavrin2QtCfg>("cfg");

    for (TavrinType type : { DalenTavrin, DalenTavrin2Button }) {
        Tavrin2QtCfg cfg = dalenRecord(type);
        // The device keeps a cancel message only with the secondary page.
        cfg.setDtSecondaryPageEnabled(true);
        if (type == DalenTavrin2Button) {
            cfg.setDtBtn2SettingMsg("Second");
            cfg.setDtBtn2Mode(10);
        } else {
            cfg.setDtBtn2PagerNum(1);
        }
        QTest::newRow(qPrintable(Tavrin2QtComm::tavrinTypeName(type)))
            << (type == DalenTavrin ? Model::DalenTavrin : Model::DalenTavrin2Button) << cfg;
    }

    Tavrin2QtCfg cfg = tavrinIIRecord();
    // Each pager type with the message field it carries; the device keeps no other.
    cfg.setTavrinIIButtonVectorAtIndex(0, button(true, 10, TavrinIIButton::ZellType, 2, 7));
    cfg.setTavrinIIButtonVectorAtIndex(1, button(true, 11, TavrinIIButton::AlphaType, 0, 0, "Hi"));
    cfg.setTavrinIIButtonVectorAtIndex(4, button(true, 14, TavrinIIButton::GuestType, 1));
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(1, autoTime(true, QTime(8, 0), QTime(9, 15)));
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(2, autoTime(true, QTime(0, 0), QTime(12, 59)));
    // The full acknowledge page command follows the repage switch, so the device holds its flag for both.
    cfg.setAckPageEnabled(true);
    cfg.setAckPager(31);
    cfg.setAckPageMsg("Coming");
    cfg.setEnableGrpPaging(true);
    QTest::newRow("Tavrin II") << Model::TavrinII << cfg;
}

void TestProtocolUpdate::roundTrip()
{
    QFETCH(Model, model);
    QFETCH(Tavrin2QtCfg, cfg);
    VirtualTavrin* sim = attach(model);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->updateTavrin(cfg);
    const Tavrin2QtCfg readBack = comm->readTavrin();
    Tavrin2QtCfg expected = cfg;
    expected.setFirmware(sim->firmware().version());
    expected.setSerNum(sim->firmware().serialNumber());
    QCOMPARE(difference(readBack, expected), QString());
    QVERIFY(readBack == expected);
}

QTEST_MAIN(TestProtocolUpdate)
#include "tst_protocolupdate.moc"
