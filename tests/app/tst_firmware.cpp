#include "app/FirmwareUpgrade.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QFile>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
// Windows keeps the hardware wizard's steps; elsewhere the box names what applies there.
#ifdef Q_OS_WIN
const QString StartBootLoaderText
    = QStringLiteral("For DalenTavrin - Please unplug then re-plug USB cable.\n"
                     "\n"
                     "For TavrinII - Momentarily press the Acknowledgment button on the side.\n"
                     "\n"
                     "NOTE: if \"New Hardware Wizard\" comes up, do following:\n"
                     "1) Select option \"No, not At this time\" then Next\n"
                     "2) Select \"Install from a list or specific location (Advanced)\" then Next\n"
                     "3) request to search in the following directory:\n"
                     "\"C:\\Program Files\\Atmel\\Flip 3.3.1\\usb\" then Next, then Finish\n"
                     "4) Wait until popup says new hardware is ready to use, then press OK below");
#else
const QString StartBootLoaderText
    = QStringLiteral("For DalenTavrin - Please unplug then re-plug USB cable.\n"
                     "\n"
                     "For TavrinII - Momentarily press the Acknowledgment button on the side.\n"
                     "\n"
                     "NOTE: the update is written with dfu-programmer, which must be installed.\n"
                     "Without root, the udev rule 70-tavrin.rules (installed with this utility)\n"
                     "lets your user reach the boot loader (USB device 03eb:2ff9).\n"
                     "Wait a few seconds for the boot loader to attach, then press OK below");
#endif
const QString WrongNameQuestion
    = QStringLiteral("File: %1, has wrong filename format.\nDo you want to load it anyway?");
const QString FirmwareCaption = QStringLiteral("Choose a firmware file to load");
} // namespace

// The firmware upgrade against the virtual device, with fake flashing tools first on the search path.
class TestFirmware : public QObject
{
    Q_OBJECT

private:
    VirtualTavrin* m_sim = nullptr;
    // The window's upgrade of the window's session, as the window holds it.
    FirmwareUpgrade m_upgrade { Tavrin2QtComm::instance() };
    QTemporaryDir m_tools;
    QByteArray m_savedPath;

    VirtualTavrin* attach(VirtualTavrin::Model model)
    {
        m_sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
        Tavrin2QtComm::instance()->reset();
        // As the window's detection leaves it: identified, then found open again.
        Tavrin2QtComm::instance()->connectTavrin();
        Tavrin2QtComm::instance()->connectTavrin();
        m_sim->clearTranscript();
        return m_sim;
    }

    // A fake tavrin-flash whose body is a shell script; it logs its arguments one per line.
    void installFakeTool(const QByteArray& body, bool executable = true)
    {
        QFile tool(m_tools.filePath(QStringLiteral("tavrin-flash")));
        QVERIFY(tool.open(QIODevice::WriteOnly | QIODevice::Truncate));
        tool.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" + m_tools.filePath("args.log").toLocal8Bit()
                   + "\"\n" + body);
        tool.close();
        tool.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                       : QFile::ReadOwner | QFile::WriteOwner);
    }

    QStringList loggedArguments()
    {
        QFile log(m_tools.filePath(QStringLiteral("args.log")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Runs a whole upgrade with the given file and waits for the tool's outcome.
    bool upgradeWith(ScriptedPrompter& prompter, const QString& file, const std::function<void()>& expectOutcome)
    {
        QSignalSpy finished(&m_upgrade, &FirmwareUpgrade::firmwareUpdateFinished);
        prompter.expectOpenFile(FirmwareCaption, file);
        prompter.expectInformation(QStringLiteral("Start boot-loader"), StartBootLoaderText);
        expectOutcome();
        m_upgrade.updateFirmware();
        if (!finished.wait(10000))
            return false;
        return finished.constFirst().constFirst().toBool();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tools.isValid());
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", m_tools.path().toLocal8Bit() + ':' + m_savedPath);
    }
    void cleanupTestCase() { qputenv("PATH", m_savedPath); }
    void cleanup() { m_upgrade.terminateBatchisp(); }

    void namingRule_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("fits");
        QTest::newRow("Tavrin II, upper case") << int(TavrinII) << "C:\\fw\\TavrinIIUSB_v2.HEX" << true;
        QTest::newRow("Tavrin II, unix path") << int(TavrinII) << "/home/op/fw/tavriniiusb_3.hex" << true;
        QTest::newRow("Tavrin II, boot loader image") << int(TavrinII) << "tavriniiusb_wbl.hex" << false;
        QTest::newRow("Tavrin II, Dalen image") << int(TavrinII) << "dalentavrin.hex" << false;
        QTest::newRow("Dalen") << int(DalenTavrin) << "dalentavrin_1.hex" << true;
        QTest::newRow("Dalen 2 button") << int(DalenTavrin2Button) << "dalentavrin_1.hex" << true;
        QTest::newRow("Dalen, Tavrin II image") << int(DalenTavrin) << "TavrinIIUSB.hex" << false;
        QTest::newRow("base name stops at the first dot") << int(DalenTavrin) << "dalentavrin.new.hex" << true;
        QTest::newRow("a dot before the model name") << int(DalenTavrin) << "new.dalentavrin.hex" << false;
        QTest::newRow("dotted folder") << int(TavrinII) << "/opt/v1.2/tavriniiusb.hex" << true;
        QTest::newRow("unknown model") << int(Unknown) << "tavriniiusb.hex" << false;
    }
    void namingRule()
    {
        QFETCH(int, type);
        QFETCH(QString, path);
        QFETCH(bool, fits);
        QCOMPARE(Tavrin2QtComm::firmwareFileNameFits(type, path), fits);
    }

    void argumentListKeepsThePathWhole()
    {
        const QString path = QStringLiteral("C:\\My Firmware\\TavrinIIUSB v2;rm -rf.hex");
        const QStringList arguments = Tavrin2QtComm::batchispArguments(path);
        QCOMPARE(arguments.size(), 18);
        QCOMPARE(arguments.at(0), QStringLiteral("batchisp"));
        QCOMPARE(arguments.at(11), QStringLiteral("loadbuffer"));
        QCOMPARE(arguments.at(12), path);
        QCOMPARE(arguments.at(13), QStringLiteral("program"));
        QCOMPARE(arguments.mid(14), QStringList({ "verify", "start", "reset", "0" }));
    }

    void wrongNameQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("&Yes goes on") << 0;
        QTest::newRow("&No ends") << 1;
    }
    void wrongNameQuestion()
    {
        QFETCH(int, answer);
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        const QString file = QStringLiteral("/fw/DalenTavrin.hex");
        prompter.expectOpenFile(FirmwareCaption, file);
        prompter.expectQuestion(QStringLiteral("Warning"), WrongNameQuestion.arg(file), answer);
        QCOMPARE(m_upgrade.getFirmwareFile(), answer == 0);
        QCOMPARE(m_upgrade.firmwareFile(), answer == 0 ? file : QString());
        prompter.verifyDone();
    }

    void cancellingTheFileDialogSendsNothing()
    {
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        prompter.expectOpenFile(FirmwareCaption, QString());
        m_upgrade.updateFirmware();
        QVERIFY(m_sim->transcript().isEmpty());
        // Progress is shown once there is a file to write, not behind the file chooser.
        QCOMPARE(progress.records().size(), 0);
        QVERIFY(!m_upgrade.isFlashing());
        prompter.verifyDone();
    }

    void successfulUpgrade()
    {
        attach(VirtualTavrin::Model::DalenTavrin);
        // Output in bursts, a line split across them, the verdict without a final line break.
        installFakeTool("printf 'Erasing...\\nProgr'\nsleep 0.05\nprintf 'amming done\\n'\nsleep 0.05\n"
                        "printf 'Summary:  Total 4   Passed 4   FAILED 0'\n");
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        const QString file = QStringLiteral("/fw dir/dalentavrin_1.hex");
        QVERIFY(upgradeWith(prompter, file, [&] {
            prompter.expectInformation(
                QStringLiteral("Success"),
                QStringLiteral("The firmware update is complete.\nPlease unplug then re-plug USB cable."));
        }));

        QCOMPARE(m_sim->transcript(), QStringList({ "BL" }));
        QVERIFY(m_sim->isInBootLoader());
        QCOMPARE(m_upgrade.batchispOutput(),
                 QStringLiteral("Erasing...\nProgramming done\nSummary:  Total 4   Passed 4   FAILED 0\n"));
        const QStringList arguments = loggedArguments();
        QCOMPARE(arguments, Tavrin2QtComm::batchispArguments(file).mid(1));
        QCOMPARE(progress.records().size(), 1);
        const ProgressRecorder::Record& dialog = progress.records().at(0);
        QCOMPARE(dialog.caption, QStringLiteral("Please Wait"));
        QCOMPARE(dialog.totalSteps, 4);
        QCOMPARE(dialog.values, QList<int>({ 1, 2, 3, 4 }));
        QCOMPARE(progress.alive(), 0);
        prompter.verifyDone();
    }

    void failedUpgradeShowsTheWholeOutput()
    {
        attach(VirtualTavrin::Model::TavrinII);
        installFakeTool("echo 'Validating...  ERROR'\necho 'Summary:  Total 4   Passed 2   Failed 2'\nexit 1\n");
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        QVERIFY(!upgradeWith(prompter, QStringLiteral("/fw/TavrinIIUSB.hex"), [&] {
            prompter.expectCritical(QStringLiteral("Failure"),
                                    QStringLiteral("Validating...  ERROR\nSummary:  Total 4   Passed 2   Failed 2\n"));
        }));
        QCOMPARE(progress.alive(), 0);
        prompter.verifyDone();
    }

    void toolThatCannotStart()
    {
        attach(VirtualTavrin::Model::TavrinII);
        installFakeTool("echo never\n", false);
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        QVERIFY(!upgradeWith(prompter, QStringLiteral("/fw/TavrinIIUSB.hex"),
                             [&] { prompter.expectCritical(QStringLiteral("Failure")); }));
        QVERIFY(prompter.calls().constLast().text.contains(QLatin1String("could not be started")));
        QVERIFY(prompter.calls().constLast().text.contains(QLatin1String("tavrin-flash")));
        QCOMPARE(progress.alive(), 0);
        QVERIFY(!m_upgrade.isFlashing());
        prompter.verifyDone();
    }

    // Without a unit nothing is asked for: no file chooser, no progress, only the reason.
    void noUnitNoQuestions()
    {
        attach(VirtualTavrin::Model::TavrinII);
        m_sim->unplug();
        QVERIFY_THROWS_EXCEPTION(UsbHidException, Tavrin2QtComm::instance()->connectTavrin());
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        try {
            m_upgrade.updateFirmware();
            QFAIL("no failure");
        } catch (const UsbHidException& e) {
            QCOMPARE(e.message(), UsbHid::errorText(NoDeviceFound));
        }
        QVERIFY(prompter.calls().isEmpty());
        QVERIFY(progress.records().isEmpty());
        QVERIFY(!m_upgrade.isFlashing());
    }

    // While the tool waits for the boot loader the progress says so, with the time it may take, and the
    // bar does not stand at a step; once the boot loader is there it shows the writing.
    void waitingForTheBootLoaderIsShown()
    {
        attach(VirtualTavrin::Model::TavrinII);
        installFakeTool("echo 'Waiting up to 20 seconds for the boot loader to appear...'\n"
                        "echo 'Boot loader found: 1.0.4'\necho 'Summary:  Total 4   Passed 4   FAILED 0'\n");
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        QVERIFY(upgradeWith(prompter, QStringLiteral("/fw/TavrinIIUSB.hex"),
                            [&] { prompter.expectInformation(QStringLiteral("Success")); }));
        QCOMPARE(progress.records().size(), 1);
        const ProgressRecorder::Record& dialog = progress.records().at(0);
        QVERIFY2(dialog.labels.size() >= 2, qPrintable(dialog.labels.join('|')));
        QVERIFY2(QRegularExpression(QStringLiteral("^Waiting for the boot loader: \\d+ s \\(at most 20 s\\)\\.\\.\\.$"))
                     .match(dialog.labels.constFirst())
                     .hasMatch(),
                 qPrintable(dialog.labels.constFirst()));
        QCOMPARE(dialog.labels.constLast(), QStringLiteral("Writing the firmware..."));
        QCOMPARE(dialog.totalSteps, 4);
        QCOMPARE(dialog.values, QList<int>({ 1, 2, 3, 3, 4 }));
        QCOMPARE(progress.alive(), 0);
        prompter.verifyDone();
    }

    void deviceGoneBeforeTheBootLoaderCommand()
    {
        attach(VirtualTavrin::Model::TavrinII);
        m_sim->unplug();
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        prompter.expectOpenFile(FirmwareCaption, QStringLiteral("/fw/TavrinIIUSB.hex"));
        QVERIFY_THROWS_EXCEPTION(UsbHidException, m_upgrade.updateFirmware());
        QCOMPARE(progress.alive(), 0);
        QVERIFY(!m_upgrade.isFlashing());
        prompter.verifyDone();
    }
};

QTEST_MAIN(TestFirmware)
#include "tst_firmware.moc"
