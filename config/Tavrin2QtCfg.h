#pragma once

#include "config/TavrinIIButton.h"
#include "config/TavrinType.h"

#include <QCoreApplication>
#include <QString>
#include <QTime>

#include <memory>
#include <vector>

class CfgArchive;

// Every setting of one Tavrin device, for all three models side by side; tavrinType says which model
// the settings belong to. A plain value: copies are independent.
//
// Fields are named after the widgets that edit them; getters drop the widget prefix. Ranged setters
// store the field's default and return true when the value is out of range; reading a file does not
// pass through them, so a loaded record holds the file's values as they stand.
class Tavrin2QtCfg
{
    Q_DECLARE_TR_FUNCTIONS(Tavrin2QtCfg)

public:
    // One automatic on/off time pair of a Tavrin II.
    class TavrinIIAutoOnOffTime
    {
    public:
        TavrinIIAutoOnOffTime() = default;

        bool isEnabled() const { return _isEnabled; }
        void setIsEnabled(bool enabled) { _isEnabled = enabled; }
        QTime autoOnTime() const { return _autoOnTime; }
        void setAutoOnTime(const QTime& time) { _autoOnTime = time; }
        QTime autoOffTime() const { return _autoOffTime; }
        void setAutoOffTime(const QTime& time) { _autoOffTime = time; }

        bool operator==(const TavrinIIAutoOnOffTime& other) const;
        bool operator!=(const TavrinIIAutoOnOffTime& other) const { return !(*this == other); }

    private:
        friend class CfgArchive;

        bool _isEnabled = false;
        // Midnight, a valid time (a default-constructed QTime would be invalid).
        QTime _autoOnTime { 0, 0, 0 };
        QTime _autoOffTime { 0, 0, 0 };
    };

    static constexpr int DefaultButtonCount = 6; // buttons 1 to 5, then the external input
    static constexpr int DefaultAutoOnOffTimeCount = 3;

    // What the ranged setters take; pager numbers as TavrinIIButton::PagerRange.
    static constexpr ValueRange RepageIntervalRange { 10, 300, 300 };
    static constexpr ValueRange LockoutTimeModeRange { 0, 2, 0 };
    static constexpr ValueRange LockoutTimeRange { 1, 179, 1 };
    static constexpr ValueRange SysIDRange { 0, 13, 0 };
    static constexpr ValueRange PagerRange = TavrinIIButton::PagerRange;
    static constexpr ValueRange DtTavrinIDRange { 1, 9999, 1 };
    static constexpr ValueRange DalenModeRange { 0, 10, 0 };
    // The most characters a message's field takes (CfgFieldList::messageFields says which takes which). The
    // Alpha messages of Tavrin II button 1 and the external input have no limit of the form's own: the
    // unit's command line bounds them.
    static constexpr int MessageMaxLength = 64;
    static constexpr int LongMessageMaxLength = 32767;

    Tavrin2QtCfg();

    TavrinType tavrinType() const { return _tavrinType; }
    bool setTavrinType(int type);

    // Tavrin II
    bool repageEnabled() const { return _checkBoxRepageEnabled; }
    void setRepageEnabled(bool enabled) { _checkBoxRepageEnabled = enabled; }
    int repageInterval() const { return _spinBoxRepageInterval; }
    bool setRepageInterval(int seconds);
    bool lockoutEnabled() const { return _checkBoxLockoutEnabled; }
    void setLockoutEnabled(bool enabled) { _checkBoxLockoutEnabled = enabled; }
    // 0 off, 1 indefinitely, 2 for lockoutTime seconds.
    int lockoutTimeMode() const { return _lockoutTimeMode; }
    bool setLockoutTimeMode(int mode);
    int lockoutTime() const { return _spinBoxLockoutTime; }
    bool setLockoutTime(int seconds);
    int extInputDisable1() const { return _spinBoxExtInputDisable1; }
    void setExtInputDisable1(int button) { _spinBoxExtInputDisable1 = button; }
    int extInputDisable2() const { return _spinBoxExtInputDisable2; }
    void setExtInputDisable2(int button) { _spinBoxExtInputDisable2 = button; }
    int extInputDisable3() const { return _spinBoxExtInputDisable3; }
    void setExtInputDisable3(int button) { _spinBoxExtInputDisable3 = button; }
    int sysID() const { return _spinBoxSysID; }
    bool setSysID(int id);
    bool enableGrpPaging() const { return _checkBoxEnableGrpPaging; }
    void setEnableGrpPaging(bool enabled) { _checkBoxEnableGrpPaging = enabled; }

    // Entries 0 to 4 are buttons 1 to 5, entry 5 the external input. Throws std::out_of_range.
    TavrinIIButton tavrinIIButtonVectorAtIndex(int index) const;
    void setTavrinIIButtonVectorAtIndex(int index, const TavrinIIButton& button);
    // A loaded record holds as many entries as its file; a new one DefaultButtonCount.
    int tavrinIIButtonCount() const { return static_cast<int>(_tavrinIIButtons.size()); }

    // Auto on/off times 1 to 3. Throws std::out_of_range.
    TavrinIIAutoOnOffTime tavrinIIAutoOnOffTimeVectorAtIndex(int index) const;
    void setTavrinIIAutoOnOffTimeVectorAtIndex(int index, const TavrinIIAutoOnOffTime& time);
    int tavrinIIAutoOnOffTimeCount() const { return static_cast<int>(_tavrinIIAutoOnOffTimes.size()); }

    bool lowBatteryPageEnabled() const { return _checkBoxLowBatteryPageEnabled; }
    void setLowBatteryPageEnabled(bool enabled) { _checkBoxLowBatteryPageEnabled = enabled; }
    QString lowBatteryPageMsg() const { return _lineEditLowBatteryPageMsg; }
    void setLowBatteryPageMsg(const QString& message) { _lineEditLowBatteryPageMsg = message; }
    int lowBatteryPager() const { return _spinBoxLowBatteryPager; }
    bool setLowBatteryPager(int pager);
    bool ackPageEnabled() const { return _checkBoxAckPageEnabled; }
    void setAckPageEnabled(bool enabled) { _checkBoxAckPageEnabled = enabled; }
    QString ackPageMsg() const { return _lineEditAckPageMsg; }
    void setAckPageMsg(const QString& message) { _lineEditAckPageMsg = message; }
    int ackPager() const { return _spinBoxAckPager; }
    bool setAckPager(int pager);

    // Dalen models
    int dtBtn1PagerNum() const { return _spinBoxDTBtn1PagerNum; }
    bool setDtBtn1PagerNum(int pager);
    int dtBtn2PagerNum() const { return _spinBoxDTBtn2PagerNum; }
    bool setDtBtn2PagerNum(int pager);
    QString dtBtn1SettingMsg() const { return _lineEditDTBtn1SettingMsg; }
    void setDtBtn1SettingMsg(const QString& message) { _lineEditDTBtn1SettingMsg = message; }
    QString dtBtn2SettingMsg() const { return _lineEditDTBtn2SettingMsg; }
    void setDtBtn2SettingMsg(const QString& message) { _lineEditDTBtn2SettingMsg = message; }
    int dtSysID() const { return _spinBoxDTSysID; }
    bool setDtSysID(int id);
    bool dtEnableGrpPaging() const { return _checkBoxDTEnableGrpPaging; }
    void setDtEnableGrpPaging(bool enabled) { _checkBoxDTEnableGrpPaging = enabled; }
    bool dtBeepEnabled() const { return _checkBoxDTBeepEnabled; }
    void setDtBeepEnabled(bool enabled) { _checkBoxDTBeepEnabled = enabled; }
    int dtTavrinID() const { return _spinBoxDTTavrinID; }
    bool setDtTavrinID(int id);
    bool dtRepageEnabled() const { return _checkBoxDTRepageEnabled; }
    void setDtRepageEnabled(bool enabled) { _checkBoxDTRepageEnabled = enabled; }
    int dtRepageInterval() const { return _spinBoxDTRepageInterval; }
    bool setDtRepageInterval(int seconds);
    bool dtLowBatteryPageEnabled() const { return _checkBoxDTLowBatteryPageEnabled; }
    void setDtLowBatteryPageEnabled(bool enabled) { _checkBoxDTLowBatteryPageEnabled = enabled; }
    QString dtLowBatteryPageMsg() const { return _lineEditDTLowBatteryPageMsg; }
    void setDtLowBatteryPageMsg(const QString& message) { _lineEditDTLowBatteryPageMsg = message; }
    int dtLowBatteryPager() const { return _spinBoxDTLowBatteryPager; }
    bool setDtLowBatteryPager(int pager);
    // Pager alert modes 0 "Default" to 10 "Look Down".
    int dtBtn1Mode() const { return _comboBoxDTBtn1Mode; }
    bool setDtBtn1Mode(int mode);
    int dtBtn2Mode() const { return _comboBoxDTBtn2Mode; }
    bool setDtBtn2Mode(int mode);
    bool dtSecondaryPageEnabled() const { return _checkBoxDTSecondaryPageEnabled; }
    void setDtSecondaryPageEnabled(bool enabled) { _checkBoxDTSecondaryPageEnabled = enabled; }
    int dtSecondaryPager() const { return _spinBoxDTSecondaryPager; }
    bool setDtSecondaryPager(int pager);
    bool dtCancelMsgEnabled() const { return _checkBoxDTCancelMsgEnabled; }
    void setDtCancelMsgEnabled(bool enabled) { _checkBoxDTCancelMsgEnabled = enabled; }
    QString dtCancelMsg() const { return _lineEditDTCancelMsg; }
    void setDtCancelMsg(const QString& message) { _lineEditDTCancelMsg = message; }

    // What the device reported about itself.
    QString firmware() const { return _lineEditFirmware; }
    void setFirmware(const QString& firmware) { _lineEditFirmware = firmware; }
    QString serNum() const { return _lineEditSerNum; }
    void setSerNum(const QString& serialNumber) { _lineEditSerNum = serialNumber; }

    // The text of a configuration file (.t2c) for this record: an XML document of library version 3 in
    // which every character stands for one byte (Latin-1). On failure returns a null string and sets
    // error; error is left alone on success.
    QString freeze(QString& error) const;
    // A new record from such a text (characters above U+00FF cannot occur in it); nullptr and error set
    // when the text cannot be read: a short reason in words, for CfgFile::unreadableText.
    static std::unique_ptr<Tavrin2QtCfg> thaw(const QString& text, QString& error);

    // A loaded record may hold values out of the setters' ranges: each is replaced by its setter's
    // fallback, and a time that is no time by midnight, so that a form can show the record whole
    // rather than keep what it showed before for the values it cannot take. The model stays as it is.
    // Returns whether anything was replaced.
    bool replaceOutOfRangeValues();

    // Field by field; a null string differs from an empty one.
    bool operator==(const Tavrin2QtCfg& other) const;
    bool operator!=(const Tavrin2QtCfg& other) const { return !(*this == other); }

private:
    friend class CfgArchive;

    TavrinType _tavrinType = TavrinII;
    bool _checkBoxRepageEnabled = false;
    int _spinBoxRepageInterval = 300;
    bool _checkBoxLockoutEnabled = false;
    int _lockoutTimeMode = 0;
    int _spinBoxLockoutTime = 1;
    int _spinBoxExtInputDisable1 = 1;
    int _spinBoxExtInputDisable2 = 1;
    int _spinBoxExtInputDisable3 = 1;
    int _spinBoxSysID = 0;
    bool _checkBoxEnableGrpPaging = false;
    std::vector<TavrinIIButton> _tavrinIIButtons;
    std::vector<TavrinIIAutoOnOffTime> _tavrinIIAutoOnOffTimes;
    bool _checkBoxLowBatteryPageEnabled = false;
    QString _lineEditLowBatteryPageMsg;
    int _spinBoxLowBatteryPager = 1;
    bool _checkBoxAckPageEnabled = false;
    QString _lineEditAckPageMsg;
    int _spinBoxAckPager = 1;
    int _spinBoxDTBtn1PagerNum = 1;
    int _spinBoxDTBtn2PagerNum = 1;
    QString _lineEditDTBtn1SettingMsg;
    QString _lineEditDTBtn2SettingMsg;
    int _spinBoxDTSysID = 0;
    bool _checkBoxDTEnableGrpPaging = false;
    bool _checkBoxDTBeepEnabled = false;
    int _spinBoxDTTavrinID = 1;
    bool _checkBoxDTRepageEnabled = false;
    int _spinBoxDTRepageInterval = 300;
    bool _checkBoxDTLowBatteryPageEnabled = false;
    QString _lineEditDTLowBatteryPageMsg;
    int _spinBoxDTLowBatteryPager = 1;
    int _comboBoxDTBtn1Mode = 0;
    int _comboBoxDTBtn2Mode = 0;
    bool _checkBoxDTSecondaryPageEnabled = false;
    int _spinBoxDTSecondaryPager = 1;
    bool _checkBoxDTCancelMsgEnabled = false;
    QString _lineEditDTCancelMsg;
    QString _lineEditFirmware;
    QString _lineEditSerNum;
};
