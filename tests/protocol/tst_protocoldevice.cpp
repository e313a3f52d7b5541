#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ProgressRecorder.h"
#include "support/ProtocolTestSupport.h"
#include "support/ScriptedHidBackend.h"
#include "usb/UsbHid.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>

using Model = VirtualTavrin::Model;
using namespace ProtocolTestSupport;

Q_DECLARE_METATYPE(VirtualTavrin::Model)

namespace {

QStringList reads(int count)
{
    return QStringList(count, QStringLiteral("READ"));
}

} // namespace

class TestProtocolDevice : public QObject
{
    Q_OBJECT

private slots:
    void identifiesTheModelOnce_data();
    void identifiesTheModelOnce();
    void searchesAgainAfterUnplug();
    void reopensADeviceReplugedBetweenSearches();
    void readsThroughTheDialog();
    void unsupportedFirmwareIsNotRead();
    void failedReadsCloseTheDialog_data();
    void failedReadsCloseTheDialog();
    void babblingDeviceLosesCommunication();
    void windowInSlicesKeepsLinesWhole();
    void operationsStartedInsideAWaitAreRefused();
};

void TestProtocolDevice::identifiesTheModelOnce_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("readCount");

    QTest::newRow("Tavrin II") << Model::TavrinII << "5V1.07" << true << int(TavrinII) << 1;
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin << "1V1.07" << true << int(DalenTavrin) << 2;
    QTest::newRow("Dalen Tavrin - 2 Button")
        << Model::DalenTavrin2Button << "2V1.07" << true << int(DalenTavrin2Button) << 2;
    QTest::newRow("0xAA55 with 1V") << Model::TavrinII << "1V1.07" << false << int(TavrinII) << 1;
    QTest::newRow("0xAA57 with 5V") << Model::DalenTavrin << "5V1.07" << false << int(DalenTavrin) << 1;
    QTest::newRow("0xAA57 with unknown prefix") << Model::DalenTavrin2Button << "V2" << false << int(DalenTavrin) << 1;
}

void TestProtocolDevice::identifiesTheModelOnce()
{
    QFETCH(Model, model);
    QFETCH(QString, version);
    QFETCH(bool, supported);
    QFETCH(int, type);
    QFETCH(int, readCount);
    VirtualTavrin* sim = attach(model, false);
    sim->setVersion(version);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();

    TavrinType detected = Unknown;
    QCOMPARE(failureOf([&] { detected = comm->connectTavrin(); }),
             supported ? QString() : hidError(UnsupportedVersion));
    if (supported)
        QCOMPARE(int(detected), type);
    QCOMPARE(comm->connectionStatus(), int(Opened));
    QCOMPARE(sim->transcript(), reads(readCount));

    // The device stays open: later searches cost no traffic and repeat no check.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(int(comm->connectTavrin()), type);
        QCOMPARE(comm->connectionStatus(), int(AlreadyOpen));
    }
    QCOMPARE(sim->transcript(), reads(readCount));
}

void TestProtocolDevice::searchesAgainAfterUnplug()
{
    VirtualTavrin* sim = attach(Model::DalenTavrin2Button, false);
    // Our vendor, a product that is no Tavrin: never taken for one.
    sim->addInterface(QStringLiteral("/dev/other"), UsbHid::VendorId, 0xAA56);
    sim->unplug();
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();

    QCOMPARE(failureOf([&] { comm->connectTavrin(); }), hidError(NoDeviceFound));
    QCOMPARE(comm->connectionStatus(), int(NotFound));
    sim->replug();
    QCOMPARE(comm->connectTavrin(), DalenTavrin2Button);
    QCOMPARE(sim->transcript(), reads(2));

    sim->unplug();
    QCOMPARE(failureOf([&] { comm->connectTavrin(); }), hidError(NoDeviceFound));
    sim->replug();
    QCOMPARE(comm->connectTavrin(), DalenTavrin2Button);
    QCOMPARE(comm->connectionStatus(), int(Opened));
    QCOMPARE(sim->transcript(), reads(4));
}

void TestProtocolDevice::reopensADeviceReplugedBetweenSearches()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    sim->unplug();
    sim->replug();

    // Same path, dead handles: the search cannot tell, the next transfer can.
    QCOMPARE(comm->connectTavrin(), TavrinII);
    QCOMPARE(failureOf([&] { comm->readTavrin(); }), hidError(LostCommunication));
    QCOMPARE(comm->connectTavrin(), TavrinII);
    QCOMPARE(comm->connectionStatus(), int(Opened));
    QCOMPARE(sim->transcript(), reads(1));
}

void TestProtocolDevice::readsThroughTheDialog()
{
    VirtualTavrin* sim = attach(Model::TavrinII);
    sim->execute(QStringLiteral("RID,7"));
    sim->setSerialNumber(QStringLiteral("00099"));
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    ProgressRecorder recorder;

    const Tavrin2QtCfg cfg = comm->readTavrin();
    QCOMPARE(cfg.sysID(), 7);
    QCOMPARE(cfg.serNum(), QStringLiteral("00099"));
    QCOMPARE(cfg.firmware(), QStringLiteral("5V1.07"));
    // The version check reads first, without a dialog.
    QCOMPARE(sim->transcript(), reads(2));
    QCOMPARE(recorder.records().size(), 1);
    const ProgressRecorder::Record& dialog = recorder.records().first();
    QCOMPARE(dialog.label, QStringLiteral("Reading Tavrin..."));
    QCOMPARE(dialog.modal, false);
    QCOMPARE(dialog.caption, QStringLiteral("Please Wait"));
    QVERIFY(dialog.shown);
    QCOMPARE(dialog.totalSteps, 2);
    QCOMPARE(dialog.values, (QList<int> { 1, 2 }));
    QCOMPARE(recorder.alive(), 0);

    QCOMPARE(comm->readTavrinNoGui(), cfg);
    QCOMPARE(recorder.records().size(), 1);
    QCOMPARE(sim->transcript(), reads(3));
}

void TestProtocolDevice::unsupportedFirmwareIsNotRead()
{
    VirtualTavrin* sim = attach(Model::TavrinII, false);
    sim->setVersion(QStringLiteral("2V1.00"));
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    failureOf([&] { comm->connectTavrin(); });
    sim->clearTranscript();
    ProgressRecorder recorder;

    QCOMPARE(failureOf([&] { comm->readTavrin(); }), hidError(UnsupportedVersion));
    QCOMPARE(sim->transcript(), reads(1));
    QCOMPARE(recorder.records().size(), 1);
    QVERIFY(!recorder.records().first().shown);
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolDevice::failedReadsCloseTheDialog_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("error");

    // A refused READ is named as every refused command is.
    QTest::newRow("device error") << 0
                                  << hidError(DeviceReportedError)
            + "\nTavrin refused READ (Settings report), answering \"Err: failed\".\nThe commands before it were "
              "applied; the ones after it were not sent.";
    QTest::newRow("silent") << 1 << hidError(LostCommunication);
    QTest::newRow("babbling") << 2 << hidError(LostCommunication);
    QTest::newRow("gone") << 3 << hidError(LostCommunication);
}

void TestProtocolDevice::failedReadsCloseTheDialog()
{
    QFETCH(int, fault);
    QFETCH(QString, error);
    VirtualTavrin* sim = attach(Model::TavrinII);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    ProgressRecorder recorder;
    switch (fault) {
    case 0:
        // The version check passes; the read's own READ gets the error.
        sim->failNthCommand(2);
        break;
    case 1:
        sim->setSilent(true);
        break;
    case 2:
        sim->setBabbling(true);
        break;
    default:
        sim->unplugAfterCommands(1);
        break;
    }

    QCOMPARE(failureOf([&] { comm->readTavrin(); }), error);
    QCOMPARE(recorder.alive(), 0);
}

void TestProtocolDevice::babblingDeviceLosesCommunication()
{
    VirtualTavrin* sim = attach(Model::TavrinII, false);
    sim->setBabbling(true);
    QElapsedTimer clock;
    clock.start();

    QCOMPARE(failureOf([] { Tavrin2QtComm::instance()->connectTavrin(); }), hidError(LostCommunication));
    QVERIFY2(sim->elapsedMs() <= 1000 * VirtualTavrin::BabbleIntervalMs + 1000,
             qPrintable(QString::number(sim->elapsedMs())));
    QVERIFY(clock.elapsed() < 5000);
}

// With a wait hook the window is waited in short slices: silence adds up across them, a report starts it
// anew, and only the close of the window drops a partial line.
void TestProtocolDevice::windowInSlicesKeepsLinesWhole()
{
    auto* backend = static_cast<ScriptedHidBackend*>(UsbHid::setBackend(std::make_unique<ScriptedHidBackend>()));
    backend->addInterface(QStringLiteral("/dev/tavrin"), UsbHid::VendorId, UsbHid::TavrinIIProductId);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->reset();
    queueLine(backend, "VER,5V1.0");
    backend->queueTimeout();
    comm->connectTavrin();
    int hookRuns = 0;
    comm->setWaitHook([&hookRuns] { ++hookRuns; });
    const qsizetype readsBefore = backend->readTimeouts().size();

    // The halves of a line two silent slices apart, then a whole line.
    backend->queueReport("SERIAL,1");
    backend->queueTimeout();
    backend->queueTimeout();
    backend->queueReport("23\r");
    backend->queueReport("VER,5V1\r");
    const Tavrin2QtCfg first = comm->readTavrinNoGui();
    const QList<int> waits = backend->readTimeouts().mid(readsBefore);
    const int hookRunsInFirst = hookRuns;
    // The start of a line that the window's close cuts off: reported, and not glued to the next answer.
    backend->queueReport("VER,5V1.");
    QVERIFY_THROWS_EXCEPTION(UsbHidException, comm->readTavrinNoGui());
    queueLine(backend, "VER,5V2.0");
    const Tavrin2QtCfg second = comm->readTavrinNoGui();
    comm->setWaitHook({});

    QCOMPARE(first.serNum(), QStringLiteral("123"));
    QCOMPARE(second.firmware(), QStringLiteral("5V2.0"));
    QVERIFY(*std::max_element(waits.begin(), waits.end()) <= 20);
    // After the last report, silent slices make up exactly one window.
    QCOMPARE(std::accumulate(waits.begin() + 5, waits.end(), 0), 100);
    // Between every two waits of the window; none after the one that closes it.
    QCOMPARE(hookRunsInFirst, int(waits.size()) - 1);
}

// Whatever the events processed during a wait start (a queued call, a timer, another window), not only
// the window's own actions: refused with one message, before anything reaches a unit, and the
// operation that waits ends as it would have.
void TestProtocolDevice::operationsStartedInsideAWaitAreRefused()
{
    auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(Model::TavrinII)));
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->reset();
    comm->connectTavrin();
    sim->clearTranscript();
    const ProgressRecorder progress;
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(TavrinII);
    const std::pair<QString, std::function<void()>> nested[] = {
        { QStringLiteral("connectTavrin"), [&] { comm->connectTavrin(); } },
        { QStringLiteral("chooseUnit"), [&] { comm->chooseUnit(QStringLiteral("/dev/other")); } },
        { QStringLiteral("describeUnits"), [&] { comm->describeUnits(); } },
        { QStringLiteral("readTavrin"), [&] { comm->readTavrin(); } },
        { QStringLiteral("readTavrinNoGui"), [&] { comm->readTavrinNoGui(); } },
        { QStringLiteral("updateTavrin"), [&] { comm->updateTavrin(cfg); } },
        { QStringLiteral("programAlphaPager"), [&] { comm->programAlphaPager(AlphaProgramData()); } },
        { QStringLiteral("programZellPager"), [&] { comm->programZellPager(5, 1, 0); } },
        { QStringLiteral("startBootLoader"), [&] { comm->startBootLoader(); } },
    };
    QStringList expected;
    for (const auto& entry : nested)
        expected << entry.first;
    QStringList refused;
    bool nestedRan = false;
    qsizetype sentMeanwhile = 0;
    comm->setWaitHook([&] {
        if (std::exchange(nestedRan, true))
            return;
        const qsizetype sent = sim->transcript().size();
        for (const auto& [name, call] : nested) {
            try {
                call();
            } catch (const UsbHidException& e) {
                if (e.message() == QLatin1String("Tavrin is busy with another operation."))
                    refused << name;
            }
        }
        sentMeanwhile = sim->transcript().size() - sent;
    });
    for (qsizetype i = 0; i < expected.size(); ++i)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("started while another one waits for the device")));
    const Tavrin2QtCfg read = comm->readTavrinNoGui();
    comm->setWaitHook({});
    QCOMPARE(refused, expected);
    QCOMPARE(sentMeanwhile, 0);
    QCOMPARE(sim->transcript(), QStringList { QStringLiteral("READ") });
    QCOMPARE(read.serNum(), sim->firmware().serialNumber());
}

QTEST_MAIN(TestProtocolDevice)
#include "tst_protocoldevice.moc"
