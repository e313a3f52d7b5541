#include "pagers/frmProgramPagersBase.h"

#include "pagers/PagersLogging.h"
#include "uisupport/FitAndCentre.h"

#include <QEvent>

frmProgramPagersBase::frmProgramPagersBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    // setupUi names the dialog "frmProgramPagersBase" only while it has no name yet.
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setupUi(this);
    // The note keeps its room while hidden, so the buttons above it stay where they are.
    QSizePolicy notePolicy = textLabelSpecialCaseMsg->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    textLabelSpecialCaseMsg->setSizePolicy(notePolicy);
    // Both tabs count from the start: opened on the Alpha tab, the dialog would otherwise grow when the other is
    // first shown.
    refreshLayoutSizes(this);
    resize(QSize(532, 471).expandedTo(minimumSizeHint()));

    // Both buttons act on pressed, not on clicked.
    connect(pushButtonCancel, &QPushButton::pressed, this, &frmProgramPagersBase::reject);
    connect(pushButtonProgram, &QPushButton::pressed, this, &frmProgramPagersBase::pushButtonProgram_pressed);
    connect(spinBoxGroup1, &QSpinBox::valueChanged, this, &frmProgramPagersBase::spinBoxGroup1_valueChanged);
    connect(spinBoxGroup2, &QSpinBox::valueChanged, this, &frmProgramPagersBase::spinBoxGroup2_valueChanged);
    connect(spinBoxGroup3, &QSpinBox::valueChanged, this, &frmProgramPagersBase::spinBoxGroup3_valueChanged);
    connect(spinBoxGroup4, &QSpinBox::valueChanged, this, &frmProgramPagersBase::spinBoxGroup4_valueChanged);
    connect(spinBoxGroup5, &QSpinBox::valueChanged, this, &frmProgramPagersBase::spinBoxGroup5_valueChanged);
    connect(checkBoxEnableGrpPaging, &QCheckBox::toggled, this, &frmProgramPagersBase::checkBoxEnableGrpPaging_toggled);
    connect(radioButtonCoaster, &QRadioButton::toggled, this, &frmProgramPagersBase::radioButtonCoaster_toggled);

    languageChange();
}

frmProgramPagersBase::~frmProgramPagersBase() = default;

void frmProgramPagersBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void frmProgramPagersBase::languageChange()
{
    setWindowTitle(tr("Program Pagers"));
    tabWidgetPagerTypes->setTabText(tabWidgetPagerTypes->indexOf(tabZellCoaster), tr("Zell / Coaster"));
    tabWidgetPagerTypes->setTabText(tabWidgetPagerTypes->indexOf(tabAlpha), tr("Alpha"));

    buttonGroup25->setTitle(tr("Pager Number"));
    spinBoxZellCoasterPgrNum->setToolTip(tr("Zell / coaster pager # to program"));
    buttonGroupZellCoasterSysID->setTitle(tr("System ID"));
    spinBoxZellCoasterSysID->setToolTip(tr("Zell / coaster pager's system ID"));
    buttonGroupType->setTitle(tr("Type"));
    radioButtonZellPager->setText(tr("Zell Pager"));
    radioButtonZellPager->setToolTip(tr("Select to program zell pager"));
    radioButtonCoaster->setText(tr("Coaster"));
    radioButtonCoaster->setToolTip(tr("Select to program coaster pager"));
    buttonGroupWho->setTitle(tr("Who"));
    radioButtonGuest->setText(tr("Guest"));
    radioButtonGuest->setToolTip(tr("Select to indicate guest zell pager"));
    radioButtonManager->setText(tr("Manager"));
    radioButtonManager->setToolTip(tr("Select to indicate manager zell pager"));
    buttonGroupVibeOnOff->setTitle(tr("Vibe On / Off"));
    radioButtonVibeOn->setText(tr("On"));
    radioButtonVibeOn->setToolTip(tr("Select to enable pager vibration"));
    radioButtonVibeOff->setText(tr("Off"));
    radioButtonVibeOff->setToolTip(tr("Select to disable pager vibration"));

    buttonGroupAlphaSysID->setTitle(tr("System ID"));
    spinBoxAlphaSysID->setToolTip(tr("Alpha pager's system ID"));
    buttonGroupPgrNums->setTitle(tr("Pager Numbers"));
    textLabelAlphaPgrNum->setText(tr("PAGER:"));
    spinBoxAlphaPgrNum->setToolTip(tr("Alpha pager # to program"));
    textLabelAllPage->setText(tr("ALL PAGE:"));
    spinBoxAlphaPgrAllPage->setToolTip(tr("ID to program for all page"));
    buttonGroupPaging->setTitle(tr("Group Paging"));
    checkBoxEnableGrpPaging->setText(tr("Enabled"));
    checkBoxEnableGrpPaging->setToolTip(tr("Check to enable group paging"));
    buttonGroupGrpPagingProgram->setTitle(tr("Group Paging"));
    textLabelGroupName->setText(tr("NAME"));
    textLabelGroup1->setText(tr("Group 1:"));
    spinBoxGroup1->setSpecialValueText(tr("Disabled"));
    spinBoxGroup1->setToolTip(tr("Group 1 pager #"));
    lineEditGroup1->setToolTip(tr("Group 1 name"));
    textLabelGroup2->setText(tr("Group 2:"));
    spinBoxGroup2->setSpecialValueText(tr("Disabled"));
    spinBoxGroup2->setToolTip(tr("Group 2 pager #"));
    lineEditGroup2->setToolTip(tr("Group 2 name"));
    textLabelGroup3->setText(tr("Group 3:"));
    spinBoxGroup3->setSpecialValueText(tr("Disabled"));
    spinBoxGroup3->setToolTip(tr("Group 3 pager #"));
    lineEditGroup3->setToolTip(tr("Group 3 name"));
    textLabelGroup4->setText(tr("Group 4:"));
    spinBoxGroup4->setSpecialValueText(tr("Disabled"));
    spinBoxGroup4->setToolTip(tr("Group 4 pager #"));
    lineEditGroup4->setToolTip(tr("Group 4 name"));
    textLabelGroup5->setText(tr("Group 5:"));
    spinBoxGroup5->setSpecialValueText(tr("Disabled"));
    spinBoxGroup5->setToolTip(tr("Group 5 pager #"));
    lineEditGroup5->setToolTip(tr("Group 5 name"));
    buttonGroupWelcomeMsg->setTitle(tr("Welcome Message"));
    textEditWelcomeMsg->setToolTip(tr("Message that will appear after re-inserting Alpha pager battery"));

    pushButtonProgram->setText(tr("Program"));
    pushButtonProgram->setToolTip(tr("Push to program current settings"));
    pushButtonCancel->setText(tr("Cancel"));
    pushButtonCancel->setToolTip(tr("Push to exit program pagers"));
    textLabelSpecialCaseMsg->setText(tr("With group paging enabled, pager numbers 1-98 will page groups."));
}

void frmProgramPagersBase::pushButtonProgram_pressed()
{
    qCWarning(lcPagers, "frmProgramPagersBase::pushButtonProgram_pressed(): Not implemented yet");
}

void frmProgramPagersBase::spinBoxGroup1_valueChanged(int)
{
    qCWarning(lcPagers, "frmProgramPagersBase::spinBoxGroup1_valueChanged(int): Not implemented yet");
}

void frmProgramPagersBase::spinBoxGroup2_valueChanged(int)
{
    qCWarning(lcPagers, "frmProgramPagersBase::spinBoxGroup2_valueChanged(int): Not implemented yet");
}

void frmProgramPagersBase::spinBoxGroup3_valueChanged(int)
{
    qCWarning(lcPagers, "frmProgramPagersBase::spinBoxGroup3_valueChanged(int): Not implemented yet");
}

void frmProgramPagersBase::spinBoxGroup4_valueChanged(int)
{
    qCWarning(lcPagers, "frmProgramPagersBase::spinBoxGroup4_valueChanged(int): Not implemented yet");
}

void frmProgramPagersBase::spinBoxGroup5_valueChanged(int)
{
    qCWarning(lcPagers, "frmProgramPagersBase::spinBoxGroup5_valueChanged(int): Not implemented yet");
}

void frmProgramPagersBase::checkBoxEnableGrpPaging_toggled(bool)
{
    qCWarning(lcPagers, "frmProgramPagersBase::checkBoxEnableGrpPaging_toggled(bool): Not implemented yet");
}

void frmProgramPagersBase::radioButtonCoaster_toggled(bool)
{
    qCWarning(lcPagers, "frmProgramPagersBase::radioButtonCoaster_toggled(bool): Not implemented yet");
}
