#include "config/Tavrin2QtCfg.h"

#include "config/CfgArchive.h"

#include <stdexcept>

namespace {
bool sameText(const QString& a, const QString& b)
{
    return a.isNull() == b.isNull() && a == b;
}

template<class T> void checkIndex(const std::vector<T>& entries, int index, const char* accessor)
{
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        throw std::out_of_range(std::string("Tavrin2QtCfg::") + accessor + ": index " + std::to_string(index)
                                + " outside 0.." + std::to_string(static_cast<long long>(entries.size()) - 1));
}
} // namespace

bool Tavrin2QtCfg::TavrinIIAutoOnOffTime::operator==(const TavrinIIAutoOnOffTime& other) const
{
    return _isEnabled == other._isEnabled && _autoOnTime == other._autoOnTime && _autoOffTime == other._autoOffTime;
}

Tavrin2QtCfg::Tavrin2QtCfg()
    : _tavrinIIButtons(DefaultButtonCount)
    , _tavrinIIAutoOnOffTimes(DefaultAutoOnOffTimeCount)
{
}

bool Tavrin2QtCfg::setTavrinType(int type)
{
    // Unknown is accepted so that an unidentified model can be stored.
    const bool outOfRange = type < DalenTavrin || type > Unknown;
    _tavrinType = outOfRange ? TavrinII : static_cast<TavrinType>(type);
    return outOfRange;
}

bool Tavrin2QtCfg::setRepageInterval(int seconds)
{
    return storeInRange(_spinBoxRepageInterval, seconds, RepageIntervalRange);
}

bool Tavrin2QtCfg::setLockoutTimeMode(int mode)
{
    return storeInRange(_lockoutTimeMode, mode, LockoutTimeModeRange);
}

bool Tavrin2QtCfg::setLockoutTime(int seconds)
{
    return storeInRange(_spinBoxLockoutTime, seconds, LockoutTimeRange);
}

bool Tavrin2QtCfg::setSysID(int id)
{
    return storeInRange(_spinBoxSysID, id, SysIDRange);
}

TavrinIIButton Tavrin2QtCfg::tavrinIIButtonVectorAtIndex(int index) const
{
    checkIndex(_tavrinIIButtons, index, "tavrinIIButtonVectorAtIndex");
    return _tavrinIIButtons[static_cast<std::size_t>(index)];
}

void Tavrin2QtCfg::setTavrinIIButtonVectorAtIndex(int index, const TavrinIIButton& button)
{
    checkIndex(_tavrinIIButtons, index, "setTavrinIIButtonVectorAtIndex");
    _tavrinIIButtons[static_cast<std::size_t>(index)] = button;
}

Tavrin2QtCfg::TavrinIIAutoOnOffTime Tavrin2QtCfg::tavrinIIAutoOnOffTimeVectorAtIndex(int index) const
{
    checkIndex(_tavrinIIAutoOnOffTimes, index, "tavrinIIAutoOnOffTimeVectorAtIndex");
    return _tavrinIIAutoOnOffTimes[static_cast<std::size_t>(index)];
}

void Tavrin2QtCfg::setTavrinIIAutoOnOffTimeVectorAtIndex(int index, const TavrinIIAutoOnOffTime& time)
{
    checkIndex(_tavrinIIAutoOnOffTimes, index, "setTavrinIIAutoOnOffTimeVectorAtIndex");
    _tavrinIIAutoOnOffTimes[static_cast<std::size_t>(index)] = time;
}

bool Tavrin2QtCfg::setLowBatteryPager(int pager)
{
    return storeInRange(_spinBoxLowBatteryPager, pager, PagerRange);
}

bool Tavrin2QtCfg::setAckPager(int pager)
{
    return storeInRange(_spinBoxAckPager, pager, PagerRange);
}

bool Tavrin2QtCfg::setDtBtn1PagerNum(int pager)
{
    return storeInRange(_spinBoxDTBtn1PagerNum, pager, PagerRange);
}

bool Tavrin2QtCfg::setDtBtn2PagerNum(int pager)
{
    return storeInRange(_spinBoxDTBtn2PagerNum, pager, PagerRange);
}

bool Tavrin2QtCfg::setDtSysID(int id)
{
    return storeInRange(_spinBoxDTSysID, id, SysIDRange);
}

bool Tavrin2QtCfg::setDtTavrinID(int id)
{
    return storeInRange(_spinBoxDTTavrinID, id, DtTavrinIDRange);
}

bool Tavrin2QtCfg::setDtRepageInterval(int seconds)
{
    return storeInRange(_spinBoxDTRepageInterval, seconds, RepageIntervalRange);
}

bool Tavrin2QtCfg::setDtLowBatteryPager(int pager)
{
    return storeInRange(_spinBoxDTLowBatteryPager, pager, PagerRange);
}

bool Tavrin2QtCfg::setDtBtn1Mode(int mode)
{
    return storeInRange(_comboBoxDTBtn1Mode, mode, DalenModeRange);
}

bool Tavrin2QtCfg::setDtBtn2Mode(int mode)
{
    return storeInRange(_comboBoxDTBtn2Mode, mode, DalenModeRange);
}

bool Tavrin2QtCfg::setDtSecondaryPager(int pager)
{
    return storeInRange(_spinBoxDTSecondaryPager, pager, PagerRange);
}

bool Tavrin2QtCfg::replaceOutOfRangeValues()
{
    bool replaced = false;
    const auto again = [&replaced](auto& record, auto setter, int value) { replaced |= (record.*setter)(value); };
    again(*this, &Tavrin2QtCfg::setRepageInterval, _spinBoxRepageInterval);
    again(*this, &Tavrin2QtCfg::setLockoutTimeMode, _lockoutTimeMode);
    again(*this, &Tavrin2QtCfg::setLockoutTime, _spinBoxLockoutTime);
    again(*this, &Tavrin2QtCfg::setSysID, _spinBoxSysID);
    again(*this, &Tavrin2QtCfg::setLowBatteryPager, _spinBoxLowBatteryPager);
    again(*this, &Tavrin2QtCfg::setAckPager, _spinBoxAckPager);
    again(*this, &Tavrin2QtCfg::setDtBtn1PagerNum, _spinBoxDTBtn1PagerNum);
    again(*this, &Tavrin2QtCfg::setDtBtn2PagerNum, _spinBoxDTBtn2PagerNum);
    again(*this, &Tavrin2QtCfg::setDtSysID, _spinBoxDTSysID);
    again(*this, &Tavrin2QtCfg::setDtTavrinID, _spinBoxDTTavrinID);
    again(*this, &Tavrin2QtCfg::setDtRepageInterval, _spinBoxDTRepageInterval);
    again(*this, &Tavrin2QtCfg::setDtLowBatteryPager, _spinBoxDTLowBatteryPager);
    again(*this, &Tavrin2QtCfg::setDtBtn1Mode, _comboBoxDTBtn1Mode);
    again(*this, &Tavrin2QtCfg::setDtBtn2Mode, _comboBoxDTBtn2Mode);
    again(*this, &Tavrin2QtCfg::setDtSecondaryPager, _spinBoxDTSecondaryPager);
    for (TavrinIIButton& button : _tavrinIIButtons) {
        again(button, &TavrinIIButton::setPagerNum, button.pagerNum());
        again(button, &TavrinIIButton::setExtInputSetting, button.extInputSetting());
        // The type first: the modes it allows depend on it.
        again(button, &TavrinIIButton::setType, button.type());
        again(button, &TavrinIIButton::setMode, button.mode());
        again(button, &TavrinIIButton::setZellMsgInt, button.zellMsgInt());
    }
    const QTime midnight(0, 0, 0);
    for (TavrinIIAutoOnOffTime& time : _tavrinIIAutoOnOffTimes) {
        if (!time.autoOnTime().isValid()) {
            time.setAutoOnTime(midnight);
            replaced = true;
        }
        if (!time.autoOffTime().isValid()) {
            time.setAutoOffTime(midnight);
            replaced = true;
        }
    }
    return replaced;
}

QString Tavrin2QtCfg::freeze(QString& error) const
{
    return CfgArchive::freeze(*this, error);
}

std::unique_ptr<Tavrin2QtCfg> Tavrin2QtCfg::thaw(const QString& text, QString& error)
{
    return CfgArchive::thaw(text, error);
}

bool Tavrin2QtCfg::operator==(const Tavrin2QtCfg& other) const
{
    return _tavrinType == other._tavrinType && _checkBoxRepageEnabled == other._checkBoxRepageEnabled
        && _spinBoxRepageInterval == other._spinBoxRepageInterval
        && _checkBoxLockoutEnabled == other._checkBoxLockoutEnabled && _lockoutTimeMode == other._lockoutTimeMode
        && _spinBoxLockoutTime == other._spinBoxLockoutTime
        && _spinBoxExtInputDisable1 == other._spinBoxExtInputDisable1
        && _spinBoxExtInputDisable2 == other._spinBoxExtInputDisable2
        && _spinBoxExtInputDisable3 == other._spinBoxExtInputDisable3 && _spinBoxSysID == other._spinBoxSysID
        && _checkBoxEnableGrpPaging == other._checkBoxEnableGrpPaging && _tavrinIIButtons == other._tavrinIIButtons
        && _tavrinIIAutoOnOffTimes == other._tavrinIIAutoOnOffTimes
        && _checkBoxLowBatteryPageEnabled == other._checkBoxLowBatteryPageEnabled
        && sameText(_lineEditLowBatteryPageMsg, other._lineEditLowBatteryPageMsg)
        && _spinBoxLowBatteryPager == other._spinBoxLowBatteryPager
        && _checkBoxAckPageEnabled == other._checkBoxAckPageEnabled
        && sameText(_lineEditAckPageMsg, other._lineEditAckPageMsg) && _spinBoxAckPager == other._spinBoxAckPager
        && _spinBoxDTBtn1PagerNum == other._spinBoxDTBtn1PagerNum
        && _spinBoxDTBtn2PagerNum == other._spinBoxDTBtn2PagerNum
        && sameText(_lineEditDTBtn1SettingMsg, other._lineEditDTBtn1SettingMsg)
        && sameText(_lineEditDTBtn2SettingMsg, other._lineEditDTBtn2SettingMsg)
        && _spinBoxDTSysID == other._spinBoxDTSysID && _checkBoxDTEnableGrpPaging == other._checkBoxDTEnableGrpPaging
        && _checkBoxDTBeepEnabled == other._checkBoxDTBeepEnabled && _spinBoxDTTavrinID == other._spinBoxDTTavrinID
        && _checkBoxDTRepageEnabled == other._checkBoxDTRepageEnabled
        && _spinBoxDTRepageInterval == other._spinBoxDTRepageInterval
        && _checkBoxDTLowBatteryPageEnabled == other._checkBoxDTLowBatteryPageEnabled
        && sameText(_lineEditDTLowBatteryPageMsg, other._lineEditDTLowBatteryPageMsg)
        && _spinBoxDTLowBatteryPager == other._spinBoxDTLowBatteryPager
        && _comboBoxDTBtn1Mode == other._comboBoxDTBtn1Mode && _comboBoxDTBtn2Mode == other._comboBoxDTBtn2Mode
        && _checkBoxDTSecondaryPageEnabled == other._checkBoxDTSecondaryPageEnabled
        && _spinBoxDTSecondaryPager == other._spinBoxDTSecondaryPager
        && _checkBoxDTCancelMsgEnabled == other._checkBoxDTCancelMsgEnabled
        && sameText(_lineEditDTCancelMsg, other._lineEditDTCancelMsg)
        && sameText(_lineEditFirmware, other._lineEditFirmware) && sameText(_lineEditSerNum, other._lineEditSerNum);
}
