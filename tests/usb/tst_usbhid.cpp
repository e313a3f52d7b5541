#include "support/ScriptedHidBackend.h"
#include "usb/UsbHid.h"

#include <QtTest>

namespace {

const QString TavrinPath = QStringLiteral("/dev/hidraw3");

QByteArray reports(const QList<QByteArray>& written)
{
    QByteArray all;
    for (const QByteArray& report : written)
        all += report;
    return all;
}

} // namespace

class TestUsbHid : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writeFraming_data();
    void writeFraming();
    void overlongLineRefusedBeforeSending();
    void failedReportStopsTheLine();

    void lineAssembly_data();
    void lineAssembly();
    void readFailureThrows();

    void matching_data();
    void matching();
    void alreadyOpenUnlessForced();
    void probingOthersKeepsTheDeviceUsable();
    void notFoundKeepsEarlierHandles();
    void disconnectClosesAndNextSearchReopens();

    void errorMessages_data();
    void errorMessages();
    void unloadableLibraryThrows();
    void exceptionKeepsItsText();

private:
    void openTavrin();

    std::unique_ptr<UsbHid> m_ownLink;
    UsbHid* m_link = nullptr;
    ScriptedHidBackend* m_backend = nullptr;
};

void TestUsbHid::init()
{
    m_backend = static_cast<ScriptedHidBackend*>(UsbHid::setBackend(std::make_unique<ScriptedHidBackend>()));
    m_ownLink = std::make_unique<UsbHid>();
    m_link = m_ownLink.get();
}

void TestUsbHid::openTavrin()
{
    m_backend->addInterface(TavrinPath, 0x03EB, 0xAA55);
    QCOMPARE(m_link->findDevice(m_link->getClassDevs(), true), Opened);
    m_backend->clearLog();
}

void TestUsbHid::writeFraming_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("READ in one report") << QStringLiteral("READ") << QByteArray::fromHex("00'52'45'41'44'0A'0D'00'00");
    QTest::newRow("empty line") << QString() << QByteArray::fromHex("00'0A'0D'00'00'00'00'00'00");
    QTest::newRow("six characters: zero byte alone in a second report")
        << QStringLiteral("GPEN,1")
        << QByteArray::fromHex("00'47'50'45'4E'2C'31'0A'0D"
                               "00'00'00'00'00'00'00'00'00");
    QTest::newRow("seven characters: CR and zero in the second report")
        << QStringLiteral("BEEP,10")
        << QByteArray::fromHex("00'42'45'45'50'2C'31'30'0A"
                               "00'0D'00'00'00'00'00'00'00");
    QTest::newRow("Latin-1 text") << QStringLiteral("W,\u00e9") << QByteArray::fromHex("00'57'2C'E9'0A'0D'00'00'00");

    // 253 characters: 256 bytes with the terminator, 32 full reports; the last ends in LF CR 00.
    const QString longest(253, QLatin1Char('x'));
    QByteArray expected;
    for (int report = 0; report < 31; ++report)
        expected += '\0' + QByteArray(8, 'x');
    expected += QByteArray::fromHex("00'78'78'78'78'78'0A'0D'00");
    QTest::newRow("253 characters fit") << longest << expected;
}

void TestUsbHid::writeFraming()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, expected);
    openTavrin();

    m_link->write(line);

    const QList<QByteArray> written = m_backend->writtenBytes();
    QCOMPARE(written.size(), expected.size() / 9);
    for (const QByteArray& report : written)
        QCOMPARE(report.size(), 9);
    QCOMPARE(reports(written), expected);
    QCOMPARE(m_backend->writtenReports().first().path, TavrinPath);
}

void TestUsbHid::overlongLineRefusedBeforeSending()
{
    openTavrin();
    try {
        m_link->write(QString(254, QLatin1Char('x')));
        QFAIL("a 254-character line was accepted");
    } catch (const UsbHidException& e) {
        QVERIFY2(e.message().contains(QLatin1String("254")), qPrintable(e.message()));
    }
    QVERIFY(m_backend->writtenReports().isEmpty());
}

void TestUsbHid::failedReportStopsTheLine()
{
    openTavrin();
    m_backend->setLastErrorText(QStringLiteral("The device is not connected.\n"));
    m_backend->failWriteAt(2);
    try {
        m_link->write(QStringLiteral("SLOWBAT,1,12,Battery low")); // four reports
        QFAIL("the failed report was not reported");
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), QStringLiteral("WriteFile failed\nThe device is not connected.\n"));
    }
    QCOMPARE(m_backend->writtenReports().size(), 1);
}

void TestUsbHid::lineAssembly_data()
{
    // Each input is one report's data bytes; an empty entry is a time-out.
    QTest::addColumn<QList<QByteArray>>("input");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("linesAfterEachRead");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one line in one report") << QList<QByteArray> { QByteArray("OK\r\0\0\0\0\0", 8) } << QList<int> { 8 }
                                            << QList<int> { 1 } << QStringList { QStringLiteral("OK") };
    QTest::newRow("nine characters over two reports")
        << QList<QByteArray> { QByteArray("RPGSET,1"), QByteArray("2\r\0\0\0\0\0\0", 8) } << QList<int> { 8, 8 }
        << QList<int> { 0, 1 } << QStringList { QStringLiteral("RPGSET,12") };
    QTest::newRow("CR drops the rest of its report")
        << QList<QByteArray> { QByteArray("abc\rdef\0", 8), QByteArray("g\r\0\0\0\0\0\0", 8) } << QList<int> { 8, 8 }
        << QList<int> { 1, 2 } << QStringList { QStringLiteral("abc"), QStringLiteral("g") };
    QTest::newRow("time-out discards the partial line")
        << QList<QByteArray> { QByteArray("abc"), QByteArray(), QByteArray("d\r") } << QList<int> { 3, 0, 2 }
        << QList<int> { 0, 0, 1 } << QStringList { QStringLiteral("d") };
    QTest::newRow("bytes past the eighth are not examined")
        << QList<QByteArray> { QByteArray("ABCDEFGH\rX"), QByteArray("\r") } << QList<int> { 10, 1 }
        << QList<int> { 0, 1 } << QStringList { QStringLiteral("ABCDEFGH") };
    QTest::newRow("empty line") << QList<QByteArray> { QByteArray("\r") } << QList<int> { 1 } << QList<int> { 1 }
                                << QStringList { QString() };
    QTest::newRow("8-bit bytes kept as Latin-1")
        << QList<QByteArray> { QByteArray("\xe9\x0c\x01\r") } << QList<int> { 4 } << QList<int> { 1 }
        << QStringList { QStringLiteral("\u00e9\f\u0001") };
}

void TestUsbHid::lineAssembly()
{
    QFETCH(QList<QByteArray>, input);
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, linesAfterEachRead);
    QFETCH(QStringList, lines);
    openTavrin();
    for (const QByteArray& report : input) {
        if (report.isNull())
            m_backend->queueTimeout();
        else
            m_backend->queueReport(report);
    }

    QStringList received;
    for (int i = 0; i < input.size(); ++i) {
        QCOMPARE(m_link->read(received, 100), counts.at(i));
        QCOMPARE(received.size(), linesAfterEachRead.at(i));
    }
    QCOMPARE(received, lines);
    QCOMPARE(m_link->read(received, 100), 0); // nothing queued: time-out
    QCOMPARE(m_backend->readTimeouts().last(), 100);
}

void TestUsbHid::readFailureThrows()
{
    openTavrin();
    m_backend->setLastErrorText(QStringLiteral("No such device\n"));
    m_backend->queueReadFailure();
    QStringList lines;
    QVERIFY_THROWS_EXCEPTION(UsbHidException, m_link->read(lines, 100));
    try {
        m_backend->queueReadFailure();
        m_link->read(lines, 100);
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), QStringLiteral("ReadFile failed\nNo such device\n"));
    }
}

void TestUsbHid::matching_data()
{
    QTest::addColumn<QStringList>("interfaces"); // "path vendor product [noprobe|noattributes]"
    QTest::addColumn<QString>("onlyPath");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QStringList>("units"); // every match, "path product"

    QTest::newRow("Tavrin II") << QStringList { "/dev/a 03eb aa55" } << QString() << int(Opened) << "/dev/a" << 0xAA55
                               << QStringList { "/dev/a aa55" };
    QTest::newRow("Dalen") << QStringList { "/dev/a 03eb aa57" } << QString() << int(Opened) << "/dev/a" << 0xAA57
                           << QStringList { "/dev/a aa57" };
    QTest::newRow("other product of the vendor skipped")
        << QStringList { "/dev/a 03eb 2ff9", "/dev/b 03eb aa57" } << QString() << int(Opened) << "/dev/b" << 0xAA57
        << QStringList { "/dev/b aa57" };
    QTest::newRow("other vendor skipped") << QStringList { "/dev/a 046d aa55", "/dev/b 03eb aa55" } << QString()
                                          << int(Opened) << "/dev/b" << 0xAA55 << QStringList { "/dev/b aa55" };
    QTest::newRow("first match wins") << QStringList { "/dev/a 03eb aa57", "/dev/b 03eb aa55" } << QString()
                                      << int(Opened) << "/dev/a" << 0xAA57
                                      << QStringList { "/dev/a aa57", "/dev/b aa55" };
    QTest::newRow("the chosen path, not the first match")
        << QStringList { "/dev/a 03eb aa57", "/dev/b 03eb aa55", "/dev/c 03eb aa57" } << "/dev/b" << int(Opened)
        << "/dev/b" << 0xAA55 << QStringList { "/dev/a aa57", "/dev/b aa55", "/dev/c aa57" };
    QTest::newRow("the chosen path gone: no other unit instead")
        << QStringList { "/dev/a 03eb aa57" } << "/dev/b" << int(NotFound) << QString() << -1
        << QStringList { "/dev/a aa57" };
    QTest::newRow("unprobeable interface skipped")
        << QStringList { "/dev/a 03eb aa55 noprobe", "/dev/b 03eb aa57" } << QString() << int(Opened) << "/dev/b"
        << 0xAA57 << QStringList { "/dev/b aa57" };
    QTest::newRow("failed attribute query skipped")
        << QStringList { "/dev/a 03eb aa55 noattributes", "/dev/b 03eb aa57" } << QString() << int(Opened) << "/dev/b"
        << 0xAA57 << QStringList { "/dev/b aa57" };
    QTest::newRow("only other products") << QStringList { "/dev/a 03eb 2ff9", "/dev/b 03eb aa56" } << QString()
                                         << int(NotFound) << QString() << -1 << QStringList();
    QTest::newRow("nothing present") << QStringList {} << QString() << int(NotFound) << QString() << -1
                                     << QStringList();
}

void TestUsbHid::matching()
{
    QFETCH(QStringList, interfaces);
    QFETCH(QString, onlyPath);
    QFETCH(int, result);
    QFETCH(QString, path);
    QFETCH(int, productId);
    QFETCH(QStringList, units);
    for (const QString& description : interfaces) {
        const QStringList parts = description.split(QLatin1Char(' '));
        auto& entry = m_backend->addInterface(parts.at(0), quint16(parts.at(1).toUInt(nullptr, 16)),
                                              quint16(parts.at(2).toUInt(nullptr, 16)));
        entry.probeOpens = !parts.contains(QLatin1String("noprobe"));
        entry.attributesWork = !parts.contains(QLatin1String("noattributes"));
    }

    QStringList found;
    for (const UsbHid::Unit& unit : m_link->matchingUnits(m_link->getClassDevs()))
        found << unit.path + QLatin1Char(' ') + QString::number(unit.productId, 16);
    QCOMPARE(found, units);
    QCOMPARE(m_backend->openHandleCount(), 0);

    m_link->setOnlyPath(onlyPath);
    QCOMPARE(int(m_link->findDevice(m_link->getClassDevs(), false)), result);
    QCOMPARE(m_link->devicePath(), path);
    QCOMPARE(m_link->productId(), productId);
    // No probe stays open: only the match's read and write handles remain.
    QCOMPARE(m_backend->openHandleCount(), result == Opened ? 2 : 0);

    // Listing the units again leaves the open one usable.
    if (result == Opened) {
        m_link->matchingUnits(m_link->getClassDevs());
        m_link->write(QStringLiteral("READ"));
        QCOMPARE(m_backend->writtenReports().last().path, path);
    }
}

void TestUsbHid::alreadyOpenUnlessForced()
{
    openTavrin();
    QCOMPARE(m_link->findDevice(m_link->getClassDevs(), false), AlreadyOpen);
    QVERIFY2(m_backend->log().isEmpty(), qPrintable(m_backend->log().join(QLatin1String("; "))));

    QCOMPARE(m_link->findDevice(m_link->getClassDevs(), true), Opened);
    QCOMPARE(m_backend->log(),
             (QStringList { "open probe /dev/hidraw3 -> 4", "close 4", "close 2", "close 3",
                            "open read /dev/hidraw3 -> 5", "open write /dev/hidraw3 -> 6" }));
    m_link->write(QStringLiteral("READ"));
    QCOMPARE(m_backend->writtenReports().last().handle, HidBackend::Handle(6));
}

void TestUsbHid::probingOthersKeepsTheDeviceUsable()
{
    m_backend->addInterface(QStringLiteral("/dev/hidraw0"), 0x046D, 0xC52B);
    m_backend->addInterface(QStringLiteral("/dev/hidraw1"), 0x03EB, 0x2FF9);
    openTavrin();

    QCOMPARE(m_link->findDevice(m_link->getClassDevs(), false), AlreadyOpen);
    m_link->write(QStringLiteral("READ"));
    QCOMPARE(m_backend->writtenReports().last().path, TavrinPath);
    m_backend->queueReport(QByteArray("OK\r"));
    QStringList lines;
    QCOMPARE(m_link->read(lines, 100), 3);
    QCOMPARE(lines, QStringList { QStringLiteral("OK") });
}

void TestUsbHid::notFoundKeepsEarlierHandles()
{
    openTavrin();
    QCOMPARE(m_link->findDevice({}, true), NotFound);
    QCOMPARE(m_link->productId(), 0xAA55);
    m_link->write(QStringLiteral("READ"));
    QCOMPARE(m_backend->writtenReports().size(), 1);
}

void TestUsbHid::disconnectClosesAndNextSearchReopens()
{
    openTavrin();
    m_link->disconnect();
    QCOMPARE(m_backend->openHandleCount(), 0);
    QCOMPARE(m_link->devicePath(), TavrinPath);
    QVERIFY_THROWS_EXCEPTION(UsbHidException, m_link->write(QStringLiteral("READ")));

    // Nothing is open any more, so meeting the old path must not count as "already open".
    QCOMPARE(m_link->findDevice(m_link->getClassDevs(), false), Opened);
    m_link->write(QStringLiteral("READ"));
    QCOMPARE(m_backend->writtenReports().size(), 1);
}

void TestUsbHid::errorMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("systemText");
    QTest::addColumn<QString>("message");

    const QString system = QStringLiteral("Access is denied.\n");
    QTest::newRow("0 with system text") << 0 << system << "HID.DLL failed to load\nAccess is denied.\n";
    QTest::newRow("7") << 7 << system
                       << "SetupDiGetDeviceInterfaceDetailA not found in SETUPAPI.DLL\nAccess is denied.\n";
    QTest::newRow("8 without system text")
        << 8 << system << "No Tavrin device found\nPlease verify Tavrin is connected to PC";
    QTest::newRow("11") << 11 << system << "getHidGuid passed in NULL guid\nAccess is denied.\n";
    QTest::newRow("12") << 12 << system << "WriteFile failed\nAccess is denied.\n";
    QTest::newRow("12, no system text known") << 12 << QString() << "WriteFile failed\n";
    QTest::newRow("14") << 14 << system << "GetOverlappedResult failed\nAccess is denied.\n";
    QTest::newRow("15") << 15 << system << "Lost communication to Tavrin\nPlease remove then re-attach Tavrin to PC";
    QTest::newRow("16") << 16 << system
                        << "Tavrin response indicates an error was\nencountered performing current operation";
    QTest::newRow("17") << 17 << system
                        << "Detected software version is not supported.\nPlease contact Orvenna to upgrade.";
    QTest::newRow("18") << 18 << system << "WARNING: unknown exception\nAccess is denied.\n";
    QTest::newRow("-1") << -1 << system << "WARNING: unknown exception\nAccess is denied.\n";
}

void TestUsbHid::errorMessages()
{
    QFETCH(int, code);
    QFETCH(QString, systemText);
    QFETCH(QString, message);
    m_backend->setLastErrorText(systemText);
    QCOMPARE(m_link->errorMessage(code), message);
}

void TestUsbHid::unloadableLibraryThrows()
{
    m_backend->setInitSucceeds(false);
    m_backend->setLastErrorText(QStringLiteral("libhidapi missing\n"));
    try {
        m_link->resolveHidFunctions();
        QFAIL("no exception");
    } catch (const UsbHidException& e) {
        QCOMPARE(e.message(), QStringLiteral("HID.DLL failed to load\nlibhidapi missing\n"));
    }
}

void TestUsbHid::exceptionKeepsItsText()
{
    const QString text = QStringLiteral("Ger\u00e4t fehlt\nzweite Zeile");
    const std::exception* base = nullptr;
    auto original = std::make_unique<UsbHidException>(text);
    UsbHidException copy(*original);
    original.reset();
    base = &copy;
    QCOMPARE(QString::fromUtf8(base->what()), text);
    QCOMPARE(copy.message(), text);
}

QTEST_MAIN(TestUsbHid)
#include "tst_usbhid.moc"
