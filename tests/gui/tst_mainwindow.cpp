#include "MainWindowKit.h"

#include "pagers/FrmProgramPagers.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QGroupBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimerEvent>
#include <QtTest>

#include <functional>
#include <memory>

using kit::Model;

Q_DECLARE_METATYPE(VirtualTavrin::Model)

namespace {
const QString errorCaption = QStringLiteral("Error");
const QString choiceCaption = QStringLiteral("No Tavrin Device Found");
const QStringList modelChoices = { "Dalen Tavrin", "Dalen Tavrin - 2 Button", "Tavrin II" };

// What the detection timer does when it fires.
void fireDetectionTimer(FrmTavrin2Qt* window)
{
    QTimerEvent event(window->detectionTimer()->timerId());
    QCoreApplication::sendEvent(window->detectionTimer(), &event);
}

// Runs action, which opens a modal dialog, and calls atDialog once with the dialog while it is open;
// atDialog must close it. Gives up after a deadline so a missing dialog cannot hang the test.
template<class Dialog>
bool whileModal(const std::function<void()>& action, const std::function<void(Dialog*)>& atDialog)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            atDialog(dialog);
        } else if (clock.elapsed() > 5000) {
            poll.stop();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}
// The Select Device entries that show a check mark.
QStringList checkedModels(const FrmTavrin2Qt* window)
{
    QStringList checked;
    for (const QAction* action : window->toolsSelectDeviceMenu->actions())
        if (action->isChecked())
            checked << action->objectName();
    return checked;
}

const char* const modelActions[]
    = { "tools_SelectDevice_DalenTavrin_Action", "tools_SelectDevice_DalenTavrin2Btn_Action",
        "tools_SelectDevice_TavrinII_Action" };
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectingModelsSetsPageCaptionAndTitles();
    void selectingAModelChangesNoValue();
    void keyboardReachesTheCommands_data();
    void keyboardReachesTheCommands();
    void everyTableWidgetHasAnAccessibleName();
    void languageChangeKeepsTheModelTexts();
    void startUpWithoutDeviceAsksOnce_data();
    void startUpWithoutDeviceAsksOnce();
    void modelChoiceTakesReturn();
    void messagesShowUnitTextAsSent();
    void startUpWithDeviceShowsItsModel_data();
    void startUpWithDeviceShowsItsModel();
    void unsupportedFirmwareIsReportedOnce();
    void deviceAttachedLaterKeepsThePage();
    void aboutAndReset();
    void exitClosesTheWindow();
    void programPagersOpensOnceForTheShownModel_data();
    void programPagersOpensOnceForTheShownModel();
    void upgradeButtonsStartTheFirmwareUpdate_data();
    void upgradeButtonsStartTheFirmwareUpdate();
    void upgradeFailureIsShown();

private:
    // A window over the given device; a missing device has its model choice answered (null: Cancel).
    void open(VirtualTavrin* sim, const QString& choice = QString());

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<ProgressRecorder> progress;
    std::unique_ptr<FrmTavrin2Qt> window;
};

void TestMainWindow::init()
{
    prompter = std::make_unique<ScriptedPrompter>();
    progress = std::make_unique<ProgressRecorder>();
    FrmTavrin2Qt::resetFirstDetection();
}

void TestMainWindow::cleanup()
{
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    window.reset();
    prompter->verifyDone();
    prompter.reset();
    progress.reset();
}

void TestMainWindow::open(VirtualTavrin* sim, const QString& choice)
{
    if (!sim->isPresent())
        prompter->expectItem(choiceCaption, choice);
    window = std::make_unique<FrmTavrin2Qt>();
    QVERIFY(!FrmTavrin2Qt::isFirstDetection());
}

void TestMainWindow::selectingModelsSetsPageCaptionAndTitles()
{
    open(kit::attach(Model::TavrinII));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin II"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgTavrinII);

    QCOMPARE(checkedModels(window.get()), QStringList { modelActions[TavrinII] });

    window->tools_SelectDevice_DalenTavrin2Btn_Action->trigger();
    QCOMPARE(window->selectedType(), DalenTavrin2Button);
    QCOMPARE(checkedModels(window.get()), QStringList { modelActions[DalenTavrin2Button] });
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin - 2 Button"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgDalenTavrin);
    QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button 2"));
    QCOMPARE(window->buttonGroupBtn2->title(), QStringLiteral("Button 1"));
    QVERIFY(!window->buttonGroupBtn2->isHidden());

    window->tools_SelectDevice_DalenTavrin_Action->trigger();
    QCOMPARE(window->selectedType(), DalenTavrin);
    QCOMPARE(checkedModels(window.get()), QStringList { modelActions[DalenTavrin] });
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgDalenTavrin);
    QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button"));
    QVERIFY(window->buttonGroupBtn2->isHidden());

    // The Dalen titles stay as they were while the Tavrin II page is up.
    window->tools_SelectDevice_TavrinII_Action->trigger();
    QCOMPARE(window->selectedType(), TavrinII);
    QCOMPARE(checkedModels(window.get()), QStringList { modelActions[TavrinII] });
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin II"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgTavrinII);
    QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button"));
    QVERIFY(window->buttonGroupBtn2->isHidden());
}

void TestMainWindow::selectingAModelChangesNoValue()
{
    open(kit::attach(Model::TavrinII));
    QRandomGenerator rng(5);
    Tavrin2QtCfg shown = kit::randomRecord(rng, TavrinII);
    shown.setEnableGrpPaging(true);
    shown.setDtEnableGrpPaging(false);
    window->setUISettings(shown);
    const Tavrin2QtCfg before = window->uiSettings();

    const QList<QPair<QAction*, TavrinType>> selections = {
        { window->tools_SelectDevice_DalenTavrin_Action, DalenTavrin },
        { window->tools_SelectDevice_DalenTavrin2Btn_Action, DalenTavrin2Button },
        { window->tools_SelectDevice_TavrinII_Action, TavrinII },
    };
    for (const auto& [action, type] : selections) {
        action->trigger();
        Tavrin2QtCfg expected = before;
        expected.setTavrinType(type);
        KIT_VERIFY_SAME(window->uiSettings(), expected);
        // The group paging note follows the box of the model shown.
        QCOMPARE(window->textLabelWillPageGrpMsg->isHidden(), type != TavrinII);
    }
}

void TestMainWindow::keyboardReachesTheCommands_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<QStringList>("reached");
    const QStringList commands = { "pushButtonRead", "pushButtonUpdateUnit" };
    QTest::newRow("Tavrin II") << Model::TavrinII
                               << commands + QStringList { "checkBoxBtn1Enable", "checkBoxExtInputEnabled" };
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin
                                  << commands
            + QStringList { "checkBoxDTEnableGrpPaging", "checkBoxDTBeepEnabled", "pushButtonDTUpdateFirmware" };
}

// Tab goes round every page's fields and the two commands; Alt+R and Alt+U press the commands.
void TestMainWindow::keyboardReachesTheCommands()
{
    QFETCH(Model, model);
    QFETCH(QStringList, reached);
    VirtualTavrin* sim = kit::attach(model);
    open(sim);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QStringList tabbed;
    QWidget* first = QApplication::focusWidget();
    QVERIFY(first);
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabbed << QApplication::focusWidget()->objectName();
        if (QApplication::focusWidget() == first)
            break;
    }
    for (const QString& name : reached)
        QVERIFY2(tabbed.contains(name), qPrintable(name + QStringLiteral(" not in ") + tabbed.join(u' ')));

    QSignalSpy read(window->pushButtonRead, &QPushButton::clicked);
    QSignalSpy update(window->pushButtonUpdateUnit, &QPushButton::clicked);
    // Through the window system, as a key press arrives, so the shortcut map sees it.
    QTest::keyClick(window->windowHandle(), Qt::Key_R, Qt::AltModifier);
    // A shortcut presses the button for a moment, then clicks it.
    QTRY_COMPARE(read.count(), 1);
    QTest::keyClick(window->windowHandle(), Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(update.count(), 1);
    QVERIFY(sim->transcript().contains(QStringLiteral("READ")));
}

// A screen reader gets a name for each field of the tables, where only the column headers say what it is;
// within a page no two fields share one.
void TestMainWindow::everyTableWidgetHasAnAccessibleName()
{
    open(kit::attach(Model::DalenTavrin2Button));
    const QList<QList<QGroupBox*>> pages = {
        { window->buttonGroup15, window->buttonGroup16, window->buttonGroupAutoOnOff, window->buttonGroupLowBatteryPage,
          window->buttonGroupLowBatteryPage_2 },
        { window->buttonGroupBtn1, window->buttonGroupBtn2, window->buttonGroupDTSecondaryPage,
          window->buttonGroupDTCancelMsg, window->buttonGroupDTLowBatteryPage, window->buttonGroupDTRepage },
    };
    for (const QList<QGroupBox*>& tables : pages) {
        QStringList names;
        for (QGroupBox* table : tables) {
            for (QWidget* widget : table->findChildren<QWidget*>()) {
                const auto* button = qobject_cast<QAbstractButton*>(widget);
                const bool field = (button && button->text().isEmpty()) || qobject_cast<QAbstractSpinBox*>(widget)
                    || qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget);
                // The inner editors of spin boxes and combo boxes go by their owner's name.
                if (!field || qobject_cast<QAbstractSpinBox*>(widget->parentWidget())
                    || qobject_cast<QComboBox*>(widget->parentWidget()))
                    continue;
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
                names << widget->accessibleName();
            }
        }
        QVERIFY(names.size() >= 15);
        const qsizetype all = names.size();
        names.removeDuplicates();
        QCOMPARE(names.size(), all);
    }
    QCOMPARE(window->spinBoxBtn3Pager->accessibleName(), QStringLiteral("Button 3 pager"));
    QCOMPARE(window->comboBoxExtInputMode->accessibleName(), QStringLiteral("External input mode"));
    QCOMPARE(window->spinBoxDTBtn2PagerNum->accessibleName(), QStringLiteral("Button 1 pager"));
    QVERIFY(!window->textLabel33->accessibleName().isEmpty());
    QVERIFY(window->textLabel3_2->accessibleName().contains(QStringLiteral("2 Button")));
}

void TestMainWindow::languageChangeKeepsTheModelTexts()
{
    open(kit::attach(Model::TavrinII));
    window->tools_SelectDevice_DalenTavrin2Btn_Action->trigger();
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window.get(), &languageChange);
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin - 2 Button"));
    QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button 2"));
    QCOMPARE(window->buttonGroupBtn2->title(), QStringLiteral("Button 1"));
}

// The real item choice (the model question at start-up): one Return accepts the item shown.
void TestMainWindow::modelChoiceTakesReturn()
{
    QtPrompter real;
    bool ok = false;
    QString chosen;
    const bool seen = whileModal<QInputDialog>(
        [&] {
            chosen = real.getItem(nullptr, choiceCaption, QStringLiteral("Please select your Tavrin type:"),
                                  { QStringLiteral("Dalen Tavrin"), QStringLiteral("Dalen Tavrin - 2 Button"),
                                    QStringLiteral("Tavrin II") },
                                  2, true, &ok);
        },
        [](QInputDialog* dialog) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject();
        });
    QVERIFY(seen);
    QVERIFY(ok);
    QCOMPARE(chosen, QStringLiteral("Tavrin II"));
}

// A message quoting a unit's serial shows its markup as characters, not rendered.
void TestMainWindow::messagesShowUnitTextAsSent()
{
    QtPrompter real;
    const QString text = QStringLiteral("Unit <b>123</b><img src=x> failed.");
    QString shown;
    const bool seen = whileModal<QMessageBox>([&] { real.critical(nullptr, choiceCaption, text); },
                                              [&](QMessageBox* box) {
                                                  if (box->textFormat() == Qt::PlainText)
                                                      shown = box->text();
                                                  box->accept();
                                              });
    QVERIFY(seen);
    QCOMPARE(shown, text);
}

void TestMainWindow::startUpWithoutDeviceAsksOnce_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("type");
    QTest::newRow("Dalen Tavrin") << "Dalen Tavrin" << int(DalenTavrin);
    QTest::newRow("Dalen Tavrin - 2 Button") << "Dalen Tavrin - 2 Button" << int(DalenTavrin2Button);
    QTest::newRow("Tavrin II") << "Tavrin II" << int(TavrinII);
    QTest::newRow("Cancel") << QString() << int(TavrinII);
    QTest::newRow("typed text") << "Tavrin III" << int(TavrinII);
}

void TestMainWindow::startUpWithoutDeviceAsksOnce()
{
    QFETCH(QString, answer);
    QFETCH(int, type);
    VirtualTavrin* sim = kit::attachUnplugged(Model::DalenTavrin);
    open(sim, answer);
    const ScriptedPrompter::Call& choice = prompter->calls().constLast();
    QCOMPARE(choice.text, QStringLiteral("Please select your Tavrin type:"));
    QCOMPARE(choice.items, modelChoices);
    QCOMPARE(choice.current, 2);

    QCOMPARE(int(window->selectedType()), type);
    QCOMPARE(checkedModels(window.get()), QStringList { modelActions[type] });
    const QStringList captions = { "Dalen Tavrin", "Dalen Tavrin - 2 Button", "Tavrin II" };
    QCOMPARE(window->windowTitle(), captions.at(type));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(),
             type == TavrinII ? window->pgTavrinII : window->pgDalenTavrin);
    if (type == DalenTavrin2Button) {
        QCOMPARE(window->buttonGroupBtn1->title(), QStringLiteral("Button 2"));
        QCOMPARE(window->buttonGroupBtn2->title(), QStringLiteral("Button 1"));
    }

    // Never asked again: not by the timer, not after the device comes and goes.
    fireDetectionTimer(window.get());
    sim->replug();
    fireDetectionTimer(window.get());
    sim->unplug();
    fireDetectionTimer(window.get());
    QCOMPARE(prompter->calls().size(), 1);
    QCOMPARE(int(window->selectedType()), type);
}

void TestMainWindow::startUpWithDeviceShowsItsModel_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstTitle");
    QTest::newRow("Tavrin II") << Model::TavrinII << int(TavrinII) << "Tavrin II"
                               << "Button";
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin << int(DalenTavrin) << "Dalen Tavrin"
                                  << "Button";
    QTest::newRow("Dalen Tavrin - 2 Button")
        << Model::DalenTavrin2Button << int(DalenTavrin2Button) << "Dalen Tavrin - 2 Button"
        << "Button 2";
}

void TestMainWindow::startUpWithDeviceShowsItsModel()
{
    QFETCH(Model, model);
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, firstTitle);
    open(kit::attach(model));
    QCOMPARE(int(window->selectedType()), type);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(),
             type == TavrinII ? window->pgTavrinII : window->pgDalenTavrin);
    QCOMPARE(window->buttonGroupBtn1->title(), firstTitle);
    if (type != TavrinII)
        QCOMPARE(window->buttonGroupBtn2->isHidden(), type == DalenTavrin);
    // Detection identifies the device without reading its settings into the form.
    QCOMPARE(window->lineEditFirmware->text(), QString());
}

void TestMainWindow::unsupportedFirmwareIsReportedOnce()
{
    VirtualTavrin* sim = kit::attach(Model::TavrinII);
    sim->setVersion(QStringLiteral("1V1.07"));
    prompter->expectCritical(errorCaption,
                             QStringLiteral("Detected software version is not supported.\nPlease contact Orvenna to "
                                            "upgrade."));
    open(sim);
    QCOMPARE(window->selectedType(), TavrinII);
    QCOMPARE(prompter->pending(), 0);
    for (int i = 0; i < 3; ++i)
        fireDetectionTimer(window.get());
    QCOMPARE(prompter->calls().size(), 1);
}

void TestMainWindow::deviceAttachedLaterKeepsThePage()
{
    VirtualTavrin* sim = kit::attachUnplugged(Model::DalenTavrin);
    open(sim);
    QCOMPARE(window->selectedType(), TavrinII);
    sim->replug();
    fireDetectionTimer(window.get());
    // The link is open again and the device identified, but the page is the operator's.
    QVERIFY(!sim->transcript().isEmpty());
    QCOMPARE(window->selectedType(), TavrinII);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin II"));
    QCOMPARE(window->widgetStackSwitchDevice->currentWidget(), window->pgTavrinII);
}

void TestMainWindow::aboutAndReset()
{
    VirtualTavrin* sim = kit::attach(Model::TavrinII);
    open(sim);
    sim->clearTranscript();
    prompter->expectAbout(QStringLiteral("About"));
    window->helpAboutAction->trigger();
    const QString about = prompter->calls().constLast().text;
    // The program's version, and the build date as the compiler writes it: "May  7 2009".
    QVERIFY2(QRegularExpression(QStringLiteral("^USB Tavrin Configuration Utility\\nVersion " T2Q_VERSION
                                               "\\nVersion Date: [A-Z][a-z]{2} [ 123][0-9] [0-9]{4}$"))
                 .match(about)
                 .hasMatch(),
             qPrintable(about));

    prompter->expectInformation(QStringLiteral("Reset"),
                                QStringLiteral("To reset Tavrin, please remove\nthen re-attach Tavrin to PC"));
    window->tools_Reset_Action->trigger();
    QVERIFY(sim->transcript().isEmpty());
}

void TestMainWindow::exitClosesTheWindow()
{
    open(kit::attach(Model::TavrinII));
    window->show();
    QVERIFY(window->isVisible());
    window->fileExitAction->trigger();
    QVERIFY(!window->isVisible());
}

void TestMainWindow::programPagersOpensOnceForTheShownModel_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<bool>("tavrinIIGroupPaging");
    QTest::addColumn<bool>("dalenGroupPaging");
    QTest::addColumn<bool>("groupPaging");
    QTest::addColumn<int>("sysID");
    QTest::addColumn<bool>("zellTab");
    QTest::newRow("Tavrin II") << Model::TavrinII << true << false << true << 9 << true;
    QTest::newRow("Dalen Tavrin") << Model::DalenTavrin << true << false << false << 4 << false;
    QTest::newRow("Dalen Tavrin - 2 Button") << Model::DalenTavrin2Button << false << true << true << 4 << false;
}

void TestMainWindow::programPagersOpensOnceForTheShownModel()
{
    QFETCH(Model, model);
    QFETCH(bool, tavrinIIGroupPaging);
    QFETCH(bool, dalenGroupPaging);
    QFETCH(bool, groupPaging);
    QFETCH(int, sysID);
    QFETCH(bool, zellTab);
    open(kit::attach(model));
    window->checkBoxEnableGrpPaging->setChecked(tavrinIIGroupPaging);
    window->checkBoxDTEnableGrpPaging->setChecked(dalenGroupPaging);
    window->spinBoxSysID->setValue(9);
    window->spinBoxDTSysID->setValue(4);

    bool dialogGroupPaging = !groupPaging;
    int dialogSysID = -1;
    bool dialogZellTab = !zellTab;
    int dialogsWhileOpen = 0;
    const bool opened
        = whileModal<FrmProgramPagers>([&] { window->tools_ProgramPagers_Action->trigger(); },
                                       [&](FrmProgramPagers* dialog) {
                                           dialogGroupPaging = dialog->checkBoxEnableGrpPaging->isChecked();
                                           dialogSysID = dialog->spinBoxAlphaSysID->value();
                                           dialogZellTab = dialog->tabWidgetPagerTypes->isTabEnabled(
                                               dialog->tabWidgetPagerTypes->indexOf(dialog->tabZellCoaster));
                                           QCOMPARE(dialog->parentWidget(), window.get());
                                           // A second command while it is open does nothing.
                                           window->tools_ProgramPagers_Action->trigger();
                                           dialogsWhileOpen = window->findChildren<FrmProgramPagers*>().size();
                                           dialog->reject();
                                       });
    QVERIFY(opened);
    QCOMPARE(dialogGroupPaging, groupPaging);
    QCOMPARE(dialogSysID, sysID);
    QCOMPARE(dialogZellTab, zellTab);
    QCOMPARE(dialogsWhileOpen, 1);
    // Deleted once closed, so the next command opens a fresh one.
    QCOMPARE(window->findChildren<FrmProgramPagers*>().size(), 0);
}

void TestMainWindow::upgradeButtonsStartTheFirmwareUpdate_data()
{
    QTest::addColumn<Model>("model");
    QTest::newRow("Tavrin II page") << Model::TavrinII;
    QTest::newRow("Dalen page") << Model::DalenTavrin;
}

void TestMainWindow::upgradeButtonsStartTheFirmwareUpdate()
{
    QFETCH(Model, model);
    VirtualTavrin* sim = kit::attach(model);
    open(sim);
    sim->clearTranscript();
    QPushButton* upgrade
        = model == Model::TavrinII ? window->pushButtonUpdateFirmware : window->pushButtonDTUpdateFirmware;
    // The operator cancels the choice of the firmware file: nothing is sent, nothing reported.
    prompter->expectOpenFile(QStringLiteral("Choose a firmware file to load"), QString());
    upgrade->click();
    // Progress only once a file was chosen.
    QCOMPARE(progress->records().size(), 0);
    QCOMPARE(progress->alive(), 0);
    QVERIFY(sim->transcript().isEmpty());
}

void TestMainWindow::upgradeFailureIsShown()
{
    VirtualTavrin* sim = kit::attach(Model::TavrinII);
    open(sim);
    sim->unplug();
    // The unit is looked for before a firmware file is asked for.
    prompter->expectCritical(errorCaption);
    window->pushButtonUpdateFirmware->click();
    QCOMPARE(prompter->calls().constLast().text, kit::linkMessage(NoDeviceFound));
    QCOMPARE(progress->records().size(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
