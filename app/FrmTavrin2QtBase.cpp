#include "app/FrmTavrin2QtBase.h"

#include "config/Tavrin2QtCfg.h"
#include "uisupport/FitAndCentre.h"

#include <QActionGroup>
#include <QEvent>
#include <QKeySequence>
#include <QLoggingCategory>

// The resources live in the static core library; naming them here links them into every program that uses the form.
static void initFormResources()
{
    Q_INIT_RESOURCE(app);
}

namespace {
Q_LOGGING_CATEGORY(lcForm, "tavrin.app")

void notImplemented(const char* signature)
{
    qCWarning(lcForm, "FrmTavrin2QtBase::%s: Not implemented yet", signature);
}
} // namespace

FrmTavrin2QtBase::FrmTavrin2QtBase(QWidget* parent, const char* name, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    initFormResources();
    setObjectName(name ? QString::fromUtf8(name) : QStringLiteral("FrmTavrin2QtBase"));
    setupUi(this);
    applyMessageLimits();

    tools_SelectDevice_Action = toolsSelectDeviceMenu->menuAction();
    tools_SelectDevice_Action->setObjectName(QStringLiteral("tools_SelectDevice_Action"));

    // The menu shows which model the form is set for.
    auto* models = new QActionGroup(this);
    for (QAction* model : { tools_SelectDevice_TavrinII_Action, tools_SelectDevice_DalenTavrin_Action,
                            tools_SelectDevice_DalenTavrin2Btn_Action }) {
        model->setCheckable(true);
        models->addAction(model);
    }
    tools_SelectDevice_TavrinII_Action->setChecked(true);

    // The note keeps its room while hidden, so the form does not jump under the pointer when it comes and goes.
    QSizePolicy notePolicy = textLabelWillPageGrpMsg->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    textLabelWillPageGrpMsg->setSizePolicy(notePolicy);

    connectActions();
    connectButtonRows();
    connectFeatureRules();
    languageChange();
}

FrmTavrin2QtBase::~FrmTavrin2QtBase() = default;

void FrmTavrin2QtBase::applyMessageLimits()
{
    // The record's limits, which Load and the command line hold files to as well.
    for (QLineEdit* edit : { lineEditBtn2AlphaMsg, lineEditBtn3AlphaMsg, lineEditBtn4AlphaMsg, lineEditBtn5AlphaMsg,
                             lineEditLowBatteryPageMsg, lineEditAckPageMsg, lineEditDTBtn1SettingMsg,
                             lineEditDTBtn2SettingMsg, lineEditDTCancelMsg, lineEditDTLowBatteryPageMsg })
        edit->setMaxLength(Tavrin2QtCfg::MessageMaxLength);
    lineEditBtn1AlphaMsg->setMaxLength(Tavrin2QtCfg::LongMessageMaxLength);
    lineEditExtInputAlphaMsg->setMaxLength(Tavrin2QtCfg::LongMessageMaxLength);
}

void FrmTavrin2QtBase::connectActions()
{
    using Self = FrmTavrin2QtBase;
    connect(fileLoadConfigurationAction, &QAction::triggered, this, &Self::fileLoadConfigurationAction_activated);
    connect(fileSaveConfigurationAction, &QAction::triggered, this, &Self::fileSaveConfigurationAction_activated);
    connect(fileExitAction, &QAction::triggered, this, &QWidget::close);
    connect(tools_SelectDevice_TavrinII_Action, &QAction::triggered, this,
            &Self::tools_SelectDevice_TavrinII_Action_activated);
    connect(tools_SelectDevice_DalenTavrin_Action, &QAction::triggered, this,
            &Self::tools_SelectDevice_DalenTavrin_Action_activated);
    connect(tools_SelectDevice_DalenTavrin2Btn_Action, &QAction::triggered, this,
            &Self::tools_SelectDevice_DalenTavrin2Btn_Action_activated);
    connect(tools_ProgramPagers_Action, &QAction::triggered, this, &Self::tools_ProgramPagers_Action_activated);
    connect(tools_Reset_Action, &QAction::triggered, this, &Self::tools_Reset_Action_activated);
    connect(helpAboutAction, &QAction::triggered, this, &Self::helpAboutAction_activated);
    connect(toolsInitializeAction, &QAction::triggered, this, &Self::toolsInitializeAction_activated);

    connect(pushButtonRead, &QPushButton::clicked, this, &Self::pushButtonRead_clicked);
    connect(pushButtonUpdateUnit, &QPushButton::clicked, this, &Self::pushButtonUpdateUnit_clicked);
    connect(pushButtonUpdateFirmware, &QPushButton::clicked, this, &Self::pushButtonUpdateFirmware_clicked);
    connect(pushButtonDTUpdateFirmware, &QPushButton::clicked, this, &Self::pushButtonDTUpdateFirmware_clicked);
}

void FrmTavrin2QtBase::connectButtonRows()
{
    using Self = FrmTavrin2QtBase;
    connect(checkBoxBtn1Enable, &QCheckBox::toggled, this, &Self::checkBoxBtn1Enable_toggled);
    connect(checkBoxBtn2Enable, &QCheckBox::toggled, this, &Self::checkBoxBtn2Enable_toggled);
    connect(checkBoxBtn3Enable, &QCheckBox::toggled, this, &Self::checkBoxBtn3Enable_toggled);
    connect(checkBoxBtn4Enable, &QCheckBox::toggled, this, &Self::checkBoxBtn4Enable_toggled);
    connect(checkBoxBtn5Enable, &QCheckBox::toggled, this, &Self::checkBoxBtn5Enable_toggled);
    connect(checkBoxExtInputEnabled, &QCheckBox::toggled, this, &Self::checkBoxExtInputEnabled_toggled);

    connect(comboBoxBtn1Type, &QComboBox::activated, this, &Self::comboBoxBtn1Type_activated);
    connect(comboBoxBtn2Type, &QComboBox::activated, this, &Self::comboBoxBtn2Type_activated);
    connect(comboBoxBtn3Type, &QComboBox::activated, this, &Self::comboBoxBtn3Type_activated);
    connect(comboBoxBtn4Type, &QComboBox::activated, this, &Self::comboBoxBtn4Type_activated);
    connect(comboBoxBtn5Type, &QComboBox::activated, this, &Self::comboBoxBtn5Type_activated);
    connect(comboBoxExtInputType, &QComboBox::activated, this, &Self::comboBoxExtInputType_activated);
}

void FrmTavrin2QtBase::connectFeatureRules()
{
    using Self = FrmTavrin2QtBase;
    connect(checkBoxEnableGrpPaging, &QCheckBox::toggled, this, &Self::checkBoxEnableGrpPaging_toggled);
    connect(checkBoxRepageEnabled, &QCheckBox::toggled, this, &Self::checkBoxRepageEnabled_toggled);
    connect(checkBoxLowBatteryPageEnabled, &QCheckBox::toggled, this, &Self::checkBoxLowBatteryPageEnabled_toggled);
    connect(checkBoxLockoutEnabled, &QCheckBox::toggled, this, &Self::checkBoxLockoutEnabled_toggled);
    connect(checkBoxAutoOnOff1, &QCheckBox::toggled, this, &Self::checkBoxAutoOnOff1_toggled);
    connect(checkBoxAutoOnOff2, &QCheckBox::toggled, this, &Self::checkBoxAutoOnOff2_toggled);
    connect(checkBoxAutoOnOff3, &QCheckBox::toggled, this, &Self::checkBoxAutoOnOff3_toggled);
    connect(radioButtonLockoutInterval, &QRadioButton::toggled, this, &Self::radioButtonLockoutInterval_toggled);

    connect(checkBoxDTEnableGrpPaging, &QCheckBox::toggled, this, &Self::checkBoxDTEnableGrpPaging_toggled);
    connect(checkBoxDTRepageEnabled, &QCheckBox::toggled, this, &Self::checkBoxDTRepageEnabled_toggled);
    connect(checkBoxDTSecondaryPageEnabled, &QCheckBox::toggled, this, &Self::checkBoxDTSecondaryPageEnabled_toggled);
    connect(checkBoxDTCancelMsgEnabled, &QCheckBox::toggled, this, &Self::checkBoxDTCancelMsgEnabled_toggled);
    // The slot keeps its historical name although the check box is called ...PageEnabled.
    connect(checkBoxDTLowBatteryPageEnabled, &QCheckBox::toggled, this, &Self::checkBoxDTLowBatteryEnable_toggled);

    // The acknowledge page needs no logic of its own: its check box drives its two fields directly.
    connect(checkBoxAckPageEnabled, &QCheckBox::toggled, spinBoxAckPager, &QWidget::setEnabled);
    connect(checkBoxAckPageEnabled, &QCheckBox::toggled, lineEditAckPageMsg, &QWidget::setEnabled);
}

void FrmTavrin2QtBase::languageChange()
{
    retranslateUi(this);
    // Setting a button's text replaces its shortcut with the text's mnemonic; these texts have none, so the two
    // commands get theirs after the texts.
    pushButtonRead->setShortcut(QKeySequence(tr("Alt+R")));
    pushButtonUpdateUnit->setShortcut(QKeySequence(tr("Alt+U")));
    refreshLayoutSizes();
}

void FrmTavrin2QtBase::refreshLayoutSizes()
{
    ::refreshLayoutSizes(this);
}

void FrmTavrin2QtBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QMainWindow::changeEvent(event);
}

void FrmTavrin2QtBase::helpAboutAction_activated()
{
    notImplemented("helpAboutAction_activated()");
}

void FrmTavrin2QtBase::toolsInitializeAction_activated()
{
    notImplemented("toolsInitializeAction_activated()");
}

void FrmTavrin2QtBase::tools_Reset_Action_activated()
{
    notImplemented("tools_Reset_Action_activated()");
}

void FrmTavrin2QtBase::tools_SelectDevice_TavrinII_Action_activated()
{
    notImplemented("tools_SelectDevice_TavrinII_Action_activated()");
}

void FrmTavrin2QtBase::tools_SelectDevice_DalenTavrin_Action_activated()
{
    notImplemented("tools_SelectDevice_DalenTavrin_Action_activated()");
}

void FrmTavrin2QtBase::tools_SelectDevice_DalenTavrin2Btn_Action_activated()
{
    notImplemented("tools_SelectDevice_DalenTavrin2Btn_Action_activated()");
}

void FrmTavrin2QtBase::tools_ProgramPagers_Action_activated()
{
    notImplemented("tools_ProgramPagers_Action_activated()");
}

void FrmTavrin2QtBase::fileLoadConfigurationAction_activated()
{
    notImplemented("fileLoadConfigurationAction_activated()");
}

void FrmTavrin2QtBase::fileSaveConfigurationAction_activated()
{
    notImplemented("fileSaveConfigurationAction_activated()");
}

void FrmTavrin2QtBase::pushButtonRead_clicked()
{
    notImplemented("pushButtonRead_clicked()");
}

void FrmTavrin2QtBase::pushButtonUpdateUnit_clicked()
{
    notImplemented("pushButtonUpdateUnit_clicked()");
}

void FrmTavrin2QtBase::pushButtonUpdateFirmware_clicked()
{
    notImplemented("pushButtonUpdateFirmware_clicked()");
}

void FrmTavrin2QtBase::checkBoxBtn1Enable_toggled(bool)
{
    notImplemented("checkBoxBtn1Enable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxBtn2Enable_toggled(bool)
{
    notImplemented("checkBoxBtn2Enable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxBtn3Enable_toggled(bool)
{
    notImplemented("checkBoxBtn3Enable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxBtn4Enable_toggled(bool)
{
    notImplemented("checkBoxBtn4Enable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxBtn5Enable_toggled(bool)
{
    notImplemented("checkBoxBtn5Enable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxExtInputEnabled_toggled(bool)
{
    notImplemented("checkBoxExtInputEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::comboBoxBtn1Type_activated(int)
{
    notImplemented("comboBoxBtn1Type_activated(int)");
}

void FrmTavrin2QtBase::comboBoxBtn2Type_activated(int)
{
    notImplemented("comboBoxBtn2Type_activated(int)");
}

void FrmTavrin2QtBase::comboBoxBtn3Type_activated(int)
{
    notImplemented("comboBoxBtn3Type_activated(int)");
}

void FrmTavrin2QtBase::comboBoxBtn4Type_activated(int)
{
    notImplemented("comboBoxBtn4Type_activated(int)");
}

void FrmTavrin2QtBase::comboBoxBtn5Type_activated(int)
{
    notImplemented("comboBoxBtn5Type_activated(int)");
}

void FrmTavrin2QtBase::comboBoxExtInputType_activated(int)
{
    notImplemented("comboBoxExtInputType_activated(int)");
}

void FrmTavrin2QtBase::checkBoxEnableGrpPaging_toggled(bool)
{
    notImplemented("checkBoxEnableGrpPaging_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxAutoOnOff1_toggled(bool)
{
    notImplemented("checkBoxAutoOnOff1_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxAutoOnOff2_toggled(bool)
{
    notImplemented("checkBoxAutoOnOff2_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxAutoOnOff3_toggled(bool)
{
    notImplemented("checkBoxAutoOnOff3_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxLockoutEnabled_toggled(bool)
{
    notImplemented("checkBoxLockoutEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::radioButtonLockoutInterval_toggled(bool)
{
    notImplemented("radioButtonLockoutInterval_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxLowBatteryPageEnabled_toggled(bool)
{
    notImplemented("checkBoxLowBatteryPageEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxRepageEnabled_toggled(bool)
{
    notImplemented("checkBoxRepageEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxDTEnableGrpPaging_toggled(bool)
{
    notImplemented("checkBoxDTEnableGrpPaging_toggled(bool)");
}

void FrmTavrin2QtBase::pushButtonDTUpdateFirmware_clicked()
{
    notImplemented("pushButtonDTUpdateFirmware_clicked()");
}

void FrmTavrin2QtBase::checkBoxDTRepageEnabled_toggled(bool)
{
    notImplemented("checkBoxDTRepageEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxDTLowBatteryEnable_toggled(bool)
{
    notImplemented("checkBoxDTLowBatteryEnable_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxDTSecondaryPageEnabled_toggled(bool)
{
    notImplemented("checkBoxDTSecondaryPageEnabled_toggled(bool)");
}

void FrmTavrin2QtBase::checkBoxDTCancelMsgEnabled_toggled(bool)
{
    notImplemented("checkBoxDTCancelMsgEnabled_toggled(bool)");
}
