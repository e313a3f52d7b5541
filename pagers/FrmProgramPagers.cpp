#include "pagers/FrmProgramPagers.h"

#include "config/Latin1Text.h"
#include "pagers/PagersLogging.h"
#include "protocol/PagerValidation.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/BusyCursor.h"
#include "uisupport/ProgressDialog.h"
#include "uisupport/Prompter.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <exception>

FrmProgramPagers::FrmProgramPagers(bool grpPagingEnabled, bool disableZellCoasterTab, int sysID, QWidget* parent,
                                   const char* name, bool modal, Qt::WindowFlags flags)
    : frmProgramPagersBase(parent, name, modal, flags)
    , m_disableZellCoasterTab(disableZellCoasterTab)
{
    spinBoxAlphaSysID->setValue(sysID);
    spinBoxZellCoasterSysID->setValue(sysID);

    // Run the handler even when the state did not change, so the group widgets match it.
    checkBoxEnableGrpPaging->setChecked(grpPagingEnabled);
    checkBoxEnableGrpPaging_toggled(grpPagingEnabled);

    // No comma (the device's field separator) and 8-bit text only.
    const QRegularExpression fieldText(Latin1Text::fieldPattern());
    for (QLineEdit* nameEdit : groupNameEdits())
        nameEdit->setValidator(new QRegularExpressionValidator(fieldText, nameEdit));

    if (m_disableZellCoasterTab) {
        qCDebug(lcPagers, "setTabEnabled( tabZellCoaster, false )");
        tabWidgetPagerTypes->setTabEnabled(tabWidgetPagerTypes->indexOf(tabZellCoaster), false);
        tabWidgetPagerTypes->setCurrentWidget(tabAlpha);
    }

    spinBoxAlphaPgrAllPage->setValue(911);
    radioButtonZellPager->setChecked(true);
    radioButtonGuest->setChecked(true);
    radioButtonVibeOn->setChecked(true);
}

std::array<QSpinBox*, FrmProgramPagers::groupCount> FrmProgramPagers::groupSpinBoxes() const
{
    return { spinBoxGroup1, spinBoxGroup2, spinBoxGroup3, spinBoxGroup4, spinBoxGroup5 };
}

std::array<QLineEdit*, FrmProgramPagers::groupCount> FrmProgramPagers::groupNameEdits() const
{
    return { lineEditGroup1, lineEditGroup2, lineEditGroup3, lineEditGroup4, lineEditGroup5 };
}

bool FrmProgramPagers::checkWelcomeMsg()
{
    if (isValidWelcomeMessage(textEditWelcomeMsg->toPlainText()))
        return true;

    qCDebug(lcPagers, "FrmProgramPagers::checkWelcomeMsg - failed");
    textEditWelcomeMsg->selectAll();
    return false;
}

AlphaProgramData FrmProgramPagers::alphaProgramData() const
{
    AlphaProgramData data;
    data.pagerNum = spinBoxAlphaPgrNum->value();
    data.allPageID = spinBoxAlphaPgrAllPage->value();
    data.sysID = spinBoxAlphaSysID->value();
    data.welcomeMsg = textEditWelcomeMsg->toPlainText();
    data.grpPagingEnabled = checkBoxEnableGrpPaging->isChecked();
    const auto spinBoxes = groupSpinBoxes();
    const auto nameEdits = groupNameEdits();
    for (int i = 0; i < groupCount; ++i) {
        data.groupModelVector.at(i).pagerNum = spinBoxes[i]->value();
        data.groupModelVector.at(i).name = nameEdits[i]->text();
    }
    return data;
}

int FrmProgramPagers::zellPagerFlags() const
{
    int flags = 0;
    if (radioButtonCoaster->isChecked())
        flags |= ZellCoaster;
    if (radioButtonVibeOn->isChecked())
        flags |= ZellVibeOn;
    if (radioButtonZellPager->isChecked() && radioButtonManager->isChecked())
        flags |= ZellManager;
    return flags;
}

void FrmProgramPagers::reject()
{
    if (Tavrin2QtComm::instance()->isBusy()) {
        emit busyNote(tr("Program Pagers stays open until the pager is programmed."));
        return;
    }
    frmProgramPagersBase::reject();
}

void FrmProgramPagers::pushButtonProgram_pressed()
{
    // Events are processed while a pager is programmed; none of them may start a second programming,
    // nor may one start while the flashing tool holds the unit.
    if (Tavrin2QtComm::instance()->isBusy() || (m_unitHeld && m_unitHeld()))
        return;
    // Only an Alpha pager receives the welcome message; a Zell pager or coaster must not be held up by it.
    if (tabWidgetPagerTypes->currentWidget() == tabAlpha && !checkWelcomeMsg()) {
        releaseProgramButton();
        Prompter::instance().critical(
            this, tr("Error"),
            tr("Invalid Welcome Message text...\nup to 3 lines and 48 characters max\n- no commas allowed"));
        return;
    }

    try {
        try {
            programCurrentTab();
        } catch (const AnotherUnitAnswered&) {
            // Nothing was sent to the pager. The unit check asks which unit to use, as whenever another one
            // answers; the pager is programmed through the one chosen.
            if (!m_unitCheck)
                throw;
            programCurrentTab();
        }
    } catch (const std::exception& e) {
        releaseProgramButton();
        Prompter::instance().critical(this, tr("Error"), QString::fromUtf8(e.what()));
    }
}

// The message box takes the mouse release, so the button would otherwise stay drawn pressed.
void FrmProgramPagers::releaseProgramButton()
{
    if (pushButtonProgram->isDown())
        pushButtonProgram->setDown(false);
}

void FrmProgramPagers::programCurrentTab()
{
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    // A text the unit cannot take is refused before the unit is asked anything.
    if (tabWidgetPagerTypes->currentWidget() == tabAlpha)
        Tavrin2QtComm::checkAlphaPagerSendable(alphaProgramData());
    if (m_unitCheck)
        m_unitCheck();
    else
        comm->connectTavrin();
    // The progress dialog is this dialog's, above it even when the main window was activated meanwhile.
    const ProgressDialog::Owner owner(this);
    const BusyCursor cursor;
    if (tabWidgetPagerTypes->currentWidget() == tabAlpha) {
        const bool isError = comm->programAlphaPager(alphaProgramData());
        qCDebug(lcPagers, "pushButtonProgram_pressed - Alpha - is_error: %d", isError);
        emit pagerProgrammed(tr("Alpha pager %1 programmed").arg(spinBoxAlphaPgrNum->value()));
    } else if (tabWidgetPagerTypes->currentWidget() == tabZellCoaster) {
        const int pagerNum = spinBoxZellCoasterPgrNum->value();
        comm->programZellPager(pagerNum, spinBoxZellCoasterSysID->value(), zellPagerFlags());
        emit pagerProgrammed(radioButtonCoaster->isChecked() ? tr("Coaster %1 programmed").arg(pagerNum)
                                                             : tr("Zell pager %1 programmed").arg(pagerNum));
    }
}

void FrmProgramPagers::updateGroupNameEnabled(int group, int value)
{
    QSpinBox* spinBox = groupSpinBoxes().at(group);
    groupNameEdits().at(group)->setEnabled(value != spinBox->minimum());
}

void FrmProgramPagers::spinBoxGroup1_valueChanged(int value)
{
    updateGroupNameEnabled(0, value);
}

void FrmProgramPagers::spinBoxGroup2_valueChanged(int value)
{
    updateGroupNameEnabled(1, value);
}

void FrmProgramPagers::spinBoxGroup3_valueChanged(int value)
{
    updateGroupNameEnabled(2, value);
}

void FrmProgramPagers::spinBoxGroup4_valueChanged(int value)
{
    updateGroupNameEnabled(3, value);
}

void FrmProgramPagers::spinBoxGroup5_valueChanged(int value)
{
    updateGroupNameEnabled(4, value);
}

void FrmProgramPagers::checkBoxEnableGrpPaging_toggled(bool)
{
    // The check box's own state counts: the constructor also runs this to sync the widgets.
    const bool on = checkBoxEnableGrpPaging->isChecked();
    textLabelSpecialCaseMsg->hide();
    buttonGroupGrpPagingProgram->setEnabled(on);
    if (!on) {
        spinBoxAlphaPgrNum->setMinimum(1);
        return;
    }
    textLabelSpecialCaseMsg->show();
    spinBoxAlphaPgrNum->setMinimum(PagerLimits::MinPagerNumWithGroups);
    spinBoxGroup1_valueChanged(spinBoxGroup1->value());
    spinBoxGroup2_valueChanged(spinBoxGroup2->value());
    spinBoxGroup3_valueChanged(spinBoxGroup3->value());
    spinBoxGroup4_valueChanged(spinBoxGroup4->value());
    spinBoxGroup5_valueChanged(spinBoxGroup5->value());
}

void FrmProgramPagers::radioButtonCoaster_toggled(bool)
{
    // A coaster has no manager mode.
    if (radioButtonCoaster->isChecked()) {
        radioButtonGuest->setChecked(true);
        buttonGroupWho->setEnabled(false);
    } else {
        buttonGroupWho->setEnabled(true);
    }
}
