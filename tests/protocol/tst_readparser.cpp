#include "protocol/Tavrin2QtComm.h"
#include "support/ProtocolTestSupport.h"
#include "usb/UsbHid.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(Tavrin2QtCfg)

using namespace ProtocolTestSupport;

namespace {

using Change = std::function<void(Tavrin2QtCfg&)>;

Tavrin2QtCfg expected(const Change& change = {})
{
    Tavrin2QtCfg cfg;
    if (change)
        change(cfg);
    return cfg;
}

// What a VER line stores.
Change version(const QString& text, int variant, const Change& more = {})
{
    return [=](Tavrin2QtCfg& cfg) {
        cfg.setFirmware(text);
        cfg.setTavrinType(variant);
        if (more)
            more(cfg);
    };
}

QString errText(const char* keyword)
{
    return QStringLiteral("Tavrin2QtComm::parseReadTavrinOutput - %1 err").arg(QLatin1String(keyword));
}

const QString unknownOutput = QStringLiteral("Tavrin2QtComm::parseReadTavrinOutput - unknown output");

QString frozen(const Tavrin2QtCfg& cfg)
{
    QString error;
    return cfg.freeze(error);
}

} // namespace

class TestReadParser : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void parsesEveryLineOfTheVocabulary_data();
    void parsesEveryLineOfTheVocabulary();
    void failedResponsesStoreNothing_data();
    void failedResponsesStoreNothing();
    void alertCodesReadBackAsTheirModes();
    void typeNames();
};

void TestReadParser::parsesEveryLineOfTheVocabulary_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Tavrin2QtCfg>("cfg");
    QTest::addColumn<QStringList>("warnings");

    const auto row
        = [](const char* name, const QStringList& lines, const Change& change, const QStringList& warnings = {}) {
              QTest::newRow(name) << lines << expected(change) << warnings;
          };
    const QTime invalid(255, 255, 0);
    const QTime midnight(0, 0, 0);

    // Identity lines
    row("VER 1V", { "VER,1V1.07" }, version("1V1.07", DalenTavrin));
    row("VER 2V", { "VER,2V1.07" }, version("2V1.07", DalenTavrin2Button));
    row("VER 5V", { "VER,5V1.07" }, version("5V1.07", TavrinII));
    row("VER other prefix", { "VER,5v1.07" }, version("5v1.07", Unknown));
    row("VER with a comma", { "VER,5V,1" }, {}, { errText("VER") });
    row("SERIAL", { "SERIAL,0042" }, [](Tavrin2QtCfg& c) { c.setSerNum("0042"); });
    row("SERIAL without value", { "SERIAL" }, {}, { errText("SERIAL") });

    // Single integers, per variant
    row("UID Dalen", { "VER,1V", "UID,17" }, version("1V", DalenTavrin, [](Tavrin2QtCfg& c) { c.setDtTavrinID(17); }));
    row("UID Tavrin II stores nothing", { "UID,17" }, {});
    row("UID no number", { "VER,2V", "UID,x" }, version("2V", DalenTavrin2Button), { errText("UID") });
    row("RID Dalen", { "VER,2V", "RID,5" },
        version("2V", DalenTavrin2Button, [](Tavrin2QtCfg& c) { c.setDtSysID(5); }));
    row("RID Tavrin II, later wins", { "RID,5", "RID,7" }, [](Tavrin2QtCfg& c) { c.setSysID(7); });
    row("RID unknown variant", { "VER,9Z", "RID,5" }, version("9Z", Unknown));
    row("RID two values", { "RID,5,6" }, {}, { errText("RID") });
    row("RPGSET Tavrin II", { "RPGSET,120" }, [](Tavrin2QtCfg& c) { c.setRepageInterval(120); });
    row("RPGSET Dalen", { "VER,1V", "RPGSET,60" },
        version("1V", DalenTavrin, [](Tavrin2QtCfg& c) { c.setDtRepageInterval(60); }));
    row("RPGSET out of range keeps the fallback", { "RPGSET,120", "RPGSET,5" }, {});
    row("BEEP Dalen", { "VER,1V", "BEEP,1" },
        version("1V", DalenTavrin, [](Tavrin2QtCfg& c) { c.setDtBeepEnabled(true); }));
    row("BEEP Tavrin II stores nothing", { "BEEP,1" }, {});
    row("BEEP no number", { "BEEP,on" }, {}, { errText("BEEP") });
    row("GPEN Tavrin II", { "GPEN,1" }, [](Tavrin2QtCfg& c) { c.setEnableGrpPaging(true); });
    row("GPEN Dalen", { "VER,2V", "GPEN,3" },
        version("2V", DalenTavrin2Button, [](Tavrin2QtCfg& c) { c.setDtEnableGrpPaging(true); }));

    // Tavrin II buttons and external input
    row("BUT Zell", { "BUT2,1,7,0,3,1" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIButtonVectorAtIndex(2, button(true, 7, 0, 1, 3)); });
    row("BUT Alpha", { "BUT0,1,8,1,Help,0" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIButtonVectorAtIndex(0, button(true, 8, 1, 0, 0, "Help")); });
    row("BUT Guest ignores the message", { "BUT1,1,5,2,Hi,10" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIButtonVectorAtIndex(1, button(true, 5, 2, 10)); });
    row("BUT mode in hexadecimal", { "BUT3,0,9,0,4,0x2" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIButtonVectorAtIndex(3, button(false, 9, 0, 2, 4)); });
    row("BUT no number counts as 0", { "BUT4,1,abc,0,x,1" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIButtonVectorAtIndex(4, button(true, 1, 0, 1)); });
    row("BUT5 is no button", { "BUT5,1,7,0,3,1" }, {}, { unknownOutput });
    row("BUT with a comma in the message", { "BUT0,1,8,1,He,lp,0" }, {},
        { "unexpected button data output - button_idx: 0, num_data_items: 7" });
    row("INP0 with its setting", { "INP0,1,44,1,Door,0,1" }, [=](Tavrin2QtCfg& c) {
        TavrinIIButton input = button(true, 44, 1, 0, 0, "Door");
        input.setExtInputSetting(1);
        c.setTavrinIIButtonVectorAtIndex(5, input);
    });
    row("INP0 with six fields", { "INP0,1,44,1,Door,0" }, {},
        { "unexpected button data output - button_idx: 5, num_data_items: 6" });
    row("BUT unknown variant", { "VER,0V", "BUT0,1,8,1,Help,0" }, version("0V", Unknown));

    // Dalen buttons: message and alert code
    row("Dalen one button", { "VER,1V", "BUT1,1,12,1,Ready\fB2b0,0" }, version("1V", DalenTavrin, [](Tavrin2QtCfg& c) {
            c.setDtBtn1PagerNum(12);
            c.setDtBtn1SettingMsg("Ready");
            c.setDtBtn1Mode(5);
        }));
    // The unit reports its unused button 0 in every answer: no warning.
    row("Dalen one button ignores BUT0", { "VER,1V", "BUT0,1,12,1,Ready,0" }, version("1V", DalenTavrin), {});
    row("Dalen two buttons", { "VER,2V", "BUT0,0,12,1,One\fB1b3,0", "BUT1,1,7,1,Two,0", "BUT2,0,1,1,,0" },
        version("2V", DalenTavrin2Button,
                [](Tavrin2QtCfg& c) {
                    c.setDtBtn1PagerNum(12);
                    c.setDtBtn1SettingMsg("One");
                    c.setDtBtn1Mode(10);
                    c.setDtBtn2PagerNum(7);
                    c.setDtBtn2SettingMsg("Two");
                }),
        { "Button index 2 is invalid for 2 Btn Dalen Tavrin" });
    row("Dalen unknown alert code", { "VER,1V", "BUT1,1,3,1,Text\fXYZ,0" },
        version("1V", DalenTavrin, [](Tavrin2QtCfg& c) {
            c.setDtBtn1PagerNum(3);
            c.setDtBtn1SettingMsg("Text");
        }));
    row("Dalen code without form feed is message", { "VER,1V", "BUT1,1,3,1,TextB1b0,0" },
        version("1V", DalenTavrin, [](Tavrin2QtCfg& c) {
            c.setDtBtn1PagerNum(3);
            c.setDtBtn1SettingMsg("TextB1b0");
        }));

    // Automatic on/off times
    row("RONT and ROFFT", { "RONT0,7,5", "ROFFT0,23,30" }, [](Tavrin2QtCfg& c) {
        c.setTavrinIIAutoOnOffTimeVectorAtIndex(0, autoTime(true, QTime(7, 5), QTime(23, 30)));
    });
    row("RONT 255 disables", { "RONT1,255,255" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIAutoOnOffTimeVectorAtIndex(1, autoTime(false, invalid, midnight)); });
    row("later ROFFT enables again", { "RONT1,255,255", "ROFFT1,6,0" },
        [=](Tavrin2QtCfg& c) { c.setTavrinIIAutoOnOffTimeVectorAtIndex(1, autoTime(true, invalid, QTime(6, 0))); });
    row("RONT on a Dalen", { "VER,1V", "RONT0,7,5" }, version("1V", DalenTavrin),
        { "Only Tavrin II has Auto On/Off times" });
    row("ROFFT2 without minute", { "ROFFT2,7" }, {}, { "unexpected Auto On/Off data output - num_data_items: 2" });

    // Lockout
    row("LOCK", { "LOCK,2,3,4,0,0" }, [](Tavrin2QtCfg& c) {
        c.setExtInputDisable1(2);
        c.setExtInputDisable2(3);
        c.setExtInputDisable3(4);
    });
    row("LOCK keeps fields before a bad one", { "LOCK,2,x,4,0,0" }, [](Tavrin2QtCfg& c) { c.setExtInputDisable1(2); },
        { errText("LOCK") });
    row("LOCK short", { "LOCK,2,3,4" }, {}, { errText("LOCK") });
    row("LOCK on a Dalen", { "VER,1V", "LOCK,2,3,4,0,0" }, version("1V", DalenTavrin));
    row("LCKT 0", { "LCKT,45", "LCKT,0" }, [](Tavrin2QtCfg& c) { c.setLockoutTime(45); });
    row("LCKT 180", { "LCKT,180" }, [](Tavrin2QtCfg& c) { c.setLockoutTimeMode(1); });
    row("LCKT 45", { "LCKT,45" }, [](Tavrin2QtCfg& c) {
        c.setLockoutTime(45);
        c.setLockoutTimeMode(2);
    });
    row("LCKT 200", { "LCKT,200" }, [](Tavrin2QtCfg& c) { c.setLockoutTimeMode(2); });
    row("LCKT no number", { "LCKT,never" }, {}, { errText("LCKT") });

    // Pages with a message
    row("ACKPGR Tavrin II", { "ACKPGR,1,3,Ack" }, [](Tavrin2QtCfg& c) {
        c.setAckPageEnabled(true);
        c.setAckPager(3);
        c.setAckPageMsg("Ack");
        c.setRepageEnabled(true);
    });
    row("ACKPGR Dalen", { "VER,2V", "ACKPGR,1,3,Ack" },
        version("2V", DalenTavrin2Button, [](Tavrin2QtCfg& c) { c.setDtRepageEnabled(true); }));
    row("ACKPGR pager no number", { "VER,1V", "ACKPGR,1,x,Ack" }, version("1V", DalenTavrin), { errText("ACKPGR") });
    row("ACKPGR comma in message", { "ACKPGR,1,3,A,b" }, {}, { errText("ACKPGR") });
    row("LOWBAT Tavrin II", { "LOWBAT,1,9,Low" }, [](Tavrin2QtCfg& c) {
        c.setLowBatteryPageEnabled(true);
        c.setLowBatteryPager(9);
        c.setLowBatteryPageMsg("Low");
    });
    row("LOWBAT Dalen", { "VER,1V", "LOWBAT,1,9,Low" }, version("1V", DalenTavrin, [](Tavrin2QtCfg& c) {
            c.setDtLowBatteryPageEnabled(true);
            c.setDtLowBatteryPager(9);
            c.setDtLowBatteryPageMsg("Low");
        }));
    row("LOWBAT comma in message", { "LOWBAT,1,9,Lo,w" }, {}, { errText("LOWBAT") });
    row("SECPGR Tavrin II fills the Dalen fields", { "SECPGR,1,88" }, [](Tavrin2QtCfg& c) {
        c.setDtSecondaryPageEnabled(true);
        c.setDtSecondaryPager(88);
    });
    row("SECPGR unknown variant", { "VER,X", "SECPGR,1,88" }, version("X", Unknown));
    row("SECPGR short", { "SECPGR,1" }, {}, { errText("SECPGR") });
    row("CNCLMSG", { "VER,1V", "CNCLMSG,1,Bye" }, version("1V", DalenTavrin, [](Tavrin2QtCfg& c) {
            c.setDtCancelMsgEnabled(true);
            c.setDtCancelMsg("Bye");
        }));
    row("CNCLMSG comma in message", { "CNCLMSG,1,By,e" }, {}, { errText("CNCLMSG") });

    // Lines of no keyword, and the parse going on after them
    row("unknown and later Err lines", { "HELLO", "GPEN,1", "Err: later", "RID,4" },
        [](Tavrin2QtCfg& c) {
            c.setEnableGrpPaging(true);
            c.setSysID(4);
        },
        { unknownOutput, unknownOutput });
    row("keywords are case-sensitive", { "rid,4" }, {}, { unknownOutput });
}

void TestReadParser::parsesEveryLineOfTheVocabulary()
{
    QFETCH(QStringList, lines);
    QFETCH(Tavrin2QtCfg, cfg);
    QFETCH(QStringList, warnings);
    for (const QString& warning : warnings)
        QTest::ignoreMessage(QtWarningMsg, qUtf8Printable(warning));

    Tavrin2QtCfg parsed;
    Tavrin2QtComm::parseReadTavrinOutput(parsed, lines);
    QCOMPARE(frozen(parsed), frozen(cfg));
    QVERIFY(parsed == cfg);
}

void TestReadParser::failedResponsesStoreNothing_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("error"); // -1: no failure

    QTest::newRow("no line") << QStringList {} << int(LostCommunication);
    QTest::newRow("Err") << QStringList { "Err: bad fields", "RID,4" } << int(DeviceReportedError);
    QTest::newRow("any letter case") << QStringList { "eRR" } << int(DeviceReportedError);
    QTest::newRow("err without anything after") << QStringList { "err" } << int(DeviceReportedError);
    QTest::newRow("er is no error") << QStringList { "er" } << -1;
    QTest::newRow("Err on a later line") << QStringList { "OK", "Err" } << -1;
}

void TestReadParser::failedResponsesStoreNothing()
{
    QFETCH(QStringList, lines);
    QFETCH(int, error);
    const QString expectedText = error < 0 ? QString() : UsbHid::errorText(error);
    // Every line of these is unknown to the parser, which says so and goes on.
    for (int i = 0; error < 0 && i < lines.size(); ++i)
        QTest::ignoreMessage(QtWarningMsg, qUtf8Printable(unknownOutput));

    Tavrin2QtCfg parsed;
    QString parseFailure;
    try {
        Tavrin2QtComm::parseReadTavrinOutput(parsed, lines);
    } catch (const UsbHidException& e) {
        parseFailure = e.message();
    }
    QString checkFailure;
    try {
        Tavrin2QtComm::checkResponse(lines);
    } catch (const UsbHidException& e) {
        checkFailure = e.message();
    }
    QCOMPARE(parseFailure, expectedText);
    QCOMPARE(checkFailure, expectedText);
    if (error >= 0)
        QVERIFY(parsed == Tavrin2QtCfg());
}

void TestReadParser::alertCodesReadBackAsTheirModes()
{
    QCOMPARE(Tavrin2QtComm::dtModeCode(0), QString());
    QCOMPARE(Tavrin2QtComm::dtModeCode(11), QString());
    QCOMPARE(Tavrin2QtComm::dtModeCode(-1), QString());
    QCOMPARE(Tavrin2QtComm::dtModeCode(4), QStringLiteral("\\fB1b0"));
    for (int mode = 0; mode <= 10; ++mode) {
        // The device turns the backslash-f pair it receives into a form feed.
        const QString field = QStringLiteral("Hi") + Tavrin2QtComm::dtModeCode(mode).replace("\\f", "\f");
        Tavrin2QtCfg cfg;
        Tavrin2QtComm::parseReadTavrinOutput(cfg, { "VER,2V", "BUT1,1,3,1," + field + ",0" });
        QCOMPARE(cfg.dtBtn2Mode(), mode);
        QCOMPARE(cfg.dtBtn2SettingMsg(), QStringLiteral("Hi"));
    }
}

void TestReadParser::typeNames()
{
    QCOMPARE(Tavrin2QtComm::tavrinTypeName(DalenTavrin), QStringLiteral("Dalen Tavrin"));
    QCOMPARE(Tavrin2QtComm::tavrinTypeName(DalenTavrin2Button), QStringLiteral("Dalen Tavrin - 2 Button"));
    QCOMPARE(Tavrin2QtComm::tavrinTypeName(TavrinII), QStringLiteral("Tavrin II"));
    QCOMPARE(Tavrin2QtComm::tavrinTypeName(Unknown), QStringLiteral("unknown"));
    QCOMPARE(Tavrin2QtComm::tavrinTypeName(7), QStringLiteral("unknown"));
}

QTEST_MAIN(TestReadParser)
#include "tst_readparser.moc"
