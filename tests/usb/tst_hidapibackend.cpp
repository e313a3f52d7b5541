#include "usb/HidapiBackend.h"
#include "usb/UsbHid.h"

#include <QtTest>

#include <QTemporaryDir>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class TestHidapiBackend : public QObject
{
    Q_OBJECT

private slots:
    void searchWithoutTavrinFindsNothing();
    void openFailureTexts_data();
    void openFailureTexts();
    void unopenableNodeNamesTheUdevRuleAtFirstWrite();
};

void TestHidapiBackend::searchWithoutTavrinFindsNothing()
{
    UsbHid::setBackend(nullptr);
    const auto ownLink = std::make_unique<UsbHid>();
    UsbHid* link = ownLink.get();
    link->resolveHidFunctions();
    const FindResult result = link->findDevice(link->getClassDevs(), true);
    if (result == Opened) {
        link->disconnect();
        QSKIP("a Tavrin device is attached to this machine");
    }
    QCOMPARE(result, NotFound);
    QCOMPARE(link->productId(), -1);
}

void TestHidapiBackend::openFailureTexts_data()
{
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("libraryText");
    QTest::addColumn<QString>("expected");

    const QString hint = QStringLiteral("Permission denied opening the Tavrin device. Install the udev rule "
                                        "70-tavrin.rules (see README) and re-plug the device.\n");
    const QString library = QStringLiteral("Failed to open a device with path '/nonexistent/hidraw9'");
    QTest::newRow("EACCES") << int(EACCES) << library << hint;
    QTest::newRow("EPERM") << int(EPERM) << library << hint;
    QTest::newRow("ENOENT keeps the library's text") << int(ENOENT) << library << library + QLatin1Char('\n');
    QTest::newRow("no library text") << int(ENOENT) << QString() << QStringLiteral("No such file or directory\n");
}

void TestHidapiBackend::openFailureTexts()
{
    QFETCH(int, errorNumber);
    QFETCH(QString, libraryText);
    QFETCH(QString, expected);
    QCOMPARE(HidapiBackend::describeOpenFailure(QStringLiteral("/nonexistent/hidraw9"), errorNumber, libraryText),
             expected);
}

void TestHidapiBackend::unopenableNodeNamesTheUdevRuleAtFirstWrite()
{
#ifndef Q_OS_LINUX
    QSKIP("hidraw nodes are Linux only");
#else
    if (geteuid() == 0)
        QSKIP("root may open any node");
    QTemporaryDir dir;
    const QString node = dir.filePath(QStringLiteral("hidraw0"));
    QFile file(node);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));

    HidapiBackend backend;
    QString error;
    const HidBackend::Handle handle = backend.open(node, HidBackend::Access::Write, &error);
    QCOMPARE(handle, HidBackend::NoHandle);
    QVERIFY(!backend.writeReport(handle, QByteArray(9, '\0')));
    QVERIFY2(error.contains(QLatin1String("70-tavrin.rules")), qPrintable(error));
#endif
}

QTEST_MAIN(TestHidapiBackend)
#include "tst_hidapibackend.moc"
