#include "MainWindowKit.h"

#include "app/AppStart.h"
#include "config/CfgFile.h"
#include "support/ScriptedPrompter.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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

QString writeConfigFile(const QString& path, const Tavrin2QtCfg& cfg)
{
    QString error;
    return CfgFile::save(cfg, path, error) ? path : error;
}

QString pageName(const FrmTavrin2Qt& window)
{
    return window.widgetStackSwitchDevice->currentWidget()->objectName();
}

// Answers the next file dialog that opens with fileName, and notes the folder it started in.
void answerFileDialog(const QString& fileName, QString* startFolder)
{
    QTimer::singleShot(0, [fileName, startFolder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            answerFileDialog(fileName, startFolder);
            return;
        }
        *startFolder = dialog->directory().absolutePath();
        dialog->selectFile(fileName);
        static_cast<QDialog*>(dialog)->accept();
    });
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
    void simulatedDeviceIsFoundAtStartUp_data();
    void simulatedDeviceIsFoundAtStartUp();
    void severalSimulatedDevicesOfferTheChoice();
    void fileAtStartLoadsAsLoadDoes_data();
    void fileAtStartLoadsAsLoadDoes();
    void droppedConfigFileLoads_data();
    void droppedConfigFileLoads();
    void fileDialogsStartInTheLastFolder();
    void exitsAfterFirstPaintWhenAsked_data();
    void exitsAfterFirstPaintWhenAsked();
    void fileArgumentOfTheProgramLoads();
    void init();
    void cleanup();

private:
    // Runs the program until it has painted its window once; false (the test failed) when it did not
    // end by itself, successfully.
    bool runUntilFirstPaint(const QStringList& arguments, QByteArray* err);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    QPointer<FrmTavrin2Qt> m_window;
};

void TestAppCommandLine::initTestCase()
{
    QVERIFY2(QFileInfo(programPath()).isExecutable(), qPrintable(programPath()));
    // The remembered folder goes to a settings file of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("tavrin2qt-tests"));
}

void TestAppCommandLine::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_prompter = std::make_unique<ScriptedPrompter>();
    FrmTavrin2Qt::resetFirstDetection();
}

void TestAppCommandLine::cleanup()
{
    delete m_window.data();
    m_prompter->verifyDone();
    m_prompter.reset();
    m_dir.reset();
    Tavrin2QtComm::instance()->reset();
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
    QVERIFY(help.out.contains(QStringLiteral("--verbose")));
    QVERIFY2(help.out.contains(QStringLiteral("[FILE]")), qPrintable(help.out));
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

// The virtual device must be on the link before the window's first detection: the window opens on
// the device's model without asking for one.
void TestAppCommandLine::simulatedDeviceIsFoundAtStartUp_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::newRow("tavrin2") << "tavrin2" << int(TavrinII) << "Tavrin II"
                             << "pgTavrinII";
    QTest::newRow("dalen") << "dalen" << int(DalenTavrin) << "Dalen Tavrin"
                           << "pgDalenTavrin";
    QTest::newRow("dalen2") << "dalen2" << int(DalenTavrin2Button) << "Dalen Tavrin - 2 Button"
                            << "pgDalenTavrin";
}

void TestAppCommandLine::simulatedDeviceIsFoundAtStartUp()
{
    QFETCH(QString, model);
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, page);
    StartOptions options;
    options.simulatedModels = { *VirtualTavrin::modelFromName(model) };
    m_window = openMainWindow(options);
    QVERIFY(m_window->isVisible());
    QCOMPARE(int(m_window->selectedType()), type);
    QCOMPARE(m_window->windowTitle(), caption);
    QCOMPARE(pageName(*m_window), page);
    QCOMPARE(m_prompter->calls().size(), 0);
}

// Several virtual units, as --simulate tavrin2,dalen attaches them: the window asks which one to use.
void TestAppCommandLine::severalSimulatedDevicesOfferTheChoice()
{
    m_prompter->expectItem(QStringLiteral("Several Tavrin Devices Found"),
                           QStringLiteral("Dalen Tavrin, serial number 00012346 (/dev/virtual-tavrin-2)"));
    StartOptions options;
    options.simulatedModels = { VirtualTavrin::Model::TavrinII, VirtualTavrin::Model::DalenTavrin };
    m_window = openMainWindow(options);
    QVERIFY(m_prompter->verifyDone());
    QCOMPARE(m_prompter->calls().constFirst().items,
             QStringList({ "Tavrin II, serial number 00012345 (/dev/virtual-tavrin)",
                           "Dalen Tavrin, serial number 00012346 (/dev/virtual-tavrin-2)" }));
    QCOMPARE(int(m_window->selectedType()), int(DalenTavrin));
    QCOMPARE(pageName(*m_window), QStringLiteral("pgDalenTavrin"));
}

void TestAppCommandLine::fileAtStartLoadsAsLoadDoes_data()
{
    QTest::addColumn<int>("fileType");
    QTest::addColumn<QByteArray>("damage");
    QTest::newRow("Dalen file, Tavrin II attached") << int(DalenTavrin) << QByteArray();
    QTest::newRow("Dalen 2 Button file") << int(DalenTavrin2Button) << QByteArray();
    QTest::newRow("Tavrin II file") << int(TavrinII) << QByteArray();
    QTest::newRow("not a document") << int(DalenTavrin) << QByteArray("hello\n");
    QTest::newRow("missing") << int(DalenTavrin) << QByteArray("missing");
}

// The page and the settings follow the file; a file Load refuses gets Load's error box, and the window
// stays open on the attached device's model.
void TestAppCommandLine::fileAtStartLoadsAsLoadDoes()
{
    QFETCH(int, fileType);
    QFETCH(QByteArray, damage);
    QRandomGenerator rng(static_cast<quint32>(fileType));
    const Tavrin2QtCfg cfg = kit::randomRecord(rng, static_cast<TavrinType>(fileType));
    const QString path = m_dir->filePath(QStringLiteral("site.t2c"));
    QCOMPARE(writeConfigFile(path, cfg), path);
    if (damage == "missing") {
        QVERIFY(QFile::remove(path));
    } else if (!damage.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damage);
    }
    if (!damage.isEmpty())
        m_prompter->expectCritical(QStringLiteral("Error"));

    StartOptions options;
    options.simulatedModels = { VirtualTavrin::Model::TavrinII };
    options.file = path;
    m_window = openMainWindow(options);
    QVERIFY(m_window->isVisible());
    if (damage.isEmpty()) {
        QCOMPARE(int(m_window->selectedType()), fileType);
        QCOMPARE(pageName(*m_window), fileType == TavrinII ? "pgTavrinII" : "pgDalenTavrin");
        KIT_VERIFY_SAME(m_window->uiSettings(), kit::shownPart(cfg));
    } else {
        QVERIFY(m_prompter->verifyDone());
        QVERIFY2(m_prompter->calls().constLast().text
                         == path
                             + QStringLiteral(" is not a Tavrin configuration file (it could not be read as one: it "
                                              "is not an XML document)")
                     || damage == "missing",
                 qPrintable(m_prompter->calls().constLast().text));
        QCOMPARE(int(m_window->selectedType()), int(TavrinII));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavrin II"));
    }
}

void TestAppCommandLine::droppedConfigFileLoads_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("loads");
    QTest::newRow("onto the window") << ""
                                     << "site.t2c" << true;
    QTest::newRow("onto a text field") << "lineEditDTCancelMsg"
                                       << "SITE.T2C" << true;
    QTest::newRow("another kind of file") << ""
                                          << "site.txt" << false;
}

// A text field would otherwise take the file's path as its text.
void TestAppCommandLine::droppedConfigFileLoads()
{
    QFETCH(QString, target);
    QFETCH(QString, fileName);
    QFETCH(bool, loads);
    kit::attach(VirtualTavrin::Model::TavrinII);
    m_window = openMainWindow({});
    QWidget* widget
        = target.isEmpty() ? static_cast<QWidget*>(m_window.data()) : m_window->findChild<QLineEdit*>(target);
    QVERIFY(widget);
    const QString textBefore = target.isEmpty() ? QString() : static_cast<QLineEdit*>(widget)->text();
    QRandomGenerator rng(7);
    const Tavrin2QtCfg cfg = kit::randomRecord(rng, DalenTavrin);
    const QString path = writeConfigFile(m_dir->filePath(fileName), cfg);

    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    data.setText(path);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    QCOMPARE(enter.isAccepted(), loads);
    if (!loads)
        return;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(int(m_window->selectedType()), int(DalenTavrin));
    KIT_VERIFY_SAME(m_window->uiSettings(), kit::shownPart(cfg));
    if (!target.isEmpty())
        QCOMPARE(static_cast<QLineEdit*>(widget)->text(), cfg.dtCancelMsg());
}

// The real dialogs: each starts in the folder the previous one ended in, also in a later run.
void TestAppCommandLine::fileDialogsStartInTheLastFolder()
{
    QSettings().clear();
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("a")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("b")));
    const QString folderA = QFileInfo(m_dir->filePath(QStringLiteral("a"))).canonicalFilePath();
    const QString folderB = QFileInfo(m_dir->filePath(QStringLiteral("b"))).canonicalFilePath();
    const QString opened = writeConfigFile(folderA + QStringLiteral("/site.t2c"), Tavrin2QtCfg());

    QtPrompter dialogs;
    QString startFolder;
    answerFileDialog(opened, &startFolder);
    QCOMPARE(dialogs.getOpenFileName(nullptr, QStringLiteral("Load File"), QStringLiteral("Load"), QString()), opened);

    answerFileDialog(folderB + QStringLiteral("/new.t2c"), &startFolder);
    QCOMPARE(dialogs.getSaveFileName(nullptr, QStringLiteral("Save File"), QStringLiteral("Save"), QString()),
             folderB + QStringLiteral("/new.t2c"));
    QCOMPARE(startFolder, folderA);

    answerFileDialog(opened, &startFolder);
    QtPrompter().getOpenFileName(nullptr, QStringLiteral("Load File"), QStringLiteral("Load"), QString());
    QCOMPARE(startFolder, folderB);
}

void TestAppCommandLine::exitsAfterFirstPaintWhenAsked_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("verbose");
    QTest::newRow("tavrin2") << QStringLiteral("tavrin2") << false;
    QTest::newRow("dalen2") << QStringLiteral("dalen2") << false;
    // The one-button unit's answer names its unused button 0, which is no problem.
    QTest::newRow("dalen") << QStringLiteral("dalen") << false;
    QTest::newRow("tavrin2 --verbose") << QStringLiteral("tavrin2") << true;
}

// scripts/bench times start-up with this hook: the program must end by itself, successfully. Started
// from a terminal it prints nothing unless asked for its traces.
void TestAppCommandLine::exitsAfterFirstPaintWhenAsked()
{
    QFETCH(QString, model);
    QFETCH(bool, verbose);
    QStringList arguments { QStringLiteral("--simulate"), model };
    if (verbose)
        arguments << QStringLiteral("--verbose");
    QByteArray err;
    QVERIFY(runUntilFirstPaint(arguments, &err));
    if (verbose)
        QVERIFY2(err.contains("tavrin.protocol: "), err.constData());
    else
        QCOMPARE(err, QByteArray());
}

// The program's own handling of its arguments, not only openMainWindow: the toolkit's options are gone
// before the file is taken.
void TestAppCommandLine::fileArgumentOfTheProgramLoads()
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtCancelMsg(QStringLiteral("Cancelled"));
    const QString path = writeConfigFile(m_dir->filePath(QStringLiteral("site.t2c")), cfg);
    QByteArray err;
    QVERIFY(runUntilFirstPaint({ QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--simulate"),
                                 QStringLiteral("tavrin2"), QStringLiteral("--verbose"), path },
                               &err));
    QVERIFY2(err.contains("loadConfigurationFile() filename: " + path.toUtf8() + "\n"), err.constData());
    QVERIFY2(err.contains("loadConfigurationFile() " + QByteArray::number(QFileInfo(path).size()) + " characters read"),
             err.constData());
}

bool TestAppCommandLine::runUntilFirstPaint(const QStringList& arguments, QByteArray* err)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Only the off-screen platform's own complaints are silenced, and a root's missing runtime folder.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.warning=false"));
    QTemporaryDir runtimeDir;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    environment.insert(QStringLiteral("T2Q_EXIT_AFTER_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(programPath(), arguments);
    const bool ended = process.waitForFinished(30000);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    *err = process.readAllStandardError();
    [&] {
        QVERIFY2(ended, "still running 30 s after start");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, err->constData());
    }();
    return !QTest::currentTestFailed();
}

QTEST_MAIN(TestAppCommandLine)
#include "tst_appcommandline.moc"
