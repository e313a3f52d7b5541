#include "MainWindowKit.h"

#include "app/FirmwareUpgrade.h"
#include "pagers/FrmProgramPagers.h"
#include "support/ProgressRecorder.h"
#include "sim/VirtualTavrinBus.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

using kit::Model;
using kit::typeOf;

Q_DECLARE_METATYPE(VirtualTavrin::Model)

namespace {
const QString errorCaption = QStringLiteral("Error");

// A record of one model that the device keeps whole: every button, time and page it has is in use
// (a device forgets what a disabled entry held), and the other model's fields keep their defaults.
Tavrin2QtCfg deviceRecord(QRandomGenerator& rng, TavrinType type)
{
    const Tavrin2QtCfg random = kit::randomRecord(rng, type);
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(type);
    if (type == TavrinII) {
        // The device keeps one flag for both: the acknowledge page's SACKPGR follows the repage one.
        cfg.setRepageEnabled(random.ackPageEnabled());
        cfg.setRepageInterval(random.repageInterval());
        cfg.setLockoutTimeMode(2);
        cfg.setLockoutEnabled(true);
        cfg.setLockoutTime(random.lockoutTime());
        cfg.setExtInputDisable1(random.extInputDisable1());
        cfg.setExtInputDisable2(random.extInputDisable2());
        cfg.setExtInputDisable3(random.extInputDisable3());
        cfg.setSysID(random.sysID());
        cfg.setEnableGrpPaging(random.enableGrpPaging());
        for (int i = 0; i < Tavrin2QtCfg::DefaultButtonCount; ++i) {
            TavrinIIButton button = random.tavrinIIButtonVectorAtIndex(i);
            button.setButtonEnabled(true);
            cfg.setTavrinIIButtonVectorAtIndex(i, button);
        }
        for (int i = 0; i < Tavrin2QtCfg::DefaultAutoOnOffTimeCount; ++i) {
            auto time = random.tavrinIIAutoOnOffTimeVectorAtIndex(i);
            time.setIsEnabled(true);
            cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(i, time);
        }
        cfg.setLowBatteryPageEnabled(random.lowBatteryPageEnabled());
        cfg.setLowBatteryPageMsg(random.lowBatteryPageMsg());
        cfg.setLowBatteryPager(random.lowBatteryPager());
        cfg.setAckPageEnabled(random.ackPageEnabled());
        cfg.setAckPageMsg(random.ackPageMsg());
        cfg.setAckPager(random.ackPager());
    } else {
        cfg.setDtBtn1PagerNum(random.dtBtn1PagerNum());
        cfg.setDtBtn1SettingMsg(random.dtBtn1SettingMsg());
        cfg.setDtBtn1Mode(random.dtBtn1Mode());
        if (type == DalenTavrin2Button) {
            cfg.setDtBtn2PagerNum(random.dtBtn2PagerNum());
            cfg.setDtBtn2SettingMsg(random.dtBtn2SettingMsg());
            cfg.setDtBtn2Mode(random.dtBtn2Mode());
        }
        cfg.setDtSysID(random.dtSysID());
        cfg.setDtEnableGrpPaging(random.dtEnableGrpPaging());
        cfg.setDtBeepEnabled(random.dtBeepEnabled());
        cfg.setDtTavrinID(random.dtTavrinID());
        cfg.setDtRepageEnabled(random.dtRepageEnabled());
        cfg.setDtRepageInterval(random.dtRepageInterval());
        cfg.setDtLowBatteryPageEnabled(random.dtLowBatteryPageEnabled());
        cfg.setDtLowBatteryPageMsg(random.dtLowBatteryPageMsg());
        cfg.setDtLowBatteryPager(random.dtLowBatteryPager());
        cfg.setDtSecondaryPageEnabled(true);
        cfg.setDtSecondaryPager(random.dtSecondaryPager());
        cfg.setDtCancelMsgEnabled(random.dtCancelMsgEnabled());
        cfg.setDtCancelMsg(random.dtCancelMsg());
    }
    return cfg;
}

QStringList setCommands(const QStringList& transcript)
{
    QStringList commands;
    for (const QString& line : transcript)
        if (line != QLatin1String("READ"))
            commands << line;
    return commands;
}
} // namespace

class TestMainWindowDevice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void updateThenReadBringsTheFormBack_data();
    void updateThenReadBringsTheFormBack();
    void typedValuesReachTheDevice();
    void readOfAnotherModelSwitchesThePage();
    void updateRefusesAnotherModel_data();
    void updateRefusesAnotherModel();
    void deviceFailuresAreShown_data();
    void deviceFailuresAreShown();
    void initializeUpdatesTheDevice();
    void severalUnitsAskWhichOne_data();
    void severalUnitsAskWhichOne();
    void anotherUnitIsNeverUsedUnasked();
    void aUnitThatFailedToIdentifyIsNotTakenForTheOneInUse();
    void programPagersAsksWhichUnit();
    void readOfAnIncompleteAnswerWarns();
    void updateListsWhatTheUnitDidNotTake();
    void oneOperationAtATime_data();
    void oneOperationAtATime();
    void inputDuringAnOperationIsDropped();
    void dropsDuringAnOperationWaitForItsEnd();
    void detectionLeavesTheUnitToTheFlashingTool();
    void closingWaitsForTheOperation();

private:
    VirtualTavrin* open(Model model);

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ProgressRecorder> progress;
    std::unique_ptr<FrmTavrin2Qt> window;
};

void TestMainWindowDevice::init()
{
    prompter = std::make_unique<ScriptedPrompter>();
    progress = std::make_unique<ProgressRecorder>();
    FrmTavrin2Qt::resetFirstDetection();
}

void TestMainWindowDevice::cleanup()
{
    Tavrin2QtComm::instance()->setWaitHook({});
    window.reset();
    prompter->verifyDone();
    prompter.reset();
    QCOMPARE(progress->alive(), 0);
    progress.reset();
}

VirtualTavrin* TestMainWindowDevice::open(Model model)
{
    VirtualTavrin* sim = kit::attach(model);
    window = std::make_unique<FrmTavrin2Qt>();
    sim->clearTranscript();
    return sim;
}

void TestMainWindowDevice::updateThenReadBringsTheFormBack_data()
{
    QTest::addColumn<Model>("model");
    QTest::newRow("Tavrin II") << Model::TavrinII;
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin;
    QTest::newRow("Dalen Tavrin - 2 Button") << Model::DalenTavrin2Button;
}

void TestMainWindowDevice::updateThenReadBringsTheFormBack()
{
    QFETCH(Model, model);
    const TavrinType type = typeOf(model);
    VirtualTavrin* sim = open(model);
    QCOMPARE(window->selectedType(), type);
    QRandomGenerator rng(static_cast<quint32>(type) + 100);
    for (int i = 0; i < 4; ++i) {
        const Tavrin2QtCfg sent = deviceRecord(rng, type);
        window->setUISettings(sent);
        window->pushButtonUpdateUnit->click();
        QVERIFY(!setCommands(sim->transcript()).isEmpty());

        Tavrin2QtCfg blank;
        blank.setTavrinType(type);
        window->setUISettings(blank);
        window->pushButtonRead->click();

        Tavrin2QtCfg expected = kit::shownPart(sent);
        expected.setFirmware(sim->firmware().version());
        expected.setSerNum(sim->firmware().serialNumber());
        KIT_VERIFY_SAME(window->uiSettings(), expected);
    }
}

void TestMainWindowDevice::typedValuesReachTheDevice()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    window->checkBoxBtn2Enable->setChecked(true);
    QTest::keyClick(window->spinBoxBtn2Pager, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->spinBoxBtn2Pager, QStringLiteral("5"));
    window->comboBoxBtn2Type->setCurrentIndex(TavrinIIButton::GuestType);
    emit window->comboBoxBtn2Type->activated(TavrinIIButton::GuestType);
    window->comboBoxBtn2Mode->setCurrentIndex(1);
    window->checkBoxExtInputEnabled->setChecked(true);
    window->spinBoxExternalInputPager->setValue(44);
    window->comboBoxExtInputSetting->setCurrentIndex(1);
    window->comboBoxExtInputType->setCurrentIndex(TavrinIIButton::AlphaType);
    emit window->comboBoxExtInputType->activated(TavrinIIButton::AlphaType);
    QTest::keyClicks(window->lineEditExtInputAlphaMsg, QStringLiteral("Door, back"));
    window->checkBoxLockoutEnabled->setChecked(true);
    window->radioButtonLockoutIndefinite->setChecked(true);
    window->spinBoxSysID->setValue(7);

    window->pushButtonUpdateUnit->click();
    const QStringList sent = setCommands(sim->transcript());
    for (const char* command : { "RID,7", "SBUT0,0", "SBUT1,1,5,2,,1", "SINP0,1,44,1,Door back,0,1", "SLCKT,180" })
        QVERIFY2(sent.contains(QLatin1String(command)),
                 qPrintable(command + QStringLiteral(" not in ") + sent.join('|')));
    QCOMPARE(sim->settingLine(QStringLiteral("RID")), QStringLiteral("RID,7"));
}

void TestMainWindowDevice::readOfAnotherModelSwitchesThePage()
{
    VirtualTavrin* sim = open(Model::DalenTavrin);
    sim->execute(QStringLiteral("UID,77"));
    sim->execute(QStringLiteral("SBUT1,1,12,1,Ready\\fB1b0,0"));
    window->tools_SelectDevice_TavrinII_Action->trigger();

    window->pushButtonRead->click();
    QCOMPARE(window->selectedType(), DalenTavrin);
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgDalenTavrin);
    QVERIFY(window->buttonGroupBtn2->isHidden());
    QCOMPARE(window->spinBoxDalenTavrinID->value(), 77);
    QCOMPARE(window->spinBoxDTBtn1PagerNum->value(), 12);
    QCOMPARE(window->lineEditDTBtn1SettingMsg->text(), QStringLiteral("Ready"));
    QCOMPARE(window->comboBoxDTBtn1Mode->currentText(), QStringLiteral("Beep 1"));
    QCOMPARE(window->lineEditFirmware->text(), sim->firmware().version());
    // One progress dialog for the read itself.
    QCOMPARE(progress->records().size(), 1);
    QCOMPARE(progress->records().constFirst().label, QStringLiteral("Reading Tavrin..."));
}

void TestMainWindowDevice::updateRefusesAnotherModel_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::newRow("Dalen Tavrin under Tavrin II")
        << Model::DalenTavrin << int(TavrinII)
        << "You are trying to program a Dalen Tavrin\ndevice with the Tavrin II UI selected.";
    QTest::newRow("Tavrin II under Dalen Tavrin - 2 Button")
        << Model::TavrinII << int(DalenTavrin2Button)
        << "You are trying to program a Tavrin II\ndevice with the Dalen Tavrin - 2 Button UI selected.";
    QTest::newRow("Dalen Tavrin - 2 Button under Dalen Tavrin")
        << Model::DalenTavrin2Button << int(DalenTavrin)
        << "You are trying to program a Dalen Tavrin - 2 Button\ndevice with the Dalen Tavrin UI selected.";
}

void TestMainWindowDevice::updateRefusesAnotherModel()
{
    QFETCH(Model, model);
    QFETCH(int, page);
    QFETCH(QString, message);
    VirtualTavrin* sim = open(model);
    QAction* select[]
        = { window->tools_SelectDevice_DalenTavrin_Action, window->tools_SelectDevice_DalenTavrin2Btn_Action,
            window->tools_SelectDevice_TavrinII_Action };
    select[page]->trigger();
    const Tavrin2QtCfg before = window->uiSettings();

    prompter->expectCritical(errorCaption, message);
    window->pushButtonUpdateUnit->click();
    QCOMPARE(setCommands(sim->transcript()), QStringList());
    QCOMPARE(int(window->selectedType()), page);
    KIT_VERIFY_SAME(window->uiSettings(), before);
}

void TestMainWindowDevice::deviceFailuresAreShown_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("code");
    QTest::newRow("Read, unplugged") << "unplug" << true << int(NoDeviceFound);
    QTest::newRow("Update, unplugged") << "unplug" << false << int(NoDeviceFound);
    QTest::newRow("Read, error answer") << "fail READ" << true << int(DeviceReportedError);
    QTest::newRow("Update, error answer") << "fail SETT" << false << int(DeviceReportedError);
    QTest::newRow("Read, silent") << "silent" << true << int(LostCommunication);
    QTest::newRow("Update, silent") << "silent" << false << int(LostCommunication);
}

void TestMainWindowDevice::deviceFailuresAreShown()
{
    QFETCH(QString, fault);
    QFETCH(bool, read);
    QFETCH(int, code);
    VirtualTavrin* sim = open(Model::TavrinII);
    QRandomGenerator rng(9);
    window->setUISettings(kit::randomRecord(rng, TavrinII));
    const Tavrin2QtCfg before = window->uiSettings();
    if (fault == QLatin1String("unplug"))
        sim->unplug();
    else if (fault.startsWith(QLatin1String("fail ")))
        sim->failCommand(fault.section(QLatin1Char(' '), 1));
    else
        sim->setSilent(true);

    prompter->expectCritical(errorCaption);
    (read ? window->pushButtonRead : window->pushButtonUpdateUnit)->click();
    // The link's text, followed by the system's where there is one.
    const QString shown = prompter->calls().constLast().text;
    QVERIFY2(shown.startsWith(kit::linkMessage(code)), qPrintable(shown));
    KIT_VERIFY_SAME(window->uiSettings(), before);
}

void TestMainWindowDevice::initializeUpdatesTheDevice()
{
    VirtualTavrin* sim = open(Model::DalenTavrin2Button);
    window->spinBoxDalenTavrinID->setValue(321);
    window->toolsInitializeAction->trigger();
    QVERIFY(setCommands(sim->transcript()).contains(QStringLiteral("UID,321")));
}

void TestMainWindowDevice::severalUnitsAskWhichOne_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("the first unit chosen") << 0;
    QTest::newRow("the second unit chosen") << 1;
    QTest::newRow("the choice cancelled") << -1;
}

void TestMainWindowDevice::severalUnitsAskWhichOne()
{
    QFETCH(int, choice);
    auto bus = std::make_unique<VirtualTavrinBus>();
    VirtualTavrin* dalen = bus->addUnit(std::make_unique<VirtualTavrin>(Model::DalenTavrin, "/dev/hidraw2"));
    VirtualTavrin* tavrinII = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw7"));
    dalen->setSerialNumber("A-1");
    tavrinII->setSerialNumber("B-2");
    UsbHid::setBackend(std::move(bus));
    Tavrin2QtComm::instance()->reset();
    const QString caption = QStringLiteral("Several Tavrin Devices Found");
    const QStringList items { "Dalen Tavrin, serial number A-1 (/dev/hidraw2)",
                              "Tavrin II, serial number B-2 (/dev/hidraw7)" };
    VirtualTavrin* chosen = choice == 0 ? dalen : tavrinII;
    VirtualTavrin* other = choice == 0 ? tavrinII : dalen;

    prompter->expectItem(caption, choice >= 0 ? items.at(choice) : QString());
    window = std::make_unique<FrmTavrin2Qt>();
    QCOMPARE(prompter->calls().constLast().items, items);
    // Unchosen, the form keeps its own model.
    QCOMPARE(window->selectedType(), choice == 0 ? DalenTavrin : TavrinII);
    dalen->clearTranscript();
    tavrinII->clearTranscript();

    // The timer neither asks nor picks a unit.
    QTimerEvent tick(window->detectionTimer()->timerId());
    QCoreApplication::sendEvent(window->detectionTimer(), &tick);
    QVERIFY(other->transcript().isEmpty());

    if (choice >= 0) {
        // Kept to, also when Read asks for detection.
        window->pushButtonRead->click();
        QCOMPARE(window->lineEditSerNum->text(), chosen->firmware().serialNumber());
        QVERIFY(chosen->transcript().contains(QStringLiteral("READ")));
        QVERIFY(other->transcript().isEmpty());
    } else {
        prompter->expectItem(caption, QString());
        prompter->expectCritical(errorCaption,
                                 "Several Tavrin devices are attached and none was chosen.\nNothing was sent.");
        window->pushButtonUpdateUnit->click();
        QCOMPARE(setCommands(tavrinII->transcript()), QStringList());
    }
    QCOMPARE(setCommands(other->transcript()), QStringList());
}

// The unit in use is unplugged and another answers on the same bus: nothing reaches the other one until
// the operator chose it, and the unit in use, back at another node, is used again without a question.
void TestMainWindowDevice::anotherUnitIsNeverUsedUnasked()
{
    auto ownBus = std::make_unique<VirtualTavrinBus>();
    VirtualTavrinBus* bus = ownBus.get();
    VirtualTavrin* inUse = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw2"));
    inUse->setSerialNumber("A-1");
    UsbHid::setBackend(std::move(ownBus));
    Tavrin2QtComm::instance()->reset();
    window = std::make_unique<FrmTavrin2Qt>();
    QTimerEvent tick(window->detectionTimer()->timerId());
    const auto detectionTick = [&] { QCoreApplication::sendEvent(window->detectionTimer(), &tick); };

    inUse->unplug();
    detectionTick();
    VirtualTavrin* other = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw5"));
    other->setSerialNumber("B-2");
    detectionTick();

    const QString caption = QStringLiteral("Another Tavrin Device Found");
    prompter->expectItem(caption, QString());
    prompter->expectCritical(errorCaption,
                             "The Tavrin with serial number A-1 is no longer attached, and no other "
                             "was chosen.\nNothing was sent.");
    window->pushButtonUpdateUnit->click();
    QCOMPARE(setCommands(other->transcript()), QStringList());
    QVERIFY(prompter->verifyDone());
    QCOMPARE(prompter->calls().at(prompter->calls().size() - 2).items,
             QStringList { "Tavrin II, serial number B-2 (/dev/hidraw5)" });

    // The same unit at another node.
    VirtualTavrin* moved = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw9"));
    moved->setSerialNumber("A-1");
    moved->execute(QStringLiteral("RID,11"));
    other->clearTranscript();
    window->pushButtonRead->click();
    QCOMPARE(window->spinBoxSysID->value(), 11);
    QCOMPARE(setCommands(other->transcript()), QStringList());

    // Gone again: the other unit is reached once chosen, and then kept to.
    moved->unplug();
    detectionTick();
    prompter->expectItem(caption, QStringLiteral("Tavrin II, serial number B-2 (/dev/hidraw5)"));
    other->clearTranscript();
    window->pushButtonRead->click();
    QCOMPARE(window->lineEditSerNum->text(), QStringLiteral("B-2"));
    QVERIFY(other->transcript().contains(QStringLiteral("READ")));
    moved->clearTranscript();
    window->pushButtonUpdateUnit->click();
    QVERIFY(setCommands(other->transcript()).contains(QStringLiteral("RID,%1").arg(window->spinBoxSysID->value())));
    QVERIFY(moved->transcript().isEmpty());
}

// The unit plugged in after the one in use fails its first identification (it has just booted): nothing of the
// unit in use passes for its own, and Update asks before anything is set in it.
void TestMainWindowDevice::aUnitThatFailedToIdentifyIsNotTakenForTheOneInUse()
{
    auto ownBus = std::make_unique<VirtualTavrinBus>();
    VirtualTavrinBus* bus = ownBus.get();
    VirtualTavrin* inUse = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw2"));
    inUse->setSerialNumber("A-1");
    UsbHid::setBackend(std::move(ownBus));
    Tavrin2QtComm::instance()->reset();
    window = std::make_unique<FrmTavrin2Qt>();
    QTimerEvent tick(window->detectionTimer()->timerId());
    const auto detectionTick = [&] { QCoreApplication::sendEvent(window->detectionTimer(), &tick); };

    inUse->unplug();
    detectionTick();
    VirtualTavrin* other = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw5"));
    other->setSerialNumber("B-2");
    other->failNthCommand(1);
    detectionTick();
    QCOMPARE(Tavrin2QtComm::instance()->serialNumber(), QString());

    prompter->expectItem(QStringLiteral("Another Tavrin Device Found"), QString());
    prompter->expectCritical(errorCaption,
                             "The Tavrin with serial number A-1 is no longer attached, and no other "
                             "was chosen.\nNothing was sent.");
    window->pushButtonUpdateUnit->click();
    QCOMPARE(setCommands(other->transcript()), QStringList());
}

// Program Pagers offers the choice among several units as Read does, and programs the unit chosen.
void TestMainWindowDevice::programPagersAsksWhichUnit()
{
    auto bus = std::make_unique<VirtualTavrinBus>();
    VirtualTavrin* first = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw2"));
    VirtualTavrin* second = bus->addUnit(std::make_unique<VirtualTavrin>(Model::TavrinII, "/dev/hidraw7"));
    first->setSerialNumber("A-1");
    second->setSerialNumber("B-2");
    UsbHid::setBackend(std::move(bus));
    Tavrin2QtComm::instance()->reset();
    const QString caption = QStringLiteral("Several Tavrin Devices Found");
    prompter->expectItem(caption, QString());
    window = std::make_unique<FrmTavrin2Qt>();
    first->clearTranscript();
    second->clearTranscript();

    prompter->expectItem(caption, QStringLiteral("Tavrin II, serial number B-2 (/dev/hidraw7)"));
    bool programmed = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto* dialog = window->findChild<FrmProgramPagers*>();
        QVERIFY(dialog);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabZellCoaster);
        dialog->spinBoxZellCoasterPgrNum->setValue(20);
        dialog->pushButtonProgram_pressed();
        programmed = true;
        dialog->reject();
    });
    window->tools_ProgramPagers_Action->trigger();
    QVERIFY(programmed);
    QCOMPARE(setCommands(second->transcript()),
             QStringList { QStringLiteral("LPROG,20,%1,2").arg(window->spinBoxSysID->value()) });
    QCOMPARE(setCommands(first->transcript()), QStringList());
}

// The unit stops answering right after its LOCK line: the form shows what came, and a warning names the
// settings that show defaults.
void TestMainWindowDevice::readOfAnIncompleteAnswerWarns()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    sim->execute(QStringLiteral("RID,7"));
    sim->execute(QStringLiteral("SLCKT,45"));
    const QStringList lines = sim->firmware().readResponse();
    const auto reportsOf = [](const QString& line) { return int(line.size() + 1 + 7) / 8; };
    int wholeAnswer = 0;
    for (const QString& line : lines)
        wholeAnswer += reportsOf(line);
    // The version check reads the whole answer; the Read's own answer stops after LOCK.
    int cut = wholeAnswer;
    for (const QString& line : lines) {
        cut += reportsOf(line);
        if (line.startsWith(QLatin1String("LOCK")))
            break;
    }
    sim->stopAnsweringAfterReports(cut);

    prompter->expectWarning(QStringLiteral("Warning"),
                            QStringLiteral("Tavrin's answer lacked these settings, which show their defaults instead "
                                           "of the unit's:\nLockout time\nAcknowledge page and repage enabled\n"
                                           "Group paging enabled\nLow battery page"));
    window->pushButtonRead->click();
    QCOMPARE(window->spinBoxSysID->value(), 7);
    QCOMPARE(window->lineEditFirmware->text(), sim->firmware().version());
}

void TestMainWindowDevice::updateListsWhatTheUnitDidNotTake()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    sim->ignoreCommand(QStringLiteral("SRPG"));
    window->spinBoxRepageInterval->setValue(120);
    window->spinBoxSysID->setValue(7);

    prompter->expectCritical(errorCaption,
                             QStringLiteral("Tavrin answered every command, but when read back it does not hold these "
                                            "settings:\nRepage interval (seconds): sent \"120\", Tavrin holds "
                                            "\"300\""));
    window->pushButtonUpdateUnit->click();
    // Everything was sent, then read back once.
    QCOMPARE(sim->transcript().constLast(), QStringLiteral("READ"));
    QCOMPARE(sim->settingLine(QStringLiteral("RID")), QStringLiteral("RID,7"));
}

void TestMainWindowDevice::oneOperationAtATime_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("confirmation");
    QTest::newRow("Read") << "Read"
                          << "";
    QTest::newRow("Update") << "Update"
                            << "Settings written to Tavrin II %1";
    QTest::newRow("Zell pager") << "Zell"
                                << "";
}

// While an operation waits for the device the window processes events: the detection timer fires and
// queued calls run. None of them may reach the device or start a second operation, and the waits in
// slices must leave the exchange as it was, in commands and in time.
void TestMainWindowDevice::oneOperationAtATime()
{
    QFETCH(QString, operation);
    QFETCH(QString, confirmation);
    // The protocol refuses a second conversation too, but the window must not even ask.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("refused")));
    VirtualTavrin* sim = open(Model::TavrinII);
    FrmProgramPagers pagers(false, false, 0, window.get());
    pagers.tabWidgetPagerTypes->setCurrentWidget(pagers.tabZellCoaster);
    pagers.spinBoxZellCoasterPgrNum->setValue(7);
    const auto run = [&] {
        sim->clearTranscript();
        sim->resetElapsed();
        if (operation == QLatin1String("Read"))
            window->pushButtonRead->click();
        else if (operation == QLatin1String("Update"))
            window->pushButtonUpdateUnit->click();
        else
            pagers.pushButtonProgram_pressed();
    };
    run();
    const QStringList unhookedTranscript = sim->transcript();
    const qint64 unhookedMs = sim->elapsedMs();
    window->statusBar()->clearMessage();

    // Due at every pass of the event loop.
    window->detectionTimer()->start(0);
    QSignalSpy detections(window->detectionTimer(), &QTimer::timeout);
    int waits = 0;
    bool busyCursor = true;
    Tavrin2QtComm::instance()->setWaitHook([&] {
        ++waits;
        busyCursor = busyCursor && QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        const qsizetype sent = sim->transcript().size();
        const int searches = sim->enumerations();
        // A refused operation is silent: the scripted prompter fails on any message box.
        window->pushButtonRead->click();
        window->pushButtonUpdateUnit->click();
        window->toolsInitializeAction->trigger();
        window->fileSaveConfigurationAction->trigger();
        window->fileLoadConfigurationAction->trigger();
        pagers.pushButtonProgram_pressed();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QCOMPARE(sim->transcript().size(), sent);
        QCOMPARE(sim->enumerations(), searches);
    });
    run();
    QVERIFY(waits > 0);
    QVERIFY(detections.count() > 0);
    QVERIFY(busyCursor);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(sim->transcript(), unhookedTranscript);
    QCOMPARE(sim->elapsedMs(), unhookedMs);
    if (!confirmation.isEmpty())
        confirmation = confirmation.arg(sim->firmware().serialNumber());
    QCOMPARE(window->statusBar()->currentMessage(), confirmation);

    // Once it has ended, the next one runs as usual.
    const int searches = sim->enumerations();
    window->detectTavrin();
    QCOMPARE(sim->enumerations(), searches + 1);
}

namespace {
// The lines of one set command ("SBUT4,...") in a transcript.
QStringList linesOf(const QStringList& transcript, const QString& command)
{
    QStringList lines;
    for (const QString& line : transcript)
        if (line.startsWith(command + QLatin1Char(',')))
            lines << line;
    return lines;
}

void dropFile(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// A click where a check box takes it: on its indicator.
void clickBox(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    QTest::mouseClick(box, Qt::LeftButton, {},
                      box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center());
}
} // namespace

// Clicks made while Update runs (the window processes its events during the waits): the box clicked
// keeps what was sent, and neither a second click nor a double click on Update writes again, cycle
// after cycle.
void TestMainWindowDevice::inputDuringAnOperationIsDropped()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    window->show();
    FrmTavrin2Qt::keepResponsiveDuringDeviceWork();
    QCheckBox* box = window->checkBoxBtn5Enable;
    for (int cycle = 0; cycle < 3; ++cycle) {
        sim->clearTranscript();
        const bool shown = box->isChecked();
        bool clicked = false;
        QTimer::singleShot(0, window.get(), [&] {
            clicked = true;
            clickBox(box);
            QTest::mouseClick(window->pushButtonUpdateUnit, Qt::LeftButton);
            QTest::mouseDClick(window->pushButtonUpdateUnit, Qt::LeftButton);
        });
        QTest::mouseClick(window->pushButtonUpdateUnit, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(clicked);
        QCOMPARE(box->isChecked(), shown);
        const QStringList written = linesOf(sim->transcript(), QStringLiteral("SBUT4"));
        QCOMPARE(written.size(), 1);
        QVERIFY2(written.constFirst().startsWith(shown ? QLatin1String("SBUT4,1") : QLatin1String("SBUT4,0")),
                 qPrintable(written.constFirst()));
        // Between operations a click counts.
        clickBox(box);
        QCOMPARE(box->isChecked(), !shown);
    }
}

// A file dropped during an operation is not loaded into the form being sent; one dropped just before
// it began is loaded after it, and its error box too waits for the end.
void TestMainWindowDevice::dropsDuringAnOperationWaitForItsEnd()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    QTemporaryDir dir;
    Tavrin2QtCfg other;
    other.setTavrinType(TavrinII);
    other.setSysID(9);
    QString error;
    const QString good = dir.filePath(QStringLiteral("other.t2c"));
    const QString broken = dir.filePath(QStringLiteral("broken.t2c"));
    {
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(other.freeze(error).toLatin1());
        QFile damaged(broken);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("<?xml version=\"1.0\"?>\n<boost_serialization");
    }
    window->spinBoxSysID->setValue(4);
    Tavrin2QtComm::instance()->setWaitHook([] { QCoreApplication::processEvents(); });

    QString note;
    QTimer::singleShot(0, window.get(), [&] {
        dropFile(window.get(), good);
        QCoreApplication::processEvents();
        note = window->statusBar()->currentMessage();
    });
    window->pushButtonUpdateUnit->click();
    QCoreApplication::processEvents();
    QCOMPARE(note, QStringLiteral("other.t2c was not loaded: a Tavrin operation is in progress."));
    QCOMPARE(window->spinBoxSysID->value(), 4);
    QCOMPARE(sim->settingLine(QStringLiteral("RID")), QStringLiteral("RID,4"));

    // Dropped while idle, its load queued; Update starts before the queue is reached.
    dropFile(window.get(), broken);
    sim->clearTranscript();
    prompter->expectCritical(errorCaption);
    window->pushButtonUpdateUnit->click();
    QVERIFY(!linesOf(sim->transcript(), QStringLiteral("RID")).isEmpty());
    QCOMPARE(prompter->pending(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(prompter->pending(), 0);
}

// While the flashing tool has the unit in its boot loader, the detection timer leaves the bus alone: a
// unit seen again meanwhile would be opened and read under the tool.
void TestMainWindowDevice::detectionLeavesTheUnitToTheFlashingTool()
{
    VirtualTavrin* sim = open(Model::TavrinII);
    FirmwareUpgrade* upgrade = window->firmwareUpgrade();
    // A stand-in for the tool that runs until it is stopped.
    QVERIFY(upgrade->startBatchisp({ QStringLiteral("/bin/sh"), QStringLiteral("-c"), QStringLiteral("read line") }));
    QVERIFY(upgrade->isFlashing());
    sim->unplug();
    sim->replug();
    const int searches = sim->enumerations();
    QTimerEvent tick(window->detectionTimer()->timerId());
    QCoreApplication::sendEvent(window->detectionTimer(), &tick);
    QCOMPARE(sim->enumerations(), searches);
    QVERIFY(sim->transcript().isEmpty());
    upgrade->terminateBatchisp();

    QCoreApplication::sendEvent(window->detectionTimer(), &tick);
    QCOMPARE(sim->enumerations(), searches + 1);
}

// Closing (File > Exit, the close button, a logout) while an operation runs: the window, which deletes
// itself on close, and the pagers dialog stay open until it has ended, and the status bar says so.
void TestMainWindowDevice::closingWaitsForTheOperation()
{
    kit::attach(Model::TavrinII);
    const QPointer<FrmTavrin2Qt> main = new FrmTavrin2Qt;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    Tavrin2QtComm::instance()->setWaitHook([] { QCoreApplication::processEvents(); });

    int closes = 0;
    QString note;
    QTimer::singleShot(0, main.data(), [&] {
        ++closes;
        QVERIFY(!main->close());
        note = main->statusBar()->currentMessage();
    });
    main->pushButtonUpdateUnit->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main);
    QCOMPARE(closes, 1);
    QCOMPARE(note, QStringLiteral("The window stays open until the Tavrin operation has ended."));
    QVERIFY(main->isVisible());
    QVERIFY(main->statusBar()->currentMessage().startsWith(QLatin1String("Settings written")));

    auto* pagers = new FrmProgramPagers(false, false, 0, main.data());
    pagers->tabWidgetPagerTypes->setCurrentWidget(pagers->tabZellCoaster);
    pagers->show();
    QSignalSpy notes(pagers, &FrmProgramPagers::busyNote);
    bool pagersClosed = true;
    QTimer::singleShot(0, pagers, [&] { pagersClosed = pagers->close(); });
    pagers->pushButtonProgram_pressed();
    QVERIFY(!pagersClosed);
    QVERIFY(pagers->isVisible());
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes.constFirst().constFirst().toString(),
             QStringLiteral("Program Pagers stays open until the pager is programmed."));

    // Once it has ended, the window closes (and goes) as usual.
    QVERIFY(pagers->close());
    QVERIFY(main->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main);
}

QTEST_MAIN(TestMainWindowDevice)
#include "tst_mainwindowdevice.moc"
