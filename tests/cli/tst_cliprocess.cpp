#include "config/CfgFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The built tavrin2qt-cli as a script runs it: a process of its own, without a GUI.
class TestCliProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionAndUsageStatus();
    void readWritesTheDocumentBytesWithoutAWindow_data();
    void readWritesTheDocumentBytesWithoutAWindow();

private:
    struct Result
    {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };
    Result runBinary(const QStringList& arguments);

    QString m_binary;
};

void TestCliProcess::initTestCase()
{
    m_binary = QCoreApplication::applicationDirPath() + "/../cli/tavrin2qt-cli";
    QVERIFY2(QFileInfo(m_binary).isExecutable(), qPrintable(m_binary + " is not built"));
}

TestCliProcess::Result TestCliProcess::runBinary(const QStringList& arguments)
{
    QProcess process;
    // As from a shell: no display, and the program's own logging defaults.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_LOGGING_RULES");
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(m_binary, arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestCliProcess::versionAndUsageStatus()
{
    const Result version = runBinary({ "--version" });
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("tavrin2qt-cli " T2Q_VERSION "\n"));

    const Result usage = runBinary({ "frobnicate" });
    QCOMPARE(usage.status, 2);
    QCOMPARE(usage.out, QByteArray());
    QVERIFY(usage.err.startsWith("Unknown command \"frobnicate\"."));
}

void TestCliProcess::readWritesTheDocumentBytesWithoutAWindow_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("bytes");
    // One byte per character, as Save writes it.
    QTest::newRow("Latin-1") << QString::fromLatin1("Caf\xE9") << QByteArray("Caf\xE9");
    // Its Latin-1 bytes, C9 A0, would also be UTF-8: Save writes the document in UTF-8.
    QTest::newRow("Latin-1 bytes that are UTF-8")
        << QStringLiteral("CAF\u00c9\u00a0!") << QByteArray("CAF\xC3\x89\xC2\xA0!");
}

void TestCliProcess::readWritesTheDocumentBytesWithoutAWindow()
{
    QFETCH(QString, message);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtCancelMsg(message);
    QString error;
    const QString path = dir.filePath("dalen.t2c");
    QVERIFY(CfgFile::save(cfg, path, error));

    const Result read = runBinary({ "--simulate-from", path, "read" });
    QCOMPARE(read.status, 0);
    QVERIFY(read.out.contains("<ascii>" + bytes + "</ascii>"));
    // The same bytes as the file -o writes.
    const QString output = dir.filePath("read.t2c");
    QCOMPARE(runBinary({ "--simulate-from", path, "read", "-o", output }).status, 0);
    QFile written(output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(read.out, written.readAll());
    // Progress only: no traces, no warnings.
    QCOMPARE(read.err, QByteArray("Reading Tavrin... 1/2\nReading Tavrin... 2/2\n"));

    const Result verbose = runBinary({ "--simulate-from", path, "--verbose", "read" });
    QCOMPARE(verbose.status, 0);
    QCOMPARE(verbose.out, read.out);
    QVERIFY2(verbose.err.contains("tavrin.protocol: "), verbose.err.constData());
}

QTEST_MAIN(TestCliProcess)
#include "tst_cliprocess.moc"
