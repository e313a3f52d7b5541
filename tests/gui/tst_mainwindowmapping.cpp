#include "MainWindowKit.h"

#include "support/KeyboardText.h"
#include "support/ScriptedPrompter.h"
#include "uisupport/UnitTextValidator.h"

#include <QClipboard>
#include <QStatusBar>
#include <QtTest>

#include <memory>

using kit::Model;

namespace {
const QString errorCaption = QStringLiteral("Error");

QStringList entriesOf(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

// As the operator picks a pager type: the selector moves and says so.
void chooseType(QComboBox* combo, int type)
{
    combo->setCurrentIndex(type);
    emit combo->activated(type);
}

Tavrin2QtCfg withButton(int index, bool enabled, int type, int mode, int zellMsg, const QString& alphaMsg,
                        int pager = 5)
{
    TavrinIIButton button;
    button.setButtonEnabled(enabled);
    button.setPagerNum(pager);
    button.setType(type);
    button.setMode(mode);
    button.setZellMsgInt(zellMsg);
    button.setAlphaMsg(alphaMsg);
    Tavrin2QtCfg cfg;
    cfg.setTavrinIIButtonVectorAtIndex(index, button);
    return cfg;
}
} // namespace

class TestMainWindowMapping : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpRefreshAppliesTheRules();
    void roundTripKeepsWhatTheFormShows_data();
    void roundTripKeepsWhatTheFormShows();
    void modeSelectorFollowsThePagerType();
    void guestKeepsTheMessagePage_data();
    void guestKeepsTheMessagePage();
    void disabledRowKeepsItsValues();
    void checkBoxRules_data();
    void checkBoxRules();
    void dalenCancelMessageFollowsTheSecondaryPage();
    void lockoutModes_data();
    void lockoutModes();
    void groupPagingNoteFollowsTheShownPage();
    void messageFieldsRefuseWhatTheUnitCannotTake_data();
    void messageFieldsRefuseWhatTheUnitCannotTake();
    void recordOfAnotherModelSwitchesFirst();
    void unshowableRecordChangesNothing_data();
    void unshowableRecordChangesNothing();

private:
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FrmTavrin2Qt> window;
};

void TestMainWindowMapping::init()
{
    prompter = std::make_unique<ScriptedPrompter>();
    kit::attach(Model::TavrinII);
    FrmTavrin2Qt::resetFirstDetection();
    window = std::make_unique<FrmTavrin2Qt>();
    QCOMPARE(window->selectedType(), TavrinII);
}

void TestMainWindowMapping::cleanup()
{
    window.reset();
    prompter->verifyDone();
    prompter.reset();
}

void TestMainWindowMapping::startUpRefreshAppliesTheRules()
{
    // Every mode selector filled for its Zell default, rows disabled with their values.
    const char* modes[] = { "comboBoxBtn1Mode", "comboBoxBtn2Mode", "comboBoxBtn3Mode",
                            "comboBoxBtn4Mode", "comboBoxBtn5Mode", "comboBoxExtInputMode" };
    for (const char* name : modes) {
        auto* combo = window->findChild<QComboBox*>(name);
        QVERIFY(combo);
        QCOMPARE(entriesOf(combo), QStringList({ "VIBE 1", "VIBE 2", "VIBE 3" }));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEnabled());
    }
    QVERIFY(!window->spinBoxBtn1Pager->isEnabled());
    QCOMPARE(window->widgetStackBtn1Msg->currentIndex(), 1);
    QVERIFY(!window->buttonGroupLockoutSettings->isEnabled());
    QVERIFY(!window->groupBoxLockoutSequence->isEnabled());
    QVERIFY(!window->timeEditAutoOn1->isEnabled());
    QVERIFY(!window->spinBoxRepageInterval->isEnabled());
    QVERIFY(window->textLabelWillPageGrpMsg->isHidden());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin II"));
    QCOMPARE(window->detectionTimer()->interval(), 3000);
    QVERIFY(window->detectionTimer()->isActive());
    QVERIFY(!window->detectionTimer()->isSingleShot());
    // The form's own values survive the refresh.
    QVERIFY(window->checkBoxDTBeepEnabled->isChecked());
    QCOMPARE(window->spinBoxRepageInterval->value(), 300);
}

void TestMainWindowMapping::roundTripKeepsWhatTheFormShows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("Tavrin II") << int(TavrinII) << 11u;
    QTest::newRow("Dalen Tavrin") << int(DalenTavrin) << 22u;
    QTest::newRow("Dalen Tavrin - 2 Button") << int(DalenTavrin2Button) << 33u;
}

void TestMainWindowMapping::roundTripKeepsWhatTheFormShows()
{
    QFETCH(int, type);
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    for (int i = 0; i < 150; ++i) {
        // Records of all models in turn, so each one also switches the page.
        const auto recordType = static_cast<TavrinType>(i % 2 == 0 ? type : rng.bounded(3));
        const Tavrin2QtCfg cfg = kit::randomRecord(rng, recordType);
        window->setUISettings(cfg);
        QCOMPARE(window->selectedType(), recordType);
        KIT_VERIFY_SAME(window->uiSettings(), kit::shownPart(cfg));
    }
}

void TestMainWindowMapping::modeSelectorFollowsThePagerType()
{
    window->setUISettings(withButton(1, true, TavrinIIButton::ZellType, 1, 3, QString()));
    QComboBox* type = window->comboBoxBtn2Type;
    QComboBox* mode = window->comboBoxBtn2Mode;
    QCOMPARE(mode->currentText(), QStringLiteral("VIBE 2"));
    QCOMPARE(window->widgetStackBtn2Msg->currentIndex(), 1);
    QCOMPARE(window->comboBoxBtn2ZellMsg->currentIndex(), 3);

    chooseType(type, TavrinIIButton::GuestType);
    QCOMPARE(entriesOf(mode), QStringList({ "1 Sec", "30 Sec", "5 Min" }));
    QCOMPARE(mode->currentText(), QStringLiteral("30 Sec"));
    QVERIFY(mode->isEnabled());
    TavrinIIButton button = window->uiSettings().tavrinIIButtonVectorAtIndex(1);
    QCOMPARE(button.type(), int(TavrinIIButton::GuestType));
    QCOMPARE(button.mode(), 1);

    chooseType(type, TavrinIIButton::AlphaType);
    QVERIFY(!mode->isEnabled());
    QCOMPARE(window->widgetStackBtn2Msg->currentIndex(), 0);
    QVERIFY(window->lineEditBtn2AlphaMsg->isEnabled());
    window->lineEditBtn2AlphaMsg->setText(QStringLiteral("Door"));
    button = window->uiSettings().tavrinIIButtonVectorAtIndex(1);
    QCOMPARE(button.mode(), 0);
    QCOMPARE(button.alphaMsg(), QStringLiteral("Door"));

    // Back to Zell: the Zell message it had is still there, the Alpha text is not saved.
    chooseType(type, TavrinIIButton::ZellType);
    QCOMPARE(window->widgetStackBtn2Msg->currentIndex(), 1);
    QCOMPARE(mode->currentText(), QStringLiteral("VIBE 1"));
    button = window->uiSettings().tavrinIIButtonVectorAtIndex(1);
    QCOMPARE(button.zellMsgInt(), 3);
    QCOMPARE(button.alphaMsg(), QString());
    QCOMPARE(window->lineEditBtn2AlphaMsg->text(), QStringLiteral("Door"));
}

void TestMainWindowMapping::guestKeepsTheMessagePage_data()
{
    QTest::addColumn<int>("fromType");
    QTest::addColumn<int>("page");
    QTest::newRow("from Zell") << int(TavrinIIButton::ZellType) << 1;
    QTest::newRow("from Alpha") << int(TavrinIIButton::AlphaType) << 0;
}

void TestMainWindowMapping::guestKeepsTheMessagePage()
{
    QFETCH(int, fromType);
    QFETCH(int, page);
    window->setUISettings(withButton(5, true, fromType, 10, 0, QStringLiteral("Door")));
    chooseType(window->comboBoxExtInputType, TavrinIIButton::GuestType);
    QCOMPARE(window->widgetStackExtInputMsg->currentIndex(), page);
    QVERIFY(!window->comboBoxExtInputZellMsg->isEnabled());
    QVERIFY(!window->lineEditExtInputAlphaMsg->isEnabled());
    QVERIFY(window->comboBoxExtInputMode->isEnabled());
}

void TestMainWindowMapping::disabledRowKeepsItsValues()
{
    TavrinIIButton input;
    input.setButtonEnabled(true);
    input.setPagerNum(44);
    input.setExtInputSetting(1);
    input.setType(TavrinIIButton::AlphaType);
    input.setMode(0);
    input.setAlphaMsg(QStringLiteral("Door"));
    window->setTavrinIIBtn(5, input);
    const QList<QWidget*> rowWidgets = { window->spinBoxExternalInputPager, window->comboBoxExtInputSetting,
                                         window->comboBoxExtInputType, window->lineEditExtInputAlphaMsg };

    window->checkBoxExtInputEnabled->setChecked(false);
    for (QWidget* widget : rowWidgets)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
    QVERIFY(!window->comboBoxExtInputMode->isEnabled());
    QVERIFY(!window->comboBoxExtInputZellMsg->isEnabled());
    TavrinIIButton expected = input;
    expected.setButtonEnabled(false);
    QCOMPARE(window->tavrinIIBtn(5), expected);

    window->checkBoxExtInputEnabled->setChecked(true);
    for (QWidget* widget : rowWidgets)
        QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    QVERIFY(!window->comboBoxExtInputMode->isEnabled());
    QVERIFY(!window->comboBoxExtInputZellMsg->isEnabled());
    QCOMPARE(window->tavrinIIBtn(5), input);
}

void TestMainWindowMapping::checkBoxRules_data()
{
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<QStringList>("dependents");
    QTest::newRow("repage") << "checkBoxRepageEnabled" << QStringList { "spinBoxRepageInterval" };
    QTest::newRow("Dalen repage") << "checkBoxDTRepageEnabled" << QStringList { "spinBoxDTRepageInterval" };
    QTest::newRow("low battery") << "checkBoxLowBatteryPageEnabled"
                                 << QStringList { "spinBoxLowBatteryPager", "lineEditLowBatteryPageMsg" };
    QTest::newRow("acknowledge") << "checkBoxAckPageEnabled" << QStringList { "spinBoxAckPager", "lineEditAckPageMsg" };
    QTest::newRow("Dalen low battery") << "checkBoxDTLowBatteryPageEnabled"
                                       << QStringList { "spinBoxDTLowBatteryPager", "lineEditDTLowBatteryPageMsg" };
    QTest::newRow("Dalen secondary page")
        << "checkBoxDTSecondaryPageEnabled" << QStringList { "spinBoxDTSecondaryPager", "buttonGroupDTCancelMsg" };
    QTest::newRow("auto on/off 2") << "checkBoxAutoOnOff2" << QStringList { "timeEditAutoOn2", "timeEditAutoOff2" };
    QTest::newRow("lockout") << "checkBoxLockoutEnabled"
                             << QStringList { "buttonGroupLockoutSettings", "groupBoxLockoutSequence" };
    QTest::newRow("button 3") << "checkBoxBtn3Enable"
                              << QStringList { "spinBoxBtn3Pager", "comboBoxBtn3Type", "comboBoxBtn3Mode",
                                               "comboBoxBtn3ZellMsg" };
}

void TestMainWindowMapping::checkBoxRules()
{
    QFETCH(QString, checkBox);
    QFETCH(QStringList, dependents);
    auto* box = window->findChild<QCheckBox*>(checkBox);
    QVERIFY(box);
    for (const bool checked : { true, false, true }) {
        box->setChecked(checked);
        for (const QString& name : dependents) {
            auto* widget = window->findChild<QWidget*>(name);
            QVERIFY(widget);
            QVERIFY2(widget->isEnabled() == checked, qPrintable(name + (checked ? " disabled" : " enabled")));
        }
    }
}

void TestMainWindowMapping::dalenCancelMessageFollowsTheSecondaryPage()
{
    window->tools_SelectDevice_DalenTavrin_Action->trigger();
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtSecondaryPageEnabled(true);
    cfg.setDtCancelMsgEnabled(false);
    window->setUISettings(cfg);
    QVERIFY(!window->lineEditDTCancelMsg->isEnabled());

    // Switched on while its group is off: the line edit follows once the group is back.
    cfg.setDtSecondaryPageEnabled(false);
    cfg.setDtCancelMsgEnabled(true);
    cfg.setDtCancelMsg(QStringLiteral("All clear"));
    window->setUISettings(cfg);
    QVERIFY(!window->buttonGroupDTCancelMsg->isEnabled());
    QVERIFY(!window->checkBoxDTCancelMsgEnabled->isEnabled());
    QVERIFY(!window->lineEditDTCancelMsg->isEnabled());
    QVERIFY(window->checkBoxDTCancelMsgEnabled->isChecked());

    window->checkBoxDTSecondaryPageEnabled->setChecked(true);
    QVERIFY(window->checkBoxDTCancelMsgEnabled->isEnabled());
    QVERIFY(window->lineEditDTCancelMsg->isEnabled());
    window->checkBoxDTCancelMsgEnabled->setChecked(false);
    QVERIFY(!window->lineEditDTCancelMsg->isEnabled());
    window->checkBoxDTCancelMsgEnabled->setChecked(true);
    QVERIFY(window->lineEditDTCancelMsg->isEnabled());

    window->checkBoxDTSecondaryPageEnabled->setChecked(false);
    QVERIFY(!window->lineEditDTCancelMsg->isEnabled());
    const Tavrin2QtCfg shown = window->uiSettings();
    QVERIFY(shown.dtCancelMsgEnabled());
    QCOMPARE(shown.dtCancelMsg(), QStringLiteral("All clear"));
}

void TestMainWindowMapping::lockoutModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("indefinite");
    QTest::addColumn<bool>("timeEnabled");
    QTest::newRow("off") << 0 << false << false;
    QTest::newRow("indefinite") << 1 << true << false;
    QTest::newRow("interval") << 2 << false << true;
}

void TestMainWindowMapping::lockoutModes()
{
    QFETCH(int, mode);
    QFETCH(bool, indefinite);
    QFETCH(bool, timeEnabled);
    // From each other mode, so every change of the radio buttons is seen.
    for (const int previous : { 0, 1, 2 }) {
        Tavrin2QtCfg cfg;
        cfg.setLockoutTimeMode(previous);
        window->setUISettings(cfg);
        cfg.setLockoutTimeMode(mode);
        cfg.setLockoutTime(45);
        // Not read: the check box follows the mode.
        cfg.setLockoutEnabled(mode == 0);
        window->setUISettings(cfg);

        QCOMPARE(window->checkBoxLockoutEnabled->isChecked(), mode != 0);
        QCOMPARE(window->buttonGroupLockoutSettings->isEnabled(), mode != 0);
        QCOMPARE(window->groupBoxLockoutSequence->isEnabled(), mode != 0);
        if (mode != 0) {
            QCOMPARE(window->radioButtonLockoutIndefinite->isChecked(), indefinite);
            QCOMPARE(window->radioButtonLockoutInterval->isChecked(), !indefinite);
        }
        QCOMPARE(window->spinBoxLockoutTime->isEnabled(), timeEnabled);
        QCOMPARE(window->lockoutTimeMode(), mode);
        const Tavrin2QtCfg shown = window->uiSettings();
        QCOMPARE(shown.lockoutTimeMode(), mode);
        QCOMPARE(shown.lockoutEnabled(), mode != 0);
        QCOMPARE(shown.lockoutTime(), 45);
    }
}

void TestMainWindowMapping::groupPagingNoteFollowsTheShownPage()
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtEnableGrpPaging(true);
    window->setUISettings(cfg);
    QVERIFY(!window->textLabelWillPageGrpMsg->isHidden());
    window->checkBoxDTEnableGrpPaging->setChecked(false);
    QVERIFY(window->textLabelWillPageGrpMsg->isHidden());

    // The hidden page's box says nothing about the page the user sees.
    cfg.setDtEnableGrpPaging(false);
    cfg.setEnableGrpPaging(true);
    window->setUISettings(cfg);
    QVERIFY(window->textLabelWillPageGrpMsg->isHidden());

    cfg.setTavrinType(TavrinII);
    window->setUISettings(cfg);
    QVERIFY(!window->textLabelWillPageGrpMsg->isHidden());
    // Shown or not, the note keeps its room, so nothing below it moves.
    QVERIFY(window->textLabelWillPageGrpMsg->sizePolicy().retainSizeWhenHidden());
}

void TestMainWindowMapping::messageFieldsRefuseWhatTheUnitCannotTake_data()
{
    QTest::addColumn<QString>("edit");
    for (const char* name : { "lineEditDTBtn1SettingMsg", "lineEditDTBtn2SettingMsg", "lineEditDTLowBatteryPageMsg",
                              "lineEditLowBatteryPageMsg", "lineEditAckPageMsg", "lineEditDTCancelMsg",
                              "lineEditBtn1AlphaMsg", "lineEditBtn2AlphaMsg", "lineEditBtn3AlphaMsg",
                              "lineEditBtn4AlphaMsg", "lineEditBtn5AlphaMsg", "lineEditExtInputAlphaMsg" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindowMapping::messageFieldsRefuseWhatTheUnitCannotTake()
{
    QFETCH(QString, edit);
    auto* lineEdit = window->findChild<QLineEdit*>(edit);
    QVERIFY(lineEdit);
    auto* validator = qobject_cast<const UnitTextValidator*>(lineEdit->validator());
    QVERIFY(validator);
    QCOMPARE(validator->parent(), window.get());

    // Enabled as its rule would, so that it takes keys.
    for (QWidget* w = lineEdit; w && w != window.get(); w = w->parentWidget())
        w->setEnabled(true);
    lineEdit->clear();
    QTest::keyClicks(lineEdit, QStringLiteral("Fire, door 2,"));
    QCOMPARE(lineEdit->text(), QStringLiteral("Fire door 2"));
    // Nor a character beyond Latin-1, which the unit would show as "?".
    lineEdit->clear();
    typeText(lineEdit, QStringLiteral("\u00c9t\u00e9 \u20ac5 \U0001F6AA\u00ff"));
    QCOMPARE(lineEdit->text(), QStringLiteral("\u00c9t\u00e9 5 \u00ff"));

    // What was refused does not vanish without a word: the status bar names it and says why.
    const QString field = QStringLiteral("Not taken in the %1 field: ").arg(lineEdit->accessibleName());
    QCOMPARE(window->statusBar()->currentMessage(),
             field + QStringLiteral("\"\U0001F6AA\" (U+1F6AA): Tavrin cannot take characters beyond Latin-1."));
    lineEdit->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Go \u2192 now,\t\u20ac"));
    lineEdit->paste();
    QCOMPARE(lineEdit->text(), QString());
    QCOMPARE(window->statusBar()->currentMessage(),
             field
                 + QStringLiteral("\"\u2192\" (U+2192), \"\u20ac\" (U+20AC): Tavrin cannot take characters beyond "
                                  "Latin-1; U+0009 (tab): Tavrin cannot show control characters; \",\": a comma "
                                  "would start another field of Tavrin's command."));
    // A record's text is shown as it stands, without a word; Update names what cannot be sent.
    window->statusBar()->clearMessage();
    Tavrin2QtCfg cfg = window->uiSettings();
    cfg.setLowBatteryPageMsg(QStringLiteral("Bar\tTerrasse"));
    cfg.setDtLowBatteryPageMsg(QStringLiteral("Bar\tTerrasse"));
    window->setUISettings(cfg);
    QCOMPARE(window->statusBar()->currentMessage(), QString());
}

void TestMainWindowMapping::recordOfAnotherModelSwitchesFirst()
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtBtn1PagerNum(12);
    cfg.setDtBtn1SettingMsg(QStringLiteral("Ready"));
    cfg.setDtBtn1Mode(4);
    window->setUISettings(cfg);
    QCOMPARE(window->selectedType(), DalenTavrin);
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgDalenTavrin);
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin"));
    QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button"));
    QVERIFY(window->buttonGroupBtn2->isHidden());
    QCOMPARE(window->spinBoxDTBtn1PagerNum->value(), 12);
    QCOMPARE(window->lineEditDTBtn1SettingMsg->text(), QStringLiteral("Ready"));
    QCOMPARE(window->comboBoxDTBtn1Mode->currentText(), QStringLiteral("Beep 1"));
}

void TestMainWindowMapping::unshowableRecordChangesNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("autoTimes");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown model") << int(Unknown) << 6 << 3 << "Invalid Tavrin type detected!";
    QTest::newRow("4 buttons") << int(DalenTavrin) << 4 << 3
                               << "The configuration is incomplete: it holds 4 of 6 button settings\n"
                                  "and 3 of 3 auto on/off times.";
    QTest::newRow("2 auto on/off times") << int(TavrinII) << 6 << 2
                                         << "The configuration is incomplete: it holds 6 of 6 button settings\n"
                                            "and 2 of 3 auto on/off times.";
}

void TestMainWindowMapping::unshowableRecordChangesNothing()
{
    QFETCH(int, type);
    QFETCH(int, buttons);
    QFETCH(int, autoTimes);
    QFETCH(QString, message);
    QRandomGenerator rng(7);
    const Tavrin2QtCfg before = kit::randomRecord(rng, TavrinII);
    window->setUISettings(before);

    Tavrin2QtCfg incoming = kit::randomRecord(rng, TavrinII);
    incoming.setTavrinType(type);
    QString error;
    QString document = incoming.freeze(error);
    document = kit::withFewerEntries(document, QStringLiteral("_tavrinIIButtons"), buttons);
    document = kit::withFewerEntries(document, QStringLiteral("_tavrinIIAutoOnOffTimes"), autoTimes);
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(cfg->tavrinIIButtonCount(), buttons);

    prompter->expectCritical(errorCaption, message);
    window->setUISettings(*cfg);
    QCOMPARE(window->selectedType(), TavrinII);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin II"));
    KIT_VERIFY_SAME(window->uiSettings(), kit::shownPart(before));
}

QTEST_MAIN(TestMainWindowMapping)
#include "tst_mainwindowmapping.moc"
