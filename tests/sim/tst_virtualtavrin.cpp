#include "sim/VirtualTavrin.h"
#include "sim/VirtualTavrinBus.h"
#include "usb/UsbHid.h"

#include <QtTest>

using Model = VirtualTavrin::Model;

Q_DECLARE_METATYPE(VirtualTavrin::Model)

namespace {

// The tests' own link, made afresh on the process's backend whenever that is replaced.
UsbHid* testLink()
{
    static std::unique_ptr<UsbHid> link;
    if (!link || link->backend() != UsbHid::sharedBackend().get())
        link = std::make_unique<UsbHid>();
    return link.get();
}

// The exchange as the protocol runs it: one command, then reads until a window passes in silence.
QStringList exchange(const QString& command, int windowMs = 100)
{
    UsbHid* link = testLink();
    link->write(command);
    QStringList lines;
    for (int reads = 0; link->read(lines, windowMs) != 0; ++reads) {
        if (reads > 1000)
            qFatal("the device does not stop sending");
    }
    return lines;
}

// Number of comma-separated fields, keyword included, that the READ parser expects per keyword.
int expectedFieldCount(const QString& keyword)
{
    static const QMap<QString, int> counts = {
        { "VER", 2 },   { "SERIAL", 2 }, { "UID", 2 },    { "RID", 2 },    { "RPGSET", 2 },
        { "BUT0", 6 },  { "BUT1", 6 },   { "BUT2", 6 },   { "BUT3", 6 },   { "BUT4", 6 },
        { "INP0", 7 },  { "RONT0", 3 },  { "ROFFT0", 3 }, { "RONT1", 3 },  { "ROFFT1", 3 },
        { "RONT2", 3 }, { "ROFFT2", 3 }, { "LOCK", 6 },   { "LCKT", 2 },   { "ACKPGR", 4 },
        { "BEEP", 2 },  { "GPEN", 2 },   { "LOWBAT", 4 }, { "SECPGR", 3 }, { "CNCLMSG", 3 },
    };
    return counts.value(keyword, -1);
}

} // namespace

class TestVirtualTavrin : public QObject
{
    Q_OBJECT

private slots:
    void readAnswersTheModelsVocabulary_data();
    void readAnswersTheModelsVocabulary();
    void setCommandsComeBackThroughRead_data();
    void setCommandsComeBackThroughRead();
    void refusedCommandsAnswerErrAndChangeNothing_data();
    void refusedCommandsAnswerErrAndChangeNothing();
    void preloadAndIdentity();
    void pagerProgrammingIsRecordedInVirtualTime();

    void otherInterfacesAreSkipped();
    void severalUnitsShareTheBus();
    void silentDeviceCostsWholeWindows();
    void chosenCommandsFail();
    void unplugAndReplug();
    void unplugAfterCommands();
    void bootLoaderLeavesTheBusAfterTheExchange();
    void unopenableDeviceFailsAtFirstWrite();
    void babblingNeverFallsSilent();
    void garbageAndRawInput();
    void realTimeWaits();

private:
    VirtualTavrin* attach(Model model);
};

VirtualTavrin* TestVirtualTavrin::attach(Model model)
{
    auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
    UsbHid* link = testLink();
    link->resolveHidFunctions();
    if (link->findDevice(link->getClassDevs(), true) != Opened)
        qFatal("the virtual device was not found");
    return sim;
}

void TestVirtualTavrin::readAnswersTheModelsVocabulary_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QStringList>("keywords");

    QTest::newRow("Tavrin II") << Model::TavrinII << 0xAA55 << "5V"
                               << QStringList { "VER",   "SERIAL", "RID",  "RPGSET", "BUT0",   "BUT1",  "BUT2",
                                                "BUT3",  "BUT4",   "INP0", "RONT0",  "ROFFT0", "RONT1", "ROFFT1",
                                                "RONT2", "ROFFT2", "LOCK", "LCKT",   "ACKPGR", "GPEN",  "LOWBAT" };
    const QStringList dalen { "VER",    "SERIAL", "UID",  "RID",    "RPGSET", "BUT0",   "BUT1",
                              "ACKPGR", "BEEP",   "GPEN", "LOWBAT", "SECPGR", "CNCLMSG" };
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin << 0xAA57 << "1V" << dalen;
    QTest::newRow("Dalen Tavrin - 2 Button") << Model::DalenTavrin2Button << 0xAA57 << "2V" << dalen;
}

void TestVirtualTavrin::readAnswersTheModelsVocabulary()
{
    QFETCH(Model, model);
    QFETCH(int, productId);
    QFETCH(QString, variant);
    QFETCH(QStringList, keywords);
    attach(model);

    QCOMPARE(testLink()->productId(), productId);
    const QStringList lines = exchange(QStringLiteral("READ"));
    QStringList seen;
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        seen.append(fields.first());
        QVERIFY2(fields.size() == expectedFieldCount(fields.first()), qPrintable(line));
    }
    QCOMPARE(seen, keywords);
    QVERIFY(lines.first().startsWith(QLatin1String("VER,") + variant));
}

void TestVirtualTavrin::setCommandsComeBackThroughRead_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("expected"); // lines the READ answer must contain

    QTest::newRow("Dalen Tavrin update") << Model::DalenTavrin
                                         << QStringList { "UID,42",
                                                          "SETT,09,07",
                                                          "RID,5",
                                                          "SBUT0,0",
                                                          "SBUT1,1,12,1,Ready\\fB1b0,0",
                                                          "SBUT2,0",
                                                          "SBUT3,0",
                                                          "SBUT4,0",
                                                          "SINP0,0",
                                                          "SRPG,120",
                                                          "SACKPGR,1",
                                                          "GPEN,1",
                                                          "BEEP,1",
                                                          "SLOWBAT,1,77,Battery low",
                                                          "SECPGR,1,88",
                                                          "CNCLMSG,1,Cancelled" }
                                         << QStringList { "UID,42",
                                                          "RID,5",
                                                          "RPGSET,120",
                                                          "BUT0,0,1,1,,0",
                                                          "BUT1,1,12,1,Ready\fB1b0,0",
                                                          "ACKPGR,1,1,",
                                                          "BEEP,1",
                                                          "GPEN,1",
                                                          "LOWBAT,1,77,Battery low",
                                                          "SECPGR,1,88",
                                                          "CNCLMSG,1,Cancelled" };
    QTest::newRow("Dalen Tavrin - 2 Button buttons")
        << Model::DalenTavrin2Button << QStringList { "SBUT0,1,12,1,Ready\\fB1b0,0", "SBUT1,1,7,1,,0", "SACKPGR,0" }
        << QStringList { "BUT0,1,12,1,Ready\fB1b0,0", "BUT1,1,7,1,,0", "ACKPGR,0,1," };
    QTest::newRow("Tavrin II update") << Model::TavrinII << QStringList { "SETT,09,05",       "RID,3",
                                                                          "SBUT0,0",          "SBUT1,1,5,2,,10",
                                                                          "SBUT2,1,9,0,3,1",  "SBUT3,1,10,1,Help,0",
                                                                          "SBUT4,0",          "SINP0,1,44,1,Door,0,1",
                                                                          "SRPG,60",          "SACKPGR,1",
                                                                          "GPEN,1",           "SLOWBAT,1,12,Low",
                                                                          "SACKPGR,0,33,Ack", "SONT0,7,5",
                                                                          "SOFFT0,23,30",     "SONT1,255,255",
                                                                          "SOFFT1,255,255",   "SONT2,6,0",
                                                                          "SOFFT2,18,45",     "SLOCK,1,2,3,0,0",
                                                                          "SLCKT,180" }
                                      << QStringList { "RID,3",
                                                       "RPGSET,60",
                                                       "BUT0,0,1,0,0,10",
                                                       "BUT1,1,5,2,,10",
                                                       "BUT2,1,9,0,3,1",
                                                       "BUT3,1,10,1,Help,0",
                                                       "INP0,1,44,1,Door,0,1",
                                                       "RONT0,7,5",
                                                       "ROFFT0,23,30",
                                                       "RONT1,255,255",
                                                       "RONT2,6,0",
                                                       "ROFFT2,18,45",
                                                       "LOCK,1,2,3,0,0",
                                                       "LCKT,180",
                                                       "ACKPGR,0,33,Ack",
                                                       "GPEN,1",
                                                       "LOWBAT,1,12,Low" };
    QTest::newRow("Tavrin II: switching a button off keeps its settings")
        << Model::TavrinII << QStringList { "SBUT2,1,9,0,3,1", "SBUT2,0", "SLCKT,45", "SACKPGR,1,8,Hi", "SACKPGR,0" }
        << QStringList { "BUT2,0,9,0,3,1", "LCKT,45", "ACKPGR,0,8,Hi" };
}

void TestVirtualTavrin::setCommandsComeBackThroughRead()
{
    QFETCH(Model, model);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, expected);
    VirtualTavrin* sim = attach(model);

    for (const QString& command : commands)
        QCOMPARE(exchange(command), QStringList { QStringLiteral("OK") });
    QCOMPARE(sim->transcript(), commands);

    const QStringList lines = exchange(QStringLiteral("READ"));
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line),
                 qPrintable(line + QLatin1String(" missing from: ") + lines.join(QLatin1Char('|'))));
}

void TestVirtualTavrin::refusedCommandsAnswerErrAndChangeNothing_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QString>("command");

    QTest::newRow("unknown keyword") << Model::TavrinII << "HELLO";
    QTest::newRow("unit ID on Tavrin II") << Model::TavrinII << "UID,5";
    QTest::newRow("beep on Tavrin II") << Model::TavrinII << "BEEP,1";
    QTest::newRow("lockout time on Dalen") << Model::DalenTavrin << "SLCKT,180";
    QTest::newRow("auto on time on Dalen") << Model::DalenTavrin2Button << "SONT0,7,5";
    QTest::newRow("no number") << Model::DalenTavrin << "RID,x";
    QTest::newRow("missing field") << Model::TavrinII << "RID";
    QTest::newRow("empty lockout time") << Model::TavrinII << "SLCKT,";
    QTest::newRow("comma inside a message") << Model::TavrinII << "SLOWBAT,1,5,low,bat";
    QTest::newRow("sixth button") << Model::TavrinII << "SBUT5,0";
    QTest::newRow("three fields for a button") << Model::DalenTavrin << "SBUT1,1,12";
    QTest::newRow("read with a field") << Model::DalenTavrin << "READ,1";
}

void TestVirtualTavrin::refusedCommandsAnswerErrAndChangeNothing()
{
    QFETCH(Model, model);
    QFETCH(QString, command);
    attach(model);
    const QStringList before = exchange(QStringLiteral("READ"));

    const QStringList answer = exchange(command);
    QCOMPARE(answer.size(), 1);
    QVERIFY2(answer.first().startsWith(QLatin1String("Err")), qPrintable(answer.first()));
    QCOMPARE(exchange(QStringLiteral("READ")), before);
}

void TestVirtualTavrin::preloadAndIdentity()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    QCOMPARE(sim->execute(QStringLiteral("SRPG,120")), QStringList { QStringLiteral("OK") });
    sim->setVersion(QStringLiteral("1V0.99"));
    sim->setSerialNumber(QStringLiteral("SN-7"));

    const QStringList lines = exchange(QStringLiteral("READ"));
    QCOMPARE(lines.mid(0, 4), (QStringList { "VER,1V0.99", "SERIAL,SN-7", "RID,0", "RPGSET,120" }));
    QCOMPARE(sim->transcript(), QStringList { QStringLiteral("READ") });
    sim->clearTranscript();
    QVERIFY(sim->transcript().isEmpty());
    QCOMPARE(sim->settingLine(QStringLiteral("RPGSET")), QStringLiteral("RPGSET,120"));
    QCOMPARE(sim->settingLine(QStringLiteral("UID")), QString());
}

void TestVirtualTavrin::pagerProgrammingIsRecordedInVirtualTime()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    const QStringList alpha { "FPROG,12,100,3", "WPROG,Hello\nthere", "GNPROG,1,Bar", "GPROG,1,5",
                              "GNPROG,2,",      "GPROG,2,99",         "GNPROG,3,",    "GPROG,3,99",
                              "GNPROG,4,",      "GPROG,4,99",         "GNPROG,5,",    "GPROG,5,99" };
    sim->resetElapsed();
    for (const QString& command : alpha)
        QCOMPARE(exchange(command, 2000), QStringList { QStringLiteral("OK") });
    // Every command costs exactly one silent window: the answers themselves come at once.
    QCOMPARE(sim->elapsedMs(), qint64(24000));

    QCOMPARE(exchange(QStringLiteral("LPROG,20,0,3"), 10000), QStringList { QStringLiteral("OK") });
    QCOMPARE(sim->elapsedMs(), qint64(34000));
    QCOMPARE(sim->pagerCommands(), alpha + QStringList { QStringLiteral("LPROG,20,0,3") });
}

void TestVirtualTavrin::otherInterfacesAreSkipped()
{
    auto backend = std::make_unique<VirtualTavrin>(Model::DalenTavrin2Button, QStringLiteral("/dev/hidraw5"));
    backend->addInterface(QStringLiteral("/dev/hidraw0"), 0x046D, 0xAA57);
    backend->addInterface(QStringLiteral("/dev/hidraw1"), 0x03EB, 0x2FF9);
    UsbHid::setBackend(std::move(backend));
    UsbHid* link = testLink();

    QCOMPARE(link->getClassDevs().size(), size_t(3));
    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    QCOMPARE(link->devicePath(), QStringLiteral("/dev/hidraw5"));
    QCOMPARE(link->findDevice(link->getClassDevs(), false), AlreadyOpen);
    QCOMPARE(exchange(QStringLiteral("RID,2")), QStringList { QStringLiteral("OK") });
}

void TestVirtualTavrin::severalUnitsShareTheBus()
{
    auto bus = std::make_unique<VirtualTavrinBus>();
    VirtualTavrin* first
        = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, QStringLiteral("/dev/hidraw2")));
    first->addInterface(QStringLiteral("/dev/hidraw0"), 0x046D, 0xC52B);
    VirtualTavrin* second
        = bus->addUnit(std::make_unique<VirtualTavrin>(Model::DalenTavrin, QStringLiteral("/dev/hidraw7")));
    second->setOpenable(false);
    UsbHid::setBackend(std::move(bus));
    UsbHid* link = testLink();

    QCOMPARE(link->getClassDevs(), (UsbHid::InterfaceSet { "/dev/hidraw0", "/dev/hidraw2", "/dev/hidraw7" }));
    const std::vector<UsbHid::Unit> units = link->matchingUnits(link->getClassDevs());
    QCOMPARE(units.size(), size_t(2));
    QCOMPARE(units.at(1).path, QStringLiteral("/dev/hidraw7"));
    QCOMPARE(units.at(1).productId, 0xAA57);

    // A unit's failures keep their own reason on the shared bus.
    link->setOnlyPath(QStringLiteral("/dev/hidraw7"));
    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    try {
        link->write(QStringLiteral("READ"));
        QFAIL("an unopenable unit took a write");
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), QStringLiteral("WriteFile failed\nPermission denied\n"));
    }

    // Each unit hears only what was sent to it.
    second->setOpenable(true);
    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    QVERIFY(exchange(QStringLiteral("READ")).contains(QStringLiteral("VER,1V1.07")));
    QCOMPARE(second->transcript(), QStringList { QStringLiteral("READ") });
    QVERIFY(first->transcript().isEmpty());

    second->unplug();
    QCOMPARE(link->matchingUnits(link->getClassDevs()).size(), size_t(1));
    QCOMPARE(link->findDevice(link->getClassDevs(), true), NotFound);
}

void TestVirtualTavrin::silentDeviceCostsWholeWindows()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    sim->setSilent(true);
    sim->resetElapsed();
    for (int i = 1; i <= 12; ++i)
        QVERIFY(exchange(QStringLiteral("GPROG,%1,99").arg(i), 2000).isEmpty());
    QCOMPARE(sim->elapsedMs(), qint64(24000));
    QCOMPARE(sim->transcript().size(), 12);
    // Silent, not dead: what it was told still took effect.
    QCOMPARE(sim->pagerCommands().size(), 12);
}

void TestVirtualTavrin::chosenCommandsFail()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    sim->failCommand(QStringLiteral("RID"));
    QVERIFY(exchange(QStringLiteral("RID,5")).first().startsWith(QLatin1String("Err")));
    QCOMPARE(sim->settingLine(QStringLiteral("RID")), QStringLiteral("RID,0"));
    QCOMPARE(exchange(QStringLiteral("UID,5")), QStringList { QStringLiteral("OK") });

    sim->clearFaults();
    sim->failNthCommand(2);
    QCOMPARE(exchange(QStringLiteral("GPEN,1")), QStringList { QStringLiteral("OK") });
    QVERIFY(exchange(QStringLiteral("BEEP,1")).first().startsWith(QLatin1String("Err")));
    QCOMPARE(exchange(QStringLiteral("BEEP,1")), QStringList { QStringLiteral("OK") });
}

void TestVirtualTavrin::unplugAndReplug()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    UsbHid* link = testLink();
    sim->execute(QStringLiteral("RID,9"));

    sim->unplug();
    try {
        link->write(QStringLiteral("READ"));
        QFAIL("write to an unplugged device succeeded");
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), link->errorMessage(LostCommunication));
    }
    QStringList lines;
    QVERIFY_THROWS_EXCEPTION(UsbHidException, link->read(lines, 100));
    QVERIFY(link->getClassDevs().empty());
    QCOMPARE(link->findDevice(link->getClassDevs(), true), NotFound);

    sim->replug();
    // The handles of before the unplug stay dead; a new search opens the device again.
    QVERIFY_THROWS_EXCEPTION(UsbHidException, link->write(QStringLiteral("READ")));
    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    QVERIFY(exchange(QStringLiteral("READ")).contains(QStringLiteral("RID,9")));
}

void TestVirtualTavrin::unplugAfterCommands()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    sim->unplugAfterCommands(2);
    QCOMPARE(exchange(QStringLiteral("GPEN,1")), QStringList { QStringLiteral("OK") });
    QCOMPARE(exchange(QStringLiteral("BEEP,1")), QStringList { QStringLiteral("OK") });
    QVERIFY(!sim->isPresent());
    QVERIFY_THROWS_EXCEPTION(UsbHidException, testLink()->write(QStringLiteral("RID,1")));
    QCOMPARE(sim->transcript().size(), 2);
}

void TestVirtualTavrin::bootLoaderLeavesTheBusAfterTheExchange()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    UsbHid* link = testLink();

    QCOMPARE(exchange(QStringLiteral("BL")), QStringList { QStringLiteral("OK") });
    QVERIFY(sim->isInBootLoader());
    QVERIFY(link->getClassDevs().empty());
    QVERIFY_THROWS_EXCEPTION(UsbHidException, link->write(QStringLiteral("READ")));

    sim->replug();
    QVERIFY(!sim->isInBootLoader());
    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    QCOMPARE(exchange(QStringLiteral("RID,1")), QStringList { QStringLiteral("OK") });
}

void TestVirtualTavrin::unopenableDeviceFailsAtFirstWrite()
{
    auto backend = std::make_unique<VirtualTavrin>(Model::TavrinII);
    backend->setOpenable(false);
    UsbHid::setBackend(std::move(backend));
    UsbHid* link = testLink();

    QCOMPARE(link->findDevice(link->getClassDevs(), true), Opened);
    QCOMPARE(link->productId(), 0xAA55);
    try {
        link->write(QStringLiteral("READ"));
        QFAIL("write through a failed open succeeded");
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), QStringLiteral("WriteFile failed\nPermission denied\n"));
    }
}

void TestVirtualTavrin::babblingNeverFallsSilent()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    sim->setBabbling(true);
    sim->resetElapsed();
    UsbHid* link = testLink();
    link->write(QStringLiteral("RID,1"));
    QStringList lines;
    for (int i = 0; i < 50; ++i)
        QVERIFY(link->read(lines, 100) > 0);
    QCOMPARE(lines.first(), QStringLiteral("OK"));
    QCOMPARE(lines.last(), QStringLiteral("BABBLE"));
    QCOMPARE(lines.size(), 50);
    QCOMPARE(sim->elapsedMs(), qint64(49 * VirtualTavrin::BabbleIntervalMs));
}

void TestVirtualTavrin::garbageAndRawInput()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    sim->setGarbage(true);
    const QStringList answer = exchange(QStringLiteral("RID,1"));
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer.first().size(), 8 + 2); // a report of noise without CR, then OK
    QVERIFY(answer.first().endsWith(QLatin1String("OK")));

    sim->clearFaults();
    sim->queueRawInput(QByteArray("VER,5V1\x01\x02\r", 10));
    sim->queueRawInput(QByteArray("ERR\rjunk"));
    QStringList lines;
    while (testLink()->read(lines, 100) != 0) { }
    QCOMPARE(lines, (QStringList { QString::fromLatin1("VER,5V1\x01\x02"), QStringLiteral("ERR") }));
}

void TestVirtualTavrin::realTimeWaits()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin);
    sim->setRealTime(true);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(exchange(QStringLiteral("RID,1"), 30), QStringList { QStringLiteral("OK") });
    QVERIFY2(timer.elapsed() >= 30 + VirtualTavrin::RealTimeReplyDelayMs, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(TestVirtualTavrin)
#include "tst_virtualtavrin.moc"
