// The main window's form mapping: widgets to and from a Tavrin2QtCfg, and the rules that enable
// widgets according to check boxes and pager types.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "uisupport/UnitTextValidator.h"

#include <QScopedValueRollback>

#include <exception>

namespace {
constexpr int alphaMsgPage = 0;
constexpr int zellMsgPage = 1;

// An empty selector counts as standing on its first entry, as the mode selectors do before their
// first fill; every other selector always has a current entry.
int currentIndexOf(const QComboBox* combo)
{
    return qMax(0, combo->currentIndex());
}

// An index the selector does not have (a hand-edited file) leaves the selector as it was, rather
// than leaving it without any entry.
void setCurrentIndexIfValid(QComboBox* combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}
} // namespace

void FrmTavrin2Qt::fillButtonRows()
{
    tavrinIIBtnWidgets = {
        { checkBoxBtn1Enable, spinBoxBtn1Pager, nullptr, comboBoxBtn1Type, comboBoxBtn1Mode, comboBoxBtn1ZellMsg,
          lineEditBtn1AlphaMsg, widgetStackBtn1Msg },
        { checkBoxBtn2Enable, spinBoxBtn2Pager, nullptr, comboBoxBtn2Type, comboBoxBtn2Mode, comboBoxBtn2ZellMsg,
          lineEditBtn2AlphaMsg, widgetStackBtn2Msg },
        { checkBoxBtn3Enable, spinBoxBtn3Pager, nullptr, comboBoxBtn3Type, comboBoxBtn3Mode, comboBoxBtn3ZellMsg,
          lineEditBtn3AlphaMsg, widgetStackBtn3Msg },
        { checkBoxBtn4Enable, spinBoxBtn4Pager, nullptr, comboBoxBtn4Type, comboBoxBtn4Mode, comboBoxBtn4ZellMsg,
          lineEditBtn4AlphaMsg, widgetStackBtn4Msg },
        { checkBoxBtn5Enable, spinBoxBtn5Pager, nullptr, comboBoxBtn5Type, comboBoxBtn5Mode, comboBoxBtn5ZellMsg,
          lineEditBtn5AlphaMsg, widgetStackBtn5Msg },
        { checkBoxExtInputEnabled, spinBoxExternalInputPager, comboBoxExtInputSetting, comboBoxExtInputType,
          comboBoxExtInputMode, comboBoxExtInputZellMsg, lineEditExtInputAlphaMsg, widgetStackExtInputMsg },
    };
}

void FrmTavrin2Qt::refreshForm()
{
    setUISettings(uiSettings());
    checkBoxLockoutEnabled_toggled(false);
    installMessageValidators();
}

void FrmTavrin2Qt::installMessageValidators()
{
    // The device separates its command fields with commas and takes 8-bit text without control characters.
    auto* fieldText = new UnitTextValidator(this);
    for (QLineEdit* edit : messageEdits()) {
        edit->setValidator(fieldText);
        // What is typed or pasted and refused would otherwise vanish without a word.
        connect(edit, &QLineEdit::inputRejected, this, [this, edit, fieldText] {
            if (m_showingRecord)
                return;
            showConfirmation(
                tr("Not taken in the %1 field: %2.").arg(edit->accessibleName(), fieldText->lastRefusal()));
        });
    }
}

QList<QLineEdit*> FrmTavrin2Qt::messageEdits() const
{
    return {
        lineEditDTBtn1SettingMsg, lineEditDTBtn2SettingMsg, lineEditDTLowBatteryPageMsg, lineEditLowBatteryPageMsg,
        lineEditAckPageMsg,       lineEditDTCancelMsg,      lineEditBtn1AlphaMsg,        lineEditBtn2AlphaMsg,
        lineEditBtn3AlphaMsg,     lineEditBtn4AlphaMsg,     lineEditBtn5AlphaMsg,        lineEditExtInputAlphaMsg,
    };
}

int FrmTavrin2Qt::modeToIndex(int type, int mode)
{
    if (type != TavrinIIButton::ZellType && type != TavrinIIButton::GuestType)
        return 0;
    return mode == 1 ? 1 : mode == 2 ? 2 : 0;
}

int FrmTavrin2Qt::indexToMode(int type, int index)
{
    if (type != TavrinIIButton::ZellType && type != TavrinIIButton::GuestType)
        return 0;
    switch (index) {
    case 0:
        return TavrinIIButton::DefaultMode;
    case 1:
        return 1;
    case 2:
        return 2;
    default:
        return 0;
    }
}

TavrinIIButton FrmTavrin2Qt::tavrinIIBtn(int index)
{
    const TavrinIIBtnWidgets& row = tavrinIIBtnWidgets.at(index);
    TavrinIIButton button;
    if (row.enable)
        button.setButtonEnabled(row.enable->isChecked());
    if (row.pager && button.setPagerNum(row.pager->value()))
        showError(m_invalidPagerNum);
    if (row.setting && button.setExtInputSetting(currentIndexOf(row.setting)))
        showError(m_invalidExtInputSetting);
    if (row.type) {
        if (button.setType(currentIndexOf(row.type)))
            showError(m_invalidPagerType);
        switch (button.type()) {
        case TavrinIIButton::ZellType:
            if (row.zellMsg)
                button.setZellMsgInt(currentIndexOf(row.zellMsg));
            break;
        case TavrinIIButton::AlphaType:
            if (row.alphaMsg)
                button.setAlphaMsg(row.alphaMsg->text());
            break;
        case TavrinIIButton::GuestType:
            break;
        default:
            qCWarning(lcApp, "tavrinIIBtn - unknown type: %d", button.type());
            break;
        }
    }
    if (row.mode && button.setMode(indexToMode(button.type(), currentIndexOf(row.mode))))
        showError(m_invalidPagerMode);
    return button;
}

void FrmTavrin2Qt::setTavrinIIBtn(int index, const TavrinIIButton& button)
{
    const TavrinIIBtnWidgets& row = tavrinIIBtnWidgets.at(index);
    if (row.enable)
        row.enable->setChecked(button.buttonEnabled());
    const bool en = row.enable && row.enable->isChecked();
    if (row.pager) {
        row.pager->setValue(button.pagerNum());
        row.pager->setEnabled(en);
    }
    if (row.setting) {
        setCurrentIndexIfValid(row.setting, button.extInputSetting());
        row.setting->setEnabled(en);
    }
    int shownType = -1;
    if (row.type) {
        setCurrentIndexIfValid(row.type, button.type());
        row.type->setEnabled(en);
        shownType = row.type->currentIndex();
        if (row.mode) {
            switch (shownType) {
            case TavrinIIButton::ZellType:
                row.mode->clear();
                for (int i = 0; i < 3; ++i)
                    row.mode->insertItem(i, m_zellModes[i]);
                if (row.msgStack)
                    row.msgStack->setCurrentIndex(zellMsgPage);
                break;
            case TavrinIIButton::AlphaType:
                if (row.msgStack)
                    row.msgStack->setCurrentIndex(alphaMsgPage);
                break;
            case TavrinIIButton::GuestType:
                row.mode->clear();
                for (int i = 0; i < 3; ++i)
                    row.mode->insertItem(i, m_guestModes[i]);
                break;
            default:
                qCWarning(lcApp, "setTavrinIIBtn - unknown type: %d", shownType);
                break;
            }
            setCurrentIndexIfValid(row.mode, modeToIndex(shownType, button.mode()));
            row.mode->setEnabled(en
                                 && (shownType == TavrinIIButton::ZellType || shownType == TavrinIIButton::GuestType));
        }
    }
    if (row.zellMsg) {
        if (button.type() == TavrinIIButton::ZellType)
            setCurrentIndexIfValid(row.zellMsg, button.zellMsgInt());
        row.zellMsg->setEnabled(en && shownType == TavrinIIButton::ZellType);
    }
    if (row.alphaMsg) {
        if (button.type() == TavrinIIButton::AlphaType)
            row.alphaMsg->setText(button.alphaMsg());
        row.alphaMsg->setEnabled(en && shownType == TavrinIIButton::AlphaType);
    }
}

void FrmTavrin2Qt::refreshButtonRow(int index)
{
    setTavrinIIBtn(index, tavrinIIBtn(index));
}

void FrmTavrin2Qt::checkBoxBtn1Enable_toggled(bool)
{
    refreshButtonRow(0);
}

void FrmTavrin2Qt::checkBoxBtn2Enable_toggled(bool)
{
    refreshButtonRow(1);
}

void FrmTavrin2Qt::checkBoxBtn3Enable_toggled(bool)
{
    refreshButtonRow(2);
}

void FrmTavrin2Qt::checkBoxBtn4Enable_toggled(bool)
{
    refreshButtonRow(3);
}

void FrmTavrin2Qt::checkBoxBtn5Enable_toggled(bool)
{
    refreshButtonRow(4);
}

void FrmTavrin2Qt::checkBoxExtInputEnabled_toggled(bool)
{
    refreshButtonRow(5);
}

void FrmTavrin2Qt::comboBoxBtn1Type_activated(int)
{
    refreshButtonRow(0);
}

void FrmTavrin2Qt::comboBoxBtn2Type_activated(int)
{
    refreshButtonRow(1);
}

void FrmTavrin2Qt::comboBoxBtn3Type_activated(int)
{
    refreshButtonRow(2);
}

void FrmTavrin2Qt::comboBoxBtn4Type_activated(int)
{
    refreshButtonRow(3);
}

void FrmTavrin2Qt::comboBoxBtn5Type_activated(int)
{
    refreshButtonRow(4);
}

void FrmTavrin2Qt::comboBoxExtInputType_activated(int)
{
    refreshButtonRow(5);
}

Tavrin2QtCfg::TavrinIIAutoOnOffTime FrmTavrin2Qt::autoOnOffRow(int row) const
{
    const QCheckBox* enabled[] = { checkBoxAutoOnOff1, checkBoxAutoOnOff2, checkBoxAutoOnOff3 };
    const QTimeEdit* on[] = { timeEditAutoOn1, timeEditAutoOn2, timeEditAutoOn3 };
    const QTimeEdit* off[] = { timeEditAutoOff1, timeEditAutoOff2, timeEditAutoOff3 };
    Tavrin2QtCfg::TavrinIIAutoOnOffTime time;
    time.setIsEnabled(enabled[row]->isChecked());
    time.setAutoOnTime(on[row]->time());
    time.setAutoOffTime(off[row]->time());
    return time;
}

void FrmTavrin2Qt::setAutoOnOffRow(int row, const Tavrin2QtCfg::TavrinIIAutoOnOffTime& time)
{
    QCheckBox* enabled[] = { checkBoxAutoOnOff1, checkBoxAutoOnOff2, checkBoxAutoOnOff3 };
    QTimeEdit* on[] = { timeEditAutoOn1, timeEditAutoOn2, timeEditAutoOn3 };
    QTimeEdit* off[] = { timeEditAutoOff1, timeEditAutoOff2, timeEditAutoOff3 };
    enabled[row]->setChecked(time.isEnabled());
    on[row]->setTime(time.autoOnTime());
    off[row]->setTime(time.autoOffTime());
    on[row]->setEnabled(enabled[row]->isChecked());
    off[row]->setEnabled(enabled[row]->isChecked());
}

void FrmTavrin2Qt::refreshAutoOnOffRow(int row)
{
    setAutoOnOffRow(row, autoOnOffRow(row));
}

void FrmTavrin2Qt::checkBoxAutoOnOff1_toggled(bool)
{
    refreshAutoOnOffRow(0);
}

void FrmTavrin2Qt::checkBoxAutoOnOff2_toggled(bool)
{
    refreshAutoOnOffRow(1);
}

void FrmTavrin2Qt::checkBoxAutoOnOff3_toggled(bool)
{
    refreshAutoOnOffRow(2);
}

Tavrin2QtCfg FrmTavrin2Qt::uiSettings()
{
    Tavrin2QtCfg cfg;
    try {
        fillRecord(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
    return cfg;
}

void FrmTavrin2Qt::fillRecord(Tavrin2QtCfg& cfg)
{
    cfg.setTavrinType(selectedTavrinType);
    cfg.setFirmware(lineEditFirmware->text());
    cfg.setSerNum(lineEditSerNum->text());

    cfg.setDtBtn1PagerNum(spinBoxDTBtn1PagerNum->value());
    cfg.setDtBtn1SettingMsg(lineEditDTBtn1SettingMsg->text());
    cfg.setDtBtn1Mode(currentIndexOf(comboBoxDTBtn1Mode));
    cfg.setDtBtn2PagerNum(spinBoxDTBtn2PagerNum->value());
    cfg.setDtBtn2SettingMsg(lineEditDTBtn2SettingMsg->text());
    cfg.setDtBtn2Mode(currentIndexOf(comboBoxDTBtn2Mode));
    cfg.setDtSysID(spinBoxDTSysID->value());
    cfg.setDtEnableGrpPaging(checkBoxDTEnableGrpPaging->isChecked());
    cfg.setDtBeepEnabled(checkBoxDTBeepEnabled->isChecked());
    cfg.setDtTavrinID(spinBoxDalenTavrinID->value());
    cfg.setDtRepageEnabled(checkBoxDTRepageEnabled->isChecked());
    cfg.setDtRepageInterval(spinBoxDTRepageInterval->value());
    cfg.setDtLowBatteryPageEnabled(checkBoxDTLowBatteryPageEnabled->isChecked());
    cfg.setDtLowBatteryPageMsg(lineEditDTLowBatteryPageMsg->text());
    cfg.setDtLowBatteryPager(spinBoxDTLowBatteryPager->value());
    cfg.setDtSecondaryPageEnabled(checkBoxDTSecondaryPageEnabled->isChecked());
    cfg.setDtSecondaryPager(spinBoxDTSecondaryPager->value());
    cfg.setDtCancelMsgEnabled(checkBoxDTCancelMsgEnabled->isChecked());
    cfg.setDtCancelMsg(lineEditDTCancelMsg->text());

    for (int i = 0; i < static_cast<int>(tavrinIIBtnWidgets.size()); ++i)
        cfg.setTavrinIIButtonVectorAtIndex(i, tavrinIIBtn(i));

    cfg.setLowBatteryPageEnabled(checkBoxLowBatteryPageEnabled->isChecked());
    cfg.setLowBatteryPageMsg(lineEditLowBatteryPageMsg->text());
    cfg.setLowBatteryPager(spinBoxLowBatteryPager->value());
    cfg.setAckPageEnabled(checkBoxAckPageEnabled->isChecked());
    cfg.setAckPageMsg(lineEditAckPageMsg->text());
    cfg.setAckPager(spinBoxAckPager->value());

    for (int row = 0; row < Tavrin2QtCfg::DefaultAutoOnOffTimeCount; ++row)
        cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(row, autoOnOffRow(row));

    cfg.setRepageEnabled(checkBoxRepageEnabled->isChecked());
    cfg.setRepageInterval(spinBoxRepageInterval->value());
    cfg.setExtInputDisable1(spinBoxExtInputDisable1->value());
    cfg.setExtInputDisable2(spinBoxExtInputDisable2->value());
    cfg.setExtInputDisable3(spinBoxExtInputDisable3->value());
    cfg.setSysID(spinBoxSysID->value());
    cfg.setEnableGrpPaging(checkBoxEnableGrpPaging->isChecked());
    cfg.setLockoutTime(spinBoxLockoutTime->value());
    cfg.setLockoutTimeMode(lockoutTimeMode());
    cfg.setLockoutEnabled(checkBoxLockoutEnabled->isChecked());
}

QString FrmTavrin2Qt::incompleteRecordReason(const Tavrin2QtCfg& cfg)
{
    if (cfg.tavrinIIButtonCount() >= Tavrin2QtCfg::DefaultButtonCount
        && cfg.tavrinIIAutoOnOffTimeCount() >= Tavrin2QtCfg::DefaultAutoOnOffTimeCount)
        return QString();
    return tr("The configuration is incomplete: it holds %1 of %2 button settings\nand %3 of %4 auto on/off times.")
        .arg(cfg.tavrinIIButtonCount())
        .arg(Tavrin2QtCfg::DefaultButtonCount)
        .arg(cfg.tavrinIIAutoOnOffTimeCount())
        .arg(Tavrin2QtCfg::DefaultAutoOnOffTimeCount);
}

void FrmTavrin2Qt::setUISettings(const Tavrin2QtCfg& cfg)
{
    const int type = cfg.tavrinType();
    if (type != DalenTavrin && type != DalenTavrin2Button && type != TavrinII) {
        showError(tr("Invalid Tavrin type detected!"));
        return;
    }
    // Refused before anything changes, so the form never shows a mix of two configurations.
    const QString incomplete = incompleteRecordReason(cfg);
    if (!incomplete.isEmpty()) {
        showError(incomplete);
        return;
    }
    if (type != selectedTavrinType) {
        const QString errStr = tr("You are trying to update a type %2\nUI with a connected type %1 device.")
                                   .arg(type)
                                   .arg(static_cast<int>(selectedTavrinType));
        qCDebug(lcApp, "setUISettings - err_str: %s", qUtf8Printable(errStr));
        selectModel(static_cast<TavrinType>(type));
    }
    try {
        // A record's text that a field would refuse from the keyboard is shown as it stands; Update names it.
        const QScopedValueRollback showing(m_showingRecord, true);
        fillFromRecord(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::fillFromRecord(const Tavrin2QtCfg& cfg)
{
    lineEditFirmware->setText(cfg.firmware());
    lineEditSerNum->setText(cfg.serNum());

    spinBoxDTBtn1PagerNum->setValue(cfg.dtBtn1PagerNum());
    lineEditDTBtn1SettingMsg->setText(cfg.dtBtn1SettingMsg());
    setCurrentIndexIfValid(comboBoxDTBtn1Mode, cfg.dtBtn1Mode());
    spinBoxDTBtn2PagerNum->setValue(cfg.dtBtn2PagerNum());
    lineEditDTBtn2SettingMsg->setText(cfg.dtBtn2SettingMsg());
    setCurrentIndexIfValid(comboBoxDTBtn2Mode, cfg.dtBtn2Mode());
    spinBoxDTSysID->setValue(cfg.dtSysID());
    checkBoxDTEnableGrpPaging->setChecked(cfg.dtEnableGrpPaging());
    checkBoxDTBeepEnabled->setChecked(cfg.dtBeepEnabled());
    spinBoxDalenTavrinID->setValue(cfg.dtTavrinID());
    checkBoxDTRepageEnabled->setChecked(cfg.dtRepageEnabled());
    spinBoxDTRepageInterval->setValue(cfg.dtRepageInterval());
    checkBoxDTLowBatteryPageEnabled->setChecked(cfg.dtLowBatteryPageEnabled());
    lineEditDTLowBatteryPageMsg->setText(cfg.dtLowBatteryPageMsg());
    spinBoxDTLowBatteryPager->setValue(cfg.dtLowBatteryPager());
    checkBoxDTSecondaryPageEnabled->setChecked(cfg.dtSecondaryPageEnabled());
    spinBoxDTSecondaryPager->setValue(cfg.dtSecondaryPager());
    checkBoxDTCancelMsgEnabled->setChecked(cfg.dtCancelMsgEnabled());
    lineEditDTCancelMsg->setText(cfg.dtCancelMsg());

    checkBoxDTEnableGrpPaging_toggled(false);
    checkBoxDTRepageEnabled_toggled(false);
    checkBoxDTLowBatteryEnable_toggled(false);
    checkBoxDTSecondaryPageEnabled_toggled(false);
    checkBoxDTCancelMsgEnabled_toggled(false);

    for (int i = 0; i < static_cast<int>(tavrinIIBtnWidgets.size()); ++i)
        setTavrinIIBtn(i, cfg.tavrinIIButtonVectorAtIndex(i));

    checkBoxLowBatteryPageEnabled->setChecked(cfg.lowBatteryPageEnabled());
    lineEditLowBatteryPageMsg->setText(cfg.lowBatteryPageMsg());
    spinBoxLowBatteryPager->setValue(cfg.lowBatteryPager());
    checkBoxAckPageEnabled->setChecked(cfg.ackPageEnabled());
    lineEditAckPageMsg->setText(cfg.ackPageMsg());
    spinBoxAckPager->setValue(cfg.ackPager());

    for (int row = 0; row < Tavrin2QtCfg::DefaultAutoOnOffTimeCount; ++row)
        setAutoOnOffRow(row, cfg.tavrinIIAutoOnOffTimeVectorAtIndex(row));

    checkBoxRepageEnabled->setChecked(cfg.repageEnabled());
    spinBoxRepageInterval->setValue(cfg.repageInterval());
    spinBoxExtInputDisable1->setValue(cfg.extInputDisable1());
    spinBoxExtInputDisable2->setValue(cfg.extInputDisable2());
    spinBoxExtInputDisable3->setValue(cfg.extInputDisable3());
    spinBoxSysID->setValue(cfg.sysID());
    checkBoxEnableGrpPaging->setChecked(cfg.enableGrpPaging());
    spinBoxLockoutTime->setValue(cfg.lockoutTime());
    setLockoutSettings(cfg.lockoutTimeMode());

    checkBoxEnableGrpPaging_toggled(false);
    checkBoxRepageEnabled_toggled(false);
    checkBoxLowBatteryPageEnabled_toggled(false);
    checkBoxAckPageEnabled_toggled(false);
}

void FrmTavrin2Qt::setLockoutSettings(int mode)
{
    switch (mode) {
    case 0:
        checkBoxLockoutEnabled->setChecked(false);
        break;
    case 1:
        checkBoxLockoutEnabled->setChecked(true);
        radioButtonLockoutIndefinite->setChecked(true);
        break;
    case 2:
        checkBoxLockoutEnabled->setChecked(true);
        radioButtonLockoutInterval->setChecked(true);
        break;
    default:
        qCWarning(lcApp, "FrmTavrin2Qt::setLockoutSettings - error");
        break;
    }
}

int FrmTavrin2Qt::lockoutTimeMode()
{
    if (!checkBoxLockoutEnabled->isChecked())
        return 0;
    if (radioButtonLockoutIndefinite->isChecked())
        return 1;
    if (radioButtonLockoutInterval->isChecked())
        return 2;
    qCWarning(lcApp, "FrmTavrin2Qt::lockoutTimeMode - error");
    return 0;
}

void FrmTavrin2Qt::checkBoxEnableGrpPaging_toggled(bool)
{
    refreshGroupPagingNote();
}

void FrmTavrin2Qt::checkBoxDTEnableGrpPaging_toggled(bool)
{
    refreshGroupPagingNote();
}

// Both pages share the note; it follows the check box the user can see, whichever of the two changed.
void FrmTavrin2Qt::refreshGroupPagingNote()
{
    const bool dalen = selectedTavrinType == DalenTavrin || selectedTavrinType == DalenTavrin2Button;
    const QCheckBox* shown = dalen ? checkBoxDTEnableGrpPaging : checkBoxEnableGrpPaging;
    textLabelWillPageGrpMsg->hide();
    if (shown->isChecked())
        textLabelWillPageGrpMsg->show();
}

void FrmTavrin2Qt::checkBoxRepageEnabled_toggled(bool)
{
    spinBoxRepageInterval->setEnabled(checkBoxRepageEnabled->isChecked());
}

void FrmTavrin2Qt::checkBoxDTRepageEnabled_toggled(bool)
{
    spinBoxDTRepageInterval->setEnabled(checkBoxDTRepageEnabled->isChecked());
}

void FrmTavrin2Qt::checkBoxLowBatteryPageEnabled_toggled(bool)
{
    const bool enabled = checkBoxLowBatteryPageEnabled->isChecked();
    spinBoxLowBatteryPager->setEnabled(enabled);
    lineEditLowBatteryPageMsg->setEnabled(enabled);
}

void FrmTavrin2Qt::checkBoxAckPageEnabled_toggled(bool)
{
    const bool enabled = checkBoxAckPageEnabled->isChecked();
    spinBoxAckPager->setEnabled(enabled);
    lineEditAckPageMsg->setEnabled(enabled);
}

void FrmTavrin2Qt::checkBoxDTLowBatteryEnable_toggled(bool)
{
    const bool enabled = checkBoxDTLowBatteryPageEnabled->isChecked();
    spinBoxDTLowBatteryPager->setEnabled(enabled);
    lineEditDTLowBatteryPageMsg->setEnabled(enabled);
}

void FrmTavrin2Qt::checkBoxDTSecondaryPageEnabled_toggled(bool)
{
    const bool enabled = checkBoxDTSecondaryPageEnabled->isChecked();
    spinBoxDTSecondaryPager->setEnabled(enabled);
    buttonGroupDTCancelMsg->setEnabled(enabled);
    // The cancel message's own rule was skipped while its group was off; apply it now the group is back.
    checkBoxDTCancelMsgEnabled_toggled(false);
}

void FrmTavrin2Qt::checkBoxDTCancelMsgEnabled_toggled(bool)
{
    if (!buttonGroupDTCancelMsg->isEnabled())
        return;
    lineEditDTCancelMsg->setEnabled(checkBoxDTCancelMsgEnabled->isChecked());
}

void FrmTavrin2Qt::checkBoxLockoutEnabled_toggled(bool)
{
    const bool enabled = checkBoxLockoutEnabled->isChecked();
    buttonGroupLockoutSettings->setEnabled(enabled);
    radioButtonLockoutInterval_toggled(false);
    groupBoxLockoutSequence->setEnabled(enabled);
}

void FrmTavrin2Qt::radioButtonLockoutInterval_toggled(bool)
{
    if (!checkBoxLockoutEnabled->isChecked())
        return;
    spinBoxLockoutTime->setEnabled(radioButtonLockoutInterval->isChecked());
}
