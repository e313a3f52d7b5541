#pragma once

// Shared by the main window tests: a virtual device on the link, random records the form can show,
// what the form gives back for them, and a field-by-field comparison that names the field that differs.

#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "usb/UsbHid.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace kit {

using Model = VirtualTavrin::Model;

// A fresh virtual device on the link, and a protocol that has forgotten the previous one.
inline VirtualTavrin* attach(Model model)
{
    auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
    Tavrin2QtComm::instance()->reset();
    return sim;
}

inline VirtualTavrin* attachUnplugged(Model model = Model::TavrinII)
{
    VirtualTavrin* sim = attach(model);
    sim->unplug();
    return sim;
}

// The model type code the utility gives the virtual device's model.
inline TavrinType typeOf(Model model)
{
    switch (model) {
    case Model::DalenTavrin:
        return DalenTavrin;
    case Model::DalenTavrin2Button:
        return DalenTavrin2Button;
    default:
        return TavrinII;
    }
}

inline QString linkMessage(int code)
{
    return UsbHid::errorText(code);
}

// Letters of the 8-bit set included; never a comma, which the message fields refuse.
inline QString randomMessage(QRandomGenerator& rng)
{
    static const QString alphabet = QStringLiteral("abcdefxyzABCXYZ0189 -.!?&<>\"'\u00e9\u00c0\u00ff\u00e7");
    const int length = rng.bounded(0, 25);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(rng.bounded(alphabet.size()));
    return text;
}

inline QTime randomTime(QRandomGenerator& rng)
{
    // The editors show hours and minutes only.
    return QTime(rng.bounded(24), rng.bounded(60), 0);
}

inline TavrinIIButton randomButton(QRandomGenerator& rng, bool isExternalInput)
{
    static const int modes[] = { 10, 1, 2 };
    TavrinIIButton button;
    button.setButtonEnabled(rng.bounded(2) == 1);
    button.setPagerNum(rng.bounded(1, 10000));
    if (isExternalInput)
        button.setExtInputSetting(rng.bounded(2));
    button.setType(rng.bounded(3));
    button.setMode(modes[rng.bounded(3)]);
    button.setZellMsgInt(rng.bounded(10));
    button.setAlphaMsg(randomMessage(rng));
    return button;
}

// Every field within the limits of its widget.
inline Tavrin2QtCfg randomRecord(QRandomGenerator& rng, TavrinType type)
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(type);
    cfg.setRepageEnabled(rng.bounded(2) == 1);
    cfg.setRepageInterval(rng.bounded(10, 301));
    cfg.setLockoutEnabled(rng.bounded(2) == 1);
    cfg.setLockoutTimeMode(rng.bounded(3));
    cfg.setLockoutTime(rng.bounded(1, 180));
    cfg.setExtInputDisable1(rng.bounded(1, 6));
    cfg.setExtInputDisable2(rng.bounded(1, 6));
    cfg.setExtInputDisable3(rng.bounded(1, 6));
    cfg.setSysID(rng.bounded(14));
    cfg.setEnableGrpPaging(rng.bounded(2) == 1);
    for (int i = 0; i < Tavrin2QtCfg::DefaultButtonCount; ++i)
        cfg.setTavrinIIButtonVectorAtIndex(i, randomButton(rng, i == 5));
    for (int i = 0; i < Tavrin2QtCfg::DefaultAutoOnOffTimeCount; ++i) {
        Tavrin2QtCfg::TavrinIIAutoOnOffTime time;
        time.setIsEnabled(rng.bounded(2) == 1);
        time.setAutoOnTime(randomTime(rng));
        time.setAutoOffTime(randomTime(rng));
        cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(i, time);
    }
    cfg.setLowBatteryPageEnabled(rng.bounded(2) == 1);
    cfg.setLowBatteryPageMsg(randomMessage(rng));
    cfg.setLowBatteryPager(rng.bounded(1, 10000));
    cfg.setAckPageEnabled(rng.bounded(2) == 1);
    cfg.setAckPageMsg(randomMessage(rng));
    cfg.setAckPager(rng.bounded(1, 10000));
    cfg.setDtBtn1PagerNum(rng.bounded(1, 10000));
    cfg.setDtBtn2PagerNum(rng.bounded(1, 10000));
    cfg.setDtBtn1SettingMsg(randomMessage(rng));
    cfg.setDtBtn2SettingMsg(randomMessage(rng));
    cfg.setDtSysID(rng.bounded(14));
    cfg.setDtEnableGrpPaging(rng.bounded(2) == 1);
    cfg.setDtBeepEnabled(rng.bounded(2) == 1);
    cfg.setDtTavrinID(rng.bounded(1, 10000));
    cfg.setDtRepageEnabled(rng.bounded(2) == 1);
    cfg.setDtRepageInterval(rng.bounded(10, 301));
    cfg.setDtLowBatteryPageEnabled(rng.bounded(2) == 1);
    cfg.setDtLowBatteryPageMsg(randomMessage(rng));
    cfg.setDtLowBatteryPager(rng.bounded(1, 10000));
    cfg.setDtBtn1Mode(rng.bounded(11));
    cfg.setDtBtn2Mode(rng.bounded(11));
    cfg.setDtSecondaryPageEnabled(rng.bounded(2) == 1);
    cfg.setDtSecondaryPager(rng.bounded(1, 10000));
    cfg.setDtCancelMsgEnabled(rng.bounded(2) == 1);
    cfg.setDtCancelMsg(randomMessage(rng));
    cfg.setFirmware(QStringLiteral("5V1.%1").arg(rng.bounded(100)));
    cfg.setSerNum(QString::number(rng.bounded(100000000)));
    return cfg;
}

// What the form gives back for a record it was shown: a button keeps only the message of its type
// (an Alpha button has mode 0), and the lockout check box follows the lockout mode.
inline Tavrin2QtCfg shownPart(const Tavrin2QtCfg& cfg)
{
    Tavrin2QtCfg shown = cfg;
    for (int i = 0; i < Tavrin2QtCfg::DefaultButtonCount; ++i) {
        const TavrinIIButton in = cfg.tavrinIIButtonVectorAtIndex(i);
        TavrinIIButton out;
        out.setButtonEnabled(in.buttonEnabled());
        out.setPagerNum(in.pagerNum());
        out.setExtInputSetting(i == 5 ? in.extInputSetting() : 0);
        out.setType(in.type());
        out.setMode(in.mode());
        if (in.type() == TavrinIIButton::ZellType)
            out.setZellMsgInt(in.zellMsgInt());
        if (in.type() == TavrinIIButton::AlphaType)
            out.setAlphaMsg(in.alphaMsg());
        shown.setTavrinIIButtonVectorAtIndex(i, out);
    }
    shown.setLockoutEnabled(cfg.lockoutTimeMode() != 0);
    return shown;
}

// Every field, strings by content (the form does not keep null apart from empty). Fails the running
// test at the first difference, naming the field.
inline bool sameRecords(const Tavrin2QtCfg& actual, const Tavrin2QtCfg& expected)
{
#define KIT_SAME(getter)                                                                                               \
    if (!QTest::qCompare(actual.getter(), expected.getter(), "actual." #getter "()", "expected." #getter "()",         \
                         __FILE__, __LINE__))                                                                          \
        return false;
    KIT_SAME(tavrinType)
    KIT_SAME(repageEnabled)
    KIT_SAME(repageInterval)
    KIT_SAME(lockoutEnabled)
    KIT_SAME(lockoutTimeMode)
    KIT_SAME(lockoutTime)
    KIT_SAME(extInputDisable1)
    KIT_SAME(extInputDisable2)
    KIT_SAME(extInputDisable3)
    KIT_SAME(sysID)
    KIT_SAME(enableGrpPaging)
    KIT_SAME(tavrinIIButtonCount)
    KIT_SAME(tavrinIIAutoOnOffTimeCount)
    KIT_SAME(lowBatteryPageEnabled)
    KIT_SAME(lowBatteryPageMsg)
    KIT_SAME(lowBatteryPager)
    KIT_SAME(ackPageEnabled)
    KIT_SAME(ackPageMsg)
    KIT_SAME(ackPager)
    KIT_SAME(dtBtn1PagerNum)
    KIT_SAME(dtBtn2PagerNum)
    KIT_SAME(dtBtn1SettingMsg)
    KIT_SAME(dtBtn2SettingMsg)
    KIT_SAME(dtSysID)
    KIT_SAME(dtEnableGrpPaging)
    KIT_SAME(dtBeepEnabled)
    KIT_SAME(dtTavrinID)
    KIT_SAME(dtRepageEnabled)
    KIT_SAME(dtRepageInterval)
    KIT_SAME(dtLowBatteryPageEnabled)
    KIT_SAME(dtLowBatteryPageMsg)
    KIT_SAME(dtLowBatteryPager)
    KIT_SAME(dtBtn1Mode)
    KIT_SAME(dtBtn2Mode)
    KIT_SAME(dtSecondaryPageEnabled)
    KIT_SAME(dtSecondaryPager)
    KIT_SAME(dtCancelMsgEnabled)
    KIT_SAME(dtCancelMsg)
    KIT_SAME(firmware)
    KIT_SAME(serNum)
#undef KIT_SAME
    for (int i = 0; i < actual.tavrinIIButtonCount(); ++i) {
        const TavrinIIButton a = actual.tavrinIIButtonVectorAtIndex(i);
        const TavrinIIButton e = expected.tavrinIIButtonVectorAtIndex(i);
        const QByteArray where = "button entry " + QByteArray::number(i);
#define KIT_SAME_BUTTON(getter)                                                                                        \
    if (!QTest::qCompare(a.getter(), e.getter(), (where + " " #getter).constData(), "expected", __FILE__, __LINE__))   \
        return false;
        KIT_SAME_BUTTON(buttonEnabled)
        KIT_SAME_BUTTON(pagerNum)
        KIT_SAME_BUTTON(extInputSetting)
        KIT_SAME_BUTTON(type)
        KIT_SAME_BUTTON(mode)
        KIT_SAME_BUTTON(zellMsgInt)
        KIT_SAME_BUTTON(alphaMsg)
#undef KIT_SAME_BUTTON
    }
    for (int i = 0; i < actual.tavrinIIAutoOnOffTimeCount(); ++i) {
        const auto a = actual.tavrinIIAutoOnOffTimeVectorAtIndex(i);
        const auto e = expected.tavrinIIAutoOnOffTimeVectorAtIndex(i);
        const QByteArray where = "auto on/off entry " + QByteArray::number(i);
        if (!QTest::qCompare(a.isEnabled(), e.isEnabled(), (where + " isEnabled").constData(), "expected", __FILE__,
                             __LINE__)
            || !QTest::qCompare(a.autoOnTime(), e.autoOnTime(), (where + " autoOnTime").constData(), "expected",
                                __FILE__, __LINE__)
            || !QTest::qCompare(a.autoOffTime(), e.autoOffTime(), (where + " autoOffTime").constData(), "expected",
                                __FILE__, __LINE__))
            return false;
    }
    return true;
}

// A configuration document (as freeze writes it) cut down to the first `keep` entries of one of the
// record's two vectors (element "_tavrinIIButtons" or "_tavrinIIAutoOnOffTimes"), as a hand-edited
// file may be.
inline QString withFewerEntries(QString document, const QString& vectorElement, int keep)
{
    const int start = document.indexOf(QLatin1Char('<') + vectorElement);
    const int end = document.indexOf(QStringLiteral("</") + vectorElement + QLatin1Char('>'), start);
    Q_ASSERT(start >= 0 && end > start);
    QString section = document.mid(start, end - start);
    if (section.count(QStringLiteral("<item")) <= keep)
        return document;
    int cut = -1;
    int from = 0;
    for (int i = 0; i <= keep; ++i) {
        cut = section.indexOf(QStringLiteral("<item"), from);
        Q_ASSERT(cut >= 0);
        from = cut + 1;
    }
    cut = section.lastIndexOf(QLatin1Char('\n'), cut) + 1;
    const int closingLine = section.lastIndexOf(QLatin1Char('\n')) + 1;
    section.remove(cut, closingLine - cut);
    static const QRegularExpression count(QStringLiteral("<count>\\d+</count>"));
    section.replace(count, QStringLiteral("<count>%1</count>").arg(keep));
    return document.replace(start, end - start, section);
}

} // namespace kit

#define KIT_VERIFY_SAME(actual, expected)                                                                              \
    do {                                                                                                               \
        if (!kit::sameRecords(actual, expected))                                                                       \
            return;                                                                                                    \
    } while (false)
