#pragma once

#include "config/StoreInRange.h"

#include <QString>

class CfgArchive;

// The page settings of one Tavrin II button, or of its external input.
class TavrinIIButton
{
public:
    TavrinIIButton() = default;

    bool buttonEnabled() const { return _button_enabled; }
    void setButtonEnabled(bool enabled) { _button_enabled = enabled; }

    // Ranged setters store the default and return true when the value is out of range.
    int pagerNum() const { return _pager_num; }
    bool setPagerNum(int pagerNum);

    // 0 "Normally Open", 1 "Normally Closed"; meaningful for the external input only.
    int extInputSetting() const { return _ext_input_setting; }
    bool setExtInputSetting(int setting);

    // 0 Zell, 1 Alpha, 2 Guest.
    int type() const { return _type; }
    bool setType(int type);

    // Depends on the pager type, so call setType first.
    int mode() const { return _mode; }
    bool setMode(int mode);

    int zellMsgInt() const { return _zellMsgInt; }
    bool setZellMsgInt(int messageNumber);

    QString alphaMsg() const { return _alphaMsg; }
    void setAlphaMsg(const QString& message) { _alphaMsg = message; }

    // Field by field; a null message differs from an empty one.
    bool operator==(const TavrinIIButton& other) const;
    bool operator!=(const TavrinIIButton& other) const { return !(*this == other); }

    static constexpr int ZellType = 0;
    static constexpr int AlphaType = 1;
    static constexpr int GuestType = 2;
    static constexpr int DefaultMode = 10;
    static constexpr int AlphaMode = 0;

    // Pager numbers, of the record's other settings too.
    static constexpr ValueRange PagerRange { 1, 9999, 1 };
    static constexpr ValueRange ExtInputSettingRange { 0, 1, 0 };
    static constexpr ValueRange TypeRange { ZellType, GuestType, ZellType };
    static constexpr ValueRange ZellMsgRange { 0, 9, 0 };

private:
    friend class CfgArchive;

    bool _button_enabled = false;
    int _pager_num = 1;
    int _ext_input_setting = 0;
    int _type = ZellType;
    int _mode = DefaultMode;
    int _zellMsgInt = 0;
    QString _alphaMsg;
};
