#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

namespace {
QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/tavrin2qt");
}

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments)
{
    QProcess process;
    process.start(programPath(), arguments);
    Outcome outcome;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}
} // namespace

class TestAppCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionAndHelp();
    void unknownModelIsRefused_data();
    void unknownModelIsRefused();
    void simulatedDeviceIsFoundAtStartUp();
    void exitsAfterFirstPaintWhenAsked_data();
    void exitsAfterFirstPaintWhenAsked();
};

void TestAppCommandLine::initTestCase()
{
    QVERIFY2(QFileInfo(programPath()).isExecutable(), qPrintable(programPath()));
}

void TestAppCommandLine::versionAndHelp()
{
    const Outcome version = run({ QStringLiteral("--version") });
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out.trimmed(), QStringLiteral("tavrin2qt " T2Q_VERSION));

    const Outcome help = run({ QStringLiteral("--help") });
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith(QStringLiteral("Usage: tavrin2qt [options]")), qPrintable(help.out));
    QVERIFY(help.out.contains(QStringLiteral("--simulate <MODEL>")));
    QVERIFY(help.out.contains(QStringLiteral("dalen2")));
}

void TestAppCommandLine::unknownModelIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown name") << QStringList { "--simulate", "tavrin3" };
    QTest::newRow("empty name") << QStringList { "--simulate=" };
}

void TestAppCommandLine::unknownModelIsRefused()
{
    QFETCH(QStringList, arguments);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY2(outcome.err.contains(QStringLiteral("--simulate")), qPrintable(outcome.err));
    QVERIFY(outcome.out.isEmpty());
}

// The virtual device must be on the link before the window's first detection: identifying it is
// the first thing the protocol reports, and no model choice blocks the start.
void TestAppCommandLine::simulatedDeviceIsFoundAtStartUp()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false;tavrin.protocol.debug=true"));
    process.setProcessEnvironment(environment);
    process.start(programPath(), { QStringLiteral("--simulate"), QStringLiteral("dalen2") });
    QVERIFY(process.waitForStarted());

    QByteArray err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains("Tavrin2QtComm::detectedTavrinType() 1") && clock.elapsed() < 20000
           && process.state() == QProcess::Running) {
        process.waitForReadyRead(500);
        err += process.readAllStandardError();
    }
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    QVERIFY2(err.contains("Tavrin2QtComm::detectedTavrinType() 1"), err.constData());
    QVERIFY(running);
}

void TestAppCommandLine::exitsAfterFirstPaintWhenAsked_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("tavrin2") << QStringLiteral("tavrin2");
    QTest::newRow("dalen2") << QStringLiteral("dalen2");
}

// scripts/bench times start-up with this hook: the program must end by itself, successfully, and only
// after the first detection has identified the device (the bench subtracts that exchange's wait).
void TestAppCommandLine::exitsAfterFirstPaintWhenAsked()
{
    QFETCH(QString, model);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false;tavrin.protocol.debug=true"));
    environment.insert(QStringLiteral("T2Q_EXIT_AFTER_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(programPath(), { QStringLiteral("--simulate"), model });
    const bool ended = process.waitForFinished(30000);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    QVERIFY2(ended, "still running 30 s after start");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("Tavrin2QtComm::detectedTavrinType() 1"), err.constData());
}

QTEST_MAIN(TestAppCommandLine)
#include "tst_appcommandline.moc"
