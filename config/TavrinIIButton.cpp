#include "config/TavrinIIButton.h"

bool TavrinIIButton::setPagerNum(int pagerNum)
{
    return storeInRange(_pager_num, pagerNum, PagerRange);
}

bool TavrinIIButton::setExtInputSetting(int setting)
{
    return storeInRange(_ext_input_setting, setting, ExtInputSettingRange);
}

bool TavrinIIButton::setType(int type)
{
    return storeInRange(_type, type, TypeRange);
}

bool TavrinIIButton::setMode(int mode)
{
    switch (_type) {
    case ZellType:
    case GuestType:
        if (mode == 1 || mode == 2 || mode == DefaultMode) {
            _mode = mode;
            return false;
        }
        _mode = DefaultMode;
        return true;
    case AlphaType:
        // Alpha pagers have a single mode.
        _mode = AlphaMode;
        return false;
    default:
        // Only a loaded file can hold another type; repair the pair.
        _type = ZellType;
        _mode = DefaultMode;
        return true;
    }
}

bool TavrinIIButton::setZellMsgInt(int messageNumber)
{
    return storeInRange(_zellMsgInt, messageNumber, ZellMsgRange);
}

bool TavrinIIButton::operator==(const TavrinIIButton& other) const
{
    return _button_enabled == other._button_enabled && _pager_num == other._pager_num
        && _ext_input_setting == other._ext_input_setting && _type == other._type && _mode == other._mode
        && _zellMsgInt == other._zellMsgInt && _alphaMsg.isNull() == other._alphaMsg.isNull()
        && _alphaMsg == other._alphaMsg;
}
