#include "config/Tavrin2QtCfg.h"

#include <QTest>

#include <climits>
#include <functional>
#include <stdexcept>

namespace {
struct RangedField
{
    const char* name;
    std::function<bool(Tavrin2QtCfg&, int)> set;
    std::function<int(const Tavrin2QtCfg&)> get;
    int low;
    int high;
    int fallback;
};

const std::vector<RangedField>& rangedFields()
{
    static const std::vector<RangedField> fields {
        { "tavrinType", &Tavrin2QtCfg::setTavrinType, &Tavrin2QtCfg::tavrinType, 0, 3, 2 },
        { "repageInterval", &Tavrin2QtCfg::setRepageInterval, &Tavrin2QtCfg::repageInterval, 10, 300, 300 },
        { "lockoutTimeMode", &Tavrin2QtCfg::setLockoutTimeMode, &Tavrin2QtCfg::lockoutTimeMode, 0, 2, 0 },
        { "lockoutTime", &Tavrin2QtCfg::setLockoutTime, &Tavrin2QtCfg::lockoutTime, 1, 179, 1 },
        { "sysID", &Tavrin2QtCfg::setSysID, &Tavrin2QtCfg::sysID, 0, 13, 0 },
        { "lowBatteryPager", &Tavrin2QtCfg::setLowBatteryPager, &Tavrin2QtCfg::lowBatteryPager, 1, 9999, 1 },
        { "ackPager", &Tavrin2QtCfg::setAckPager, &Tavrin2QtCfg::ackPager, 1, 9999, 1 },
        { "dtBtn1PagerNum", &Tavrin2QtCfg::setDtBtn1PagerNum, &Tavrin2QtCfg::dtBtn1PagerNum, 1, 9999, 1 },
        { "dtBtn2PagerNum", &Tavrin2QtCfg::setDtBtn2PagerNum, &Tavrin2QtCfg::dtBtn2PagerNum, 1, 9999, 1 },
        { "dtSysID", &Tavrin2QtCfg::setDtSysID, &Tavrin2QtCfg::dtSysID, 0, 13, 0 },
        { "dtTavrinID", &Tavrin2QtCfg::setDtTavrinID, &Tavrin2QtCfg::dtTavrinID, 1, 9999, 1 },
        { "dtRepageInterval", &Tavrin2QtCfg::setDtRepageInterval, &Tavrin2QtCfg::dtRepageInterval, 10, 300, 300 },
        { "dtLowBatteryPager", &Tavrin2QtCfg::setDtLowBatteryPager, &Tavrin2QtCfg::dtLowBatteryPager, 1, 9999, 1 },
        { "dtBtn1Mode", &Tavrin2QtCfg::setDtBtn1Mode, &Tavrin2QtCfg::dtBtn1Mode, 0, 10, 0 },
        { "dtBtn2Mode", &Tavrin2QtCfg::setDtBtn2Mode, &Tavrin2QtCfg::dtBtn2Mode, 0, 10, 0 },
        { "dtSecondaryPager", &Tavrin2QtCfg::setDtSecondaryPager, &Tavrin2QtCfg::dtSecondaryPager, 1, 9999, 1 },
    };
    return fields;
}

struct RangedButtonField
{
    const char* name;
    std::function<bool(TavrinIIButton&, int)> set;
    std::function<int(const TavrinIIButton&)> get;
    int low;
    int high;
    int fallback;
};

const std::vector<RangedButtonField>& rangedButtonFields()
{
    static const std::vector<RangedButtonField> fields {
        { "pagerNum", &TavrinIIButton::setPagerNum, &TavrinIIButton::pagerNum, 1, 9999, 1 },
        { "extInputSetting", &TavrinIIButton::setExtInputSetting, &TavrinIIButton::extInputSetting, 0, 1, 0 },
        { "type", &TavrinIIButton::setType, &TavrinIIButton::type, 0, 2, 0 },
        { "zellMsgInt", &TavrinIIButton::setZellMsgInt, &TavrinIIButton::zellMsgInt, 0, 9, 0 },
    };
    return fields;
}

// Both ends, just outside them, and the extremes of int.
template<class Field> void addRangeRows(const std::vector<Field>& fields)
{
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const Field& f = fields[static_cast<std::size_t>(i)];
        const struct
        {
            const char* label;
            int value;
            int stored;
            bool rejected;
        } cases[] = {
            { "below", f.low - 1, f.fallback, true }, { "low", f.low, f.low, false },
            { "high", f.high, f.high, false },        { "above", f.high + 1, f.fallback, true },
            { "INT_MIN", INT_MIN, f.fallback, true }, { "INT_MAX", INT_MAX, f.fallback, true },
        };
        for (const auto& c : cases)
            QTest::addRow("%s %s", f.name, c.label) << i << c.value << c.stored << c.rejected;
    }
}
} // namespace

class TestTavrin2QtCfg : public QObject
{
    Q_OBJECT

private slots:
    void defaultRecord();
    void rangedSetter_data();
    void rangedSetter();
    void rangedButtonSetter_data();
    void rangedButtonSetter();
    void fallbackReplacesEarlierValue();
    void setMode_data();
    void setMode();
    void indexOutsideVector_data();
    void indexOutsideVector();
    void copiesAreIndependent();
    void equalityTellsNullFromEmpty();
};

// The file test compares every default with the golden document; here what the file cannot show.
void TestTavrin2QtCfg::defaultRecord()
{
    const Tavrin2QtCfg cfg;
    QCOMPARE(cfg.tavrinType(), TavrinII);
    QCOMPARE(cfg.dtRepageInterval(), 300);
    QVERIFY(cfg.serNum().isNull());
    QCOMPARE(cfg.tavrinIIButtonCount(), 6);
    QCOMPARE(cfg.tavrinIIButtonVectorAtIndex(5), TavrinIIButton());
    QVERIFY(TavrinIIButton().alphaMsg().isNull());
    QCOMPARE(cfg.tavrinIIAutoOnOffTimeCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto pair = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(i);
        QVERIFY(!pair.isEnabled());
        QVERIFY(pair.autoOnTime().isValid() && pair.autoOffTime().isValid());
        QCOMPARE(pair.autoOnTime(), QTime(0, 0, 0));
        QCOMPARE(pair.autoOffTime(), QTime(0, 0, 0));
    }
}

void TestTavrin2QtCfg::rangedSetter_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("rejected");
    addRangeRows(rangedFields());
}

void TestTavrin2QtCfg::rangedSetter()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(bool, rejected);
    const RangedField& f = rangedFields()[static_cast<std::size_t>(field)];
    Tavrin2QtCfg cfg;
    QCOMPARE(f.set(cfg, value), rejected);
    QCOMPARE(f.get(cfg), stored);
}

void TestTavrin2QtCfg::rangedButtonSetter_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("rejected");
    addRangeRows(rangedButtonFields());
}

void TestTavrin2QtCfg::rangedButtonSetter()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(bool, rejected);
    const RangedButtonField& f = rangedButtonFields()[static_cast<std::size_t>(field)];
    TavrinIIButton button;
    QCOMPARE(f.set(button, value), rejected);
    QCOMPARE(f.get(button), stored);
}

void TestTavrin2QtCfg::fallbackReplacesEarlierValue()
{
    Tavrin2QtCfg cfg;
    cfg.setSysID(13);
    QVERIFY(cfg.setSysID(14));
    QCOMPARE(cfg.sysID(), 0);
    cfg.setTavrinType(DalenTavrin);
    QVERIFY(cfg.setTavrinType(4));
    QCOMPARE(cfg.tavrinType(), TavrinII);
    cfg.setRepageInterval(10);
    QVERIFY(cfg.setRepageInterval(9));
    QCOMPARE(cfg.repageInterval(), 300);
}

void TestTavrin2QtCfg::setMode_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("storedMode");
    QTest::addColumn<bool>("rejected");

    for (int type : { 0, 2 }) {
        for (int mode : { 1, 2, 10 })
            QTest::addRow("type %d mode %d", type, mode) << type << mode << mode << false;
        for (int mode : { 0, 3, 5, 9, 11, -1 })
            QTest::addRow("type %d mode %d", type, mode) << type << mode << 10 << true;
    }
    for (int mode : { 0, 1, 5, 10 })
        QTest::addRow("alpha mode %d", mode) << 1 << mode << 0 << false;
}

void TestTavrin2QtCfg::setMode()
{
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(int, storedMode);
    QFETCH(bool, rejected);
    TavrinIIButton button;
    QVERIFY(!button.setType(type));
    QCOMPARE(button.setMode(mode), rejected);
    QCOMPARE(button.mode(), storedMode);
    QCOMPARE(button.type(), type);
}

void TestTavrin2QtCfg::indexOutsideVector_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("button");
    QTest::newRow("button -1") << -1 << true;
    QTest::newRow("button 6") << 6 << true;
    QTest::newRow("button INT_MAX") << INT_MAX << true;
    QTest::newRow("pair -1") << -1 << false;
    QTest::newRow("pair 3") << 3 << false;
}

void TestTavrin2QtCfg::indexOutsideVector()
{
    QFETCH(int, index);
    QFETCH(bool, button);
    Tavrin2QtCfg cfg;
    const Tavrin2QtCfg before = cfg;
    TavrinIIButton enabled;
    enabled.setButtonEnabled(true);
    Tavrin2QtCfg::TavrinIIAutoOnOffTime pair;
    pair.setIsEnabled(true);
    if (button) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfg.tavrinIIButtonVectorAtIndex(index));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfg.setTavrinIIButtonVectorAtIndex(index, enabled));
    } else {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfg.tavrinIIAutoOnOffTimeVectorAtIndex(index));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(index, pair));
    }
    QVERIFY(cfg == before);
}

void TestTavrin2QtCfg::copiesAreIndependent()
{
    Tavrin2QtCfg source;
    Tavrin2QtCfg copy = source;
    TavrinIIButton button = copy.tavrinIIButtonVectorAtIndex(2);
    button.setPagerNum(42);
    button.setAlphaMsg(QStringLiteral("help"));
    copy.setTavrinIIButtonVectorAtIndex(2, button);
    auto pair = copy.tavrinIIAutoOnOffTimeVectorAtIndex(1);
    pair.setAutoOnTime(QTime(8, 30));
    copy.setTavrinIIAutoOnOffTimeVectorAtIndex(1, pair);

    QCOMPARE(source.tavrinIIButtonVectorAtIndex(2).pagerNum(), 1);
    QVERIFY(source.tavrinIIButtonVectorAtIndex(2).alphaMsg().isNull());
    QCOMPARE(source.tavrinIIAutoOnOffTimeVectorAtIndex(1).autoOnTime(), QTime(0, 0));
    QCOMPARE(copy.tavrinIIButtonVectorAtIndex(2).pagerNum(), 42);
    QVERIFY(source != copy);

    Tavrin2QtCfg assigned;
    assigned = copy;
    QVERIFY(assigned == copy);
    copy.setDtCancelMsg(QStringLiteral("x"));
    QVERIFY(assigned.dtCancelMsg().isNull());
}

void TestTavrin2QtCfg::equalityTellsNullFromEmpty()
{
    Tavrin2QtCfg a;
    Tavrin2QtCfg b;
    b.setSerNum(QLatin1String(""));
    QVERIFY(b.serNum().isEmpty() && !b.serNum().isNull());
    QVERIFY(a != b);

    TavrinIIButton nullMessage;
    TavrinIIButton emptyMessage;
    emptyMessage.setAlphaMsg(QLatin1String(""));
    QVERIFY(nullMessage != emptyMessage);
}

QTEST_MAIN(TestTavrin2QtCfg)
#include "tst_tavrin2qtcfg.moc"
