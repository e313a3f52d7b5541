#include "app/FrmTavrin2QtBase.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QTest>

#include <memory>

namespace {

// Every slot the form declares for the window's logic, as the logic overrides them.
const QStringList formSlots = {
    "helpAboutAction_activated()",
    "toolsInitializeAction_activated()",
    "tools_Reset_Action_activated()",
    "tools_SelectDevice_TavrinII_Action_activated()",
    "tools_SelectDevice_DalenTavrin_Action_activated()",
    "tools_SelectDevice_DalenTavrin2Btn_Action_activated()",
    "tools_ProgramPagers_Action_activated()",
    "fileLoadConfigurationAction_activated()",
    "fileSaveConfigurationAction_activated()",
    "pushButtonRead_clicked()",
    "pushButtonUpdateUnit_clicked()",
    "pushButtonUpdateFirmware_clicked()",
    "checkBoxBtn1Enable_toggled(bool)",
    "checkBoxBtn2Enable_toggled(bool)",
    "checkBoxBtn3Enable_toggled(bool)",
    "checkBoxBtn4Enable_toggled(bool)",
    "checkBoxBtn5Enable_toggled(bool)",
    "checkBoxExtInputEnabled_toggled(bool)",
    "comboBoxBtn1Type_activated(int)",
    "comboBoxBtn2Type_activated(int)",
    "comboBoxBtn3Type_activated(int)",
    "comboBoxBtn4Type_activated(int)",
    "comboBoxBtn5Type_activated(int)",
    "comboBoxExtInputType_activated(int)",
    "checkBoxEnableGrpPaging_toggled(bool)",
    "checkBoxAutoOnOff1_toggled(bool)",
    "checkBoxAutoOnOff2_toggled(bool)",
    "checkBoxAutoOnOff3_toggled(bool)",
    "checkBoxLockoutEnabled_toggled(bool)",
    "radioButtonLockoutInterval_toggled(bool)",
    "checkBoxLowBatteryPageEnabled_toggled(bool)",
    "checkBoxRepageEnabled_toggled(bool)",
    "checkBoxDTEnableGrpPaging_toggled(bool)",
    "pushButtonDTUpdateFirmware_clicked()",
    "checkBoxDTRepageEnabled_toggled(bool)",
    "checkBoxDTLowBatteryEnable_toggled(bool)",
    "checkBoxDTSecondaryPageEnabled_toggled(bool)",
    "checkBoxDTCancelMsgEnabled_toggled(bool)",
};

// Records which slot each signal reaches, through the same virtual slots the window's logic overrides.
class RecordingForm : public FrmTavrin2QtBase
{
public:
    QStringList calls;

#define T2Q_RECORD(slot, ...)                                                                                          \
    void slot(__VA_ARGS__) override                                                                                    \
    {                                                                                                                  \
        calls << QStringLiteral(#slot);                                                                                \
    }
    T2Q_RECORD(helpAboutAction_activated)
    T2Q_RECORD(toolsInitializeAction_activated)
    T2Q_RECORD(tools_Reset_Action_activated)
    T2Q_RECORD(tools_SelectDevice_TavrinII_Action_activated)
    T2Q_RECORD(tools_SelectDevice_DalenTavrin_Action_activated)
    T2Q_RECORD(tools_SelectDevice_DalenTavrin2Btn_Action_activated)
    T2Q_RECORD(tools_ProgramPagers_Action_activated)
    T2Q_RECORD(fileLoadConfigurationAction_activated)
    T2Q_RECORD(fileSaveConfigurationAction_activated)
    T2Q_RECORD(pushButtonRead_clicked)
    T2Q_RECORD(pushButtonUpdateUnit_clicked)
    T2Q_RECORD(pushButtonUpdateFirmware_clicked)
    T2Q_RECORD(checkBoxBtn1Enable_toggled, bool)
    T2Q_RECORD(checkBoxBtn2Enable_toggled, bool)
    T2Q_RECORD(checkBoxBtn3Enable_toggled, bool)
    T2Q_RECORD(checkBoxBtn4Enable_toggled, bool)
    T2Q_RECORD(checkBoxBtn5Enable_toggled, bool)
    T2Q_RECORD(checkBoxExtInputEnabled_toggled, bool)
    T2Q_RECORD(comboBoxBtn1Type_activated, int)
    T2Q_RECORD(comboBoxBtn2Type_activated, int)
    T2Q_RECORD(comboBoxBtn3Type_activated, int)
    T2Q_RECORD(comboBoxBtn4Type_activated, int)
    T2Q_RECORD(comboBoxBtn5Type_activated, int)
    T2Q_RECORD(comboBoxExtInputType_activated, int)
    T2Q_RECORD(checkBoxEnableGrpPaging_toggled, bool)
    T2Q_RECORD(checkBoxAutoOnOff1_toggled, bool)
    T2Q_RECORD(checkBoxAutoOnOff2_toggled, bool)
    T2Q_RECORD(checkBoxAutoOnOff3_toggled, bool)
    T2Q_RECORD(checkBoxLockoutEnabled_toggled, bool)
    T2Q_RECORD(radioButtonLockoutInterval_toggled, bool)
    T2Q_RECORD(checkBoxLowBatteryPageEnabled_toggled, bool)
    T2Q_RECORD(checkBoxRepageEnabled_toggled, bool)
    T2Q_RECORD(checkBoxDTEnableGrpPaging_toggled, bool)
    T2Q_RECORD(pushButtonDTUpdateFirmware_clicked)
    T2Q_RECORD(checkBoxDTRepageEnabled_toggled, bool)
    T2Q_RECORD(checkBoxDTLowBatteryEnable_toggled, bool)
    T2Q_RECORD(checkBoxDTSecondaryPageEnabled_toggled, bool)
    T2Q_RECORD(checkBoxDTCancelMsgEnabled_toggled, bool)
#undef T2Q_RECORD
};

struct LoggedMessage
{
    QtMsgType type;
    QString category;
    QString text;
};
QList<LoggedMessage> loggedMessages;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    loggedMessages.append({ type, QString::fromUtf8(context.category), text });
}

QString header(const char* word)
{
    return QStringLiteral("<p align=\"left\"><b>%1</b></p>").arg(QLatin1String(word));
}

// The caption of a widget: a button's or label's text, a group's title.
QString textOf(QObject* object)
{
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    return QString();
}

// "&Tools/&Select Device" for the submenu, "&File" for a top-level menu.
QString menuPath(const QMenu* menu)
{
    const auto* parentMenu = qobject_cast<const QMenu*>(menu->parent());
    return parentMenu ? menuPath(parentMenu) + QLatin1Char('/') + menu->title() : menu->title();
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RecordingForm> form;

private slots:
    void init() { form = std::make_unique<RecordingForm>(); }
    void cleanup() { form.reset(); }

    void startsOnTheTavrinIIButtonsTabWithItsDefaults()
    {
        QCOMPARE(form->objectName(), QStringLiteral("FrmTavrin2QtBase"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tavrin II"));
        QCOMPARE(form->widgetStackSwitchDevice->currentIndex(), 0);
        QCOMPARE(form->widgetStackSwitchDevice->widget(0), form->pgTavrinII);
        QCOMPARE(form->widgetStackSwitchDevice->widget(1), form->pgDalenTavrin);
        QCOMPARE(form->tabWidgetTavrinII->currentWidget(), form->tabButtonsAndInputs);
        QCOMPARE(form->tabWidgetTavrinII->tabText(0), QStringLiteral("Buttons and Inputs"));
        QCOMPARE(form->tabWidgetTavrinII->tabText(1), QStringLiteral("Advanced Features"));

        QVERIFY(form->radioButtonLockoutInterval->isChecked());
        QVERIFY(!form->radioButtonLockoutIndefinite->isChecked());
        QVERIFY(form->checkBoxDTBeepEnabled->isChecked());
        QVERIFY(!form->checkBoxRepageEnabled->isChecked());
        QVERIFY(!form->checkBoxDTRepageEnabled->isChecked());
        QVERIFY(form->lineEditSerNum->isReadOnly());
        QVERIFY(form->lineEditFirmware->isReadOnly());
        QVERIFY(!form->buttonGroupBtn2->isHidden());
        QVERIFY(form->calls.isEmpty());

        // The window's logic fills the mode selectors for the pager type in force.
        for (QComboBox* mode : { form->comboBoxBtn1Mode, form->comboBoxBtn2Mode, form->comboBoxBtn3Mode,
                                 form->comboBoxBtn4Mode, form->comboBoxBtn5Mode, form->comboBoxExtInputMode })
            QCOMPARE(mode->count(), 0);

        const auto all = form->findChildren<QWidget*>();
        for (QWidget* w : all)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }

    void opensAtItsDesignedSizeAndFitsItsLayout()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->size(), QSize(706, 744));
        const QSize minimum = form->minimumSizeHint();
        QVERIFY2(minimum.width() <= 706 && minimum.height() <= 744,
                 qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));

        // The pages not shown yet count fully: visiting them must not raise the minimum.
        form->tabWidgetTavrinII->setCurrentWidget(form->tabAdvancedFeatures);
        form->widgetStackSwitchDevice->setCurrentWidget(form->pgDalenTavrin);
        QCoreApplication::processEvents();
        QCOMPARE(form->minimumSizeHint(), minimum);
        QCOMPARE(form->minimumSize(), minimum);
    }

    void fontsColourAndFocus()
    {
        QCOMPARE(form->pushButtonRead->font().pointSize(), 12);
        QCOMPARE(form->pushButtonUpdateUnit->font().pointSize(), 12);
        QCOMPARE(form->textLabelWillPageGrpMsg->font().pointSize(), 10);
        QCOMPARE(form->textLabelWillPageGrpMsg->palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(0, 170, 255));
        QCOMPARE(form->textLabelWillPageGrpMsg->palette().color(QPalette::Inactive, QPalette::WindowText),
                 QColor(0, 170, 255));
        // The keyboard reaches the two commands and the Dalen check boxes; the commands have shortcuts too.
        for (QWidget* w :
             std::initializer_list<QWidget*> { form->pushButtonRead, form->pushButtonUpdateUnit,
                                               form->checkBoxDTEnableGrpPaging, form->checkBoxDTBeepEnabled })
            QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
        QCOMPARE(form->pushButtonRead->shortcut(), QKeySequence(QStringLiteral("Alt+R")));
        QCOMPARE(form->pushButtonUpdateUnit->shortcut(), QKeySequence(QStringLiteral("Alt+U")));
    }

    void picturesAreBuiltIn_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Tavrin II") << "textLabel33" << QSize(61, 318);
        QTest::newRow("Dalen") << "textLabel3_2" << QSize(105, 322);
    }

    void picturesAreBuiltIn()
    {
        QFETCH(QString, label);
        QFETCH(QSize, size);
        auto* picture = form->findChild<QLabel*>(label);
        QVERIFY(picture);
        const QPixmap pixmap = picture->pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), size);
    }

    void spinBoxLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("suffix");
        const QString seconds = QStringLiteral(" (seconds)");
        for (const char* pager :
             { "spinBoxBtn1Pager", "spinBoxBtn2Pager", "spinBoxBtn3Pager", "spinBoxBtn4Pager", "spinBoxBtn5Pager",
               "spinBoxExternalInputPager", "spinBoxLowBatteryPager", "spinBoxAckPager", "spinBoxDTBtn1PagerNum",
               "spinBoxDTBtn2PagerNum", "spinBoxDalenTavrinID", "spinBoxDTSecondaryPager", "spinBoxDTLowBatteryPager" })
            QTest::newRow(pager) << pager << 1 << 9999 << 1 << QString();
        QTest::newRow("system ID") << "spinBoxSysID" << 0 << 13 << 0 << QString();
        QTest::newRow("Dalen system ID") << "spinBoxDTSysID" << 0 << 13 << 0 << QString();
        QTest::newRow("lockout time") << "spinBoxLockoutTime" << 1 << 179 << 1 << seconds;
        for (const char* step : { "spinBoxExtInputDisable1", "spinBoxExtInputDisable2", "spinBoxExtInputDisable3" })
            QTest::newRow(step) << step << 1 << 5 << 1 << QString();
        QTest::newRow("repage") << "spinBoxRepageInterval" << 10 << 300 << 300 << seconds;
        QTest::newRow("Dalen repage") << "spinBoxDTRepageInterval" << 10 << 300 << 300 << seconds;
    }

    void spinBoxLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(QString, suffix);
        auto* spin = form->findChild<QSpinBox*>(name);
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), minimum);
        QCOMPARE(spin->maximum(), maximum);
        QCOMPARE(spin->value(), value);
        QCOMPARE(spin->suffix(), suffix);
        QVERIFY(spin->specialValueText().isEmpty());
    }

    void messageLengths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("button 1 Alpha") << "lineEditBtn1AlphaMsg" << 32767;
        QTest::newRow("external input Alpha") << "lineEditExtInputAlphaMsg" << 32767;
        for (const char* name :
             { "lineEditBtn2AlphaMsg", "lineEditBtn3AlphaMsg", "lineEditBtn4AlphaMsg", "lineEditBtn5AlphaMsg",
               "lineEditLowBatteryPageMsg", "lineEditAckPageMsg", "lineEditDTBtn1SettingMsg",
               "lineEditDTBtn2SettingMsg", "lineEditDTCancelMsg", "lineEditDTLowBatteryPageMsg" })
            QTest::newRow(name) << name << 64;
    }

    void messageLengths()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        auto* edit = form->findChild<QLineEdit*>(name);
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), maxLength);
    }

    void selectorEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        const QStringList types = { "Zell", "Alpha", "Guest" };
        QStringList digits;
        for (int n = 0; n < 10; ++n)
            digits << QString::number(n);
        const QStringList dalenModes = { "Default", "Vibe 1",      "Vibe 2",      "Vibe 3",      "Beep 1",   "Beep 2",
                                         "Beep 3",  "Vibe-Beep 1", "Vibe-Beep 2", "Vibe-Beep 3", "Look Down" };
        for (const QString row : { "Btn1", "Btn2", "Btn3", "Btn4", "Btn5", "ExtInput" }) {
            QTest::addRow("%s type", qPrintable(row)) << "comboBox" + row + "Type" << types;
            QTest::addRow("%s Zell", qPrintable(row)) << "comboBox" + row + "ZellMsg" << digits;
        }
        QTest::newRow("input setting") << "comboBoxExtInputSetting"
                                       << QStringList { "Normally Open", "Normally Closed" };
        QTest::newRow("Dalen 1 mode") << "comboBoxDTBtn1Mode" << dalenModes;
        QTest::newRow("Dalen 2 mode") << "comboBoxDTBtn2Mode" << dalenModes;
    }

    void selectorEntries()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        auto* combo = form->findChild<QComboBox*>(name);
        QVERIFY(combo);
        QStringList actual;
        for (int i = 0; i < combo->count(); ++i)
            actual << combo->itemText(i);
        QCOMPARE(actual, entries);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // The window's logic raises page 0 for Alpha and page 1 for Zell, and reads the widgets on them.
    void messageStacksHoldAlphaThenZell_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("pages");
        for (int n = 1; n <= 5; ++n)
            QTest::addRow("button %d", n) << QStringLiteral("Btn%1").arg(n) << QString::number(n);
        QTest::newRow("external input") << "ExtInput"
                                        << "ExtInput";
    }

    void messageStacksHoldAlphaThenZell()
    {
        QFETCH(QString, row);
        QFETCH(QString, pages);
        auto* stack = form->findChild<QStackedWidget*>("widgetStack" + row + "Msg");
        QVERIFY(stack);
        QCOMPARE(stack->count(), 2);
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(stack->widget(0)->objectName(), "pgAlphaMsg" + pages);
        QCOMPARE(stack->widget(1)->objectName(), "pgZellMsg" + pages);
        QVERIFY(stack->widget(0)->isAncestorOf(form->findChild<QLineEdit*>("lineEdit" + row + "AlphaMsg")));
        QVERIFY(stack->widget(1)->isAncestorOf(form->findChild<QComboBox*>("comboBox" + row + "ZellMsg")));
    }

    // The enabling rules switch whole groups; the widgets they govern must sit inside them.
    void groupsHoldTheWidgetsTheirRulesSwitch()
    {
        QVERIFY(form->buttonGroupLockoutSettings->isAncestorOf(form->radioButtonLockoutIndefinite));
        QVERIFY(form->buttonGroupLockoutSettings->isAncestorOf(form->radioButtonLockoutInterval));
        QVERIFY(form->buttonGroupLockoutSettings->isAncestorOf(form->spinBoxLockoutTime));
        QVERIFY(!form->buttonGroupLockoutSettings->isAncestorOf(form->checkBoxLockoutEnabled));
        for (QSpinBox* step :
             { form->spinBoxExtInputDisable1, form->spinBoxExtInputDisable2, form->spinBoxExtInputDisable3 })
            QVERIFY(form->groupBoxLockoutSequence->isAncestorOf(step));
        QVERIFY(form->buttonGroupDTCancelMsg->isAncestorOf(form->checkBoxDTCancelMsgEnabled));
        QVERIFY(form->buttonGroupDTCancelMsg->isAncestorOf(form->lineEditDTCancelMsg));
        QVERIFY(!form->buttonGroupDTCancelMsg->isAncestorOf(form->checkBoxDTSecondaryPageEnabled));
        QVERIFY(form->buttonGroupLockoutSettings->title().isEmpty());
        QVERIFY(form->groupBoxLockoutSequence->title().isEmpty());

        // Clicking one lockout radio button releases the other.
        form->radioButtonLockoutIndefinite->click();
        QVERIFY(!form->radioButtonLockoutInterval->isChecked());
    }

    void timeEditorsShowHoursMinutesAndAmPm()
    {
        const auto editors = form->buttonGroupAutoOnOff->findChildren<QTimeEdit*>();
        QCOMPARE(editors.size(), 6);
        for (QTimeEdit* editor : editors) {
            QCOMPARE(editor->displayedSections(),
                     QDateTimeEdit::HourSection | QDateTimeEdit::MinuteSection | QDateTimeEdit::AmPmSection);
            editor->setTime(QTime(13, 5, 42));
            QVERIFY2(editor->text().startsWith(QLatin1String("01:05 ")), qPrintable(editor->text()));
        }
    }

    void widgetTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        auto row = [](const char* name, const char* className, const QString& text, const char* toolTip = "") {
            QTest::newRow(name) << name << className << text << QString::fromUtf8(toolTip);
        };
        const QString none;
        row("pushButtonRead", "QPushButton", "Read\nTavrin", "Push to read current settings from Tavrin");
        row("pushButtonUpdateUnit", "QPushButton", "Update\nTavrin", "Push to send current settings to Tavrin");
        row("textLabelSerNum", "QLabel", "<p align=\"right\">Serial Number:</p>", "Tavrin's serial number");
        row("lineEditSerNum", "QLineEdit", none, "Tavrin's serial number");
        row("textLabel3", "QLabel", "<p align=\"right\">Firmware:</p>", "Tavrin's firmware version");
        row("lineEditFirmware", "QLineEdit", none, "Tavrin's firmware version");
        row("textLabelWillPageGrpMsg", "QLabel",
            "<b>With group paging enabled, pager numbers 1-98 will page groups.</b>");
        row("widgetStackSwitchDevice", "QStackedWidget", none);
        row("buttonGroup15", "QGroupBox", "Buttons");
        row("textLabelBtnEnable", "QLabel", header("ENABLED"));
        row("textLabelBtnMsg", "QLabel", header("MESSAGE"));
        row("textLabelBtn1", "QLabel", "<p align=\"left\">1</p>");
        row("textLabelBtn5", "QLabel", "<p align=\"left\">5</p>");
        row("checkBoxBtn3Enable", "QCheckBox", none, "Check to enable button 3");
        row("spinBoxBtn4Pager", "QSpinBox", none, "Pager # to page for button 4");
        row("comboBoxBtn2Type", "QComboBox", none, "Pager type to page for button 2");
        row("comboBoxBtn5Mode", "QComboBox", none, "Pager mode to use with page for button 5");
        row("lineEditBtn1AlphaMsg", "QLineEdit", none, "Alpha pager type messsage for button 1");
        row("comboBoxBtn4ZellMsg", "QComboBox", none, "Zell pager type messsage for button 4");
        row("buttonGroup16", "QGroupBox", "External Input");
        row("textLabelExtInputSetting", "QLabel", header("SETTING"));
        row("checkBoxExtInputEnabled", "QCheckBox", none, "Check to enable external input");
        row("comboBoxExtInputSetting", "QComboBox", none,
            "Page setting for external input - page on open-to-close or close-to-open");
        row("spinBoxExternalInputPager", "QSpinBox", none, "Pager # to page upon external input");
        row("comboBoxExtInputType", "QComboBox", none, "Pager type to page upon external input");
        row("comboBoxExtInputMode", "QComboBox", none, "Pager mode to use with external input page");
        row("lineEditExtInputAlphaMsg", "QLineEdit", none, "Alpha pager type messsage for external input");
        row("comboBoxExtInputZellMsg", "QComboBox", none, "Zell pager type messsage for external input");
        row("buttonGroupAutoOnOff", "QGroupBox", "Auto On / Off");
        row("textLabelAutoEnabled", "QLabel", header("ENABLED"));
        row("textLabelAutoOn", "QLabel", header("ON"));
        row("textLabelAutoOnOff2", "QLabel", "2");
        row("checkBoxAutoOnOff2", "QCheckBox", none, "Check to enable auto on/off 2");
        row("timeEditAutoOn3", "QTimeEdit", none, "Turn Tavrin on - time 3");
        row("timeEditAutoOff1", "QTimeEdit", none, "Turn Tavrin off - time 1");
        row("groupBoxLockout", "QGroupBox", "Lockout");
        row("checkBoxLockoutEnabled", "QCheckBox", "Enabled");
        row("textLabelLockoutSettings", "QLabel", "<b>LOCKOUT SETTINGS</b>");
        row("buttonGroupLockoutSettings", "QGroupBox", none);
        row("radioButtonLockoutIndefinite", "QRadioButton", "Indefinite");
        row("radioButtonLockoutInterval", "QRadioButton", "Interval");
        row("spinBoxLockoutTime", "QSpinBox", none, "Lockout duration");
        row("textLabel2", "QLabel", "<b>LOCKOUT SEQUENCE</b>");
        row("groupBoxLockoutSequence", "QGroupBox", none);
        row("spinBoxExtInputDisable2", "QSpinBox", none, "Second (of 3) page button to press to lockout Tavrin");
        row("buttonGroupSystemID", "QGroupBox", "System ID");
        row("spinBoxSysID", "QSpinBox", none, "System ID Tavrin pages to - should match pager system ID");
        row("buttonGroupPaging", "QGroupBox", "Group Paging");
        row("checkBoxEnableGrpPaging", "QCheckBox", "Enabled", "Check to enable group paging");
        row("buttonGroupUpdateFirmware", "QGroupBox", "Upgrade Firmware");
        row("pushButtonUpdateFirmware", "QPushButton", "Upgrade", "Push to upgrade firmware");
        row("buttonGroupRepage", "QGroupBox", "Repage");
        row("checkBoxRepageEnabled", "QCheckBox", "Enabled", "Check to enable repaging");
        row("textLabelRepageInterval", "QLabel", "<b>INTERVAL</b>");
        row("spinBoxRepageInterval", "QSpinBox", none, "Interval at which to repage");
        row("buttonGroupLowBatteryPage", "QGroupBox", "Low Battery Page");
        row("textLabelLowBatteryPagePager", "QLabel", header("PAGER"));
        row("checkBoxLowBatteryPageEnabled", "QCheckBox", none, "Check to enable low battery page");
        row("spinBoxLowBatteryPager", "QSpinBox", none, "Pager # to page if low battery page enabled");
        row("lineEditLowBatteryPageMsg", "QLineEdit", none, "Message to send with low battery page");
        row("buttonGroupLowBatteryPage_2", "QGroupBox", "Acknowledge Page");
        row("textLabelLowBatteryPageMsg_3", "QLabel", header("MESSAGE"));
        row("checkBoxAckPageEnabled", "QCheckBox", none, "Check to enable low battery page");
        row("spinBoxAckPager", "QSpinBox", none, "Pager # to page if low battery page enabled");
        row("lineEditAckPageMsg", "QLineEdit", none, "Message to send with low battery page");
        row("buttonGroupBtn1", "QGroupBox", "Button");
        row("textLabelDTBtn1SettingPager", "QLabel", header("PAGER"));
        row("spinBoxDTBtn1PagerNum", "QSpinBox", none, "Pager # to page when button pushed");
        row("lineEditDTBtn1SettingMsg", "QLineEdit", none, "Message sent when button pushed");
        row("comboBoxDTBtn1Mode", "QComboBox", none);
        row("buttonGroupBtn2", "QGroupBox", "Button 2");
        row("textLabelDTBtn2Mode", "QLabel", header("MODE"));
        row("lineEditDTBtn2SettingMsg", "QLineEdit", none, "Message sent when button pushed");
        row("comboBoxDTBtn2Mode", "QComboBox", none);
        row("buttonGroupDTID", "QGroupBox", "Dalen Tavrin ID");
        row("spinBoxDalenTavrinID", "QSpinBox", none, "Number sent with message");
        row("buttonGroupDTSystemID", "QGroupBox", "System ID");
        row("spinBoxDTSysID", "QSpinBox", none, "System ID Tavrin pages to - should match pager system ID");
        row("buttonDTGroupPaging", "QGroupBox", "Group Paging");
        row("checkBoxDTEnableGrpPaging", "QCheckBox", "Enabled", "Check to enable group paging");
        row("buttonDTBeep", "QGroupBox", "Beep");
        row("checkBoxDTBeepEnabled", "QCheckBox", "Enabled", "Check to enable beep");
        row("buttonGroupDTSecondaryPage", "QGroupBox", "Secondary Page");
        row("textLabelSecondaryPager", "QLabel", header("PAGER"));
        row("checkBoxDTSecondaryPageEnabled", "QCheckBox", none, "Check to enable alert page if low battery");
        row("spinBoxDTSecondaryPager", "QSpinBox", none, "Pager # to page when low battery page enabled");
        row("buttonGroupDTCancelMsg", "QGroupBox", "Cancel Message");
        row("textLabelCancelMsg", "QLabel", header("MESSAGE"));
        row("checkBoxDTCancelMsgEnabled", "QCheckBox", none, "Check to enable alert page if low battery");
        row("lineEditDTCancelMsg", "QLineEdit", none, "Message sent with low batttery page");
        row("buttonGroupDTLowBatteryPage", "QGroupBox", "Low Battery Page");
        row("textLabelLowBatteryPageMsg_2", "QLabel", header("MESSAGE"));
        row("checkBoxDTLowBatteryPageEnabled", "QCheckBox", none, "Check to enable alert page if low battery");
        row("spinBoxDTLowBatteryPager", "QSpinBox", none, "Pager # to page when low battery page enabled");
        row("lineEditDTLowBatteryPageMsg", "QLineEdit", none, "Message sent with low batttery page");
        row("buttonGroupDTRepage", "QGroupBox", "Repage");
        row("textLabelRepageEnabled", "QLabel", header("ENABLED"));
        row("textLabelRepageMsg", "QLabel", header("INTERVAL"));
        row("checkBoxDTRepageEnabled", "QCheckBox", none, "Check to enable repaging");
        row("spinBoxDTRepageInterval", "QSpinBox", none, "Interval at which to repage");
        row("buttonGroupDTUpdateFirmware", "QGroupBox", "Upgrade Firmware");
        row("pushButtonDTUpdateFirmware", "QPushButton", "Upgrade", "Push to upgrade firmware");
    }

    void widgetTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        auto* found = form->findChild<QWidget*>(name);
        QVERIFY(found);
        QCOMPARE(QString::fromLatin1(found->metaObject()->className()), className);
        QCOMPARE(textOf(found), text);
        // An empty text is the null string, as the window's logic and its files expect.
        if (text.isNull())
            QVERIFY(textOf(found).isNull());
        QCOMPARE(found->toolTip(), toolTip);
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<QString>("menu");
        auto row
            = [](const char* name, const char* text, const char* toolTip, const char* menu,
                 const char* statusTip = "") { QTest::newRow(name) << name << text << toolTip << statusTip << menu; };
        row("fileLoadConfigurationAction", "&Load Configuration", "Load existing Tavrin configuration file", "&File");
        row("fileSaveConfigurationAction", "&Save Configuration", "Save current settings to Tavrin configuration file",
            "&File");
        row("fileExitAction", "E&xit", "Exit from application", "&File");
        row("tools_SelectDevice_TavrinII_Action", "&Tavrin II", "Select Tavrin II device", "&Tools/&Select Device");
        row("tools_SelectDevice_DalenTavrin_Action", "&Dalen Tavrin", "Select Dalen Tavrin device",
            "&Tools/&Select Device");
        row("tools_SelectDevice_DalenTavrin2Btn_Action", "Dalen Tavrin - &2 Button",
            "Select Dalen Tavrin - 2 Button Device ", "&Tools/&Select Device",
            "Select Dalen Tavrin - 2 Button Device ");
        row("tools_ProgramPagers_Action", "&Program Pagers", "Program pagers", "&Tools");
        row("tools_Reset_Action", "&Reset", "Reset Tavrin device", "&Tools");
        row("helpAboutAction", "&About", "Displays application info", "&Help");
        row("toolsInitializeAction", "&Initialize", "Initialize", "");
    }

    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QString, statusTip);
        QFETCH(QString, menu);
        auto* action = form->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->parent(), form.get());
        QCOMPARE(action->text(), text);
        QCOMPARE(action->toolTip(), toolTip);
        QCOMPARE(action->statusTip(), statusTip);
        QVERIFY(action->shortcuts().isEmpty());
        QStringList menus;
        for (const QMenu* each : form->findChildren<QMenu*>())
            if (each->actions().contains(action))
                menus << menuPath(each);
        QCOMPARE(menus, menu.isEmpty() ? QStringList() : QStringList { menu });
    }

    void menuBar()
    {
        QCOMPARE(form->menuBar(), form->MenuBarEditor);
        QStringList titles;
        for (const QAction* entry : form->MenuBarEditor->actions())
            titles << entry->text();
        QCOMPARE(titles, (QStringList { "&File", "&Tools", "&Help" }));

        const QAction* first = form->toolsMenu->actions().value(0);
        QCOMPARE(first, form->tools_SelectDevice_Action);
        QCOMPARE(first->objectName(), QStringLiteral("tools_SelectDevice_Action"));
        QCOMPARE(first->text(), QStringLiteral("&Select Device"));
        QCOMPARE(form->toolsSelectDeviceMenu->menuAction(), first);
        QVERIFY(form->statusBar()->currentMessage().isEmpty());
    }

    void eachSignalReachesItsSlot_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("slot");
        auto row = [](const QString& sender, const char* slot) { QTest::newRow(slot) << sender << slot; };
        row("fileLoadConfigurationAction", "fileLoadConfigurationAction_activated");
        row("fileSaveConfigurationAction", "fileSaveConfigurationAction_activated");
        row("tools_SelectDevice_TavrinII_Action", "tools_SelectDevice_TavrinII_Action_activated");
        row("tools_SelectDevice_DalenTavrin_Action", "tools_SelectDevice_DalenTavrin_Action_activated");
        row("tools_SelectDevice_DalenTavrin2Btn_Action", "tools_SelectDevice_DalenTavrin2Btn_Action_activated");
        row("tools_ProgramPagers_Action", "tools_ProgramPagers_Action_activated");
        row("tools_Reset_Action", "tools_Reset_Action_activated");
        row("helpAboutAction", "helpAboutAction_activated");
        row("toolsInitializeAction", "toolsInitializeAction_activated");
        row("pushButtonRead", "pushButtonRead_clicked");
        row("pushButtonUpdateUnit", "pushButtonUpdateUnit_clicked");
        row("pushButtonUpdateFirmware", "pushButtonUpdateFirmware_clicked");
        row("pushButtonDTUpdateFirmware", "pushButtonDTUpdateFirmware_clicked");
        row("checkBoxBtn1Enable", "checkBoxBtn1Enable_toggled");
        row("checkBoxBtn2Enable", "checkBoxBtn2Enable_toggled");
        row("checkBoxBtn3Enable", "checkBoxBtn3Enable_toggled");
        row("checkBoxBtn4Enable", "checkBoxBtn4Enable_toggled");
        row("checkBoxBtn5Enable", "checkBoxBtn5Enable_toggled");
        row("checkBoxExtInputEnabled", "checkBoxExtInputEnabled_toggled");
        row("comboBoxBtn1Type", "comboBoxBtn1Type_activated");
        row("comboBoxBtn2Type", "comboBoxBtn2Type_activated");
        row("comboBoxBtn3Type", "comboBoxBtn3Type_activated");
        row("comboBoxBtn4Type", "comboBoxBtn4Type_activated");
        row("comboBoxBtn5Type", "comboBoxBtn5Type_activated");
        row("comboBoxExtInputType", "comboBoxExtInputType_activated");
        row("checkBoxEnableGrpPaging", "checkBoxEnableGrpPaging_toggled");
        row("checkBoxRepageEnabled", "checkBoxRepageEnabled_toggled");
        row("checkBoxLowBatteryPageEnabled", "checkBoxLowBatteryPageEnabled_toggled");
        row("checkBoxLockoutEnabled", "checkBoxLockoutEnabled_toggled");
        row("checkBoxAutoOnOff1", "checkBoxAutoOnOff1_toggled");
        row("checkBoxAutoOnOff2", "checkBoxAutoOnOff2_toggled");
        row("checkBoxAutoOnOff3", "checkBoxAutoOnOff3_toggled");
        // Interval is checked at first: clicking Indefinite is what turns it off.
        row("radioButtonLockoutIndefinite", "radioButtonLockoutInterval_toggled");
        row("checkBoxDTEnableGrpPaging", "checkBoxDTEnableGrpPaging_toggled");
        row("checkBoxDTRepageEnabled", "checkBoxDTRepageEnabled_toggled");
        row("checkBoxDTSecondaryPageEnabled", "checkBoxDTSecondaryPageEnabled_toggled");
        row("checkBoxDTCancelMsgEnabled", "checkBoxDTCancelMsgEnabled_toggled");
        row("checkBoxDTLowBatteryPageEnabled", "checkBoxDTLowBatteryEnable_toggled");
    }

    void eachSignalReachesItsSlot()
    {
        QFETCH(QString, sender);
        QFETCH(QString, slot);
        QObject* object = form->findChild<QObject*>(sender);
        QVERIFY(object);
        if (auto* action = qobject_cast<QAction*>(object))
            action->trigger();
        else if (auto* combo = qobject_cast<QComboBox*>(object))
            emit combo->activated(1);
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            button->click();
        else
            QFAIL("unexpected sender class");
        QCOMPARE(form->calls, QStringList { slot });
    }

    void unwiredWidgetsReachNoSlot()
    {
        form->radioButtonLockoutIndefinite->click();
        form->calls.clear();
        form->radioButtonLockoutIndefinite->click();
        emit form->comboBoxBtn1Mode->activated(0);
        emit form->comboBoxExtInputSetting->activated(1);
        form->checkBoxDTBeepEnabled->click();
        form->checkBoxAckPageEnabled->click();
        QCOMPARE(form->calls, QStringList());
    }

    void ackPageCheckBoxDrivesItsFields()
    {
        form->checkBoxAckPageEnabled->setChecked(true);
        form->checkBoxAckPageEnabled->setChecked(false);
        QVERIFY(!form->spinBoxAckPager->isEnabled());
        QVERIFY(!form->lineEditAckPageMsg->isEnabled());
        QVERIFY(form->spinBoxLowBatteryPager->isEnabled());
        form->checkBoxAckPageEnabled->setChecked(true);
        QVERIFY(form->spinBoxAckPager->isEnabled());
        QVERIFY(form->lineEditAckPageMsg->isEnabled());
    }

    void exitClosesTheWindow()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->fileExitAction->trigger();
        QVERIFY(!form->isVisible());
        QVERIFY(form->calls.isEmpty());
    }

    void declaresExactlyTheLogicSlots()
    {
        const QMetaObject& meta = FrmTavrin2QtBase::staticMetaObject;
        QStringList publicSlots;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
                publicSlots << QString::fromLatin1(method.methodSignature());
        }
        QCOMPARE(publicSlots, formSlots);
    }

    void stubSlotsWarnThatTheyAreNotImplemented_data()
    {
        QTest::addColumn<QString>("signature");
        for (const QString& signature : formSlots)
            QTest::newRow(qPrintable(signature)) << signature;
    }

    void stubSlotsWarnThatTheyAreNotImplemented()
    {
        QFETCH(QString, signature);
        FrmTavrin2QtBase base;
        const QMetaMethod method
            = base.metaObject()->method(base.metaObject()->indexOfSlot(signature.toLatin1().constData()));
        QVERIFY(method.isValid());

        loggedMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        bool invoked = false;
        if (signature.endsWith(QLatin1String("(bool)")))
            invoked = method.invoke(&base, Qt::DirectConnection, Q_ARG(bool, true));
        else if (signature.endsWith(QLatin1String("(int)")))
            invoked = method.invoke(&base, Qt::DirectConnection, Q_ARG(int, 2));
        else
            invoked = method.invoke(&base, Qt::DirectConnection);
        qInstallMessageHandler(previous);

        QVERIFY(invoked);
        QCOMPARE(loggedMessages.size(), 1);
        QCOMPARE(loggedMessages[0].type, QtWarningMsg);
        QCOMPARE(loggedMessages[0].category, QStringLiteral("tavrin.app"));
        QCOMPARE(loggedMessages[0].text, "FrmTavrin2QtBase::" + signature + ": Not implemented yet");
    }

    void languageChangeRestoresEveryText()
    {
        form->pushButtonRead->setText(QStringLiteral("x"));
        form->buttonGroupDTLowBatteryPage->setTitle(QStringLiteral("x"));
        form->spinBoxDTSysID->setToolTip(QStringLiteral("x"));
        form->tools_SelectDevice_DalenTavrin2Btn_Action->setStatusTip(QStringLiteral("x"));
        form->tabWidgetTavrinII->setTabText(1, QStringLiteral("x"));
        form->toolsMenu->setTitle(QStringLiteral("x"));
        form->toolsSelectDeviceMenu->setTitle(QStringLiteral("x"));
        form->comboBoxDTBtn2Mode->setItemText(10, QStringLiteral("x"));

        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(form.get(), &languageChange);

        QCOMPARE(form->pushButtonRead->text(), QStringLiteral("Read\nTavrin"));
        QCOMPARE(form->buttonGroupDTLowBatteryPage->title(), QStringLiteral("Low Battery Page"));
        QCOMPARE(form->spinBoxDTSysID->toolTip(),
                 QStringLiteral("System ID Tavrin pages to - should match pager system ID"));
        QCOMPARE(form->tools_SelectDevice_DalenTavrin2Btn_Action->statusTip(),
                 QStringLiteral("Select Dalen Tavrin - 2 Button Device "));
        QCOMPARE(form->tabWidgetTavrinII->tabText(1), QStringLiteral("Advanced Features"));
        QCOMPARE(form->toolsMenu->title(), QStringLiteral("&Tools"));
        QCOMPARE(form->tools_SelectDevice_Action->text(), QStringLiteral("&Select Device"));
        QCOMPARE(form->comboBoxDTBtn2Mode->count(), 11);
        QCOMPARE(form->comboBoxDTBtn2Mode->itemText(10), QStringLiteral("Look Down"));
        QVERIFY(form->calls.isEmpty());
    }

    void objectNameAndFlagsComeFromTheCaller()
    {
        QWidget owner;
        FrmTavrin2QtBase named(&owner, "secondWindow", Qt::Window);
        QCOMPARE(named.objectName(), QStringLiteral("secondWindow"));
        QCOMPARE(named.parentWidget(), &owner);
        QVERIFY(named.isWindow());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
