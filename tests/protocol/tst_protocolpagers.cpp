#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ProgressRecorder.h"
#include "support/ProtocolTestSupport.h"
#include "support/ScriptedHidBackend.h"
#include "usb/UsbHid.h"

#include <QtTest>

Q_DECLARE_METATYPE(AlphaProgramData)

using namespace ProtocolTestSupport;

namespace {

AlphaProgramData alphaPagerData(bool groups, const QString& group4Name = QStringLiteral("Unused"))
{
    AlphaProgramData data;
    data.pagerNum = 12;
    data.allPageID = 100;
    data.sysID = 3;
    data.welcomeMsg = QStringLiteral("Welcome\nto the bar");
    data.grpPagingEnabled = groups;
    data.groupModelVector = { { 5, "Bar" }, { 0, "" }, { 7, "Kitchen" }, { 0, group4Name }, { 9, "Door" } };
    return data;
}

QString commaRefusal(const QString& field)
{
    return QStringLiteral("%1 contains a comma, which Tavrin would take as the start of another field.\nPlease "
                          "remove it; nothing was sent.")
        .arg(field);
}

} // namespace

class TestProtocolPagers : public QObject
{
    Q_OBJECT

private slots:
    void alphaPager_data();
    void alphaPager();
    void zellPager_data();
    void zellPager();
    void unsendableAlphaPagersSendNothing_data();
    void unsendableAlphaPagersSendNothing();
    void silentDeviceGetsEveryCommand();
    void deviceErrorStopsAtTheRefusedCommand();
    void unsupportedFirmwareSendsNothing();
};

void TestProtocolPagers::alphaPager_data()
{
    QTest::addColumn<AlphaProgramData>("data");
    QTest::addColumn<QStringList>("commands");

    QTest::newRow("group paging on") << alphaPagerData(true)
                                     << QStringList { "FPROG,12,100,3",   "WPROG,Welcome\nto the bar",
                                                      "GNPROG,1,Bar",     "GPROG,1,5",
                                                      "GNPROG,2,",        "GPROG,2,99",
                                                      "GNPROG,3,Kitchen", "GPROG,3,7",
                                                      "GNPROG,4,Unused",  "GPROG,4,99",
                                                      "GNPROG,5,Door",    "GPROG,5,9" };
    // Names are not sent without group paging, so a comma in one does no harm.
    QTest::newRow("group paging off") << alphaPagerData(false, "Unused, really")
                                      << QStringList { "FPROG,12,100,3", "WPROG,Welcome\nto the bar",
                                                       "GPROG,1,99",     "GPROG,2,99",
                                                       "GPROG,3,99",     "GPROG,4,99",
                                                       "GPROG,5,99" };
    AlphaProgramData empty;
    empty.groupModelVector.clear();
    QTest::newRow("no welcome message, no groups") << empty << QStringList { "FPROG,1,911,0", "WPROG," };
    // Line feeds part the welcome message's lines; U+0080 to U+009F are no control characters to the unit.
    AlphaProgramData lines = empty;
    lines.welcomeMsg = QStringLiteral("Bar\n\u0085Deck\n\u009f");
    QTest::newRow("welcome lines") << lines << QStringList { "FPROG,1,911,0", "WPROG,Bar\n\u0085Deck\n\u009f" };
}

void TestProtocolPagers::alphaPager()
{
    QFETCH(AlphaProgramData, data);
    QFETCH(QStringList, commands);
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    ProgressRecorder recorder;
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(Tavrin2QtComm::instance()->programAlphaPager(data), false);
    QCOMPARE(sim->transcript(), QStringList { "READ" } + commands);
    QCOMPARE(sim->pagerCommands(), commands);
    // One silent window of two seconds after each command, in virtual time only.
    QCOMPARE(sim->elapsedMs(), 100 + 2000 * commands.size());
    QVERIFY(clock.elapsed() < 1000);

    const int groups = int(data.groupModelVector.size());
    QList<int> values;
    for (int value = 1; value <= groups + 2; ++value)
        values.append(value);
    const ProgressRecorder::Record& dialog = recorder.records().first();
    QCOMPARE(dialog.label, QStringLiteral("Programming pager..."));
    QCOMPARE(dialog.caption, QStringLiteral("Please Wait"));
    QVERIFY(dialog.shown && !dialog.modal);
    QCOMPARE(dialog.totalSteps, groups + 2);
    QCOMPARE(dialog.values, values);
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolPagers::zellPager_data()
{
    QTest::addColumn<int>("pager");
    QTest::addColumn<int>("sysID");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("command");

    QTest::newRow("coaster with vibration") << 20 << 0 << (ZellCoaster | ZellVibeOn) << "LPROG,20,0,3";
    QTest::newRow("manager pager") << 5 << 13 << int(ZellManager) << "LPROG,5,13,4";
    QTest::newRow("guest pager") << 9999 << 1 << 0 << "LPROG,9999,1,0";
}

void TestProtocolPagers::zellPager()
{
    QFETCH(int, pager);
    QFETCH(int, sysID);
    QFETCH(int, flags);
    QFETCH(QString, command);
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    ProgressRecorder recorder;

    QCOMPARE(Tavrin2QtComm::instance()->programZellPager(pager, sysID, flags), false);
    QCOMPARE(sim->transcript(), (QStringList { "READ", command }));
    QCOMPARE(sim->elapsedMs(), 100 + 10000);
    const ProgressRecorder::Record& dialog = recorder.records().first();
    QCOMPARE(dialog.label, QStringLiteral("Programming pager..."));
    QCOMPARE(dialog.totalSteps, 2);
    QCOMPARE(dialog.values, (QList<int> { 1, 2 }));
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolPagers::unsendableAlphaPagersSendNothing_data()
{
    QTest::addColumn<AlphaProgramData>("data");
    QTest::addColumn<QString>("error");

    AlphaProgramData data = alphaPagerData(true);
    data.welcomeMsg = QStringLiteral("Hello, guest");
    QTest::newRow("welcome message comma") << data << commaRefusal("The Welcome message");
    QTest::newRow("group name comma") << alphaPagerData(true, "Unused, really") << commaRefusal("The Group 4 name");
    data.welcomeMsg = QStringLiteral("Welcome \u2192 bar");
    QTest::newRow("welcome message arrow")
        << data
        << QStringLiteral("The Welcome message holds the character \"\u2192\", which Tavrin cannot take.\nPlease "
                          "replace it; nothing was sent.");
    data.welcomeMsg = QStringLiteral("Welcome\r\nto the bar");
    QTest::newRow("welcome message carriage return")
        << data
        << QStringLiteral("The Welcome message holds the control character U+000D (carriage return), which Tavrin "
                          "cannot show.\nPlease remove it; nothing was sent.");
    data = alphaPagerData(true);
    data.groupModelVector[2].name = QString(250, 'k');
    QTest::newRow("group name too long")
        << data
        << QStringLiteral("The Group 3 name is too long to send to Tavrin (its command would have 259 characters; a "
                          "command may hold at most 253).\nNothing was sent.");
}

void TestProtocolPagers::unsendableAlphaPagersSendNothing()
{
    QFETCH(AlphaProgramData, data);
    QFETCH(QString, error);
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    ProgressRecorder recorder;

    QCOMPARE(failureOf([&] { Tavrin2QtComm::instance()->programAlphaPager(data); }), error);
    // Refused before any traffic: not even the version check's READ.
    QVERIFY(sim->transcript().isEmpty());
    QVERIFY(recorder.records().isEmpty());
}

void TestProtocolPagers::silentDeviceGetsEveryCommand()
{
    auto* backend = static_cast<ScriptedHidBackend*>(UsbHid::setBackend(std::make_unique<ScriptedHidBackend>()));
    backend->addInterface(QStringLiteral("/dev/tavrin"), UsbHid::VendorId, UsbHid::TavrinIIProductId);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->reset();
    // Identification and the version check are answered, the programming commands never are.
    for (int i = 0; i < 2; ++i) {
        queueLine(backend, "VER,5V1.0");
        backend->queueTimeout();
    }
    comm->connectTavrin();
    comm->connectTavrin();
    backend->clearWritten();
    const int readsBefore = int(backend->readTimeouts().size());
    ProgressRecorder recorder;

    QCOMPARE(failureOf([&] { comm->programAlphaPager(alphaPagerData(true)); }), hidError(LostCommunication));
    // The version check reads its two reports and a silent window; then each of the twelve commands
    // meets one silent window of two seconds.
    const QList<int> windows = backend->readTimeouts().mid(readsBefore);
    QCOMPARE(windows.size(), 3 + 12);
    QCOMPARE(windows.mid(3), QList<int>(12, 2000));
    QVERIFY(backend->writtenBytes().last().startsWith(QByteArray("\0GPROG,5")));
    QCOMPARE(recorder.alive(), 0);
}

// A refusal ends the programming at that command, which the message names with what it sets.
void TestProtocolPagers::deviceErrorStopsAtTheRefusedCommand()
{
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    sim->failCommand(QStringLiteral("GPROG"));
    ProgressRecorder recorder;

    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->programAlphaPager(alphaPagerData(false)); }),
             hidError(DeviceReportedError)
                 + "\nTavrin refused GPROG (Group 1 pager), answering \"Err: failed\".\nThe commands before it were "
                   "applied; the ones after it were not sent.");
    QCOMPARE(sim->transcript().size(), 1 + 3);
    QCOMPARE(sim->transcript().last(), QStringLiteral("GPROG,1,99"));
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolPagers::unsupportedFirmwareSendsNothing()
{
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    sim->setVersion(QStringLiteral("1V1.07"));
    ProgressRecorder recorder;

    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->programZellPager(1, 0, 0); }), hidError(UnsupportedVersion));
    QCOMPARE(sim->transcript(), QStringList { "READ" });
    QCOMPARE(recorder.records().size(), 1);
    QVERIFY(!recorder.records().first().shown);
    QCOMPARE(recorder.alive(), 0);
}

QTEST_MAIN(TestProtocolPagers)
#include "tst_protocolpagers.moc"
