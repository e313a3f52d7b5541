#include "provisioning/NumberedProfile.h"
#include "provisioning/UnitNumbering.h"

#include <QTest>

#include <algorithm>
#include <thread>
#include <vector>

namespace {
// "X:12:v Y:13:f": serial, number, verified or failed.
ProvisionHistory history(const QString& text)
{
    QList<ProvisionRow> rows;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(':'));
        ProvisionRow row;
        row.serial = parts.at(0);
        row.number = parts.at(1).toInt();
        row.result = parts.at(2) == QLatin1String("v") ? ProvisionRow::Result::Verified : ProvisionRow::Result::Failed;
        rows.append(row);
    }
    return ProvisionHistory(rows);
}
} // namespace

class TestUnitNumbering : public QObject
{
    Q_OBJECT

private slots:
    void parseList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("error");
        QTest::newRow("gaps") << "12,14,20-23" << QList<int> { 12, 14, 20, 21, 22, 23 } << QString();
        QTest::newRow("spaces, order kept") << " 9, 5 -5" << QList<int> { 9, 5 } << QString();
        QTest::newRow("whole range") << "1-9999" << QList<int>() << QString();
        QTest::newRow("twice") << "12,10-14" << QList<int>() << "The number 12 is given twice.";
        QTest::newRow("zero") << "0,1" << QList<int>() << "The number 0 is outside 1 to 9999.";
        QTest::newRow("too large") << "9990-10000" << QList<int>() << "The number 10000 is outside 1 to 9999.";
        QTest::newRow("backwards") << "14-12" << QList<int>()
                                   << "\"14-12\" is not a list of numbers such as 12,14,20-35.";
        QTest::newRow("sign") << "+5" << QList<int>() << "\"+5\" is not a list of numbers such as 12,14,20-35.";
        QTest::newRow("empty item") << "5,,6" << QList<int>()
                                    << "\"5,,6\" is not a list of numbers such as 12,14,20-35.";
    }
    void parseList()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, error);
        QString message;
        const std::optional<QList<int>> parsed = UnitNumbering::parseList(text, message);
        QCOMPARE(message, error);
        QCOMPARE(parsed.has_value(), error.isEmpty());
        if (parsed && !numbers.isEmpty())
            QCOMPARE(*parsed, numbers);
        if (parsed && numbers.isEmpty())
            QCOMPARE(parsed->size(), 9999);
    }

    // steps: "a=12" a unit first seen gets 12 (0: no number left), "a+" its number reached it (verified, or
    // failed after its first set command), "a-" it failed before.
    void allocate_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("steps");
        QTest::newRow("a failed unit's number goes to the next") << 12 << ""
                                                                 << ""
                                                                 << "a=12 b=13 b- c=13 a+ d=14 c+ b=15";
        QTest::newRow("a unit tried again gets the lowest free") << 1 << ""
                                                                 << ""
                                                                 << "a=1 b=2 c=3 a- b- d=1 a=2";
        QTest::newRow("a unit its number reached keeps it") << 1 << ""
                                                            << ""
                                                            << "a=1 a+ a- a=1 b=2";
        QTest::newRow("the list runs out") << 0 << "5,9-10"
                                           << ""
                                           << "a=5 b=9 c=10 d=0 b- d=9";
        QTest::newRow("the end of the range") << 9998 << ""
                                              << ""
                                              << "a=9998 b=9999 c=0";
        QTest::newRow("a restart continues after the log") << 0 << ""
                                                           << "X:12:v Y:14:f"
                                                           << "a=15 Y=14 X=12 b=16 X- c=17";
        QTest::newRow("the log's numbers are never given again") << 10 << ""
                                                                 << "X:12:v Y:11:f"
                                                                 << "a=10 b=13 c=14 X=12 X- Y=11 Y- d=15";
        QTest::newRow("an older log's failed number taken since") << 5 << ""
                                                                  << "Y:5:f Z:5:v"
                                                                  << "Z=5 Y=6";
        QTest::newRow("a logged unit keeps its number outside the list") << 0 << "1-2"
                                                                         << "X:7:v"
                                                                         << "X=7 a=1";
    }
    void allocate()
    {
        QFETCH(int, first);
        QFETCH(QString, list);
        QFETCH(QString, log);
        QFETCH(QString, steps);
        QString error;
        const std::unique_ptr<UnitNumbering> numbering = UnitNumbering::forRun(
            first ? std::optional<int>(first) : std::nullopt,
            list.isEmpty() ? std::nullopt : UnitNumbering::parseList(list, error), history(log));
        QVERIFY(numbering);
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            const QString serial = step.left(1);
            if (step.endsWith(QLatin1Char('+'))) {
                numbering->confirm(serial);
            } else if (step.endsWith(QLatin1Char('-'))) {
                numbering->release(serial);
            } else {
                error.clear();
                QCOMPARE(QStringLiteral("%1=%2").arg(serial).arg(numbering->acquire(serial, error)), step);
                // The numbers named as the installer would give them.
                const QString numbers = list.isEmpty() ? QStringLiteral("%1-9999").arg(first) : list;
                QCOMPARE(error,
                         step.endsWith(QLatin1String("=0")) ? QStringLiteral("no number left in ") + numbers
                                                            : QString());
            }
        }
    }

    void noNumberingWithoutOptionOrNumberedLog()
    {
        QVERIFY(!UnitNumbering::forRun(std::nullopt, std::nullopt, history(QStringLiteral("X:0:v"))));
    }

    void unitsSeenAtOnceNeverShareANumber()
    {
        UnitNumbering numbering(QList<int> { 1, 2, 3, 4, 5, 6, 7, 8 }, ProvisionHistory());
        std::vector<int> numbers(8);
        std::vector<std::thread> workers;
        for (int i = 0; i < 8; ++i) {
            workers.emplace_back([&numbering, &numbers, i] {
                QString error;
                numbers[size_t(i)] = numbering.acquire(QString::number(i), error);
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        std::sort(numbers.begin(), numbers.end());
        QCOMPARE(numbers, std::vector<int>({ 1, 2, 3, 4, 5, 6, 7, 8 }));
    }

    void replace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<bool>("holdsNumber");
        QTest::newRow("number") << "Table {n}"
                                << "Table 12" << true;
        QTest::newRow("twice") << "{n}/{n}"
                               << "12/12" << true;
        QTest::newRow("brace") << "{{n} is {n}"
                               << "{n} is 12" << true;
        QTest::newRow("escaped only") << "a {{n}"
                                      << "a {n}" << false;
        QTest::newRow("lone braces") << "{ {x} {N}"
                                     << "{ {x} {N}" << false;
        QTest::newRow("three braces") << "{{{n}"
                                      << "{12" << true;
        QTest::newRow("none") << "Help"
                              << "Help" << false;
    }
    void replace()
    {
        QFETCH(QString, text);
        QFETCH(QString, replaced);
        QFETCH(bool, holdsNumber);
        QCOMPARE(NumberedProfile::replace(text, 12), replaced);

        Tavrin2QtCfg cfg;
        TavrinIIButton button = cfg.tavrinIIButtonVectorAtIndex(5);
        button.setAlphaMsg(text);
        cfg.setTavrinIIButtonVectorAtIndex(5, button);
        QCOMPARE(NumberedProfile::holdsNumber(cfg), holdsNumber);
        QCOMPARE(NumberedProfile::forUnit(cfg, 12).tavrinIIButtonVectorAtIndex(5).alphaMsg(), replaced);
    }

    // Every message the unit receives, and the ID of a Dalen unit; texts it does not receive stay.
    void aUnitsOwnProfile()
    {
        Tavrin2QtCfg tavrinII;
        tavrinII.setLowBatteryPageMsg(QStringLiteral("Low {n}"));
        tavrinII.setAckPageMsg(QStringLiteral("Ack {n}"));
        tavrinII.setDtCancelMsg(QStringLiteral("Cancel {n}"));
        const Tavrin2QtCfg unitII = NumberedProfile::forUnit(tavrinII, 7);
        QCOMPARE(unitII.lowBatteryPageMsg(), QStringLiteral("Low 7"));
        QCOMPARE(unitII.ackPageMsg(), QStringLiteral("Ack 7"));
        QCOMPARE(unitII.dtCancelMsg(), QStringLiteral("Cancel {n}"));
        QCOMPARE(unitII.dtTavrinID(), tavrinII.dtTavrinID());

        Tavrin2QtCfg dalen;
        QVERIFY(!dalen.setTavrinType(DalenTavrin2Button));
        dalen.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));
        dalen.setDtBtn2SettingMsg(QStringLiteral("Bar {n}"));
        dalen.setDtLowBatteryPageMsg(QStringLiteral("Battery {n}"));
        dalen.setDtCancelMsg(QStringLiteral("Cancel {n}"));
        dalen.setAckPageMsg(QStringLiteral("Ack {n}"));
        const Tavrin2QtCfg unit = NumberedProfile::forUnit(dalen, 13);
        QCOMPARE(QStringList({ unit.dtBtn1SettingMsg(), unit.dtBtn2SettingMsg(), unit.dtLowBatteryPageMsg(),
                               unit.dtCancelMsg(), unit.ackPageMsg() }),
                 QStringList({ "Table 13", "Bar 13", "Battery 13", "Cancel 13", "Ack {n}" }));
        QCOMPARE(unit.dtTavrinID(), 13);
        QVERIFY(NumberedProfile::holdsNumber(dalen));
        dalen.setDtBtn1SettingMsg(QString());
        dalen.setDtBtn2SettingMsg(QString());
        dalen.setDtLowBatteryPageMsg(QString());
        dalen.setDtCancelMsg(QString());
        QVERIFY(!NumberedProfile::holdsNumber(dalen));
        QVERIFY(NumberedProfile::forUnit(dalen, 13).dtCancelMsg().isNull());
    }
};

QTEST_GUILESS_MAIN(TestUnitNumbering)
#include "tst_unitnumbering.moc"
