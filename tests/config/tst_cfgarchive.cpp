#include "config/CfgArchive.h"
#include "config/Tavrin2QtCfg.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

namespace {
QString dataFile(const char* name)
{
    QFile file(QStringLiteral(T2Q_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read test data %s", name);
    return QString::fromLatin1(file.readAll());
}

QString golden()
{
    return dataFile("default.t2c");
}

// A document with one edit; the edit must apply exactly `count` times, or the test data is wrong.
QString edited(const QString& document, const QString& from, const QString& to, int count = 1)
{
    if (document.count(from) != count)
        qFatal("test data: '%s' occurs %lld times", qPrintable(from), static_cast<long long>(document.count(from)));
    return QString(document).replace(from, to);
}

// Writes a configuration document from scratch, as the file form describes it: one element per line,
// tab-indented, class information on the first element of each class.
class DocumentWriter
{
public:
    DocumentWriter()
        : m_text(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
                                "<!DOCTYPE boost_serialization>\n"
                                "<boost_serialization signature=\"serialization::archive\" version=\"3\">\n"))
    {
    }

    void open(const QString& name, const QString& className)
    {
        line(QLatin1Char('<') + name + classInfo(className) + QLatin1Char('>'));
        ++m_depth;
    }
    void close(const QString& name)
    {
        --m_depth;
        line(QStringLiteral("</") + name + QLatin1Char('>'));
    }
    void value(const QString& name, const QString& text) { line(QStringLiteral("<%1>%2</%1>").arg(name, text)); }
    void value(const QString& name, long long number) { value(name, QString::number(number)); }
    void string(const QString& name, const QString& text)
    {
        open(name, QStringLiteral("QString"));
        value(QStringLiteral("isNull"), text.isNull() ? 1 : 0);
        value(QStringLiteral("ascii"), escaped(text));
        close(name);
    }
    void time(const QString& name, const QTime& time)
    {
        open(name, QStringLiteral("QTime"));
        string(QStringLiteral("isodate"), time.toString(QStringLiteral("HH:mm:ss")));
        close(name);
    }
    QString finish() const { return m_text + QStringLiteral("</boost_serialization>\n"); }

private:
    static QString escaped(QString text)
    {
        return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
            .replace(QLatin1Char('<'), QLatin1String("&lt;"))
            .replace(QLatin1Char('>'), QLatin1String("&gt;"))
            .replace(QLatin1Char('"'), QLatin1String("&quot;"))
            .replace(QLatin1Char('\''), QLatin1String("&apos;"));
    }
    QString classInfo(const QString& className)
    {
        if (m_classIds.contains(className))
            return QString();
        const int id = static_cast<int>(m_classIds.size());
        m_classIds.insert(className, id);
        const bool versionOne = className == QLatin1String("QString") || className == QLatin1String("QTime");
        return QStringLiteral(" class_id=\"%1\" tracking_level=\"0\" version=\"%2\"").arg(id).arg(versionOne ? 1 : 0);
    }
    void line(const QString& text) { m_text += QString(m_depth, QLatin1Char('\t')) + text + QLatin1Char('\n'); }

    QString m_text;
    QHash<QString, int> m_classIds;
    int m_depth = 0;
};

class RandomValues
{
public:
    explicit RandomValues(quint32 seed)
        : m_random(seed)
    {
    }
    bool flag() { return m_random.bounded(2) == 1; }
    int bounded(int low, int high) { return low + static_cast<int>(m_random.bounded(high - low + 1)); }
    // In range now and then, anything an int holds otherwise.
    int number() { return flag() ? bounded(-5, 10000) : static_cast<int>(m_random.generate()); }
    QTime time() { return QTime(bounded(0, 23), bounded(0, 59), bounded(0, 59)); }
    QString text()
    {
        switch (m_random.bounded(5)) {
        case 0:
            return QString();
        case 1:
            return QLatin1String("");
        default:
            break;
        }
        // Markup, white space at the ends, and Latin-1 letters beyond ASCII.
        static const QString pool = QStringLiteral("ab Z09&<>\"';,\t\n\r") + QChar(0xE9) + QChar(0xFC) + QChar(0xA0)
            + QChar(0xFF) + QChar(0x80) + QChar(0x7F);
        QString text;
        const int length = bounded(1, 24);
        for (int i = 0; i < length; ++i)
            text += pool.at(bounded(0, static_cast<int>(pool.size()) - 1));
        return text;
    }

private:
    QRandomGenerator m_random;
};

// A random document, with values that no setter would accept and vectors of any length up to 10.
QString randomDocument(RandomValues& random)
{
    DocumentWriter w;
    const auto S = [](const char* s) { return QLatin1String(s); };
    w.open(S("Tavrin2QtCfg"), S("Tavrin2QtCfg"));
    for (const char* name :
         { "_tavrinType", "_checkBoxRepageEnabled", "_spinBoxRepageInterval", "_checkBoxLockoutEnabled",
           "_lockoutTimeMode", "_spinBoxLockoutTime", "_spinBoxExtInputDisable1", "_spinBoxExtInputDisable2",
           "_spinBoxExtInputDisable3", "_spinBoxSysID", "_checkBoxEnableGrpPaging" })
        w.value(S(name), S(name).startsWith(S("_checkBox")) ? random.flag() : random.number());

    const int buttons = random.bounded(0, 10);
    w.open(S("_tavrinIIButtons"), S("vector<TavrinIIButton>"));
    w.value(S("count"), buttons);
    for (int i = 0; i < buttons; ++i) {
        w.open(S("item"), S("TavrinIIButton"));
        w.value(S("_button_enabled"), random.flag());
        for (const char* name : { "_pager_num", "_ext_input_setting", "_type", "_mode", "_zellMsgInt" })
            w.value(S(name), random.number());
        w.string(S("_alphaMsg"), random.text());
        w.close(S("item"));
    }
    w.close(S("_tavrinIIButtons"));

    const int pairs = random.bounded(0, 10);
    w.open(S("_tavrinIIAutoOnOffTimes"), S("vector<TavrinIIAutoOnOffTime>"));
    w.value(S("count"), pairs);
    for (int i = 0; i < pairs; ++i) {
        w.open(S("item"), S("TavrinIIAutoOnOffTime"));
        w.value(S("_isEnabled"), random.flag());
        w.time(S("_autoOnTime"), random.time());
        w.time(S("_autoOffTime"), random.time());
        w.close(S("item"));
    }
    w.close(S("_tavrinIIAutoOnOffTimes"));

    for (const char* name : { "_checkBoxLowBatteryPageEnabled",
                              "_lineEditLowBatteryPageMsg",
                              "_spinBoxLowBatteryPager",
                              "_checkBoxAckPageEnabled",
                              "_lineEditAckPageMsg",
                              "_spinBoxAckPager",
                              "_spinBoxDTBtn1PagerNum",
                              "_lineEditDTBtn1SettingMsg",
                              "_spinBoxDTBtn2PagerNum",
                              "_lineEditDTBtn2SettingMsg",
                              "_spinBoxDTSysID",
                              "_checkBoxDTEnableGrpPaging",
                              "_checkBoxDTBeepEnabled",
                              "_spinBoxDTTavrinID",
                              "_checkBoxDTRepageEnabled",
                              "_spinBoxDTRepageInterval",
                              "_checkBoxDTLowBatteryPageEnabled",
                              "_lineEditDTLowBatteryPageMsg",
                              "_spinBoxDTLowBatteryPager",
                              "_comboBoxDTBtn1Mode",
                              "_comboBoxDTBtn2Mode",
                              "_checkBoxDTSecondaryPageEnabled",
                              "_spinBoxDTSecondaryPager",
                              "_checkBoxDTCancelMsgEnabled",
                              "_lineEditDTCancelMsg",
                              "_lineEditFirmware",
                              "_lineEditSerNum" }) {
        if (S(name).startsWith(S("_lineEdit")))
            w.string(S(name), random.text());
        else
            w.value(S(name), S(name).startsWith(S("_checkBox")) ? random.flag() : random.number());
    }
    w.close(S("Tavrin2QtCfg"));
    return w.finish();
}

} // namespace

class TestCfgArchive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultRecordFreezesToGolden();
    void readsOursAndBoostsForm_data();
    void readsOursAndBoostsForm();
    void textsAndTimesRoundTrip();
    void isodateText_data();
    void isodateText();
    void everyFieldIsReadAndCompared();
    void classVersionZeroForms();
    void higherClassVersionsReadAsOne();
    void vectorCountsComeFromTheFile();
    void outOfRangeValuesReadAsTheyStand();
    void refused_data();
    void refused();
    void hostileCountRefusedQuickly_data();
    void hostileCountRefusedQuickly();
    void vectorBoundCountsRealItems_data();
    void vectorBoundCountsRealItems();
    void cutOffDocumentRefused();
    void anotherExceptionEchoIsCapped();
    void randomDocumentsRoundTrip();
};

void TestCfgArchive::initTestCase()
{
    // Thousands of refused documents below; their traces would drown the output.
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.config.warning=false"));
}

void TestCfgArchive::defaultRecordFreezesToGolden()
{
    QString error = QStringLiteral("untouched");
    const QString text = Tavrin2QtCfg().freeze(error);
    QCOMPARE(text, golden());
    QCOMPARE(error, QStringLiteral("untouched"));
}

void TestCfgArchive::readsOursAndBoostsForm_data()
{
    QTest::addColumn<QString>("document");
    QTest::newRow("library version 3") << golden();
    // As Boost 1.74 writes it: version 18, item_version after each count, an empty last line.
    QTest::newRow("library version 18") << dataFile("default-boost174.t2c");
    // Later releases name a later library version and write the same form as 1.74.
    QTest::newRow("later library version") << edited(
        dataFile("default-boost174.t2c"), QStringLiteral("version=\"18\">"), QStringLiteral("version=\"20\">"));
    QTest::newRow("CR LF line ends") << golden().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TestCfgArchive::readsOursAndBoostsForm()
{
    QFETCH(QString, document);
    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error));
    QVERIFY(error.isEmpty());
    QVERIFY(*cfg == Tavrin2QtCfg());
    QCOMPARE(cfg->tavrinIIButtonCount(), 6);
    QCOMPARE(cfg->tavrinIIAutoOnOffTimeCount(), 3);
}

void TestCfgArchive::textsAndTimesRoundTrip()
{
    const QString markup = QStringLiteral("a&b<c>\"d'e");
    const QString latin1
        = QStringLiteral("caf") + QChar(0xE9) + QStringLiteral(" gr") + QChar(0xFC) + QStringLiteral("n");
    Tavrin2QtCfg cfg;
    cfg.setDtCancelMsg(markup);
    cfg.setAckPageMsg(latin1);
    cfg.setSerNum(QLatin1String(""));
    cfg.setFirmware(QStringLiteral("  spaced  "));
    auto pair = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(0);
    pair.setAutoOnTime(QTime(23, 59, 59));
    pair.setAutoOffTime(QTime(8, 30));
    cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(0, pair);

    QString error;
    const QString text = cfg.freeze(error);
    QVERIFY(text.contains(QLatin1String("<ascii>a&amp;b&lt;c&gt;&quot;d&apos;e</ascii>")));
    QVERIFY(text.contains(QLatin1String("<ascii>") + latin1 + QLatin1String("</ascii>")));
    QVERIFY(text.contains(QLatin1String("<ascii>23:59:59</ascii>")));
    QVERIFY(text.contains(QLatin1String("<ascii>08:30:00</ascii>")));
    QVERIFY(text.contains(QLatin1String("<_lineEditSerNum>\n\t\t<isNull>0</isNull>\n\t\t<ascii></ascii>")));

    const auto back = Tavrin2QtCfg::thaw(text, error);
    QVERIFY2(back, qPrintable(error));
    QVERIFY(*back == cfg);
    QCOMPARE(back->dtCancelMsg(), markup);
    QCOMPARE(back->ackPageMsg(), latin1);
    QVERIFY(back->serNum().isEmpty() && !back->serNum().isNull());
    QVERIFY(back->lowBatteryPageMsg().isNull());
    QCOMPARE(back->tavrinIIAutoOnOffTimeVectorAtIndex(0).autoOnTime(), QTime(23, 59, 59));
}

void TestCfgArchive::isodateText_data()
{
    QTest::addColumn<QString>("isodate");
    QTest::addColumn<QTime>("time");
    QTest::newRow("empty") << QString() << QTime(0, 0, 0);
    QTest::newRow("last second") << QStringLiteral("23:59:59") << QTime(23, 59, 59);
    QTest::newRow("no seconds") << QStringLiteral("08:30") << QTime(8, 30);
    // What a file cannot say in HH:MM:SS is read as what saving the record would write.
    QTest::newRow("milliseconds dropped") << QStringLiteral("08:30:15.250") << QTime(8, 30, 15);
    QTest::newRow("not a time") << QStringLiteral("noon") << QTime(0, 0, 0);
    QTest::newRow("out of range") << QStringLiteral("25:61:00") << QTime(0, 0, 0);
}

void TestCfgArchive::isodateText()
{
    QFETCH(QString, isodate);
    QFETCH(QTime, time);
    const QString document = edited(golden(), QStringLiteral("<ascii>00:00:00</ascii>"),
                                    QStringLiteral("<ascii>%1</ascii>").arg(isodate), 6);
    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(cfg->tavrinIIAutoOnOffTimeVectorAtIndex(2).autoOffTime(), time);
    const auto again = Tavrin2QtCfg::thaw(cfg->freeze(error), error);
    QVERIFY2(again, qPrintable(error));
    QVERIFY(*again == *cfg);
}

// Each value of the file, changed on its own, gives a record that differs from the default one.
void TestCfgArchive::everyFieldIsReadAndCompared()
{
    const QString document = golden();
    // Numbers, the isNull of the strings that are null, and the times.
    static const QRegularExpression value(QStringLiteral("<(_\\w+|isNull)>(\\d+)<|<ascii>(00:00:00)<"));
    int edits = 0;
    for (auto it = value.globalMatch(document); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(0) == QLatin1String("<isNull>0<"))
            continue; // the isodate of a time: empty reads as midnight too
        const int group = match.hasCaptured(2) ? 2 : 3;
        const QString changed
            = group == 3 ? QStringLiteral("00:00:01") : QString::number(match.captured(group).toInt() == 1 ? 0 : 1);
        QString variant = document;
        variant.replace(match.capturedStart(group), match.capturedLength(group), changed);
        QString error;
        const auto cfg = Tavrin2QtCfg::thaw(variant, error);
        QVERIFY2(cfg, qPrintable(error));
        QVERIFY2(*cfg != Tavrin2QtCfg(), qPrintable(match.captured(0)));
        ++edits;
    }
    QCOMPARE(edits, 38 + 6 * 7 + 3 * 3);
}

void TestCfgArchive::classVersionZeroForms()
{
    // Strings of version 0 hold ascii only and are never null; times of version 0 hold isodate as text.
    QString document = edited(golden(), QStringLiteral("class_id=\"3\" tracking_level=\"0\" version=\"1\""),
                              QStringLiteral("class_id=\"3\" tracking_level=\"0\" version=\"0\""));
    document.remove(QRegularExpression(QStringLiteral("\t*<isNull>[01]</isNull>\n")));
    document = edited(document, QStringLiteral("class_id=\"6\" tracking_level=\"0\" version=\"1\""),
                      QStringLiteral("class_id=\"6\" tracking_level=\"0\" version=\"0\""));
    document.replace(QRegularExpression(QStringLiteral("<isodate>\\s*<ascii>00:00:00</ascii>\\s*</isodate>")),
                     QStringLiteral("<isodate>08:30:00</isodate>"));
    document = edited(document, QStringLiteral("<_lineEditDTCancelMsg>\n\t\t<ascii></ascii>"),
                      QStringLiteral("<_lineEditDTCancelMsg>\n\t\t<ascii>Stop &amp; go</ascii>"));

    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error + document));
    QCOMPARE(cfg->dtCancelMsg(), QStringLiteral("Stop & go"));
    QVERIFY(!cfg->serNum().isNull() && cfg->serNum().isEmpty());
    QVERIFY(!cfg->tavrinIIButtonVectorAtIndex(5).alphaMsg().isNull());
    QCOMPARE(cfg->tavrinIIAutoOnOffTimeVectorAtIndex(2).autoOffTime(), QTime(8, 30));
}

void TestCfgArchive::higherClassVersionsReadAsOne()
{
    QString document = edited(golden(), QStringLiteral("class_id=\"3\" tracking_level=\"0\" version=\"1\""),
                              QStringLiteral("class_id=\"3\" tracking_level=\"0\" version=\"7\""));
    document = edited(document, QStringLiteral("class_id=\"0\" tracking_level=\"0\" version=\"0\""),
                      QStringLiteral("class_id=\"0\" tracking_level=\"0\" version=\"4\""));
    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error));
    QVERIFY(*cfg == Tavrin2QtCfg());
}

void TestCfgArchive::vectorCountsComeFromTheFile()
{
    // Four buttons: drop items 5 and 6 of the button vector.
    const QString document = golden();
    qsizetype fifthItem = -1;
    for (int i = 0; i < 4; ++i)
        fifthItem = document.indexOf(QLatin1String("\t\t<item>\n"), fifthItem + 1);
    const qsizetype buttonsEnd = document.indexOf(QLatin1String("\t</_tavrinIIButtons>"));
    const QString fourButtons = edited(QString(document).remove(fifthItem, buttonsEnd - fifthItem),
                                       QStringLiteral("<count>6</count>"), QStringLiteral("<count>4</count>"));

    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(fourButtons, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(cfg->tavrinIIButtonCount(), 4);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfg->tavrinIIButtonVectorAtIndex(4));
    QCOMPARE(cfg->freeze(error), fourButtons);

    // No entries at all: the classes that follow take the lower ids.
    QString empty = edited(golden(), QStringLiteral("<count>3</count>"), QStringLiteral("<count>0</count>"));
    const qsizetype itemsStart = empty.indexOf(QLatin1String("\t\t<item class_id=\"5\""));
    const qsizetype itemsEnd = empty.indexOf(QLatin1String("\t</_tavrinIIAutoOnOffTimes>"));
    empty.remove(itemsStart, itemsEnd - itemsStart);
    const auto noPairs = Tavrin2QtCfg::thaw(empty, error);
    QVERIFY2(noPairs, qPrintable(error));
    QCOMPARE(noPairs->tavrinIIAutoOnOffTimeCount(), 0);
    QCOMPARE(noPairs->freeze(error), empty);
}

void TestCfgArchive::outOfRangeValuesReadAsTheyStand()
{
    QString document = edited(golden(), QStringLiteral("<_spinBoxRepageInterval>300<"),
                              QStringLiteral("<_spinBoxRepageInterval>5<"));
    document = edited(document, QStringLiteral("<_tavrinType>2<"), QStringLiteral("<_tavrinType>7<"));
    document = edited(document, QStringLiteral("<_comboBoxDTBtn2Mode>0<"), QStringLiteral("<_comboBoxDTBtn2Mode>-3<"));
    document = edited(document, QStringLiteral("<_type>0</_type>\n\t\t\t<_mode>10<"),
                      QStringLiteral("<_type>9</_type>\n\t\t\t<_mode>99<"), 6);

    QString error;
    const auto cfg = Tavrin2QtCfg::thaw(document, error);
    QVERIFY2(cfg, qPrintable(error));
    QCOMPARE(cfg->repageInterval(), 5);
    QCOMPARE(static_cast<int>(cfg->tavrinType()), 7);
    QCOMPARE(cfg->dtBtn2Mode(), -3);
    TavrinIIButton button = cfg->tavrinIIButtonVectorAtIndex(0);
    QCOMPARE(button.type(), 9);
    QCOMPARE(button.mode(), 99);
    QCOMPARE(cfg->freeze(error), document);

    // A type no setter stores: setMode puts the button back to Zell, mode 10.
    QVERIFY(button.setMode(1));
    QCOMPARE(button.type(), 0);
    QCOMPARE(button.mode(), 10);
}

void TestCfgArchive::refused_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("expectedError");

    const QString g = golden();
    // A short reason in words; the archive's own text goes to the trace only.
    const QString unreadableValue = QStringLiteral("a value in it cannot be read");
    QTest::newRow("empty text") << QString() << QStringLiteral("it is empty");
    QTest::newRow("not XML") << QStringLiteral("hello") << QStringLiteral("it is not an XML document");
    QTest::newRow("wrong signature") << edited(g, QStringLiteral("serialization::archive"),
                                               QStringLiteral("serialization::archivf"))
                                     << QStringLiteral("it is an XML document of another kind");
    QTest::newRow("bad declaration") << edited(g, QStringLiteral("<?xml version"), QStringLiteral("<?xml versio"))
                                     << QStringLiteral("it is not well-formed XML");
    QTest::newRow("swapped elements") << edited(
        g,
        QStringLiteral("<_checkBoxRepageEnabled>0</_checkBoxRepageEnabled>\n"
                       "\t<_spinBoxRepageInterval>300</_spinBoxRepageInterval>"),
        QStringLiteral("<_spinBoxRepageInterval>300</_spinBoxRepageInterval>\n"
                       "\t<_checkBoxRepageEnabled>0</_checkBoxRepageEnabled>"))
                                      << unreadableValue;
    QTest::newRow("end tag mismatch") << edited(g, QStringLiteral("0</_spinBoxSysID>"),
                                                QStringLiteral("0</_spinBoxSysId>"))
                                      << QStringLiteral("an element is missing or out of place");
    // Boost's own check of this tag reads as far past the expected name as the tag is long.
    QTest::newRow("huge end tag") << edited(g, QStringLiteral("0</_spinBoxSysID>"),
                                            QStringLiteral("0</_spinBoxSysID") + QString(1 << 22, QLatin1Char('D'))
                                                + QLatin1Char('>'))
                                  << QStringLiteral("an element is missing or out of place");
    QTest::newRow("bool of 2") << edited(g, QStringLiteral("<_checkBoxDTBeepEnabled>0<"),
                                         QStringLiteral("<_checkBoxDTBeepEnabled>2<"))
                               << unreadableValue;
    QTest::newRow("int beyond 32 bits") << edited(g, QStringLiteral("<_spinBoxAckPager>1<"),
                                                  QStringLiteral("<_spinBoxAckPager>4294967296<"))
                                        << unreadableValue;
    QTest::newRow("bad entity") << edited(g, QStringLiteral("<_lineEditFirmware>\n\t\t<isNull>1</isNull>\n\t\t<ascii>"),
                                          QStringLiteral("<_lineEditFirmware>\n\t\t<isNull>0</isNull>\n\t\t<ascii>&x;"))
                                << QStringLiteral("it is not well-formed XML");
    QTest::newRow("no root end tag") << edited(g, QStringLiteral("</Tavrin2QtCfg>\n"), QString())
                                     << QStringLiteral("it ends too early");
    QTest::newRow("no wrapper end tag") << edited(g, QStringLiteral("</boost_serialization>\n"), QString())
                                        << QStringLiteral("it ends too early");
    QTest::newRow("other wrapper end tag")
        << edited(g, QStringLiteral("</boost_serialization>"), QStringLiteral("</boost_serializations>"))
        << unreadableValue;
}

void TestCfgArchive::refused()
{
    QFETCH(QString, document);
    QFETCH(QString, expectedError);
    QString error = QStringLiteral("earlier text\n");
    QVERIFY(!Tavrin2QtCfg::thaw(document, error));
    QCOMPARE(error, expectedError);
}

void TestCfgArchive::hostileCountRefusedQuickly_data()
{
    QTest::addColumn<QString>("count");
    for (const char* count : { "-1", "1001", "100000000", "4294967295", "18446744073709551615", "x" })
        QTest::newRow(count) << QString::fromLatin1(count);
    // Within the bound, but the items run out at the seventh.
    QTest::newRow("1000") << QStringLiteral("1000");
}

void TestCfgArchive::hostileCountRefusedQuickly()
{
    QFETCH(QString, count);
    for (const char* vector : { "<count>6</count>", "<count>3</count>" }) {
        const QString document
            = edited(golden(), QLatin1String(vector), QStringLiteral("<count>%1</count>").arg(count));
        QElapsedTimer timer;
        timer.start();
        QString error;
        QVERIFY(!Tavrin2QtCfg::thaw(document, error));
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(error, QStringLiteral("a value in it cannot be read"));
    }
}

void TestCfgArchive::vectorBoundCountsRealItems_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("read");
    QTest::newRow("1000 buttons") << 1000 << true;
    QTest::newRow("1001 buttons") << 1001 << false;
}

// Documents that hold every item they declare, so that only the bound can refuse them.
void TestCfgArchive::vectorBoundCountsRealItems()
{
    QFETCH(int, items);
    QFETCH(bool, read);
    const QString document = golden();
    // The second button, the first without class information.
    const QString itemEnd = QStringLiteral("\t\t</item>\n");
    const qsizetype second
        = document.indexOf(QLatin1String("\t\t<item>\n"), document.indexOf(QLatin1String("<_tavrinIIButtons")));
    const qsizetype end = document.indexOf(itemEnd, second) + itemEnd.size();
    const QString plainItem = document.mid(second, end - second);
    const QString many = edited(QString(document).insert(end, plainItem.repeated(items - 6)),
                                QStringLiteral("<count>6</count>"), QStringLiteral("<count>%1</count>").arg(items));
    QCOMPARE(many.count(QLatin1String("<item")), items + 3);

    QString error;
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(many, error);
    QCOMPARE(bool(cfg), read);
    if (read)
        QCOMPARE(cfg->tavrinIIButtonCount(), items);
    else
        QCOMPARE(error, QStringLiteral("a value in it cannot be read"));
}

void TestCfgArchive::cutOffDocumentRefused()
{
    const QString document = golden();
    QElapsedTimer timer;
    timer.start();
    // Up to the last character of the wrapper's end tag; only the final line break may be missing.
    for (int length = 0; length < document.size() - 1; ++length) {
        QString error;
        const auto cfg = Tavrin2QtCfg::thaw(document.left(length), error);
        QVERIFY2(!cfg, qPrintable(QStringLiteral("read when cut after %1 characters").arg(length)));
        QCOMPARE(error, length == 0 ? QStringLiteral("it is empty") : QStringLiteral("it ends too early"));
    }
    qInfo("%lld cut-off documents refused in %lld ms", static_cast<long long>(document.size() - 1), timer.elapsed());
    QString error;
    QVERIFY(Tavrin2QtCfg::thaw(document.chopped(1), error));
}

void TestCfgArchive::anotherExceptionEchoIsCapped()
{
    const QString start = QStringLiteral("Tavrin2QtCfg::thaw(): Got another exception while reading:\n");
    QCOMPARE(CfgArchive::anotherExceptionText(QStringLiteral("<short/>")), start + QStringLiteral("<short/>\n"));

    const QString large = QString(1500, QLatin1Char('a')) + QString(1500, QLatin1Char('b'));
    QCOMPARE(CfgArchive::anotherExceptionText(large),
             start + QString(1500, QLatin1Char('a')) + QString(500, QLatin1Char('b')) + QStringLiteral("...\n"));
    const QString exact(2000, QLatin1Char('c'));
    QCOMPARE(CfgArchive::anotherExceptionText(exact), start + exact + QLatin1Char('\n'));
}

void TestCfgArchive::randomDocumentsRoundTrip()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    RandomValues random(seed);
    for (int i = 0; i < 1000; ++i) {
        const QString document = randomDocument(random);
        QString error;
        const auto cfg = Tavrin2QtCfg::thaw(document, error);
        QVERIFY2(cfg, qPrintable(QStringLiteral("seed %1: %2%3").arg(seed).arg(error, document)));
        QCOMPARE(cfg->freeze(error), document);
        const auto again = Tavrin2QtCfg::thaw(document, error);
        QVERIFY(again && *again == *cfg);
    }
}

QTEST_MAIN(TestCfgArchive)
#include "tst_cfgarchive.moc"
