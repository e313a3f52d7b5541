#include "pagers/FrmProgramPagers.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTest>

// The program pagers dialog end to end: the real dialog, the real protocol, the virtual device.
class TestProgramPagersDevice : public QObject
{
    Q_OBJECT

private:
    VirtualTavrin* m_sim = nullptr;

    VirtualTavrin* attach(VirtualTavrin::Model model)
    {
        m_sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
        Tavrin2QtComm::instance()->reset();
        Tavrin2QtComm::instance()->connectTavrin();
        m_sim->clearTranscript();
        m_sim->resetElapsed();
        return m_sim;
    }

    // The firmware check reads the device first; the programming lines follow it.
    QStringList programmingLines() const
    {
        QStringList lines = m_sim->transcript();
        lines.removeAll(QStringLiteral("READ"));
        return lines;
    }

    static void fillAlphaTab(FrmProgramPagers& dialog)
    {
        dialog.tabWidgetPagerTypes->setCurrentWidget(dialog.tabAlpha);
        dialog.spinBoxAlphaPgrNum->setValue(120);
        dialog.spinBoxAlphaPgrAllPage->setValue(100);
        // Not the Zell/Coaster tab's system ID, which the dialog starts with.
        dialog.spinBoxAlphaSysID->setValue(5);
        dialog.textEditWelcomeMsg->setPlainText(QStringLiteral("Welcome\nto the bar"));
        dialog.spinBoxGroup1->setValue(5);
        dialog.lineEditGroup1->setText(QStringLiteral("Bar"));
        dialog.spinBoxGroup3->setValue(7);
    }

    static void press(FrmProgramPagers& dialog) { QTest::mouseClick(dialog.pushButtonProgram, Qt::LeftButton); }

private slots:
    void alphaPagerWithGroups()
    {
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        FrmProgramPagers dialog(true, false, 3);
        dialog.show();
        fillAlphaTab(dialog);
        QElapsedTimer clock;
        clock.start();
        press(dialog);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(programmingLines(),
                 QStringList({ "FPROG,120,100,5", "WPROG,Welcome\nto the bar", "GNPROG,1,Bar", "GPROG,1,5", "GNPROG,2,",
                               "GPROG,2,99", "GNPROG,3,", "GPROG,3,7", "GNPROG,4,", "GPROG,4,99", "GNPROG,5,",
                               "GPROG,5,99" }));
        QVERIFY(m_sim->elapsedMs() >= 24000);
        QCOMPARE(progress.alive(), 0);
        // The dialog stays open with its entries.
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.spinBoxAlphaPgrNum->value(), 120);
        QCOMPARE(dialog.lineEditGroup1->text(), QStringLiteral("Bar"));
        prompter.verifyDone();
    }

    void alphaPagerWithoutGroups()
    {
        attach(VirtualTavrin::Model::DalenTavrin);
        ScriptedPrompter prompter;
        FrmProgramPagers dialog(false, true, 0);
        dialog.spinBoxAlphaPgrNum->setValue(12);
        dialog.spinBoxGroup2->setValue(4);
        press(dialog);
        QCOMPARE(programmingLines(),
                 QStringList({ "FPROG,12,911,0", "WPROG,", "GPROG,1,99", "GPROG,2,99", "GPROG,3,99", "GPROG,4,99",
                               "GPROG,5,99" }));
        QVERIFY(m_sim->elapsedMs() >= 14000);
        prompter.verifyDone();
    }

    void zellPagerAndCoaster_data()
    {
        QTest::addColumn<bool>("coaster");
        QTest::addColumn<bool>("manager");
        QTest::addColumn<bool>("vibeOn");
        QTest::addColumn<QString>("line");
        QTest::newRow("manager Zell with vibration") << false << true << true << "LPROG,20,4,6";
        QTest::newRow("guest Zell without vibration") << false << false << false << "LPROG,20,4,0";
        QTest::newRow("coaster with vibration") << true << true << true << "LPROG,20,4,3";
        QTest::newRow("coaster without vibration") << true << false << false << "LPROG,20,4,1";
    }
    void zellPagerAndCoaster()
    {
        QFETCH(bool, coaster);
        QFETCH(bool, manager);
        QFETCH(bool, vibeOn);
        QFETCH(QString, line);
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        FrmProgramPagers dialog(false, false, 4);
        dialog.spinBoxAlphaSysID->setValue(9);
        dialog.tabWidgetPagerTypes->setCurrentWidget(dialog.tabZellCoaster);
        dialog.spinBoxZellCoasterPgrNum->setValue(20);
        (manager ? dialog.radioButtonManager : dialog.radioButtonGuest)->setChecked(true);
        (coaster ? dialog.radioButtonCoaster : dialog.radioButtonZellPager)->setChecked(true);
        (vibeOn ? dialog.radioButtonVibeOn : dialog.radioButtonVibeOff)->setChecked(true);
        press(dialog);
        QCOMPARE(programmingLines(), QStringList({ line }));
        QVERIFY(m_sim->elapsedMs() >= 10000);
        prompter.verifyDone();
    }

    // A refused welcome message holds up the Alpha pager it is for, and only that.
    void refusedWelcomeMessageStopsAlphaOnly_data()
    {
        QTest::addColumn<bool>("alphaTab");
        QTest::newRow("Alpha: nothing sent") << true;
        QTest::newRow("Zell / Coaster: sent") << false;
    }

    void refusedWelcomeMessageStopsAlphaOnly()
    {
        QFETCH(bool, alphaTab);
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        FrmProgramPagers dialog(false, false, 0);
        dialog.textEditWelcomeMsg->setPlainText(QStringLiteral("one,two"));
        dialog.tabWidgetPagerTypes->setCurrentWidget(alphaTab ? dialog.tabAlpha : dialog.tabZellCoaster);
        if (alphaTab)
            prompter.expectCritical(QStringLiteral("Error"));
        press(dialog);
        QCOMPARE(m_sim->transcript().isEmpty(), alphaTab);
        prompter.verifyDone();
    }

    void deviceErrorAndMissingDevice_data()
    {
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<QString>("text");
        QTest::newRow("device answers Err")
            << false
            << "Tavrin response indicates an error was\nencountered performing current operation\nTavrin refused FPROG "
               "(Pager number, all-page ID and system ID), answering \"Err: failed\".\nThe commands before it were "
               "applied; the ones after it were not sent.";
        QTest::newRow("device missing") << true << "No Tavrin device found\nPlease verify Tavrin is connected to PC";
    }
    void deviceErrorAndMissingDevice()
    {
        QFETCH(bool, unplugged);
        QFETCH(QString, text);
        attach(VirtualTavrin::Model::TavrinII);
        if (unplugged) {
            m_sim->unplug();
            Tavrin2QtComm::instance()->reset();
        } else {
            m_sim->failCommand(QStringLiteral("FPROG"));
        }
        ScriptedPrompter prompter;
        ProgressRecorder progress;
        FrmProgramPagers dialog(true, false, 3);
        fillAlphaTab(dialog);
        prompter.expectCritical(QStringLiteral("Error"), text);
        press(dialog);
        prompter.verifyDone();
        QCOMPARE(progress.alive(), 0);
        QVERIFY(!dialog.pushButtonProgram->isDown());
        QCOMPARE(dialog.spinBoxAlphaPgrNum->value(), 120);
        QCOMPARE(dialog.textEditWelcomeMsg->toPlainText(), QStringLiteral("Welcome\nto the bar"));

        // Still usable: the next press programs once the device is back.
        m_sim->clearFaults();
        if (unplugged)
            m_sim->replug();
        m_sim->clearTranscript();
        press(dialog);
        QCOMPARE(programmingLines().value(0), QStringLiteral("FPROG,120,100,5"));
        prompter.verifyDone();
    }

    // The operator clicks the main window while an Alpha pager is programmed: the progress dialog stays
    // the pager dialog's, modal to it and so above it.
    void progressStaysWithTheDialogThatProgrammes()
    {
        attach(VirtualTavrin::Model::TavrinII);
        ScriptedPrompter prompter;
        QWidget mainWindow;
        mainWindow.show();
        FrmProgramPagers dialog(false, false, 3, &mainWindow);
        dialog.show();
        fillAlphaTab(dialog);
        QApplication::setActiveWindow(&mainWindow);
        QList<QPair<QWidget*, Qt::WindowModality>> seen;
        Tavrin2QtComm::instance()->setWaitHook([&] {
            const QList<QWidget*> widgets = QApplication::allWidgets();
            for (QWidget* widget : widgets)
                if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible())
                    seen.append({ progress->parentWidget(), progress->windowModality() });
        });
        dialog.pushButtonProgram_pressed();
        Tavrin2QtComm::instance()->setWaitHook({});
        QVERIFY(!seen.isEmpty());
        for (const auto& [parent, modality] : seen) {
            QCOMPARE(parent, &dialog);
            QCOMPARE(modality, Qt::WindowModal);
        }
        QVERIFY(!programmingLines().isEmpty());
    }
};

QTEST_MAIN(TestProgramPagersDevice)
#include "tst_programpagersdevice.moc"
