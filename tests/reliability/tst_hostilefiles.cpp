#include "gui/MainWindowKit.h"

#include "config/CfgFile.h"
#include "support/AnsweringPrompter.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <functional>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>

// Broken and hostile configuration documents loaded through the main window's Load: each ends in the
// load error box or loads with the values it holds; never a crash, a hang, a form left half changed or
// a memory peak out of proportion.
using kit::Model;

#if defined(__SANITIZE_ADDRESS__)
#define T2Q_UNDER_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define T2Q_UNDER_ASAN
#endif
#endif

namespace {

const QString errorCaption = QStringLiteral("Error");
const QString loadCaption = QStringLiteral("Choose a config file to load");
#if defined(T2Q_UNDER_ASAN)
// The sanitizer keeps freed memory in its quarantine (256 MB by default), which counts in the peak too.
constexpr long long peakLimitKb = (300 + 256) * 1024;
#else
constexpr long long peakLimitKb = 300 * 1024;
#endif

// What a load ends in: the error box with this text, or "loads" (the file's record is shown).
const QString loads = QStringLiteral("loads");

// How the record shown differs from the one the document was made of.
using Adjust = std::function<void(Tavrin2QtCfg&)>;

// Where the corpus starts: a record of every field set, and its document.
Tavrin2QtCfg baseRecord()
{
    QRandomGenerator rng(42);
    Tavrin2QtCfg cfg = kit::randomRecord(rng, TavrinII);
    cfg.setAckPageMsg(QStringLiteral("Ack & <go> \"now\" 'ok'"));
    return cfg;
}

QByteArray baseDocument()
{
    QString error;
    return baseRecord().freeze(error).toLatin1();
}

QByteArray replaced(QByteArray document, const QByteArray& before, const QByteArray& after)
{
    Q_ASSERT(document.contains(before));
    return document.replace(before, after);
}

// The value of the n-th (from 1) element of that name replaced.
QByteArray withNthValue(const QByteArray& document, const QByteArray& element, int n, const QByteArray& value)
{
    const QByteArray start = '<' + element + '>';
    qsizetype from = -1;
    for (int i = 0; i < n; ++i)
        from = document.indexOf(start, from + 1);
    Q_ASSERT(from >= 0);
    const qsizetype to = document.indexOf("</" + element + '>', from);
    QByteArray result = document;
    return result.replace(from + start.size(), to - from - start.size(), value);
}

QByteArray withValue(const QByteArray& document, const QByteArray& element, const QByteArray& value)
{
    return withNthValue(document, element, 1, value);
}

QByteArray withoutLineOf(const QByteArray& document, const QByteArray& element)
{
    const qsizetype at = document.indexOf('<' + element + '>');
    Q_ASSERT(at >= 0);
    const qsizetype lineStart = document.lastIndexOf('\n', at) + 1;
    const qsizetype lineEnd = document.indexOf('\n', at) + 1;
    QByteArray result = document;
    return result.remove(lineStart, lineEnd - lineStart);
}

QByteArray encoded(const QByteArray& latin1, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder.encode(QString::fromLatin1(latin1));
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(rng.bounded(256));
    return bytes;
}

QByteArray hostileFile(const QString& name)
{
    QFile file(QStringLiteral(T2Q_TEST_DATA_DIR "/hostile/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing corpus file %s", qPrintable(name));
    return file.readAll();
}

long long peakKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

Q_DECLARE_METATYPE(Tavrin2QtCfg)

class TestHostileFiles : public QObject
{
    Q_OBJECT

public:
    // The child process: loads one file through a window and prints what it was shown and its peak.
    static int loadInChild(const QString& path);

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void brokenDocumentsNeverHalfChangeTheForm_data();
    void brokenDocumentsNeverHalfChangeTheForm();
    void specialFilesAndHugeDocumentsStaySmall_data();
    void specialFilesAndHugeDocumentsStaySmall();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<FrmTavrin2Qt> m_window;
    long long m_peakBeforeKb = 0;
};

int TestHostileFiles::loadInChild(const QString& path)
{
#if !defined(T2Q_UNDER_ASAN)
    // A runaway read fails here rather than taking the machine's memory (the sanitizer needs its own).
    const rlimit addressSpace { rlim_t(4) << 30, rlim_t(4) << 30 };
    setrlimit(RLIMIT_AS, &addressSpace);
#endif
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=false\ntavrin.*.warning=false"));
    kit::attach(Model::DalenTavrin);
    AnsweringPrompter prompter(path);
    FrmTavrin2Qt window;
    const Tavrin2QtCfg before = window.uiSettings();
    window.fileLoadConfigurationAction->trigger();
    const bool unchanged = window.uiSettings() == before;
    QTextStream out(stdout);
    for (const QString& text : prompter.shown())
        out << "shown " << QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')) << '\n';
    out << "form " << (unchanged ? "unchanged" : "changed") << '\n';
    out << "peak " << peakKb() << '\n';
    return 0;
}

void TestHostileFiles::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=false\ntavrin.*.warning=false"));
    m_peakBeforeKb = peakKb();
}

void TestHostileFiles::cleanupTestCase()
{
    const long long peak = peakKb();
    qInfo("Corpus loaded in this process: peak %lld MB (%lld MB before the first document)", peak >> 10,
          m_peakBeforeKb >> 10);
    QVERIFY(peak < peakLimitKb);
}

void TestHostileFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_prompter = std::make_unique<ScriptedPrompter>();
    kit::attach(Model::DalenTavrin2Button);
    FrmTavrin2Qt::resetFirstDetection();
    m_window = std::make_unique<FrmTavrin2Qt>();
    m_window->detectionTimer()->stop();
}

void TestHostileFiles::cleanup()
{
    m_window.reset();
    m_prompter->verifyDone();
    m_prompter.reset();
    m_dir.reset();
}

void TestHostileFiles::brokenDocumentsNeverHalfChangeTheForm_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("expected");
    // For a document that loads: the record the form must show.
    QTest::addColumn<Tavrin2QtCfg>("record");

    const Tavrin2QtCfg base = baseRecord();
    const QByteArray good = baseDocument();
    // %1: the file, named when the row is run.
    const auto refused = [](const char* reason) {
        return QStringLiteral("%1 is not a Tavrin configuration file (it could not be read as one: ")
            + QLatin1String(reason) + QLatin1Char(')');
    };
    const auto row = [](const QByteArray& name, const QByteArray& document, const QString& expected,
                        const Tavrin2QtCfg& record = Tavrin2QtCfg()) {
        QTest::newRow(name.constData()) << document << expected << record;
    };
    const auto loadsAs = [&](const QByteArray& name, const QByteArray& document, const Adjust& adjust = {}) {
        Tavrin2QtCfg record = base;
        if (adjust)
            adjust(record);
        row(name, document, loads, record);
    };
    const auto firstButton = [](const std::function<void(TavrinIIButton&)>& change) {
        return [change](Tavrin2QtCfg& cfg) {
            TavrinIIButton button = cfg.tavrinIIButtonVectorAtIndex(0);
            change(button);
            cfg.setTavrinIIButtonVectorAtIndex(0, button);
        };
    };
    const auto firstOnTime = [](const QTime& time) {
        return [time](Tavrin2QtCfg& cfg) {
            auto entry = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(0);
            entry.setAutoOnTime(time);
            cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(0, entry);
        };
    };
    const QByteArray firstOnTimeText = "<ascii>"
        + base.tavrinIIAutoOnOffTimeVectorAtIndex(0).autoOnTime().toString(Qt::ISODate).toLatin1() + "</ascii>";

    row("empty", QByteArray(), refused("it is empty"));
    row("blanks only", " \n\t\r\n", refused("it is empty"));
    // Cut anywhere: in the declarations, the wrapper, the root, a vector, a string, the wrapper's end.
    const qsizetype size = good.size();
    for (const qsizetype cut :
         { qsizetype(1), qsizetype(20), qsizetype(60), qsizetype(100), qsizetype(150), size / 8, size / 4, size * 3 / 8,
           size / 2, size * 5 / 8, size * 3 / 4, size * 7 / 8, size - 40, size - 23, size - 2 })
        row("cut after " + QByteArray::number(cut) + " bytes", good.left(cut), refused("it ends too early"));
    loadsAs("without the last line break", good.chopped(1));

    row("a billion buttons", replaced(good, "<count>6</count>", "<count>1000000000</count>"),
        refused("a value in it cannot be read"));
    row("negative count", replaced(good, "<count>6</count>", "<count>-1</count>"),
        refused("a value in it cannot be read"));
    row("count past 64 bits", replaced(good, "<count>6</count>", "<count>99999999999999999999999</count>"),
        refused("a value in it cannot be read"));
    row("count of 7 over 6 items", replaced(good, "<count>6</count>", "<count>7</count>"),
        refused("a value in it cannot be read"));
    row("count of 5 over 6 items", replaced(good, "<count>6</count>", "<count>5</count>"),
        refused("a value in it cannot be read"));
    row("count no number", replaced(good, "<count>6</count>", "<count>six</count>"),
        refused("a value in it cannot be read"));

    row("deep nesting", withValue(good, "_spinBoxSysID", QByteArray("<a>").repeated(200000)),
        refused("a value in it cannot be read"));
    row("deep nesting closed",
        withValue(good, "_spinBoxSysID", QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000)),
        refused("a value in it cannot be read"));
    row("random bytes", randomBytes(64 * 1024, 7), refused("it is not an XML document"));
    row("random bytes after the declarations", good.left(200) + randomBytes(4096, 8),
        refused("it holds bytes that are not text"));
    row("zero bytes between fields", replaced(good, "</_spinBoxSysID>\n", QByteArray("</_spinBoxSysID>\n\0\0\0", 20)),
        refused("it holds bytes that are not text"));
    row("missing field", withoutLineOf(good, "_spinBoxSysID"), refused("an element is missing or out of place"));
    row("renamed field", replaced(good, "_spinBoxSysID>", "_spinBoxSysId>"),
        refused("an element is missing or out of place"));
    row("extra field", replaced(good, "\t<_spinBoxSysID>", "\t<_extra>1</_extra>\n\t<_spinBoxSysID>"),
        refused("an element is missing or out of place"));
    row("missing root",
        replaced(replaced(good, "<Tavrin2QtCfg class_id=\"0\" tracking_level=\"0\" version=\"0\">\n", ""),
                 "</Tavrin2QtCfg>\n", ""),
        refused("a value in it cannot be read"));
    row("no wrapper end", replaced(good, "</boost_serialization>", ""), refused("it ends too early"));
    row("very long end tag", replaced(good, "</_spinBoxSysID>", "</" + QByteArray(1 << 20, 'x') + '>'),
        refused("an element is missing or out of place"));
    row("very long attribute",
        replaced(good, "<_tavrinIIButtons class_id=\"1\" tracking_level=\"0\"",
                 "<_tavrinIIButtons class_id=\"1\" tracking_level=\"" + QByteArray(1 << 20, '9') + '"'),
        refused("a value in it cannot be read"));
    // The reader checks end tags only, and stops at the wrapper's end.
    loadsAs("very long start tag", replaced(good, "<_spinBoxSysID>", '<' + QByteArray(1 << 20, 'x') + '>'));
    loadsAs("junk after the document", good + "<more>junk</more>\n\x01\x02");
    loadsAs("second document after the first", good + good);

    row("wrong signature", replaced(good, "serialization::archive", "serialization::archivf"),
        refused("it is an XML document of another kind"));
    row("no signature", replaced(good, "signature=\"serialization::archive\" ", ""),
        refused("it is not well-formed XML"));
    row("no declarations", good.mid(good.indexOf("<boost_serialization ")), refused("it is not well-formed XML"));
    row("library version 18 without item versions", replaced(good, "version=\"3\">", "version=\"18\">"),
        refused("a value in it cannot be read"));
    row("library version beyond 32 bits", replaced(good, "version=\"3\">", "version=\"99999999999\">"),
        refused("it is not well-formed XML"));
    row("library version no number", replaced(good, "version=\"3\">", "version=\"three\">"),
        refused("it is not well-formed XML"));
    loadsAs("library version 0", replaced(good, "version=\"3\">", "version=\"0\">"));
    loadsAs("library version 20 with item versions",
            replaced(replaced(replaced(good, "version=\"3\">", "version=\"20\">"), "<count>6</count>",
                              "<count>6</count>\n\t\t<item_version>0</item_version>"),
                     "<count>3</count>", "<count>3</count>\n\t\t<item_version>0</item_version>"));
    loadsAs("tracked root",
            replaced(good, "class_id=\"0\" tracking_level=\"0\"", "class_id=\"0\" tracking_level=\"1\""));
    // Any string version above 0 is read in the form of version 1.
    loadsAs("string class version 99",
            replaced(good, "class_id=\"3\" tracking_level=\"0\" version=\"1\"",
                     "class_id=\"3\" tracking_level=\"0\" version=\"99\""));

    loadsAs("byte order mark", "\xEF\xBB\xBF" + good);
    loadsAs("CR LF line ends", QByteArray(good).replace("\n", "\r\n"));
    loadsAs("CR line ends", QByteArray(good).replace("\n", "\r"));
    row("UTF-16LE", encoded(good, QStringConverter::Utf16LE), refused("it is not an XML document"));
    row("UTF-16BE", encoded(good, QStringConverter::Utf16BE), refused("it is not an XML document"));
    // UTF-8 with a character beyond Latin-1 is refused by name: neither the form nor the unit can hold it.
    row("UTF-8 beyond Latin-1", withValue(QString::fromLatin1(good).toUtf8(), "ascii", "Caf\xC3\xA9 \xE2\x82\xAC"),
        QStringLiteral("The Button 1 message holds the character \"\u20ac\" (U+20AC), which Tavrin cannot take.\n"
                       "Please replace it; the file was not loaded."));
    loadsAs("control bytes in a message", withValue(good, "ascii", "a\x01\x02\x1b[2Jb\x7f"),
            firstButton([](TavrinIIButton& b) { b.setAlphaMsg(QStringLiteral("a\x01\x02\x1b[2Jb\x7f")); }));
    loadsAs("zero bytes in a message", withValue(good, "ascii", QByteArray("a\0\0b", 4)),
            firstButton([](TavrinIIButton& b) { b.setAlphaMsg(QString::fromLatin1("a\0\0b", 4)); }));

    // Values out of range: each shows as its setter's fallback, never as what the form showed before.
    row("system ID past 32 bits", withValue(good, "_spinBoxSysID", "99999999999"),
        refused("a value in it cannot be read"));
    row("bool 2", withValue(good, "_checkBoxRepageEnabled", "2"), refused("a value in it cannot be read"));
    row("model 7", withValue(good, "_tavrinType", "7"), QStringLiteral("Invalid Tavrin type detected!"));
    row("model -1", withValue(good, "_tavrinType", "-1"), QStringLiteral("Invalid Tavrin type detected!"));
    loadsAs("system ID 999", withValue(good, "_spinBoxSysID", "999"), [](Tavrin2QtCfg& c) { c.setSysID(0); });
    loadsAs("negative pager", withValue(good, "_pager_num", "-5"),
            firstButton([](TavrinIIButton& b) { b.setPagerNum(1); }));
    loadsAs("button type 9", withValue(good, "_type", "9"), firstButton([](TavrinIIButton& b) {
                b.setType(TavrinIIButton::ZellType);
                b.setMode(b.mode());
            }));
    loadsAs("Zell message 99", withValue(withValue(good, "_type", "0"), "_zellMsgInt", "99"),
            firstButton([](TavrinIIButton& b) {
                b.setType(TavrinIIButton::ZellType);
                b.setMode(b.mode());
                b.setZellMsgInt(0);
            }));
    loadsAs("external input setting 5", withNthValue(good, "_ext_input_setting", 5, "5"), [](Tavrin2QtCfg& c) {
        TavrinIIButton input = c.tavrinIIButtonVectorAtIndex(5);
        input.setExtInputSetting(0);
        c.setTavrinIIButtonVectorAtIndex(5, input);
    });
    loadsAs("lockout mode 7", withValue(good, "_lockoutTimeMode", "7"),
            [](Tavrin2QtCfg& c) { c.setLockoutTimeMode(0); });
    loadsAs("lockout time 5000", withValue(good, "_spinBoxLockoutTime", "5000"),
            [](Tavrin2QtCfg& c) { c.setLockoutTime(1); });
    loadsAs("Dalen mode 50", withValue(good, "_comboBoxDTBtn1Mode", "50"), [](Tavrin2QtCfg& c) { c.setDtBtn1Mode(0); });
    loadsAs("time 25:61:00", replaced(good, firstOnTimeText, "<ascii>25:61:00</ascii>"), firstOnTime(QTime(0, 0)));
    loadsAs("time no time", replaced(good, firstOnTimeText, "<ascii>noon</ascii>"), firstOnTime(QTime(0, 0)));

    // Written by hand, on the default record.
    const auto file = [&](const char* name, const QString& expected, const Adjust& adjust = {}) {
        Tavrin2QtCfg record;
        if (adjust)
            adjust(record);
        row(QByteArray("file ") + name, hostileFile(QLatin1String(name)), expected, record);
    };
    file("entity-expansion.t2c", refused("it is not well-formed XML"));
    file("external-entity.t2c", refused("it is not well-formed XML"));
    file("unknown-entities.t2c", refused("it is not well-formed XML"));
    file("comment.t2c", refused("a value in it cannot be read"));
    file("cdata.t2c", refused("a value in it cannot be read"));
    file("processing-instruction.t2c", refused("a value in it cannot be read"));
    // Only shown: nothing reads or writes the path it names.
    file("path-in-a-message.t2c", loads,
         [](Tavrin2QtCfg& c) { c.setSerNum(QStringLiteral("../../../../etc/passwd")); });
    file("string-version-0.t2c", loads, [](Tavrin2QtCfg& c) { c.setSerNum(QStringLiteral("Old")); });
}

void TestHostileFiles::brokenDocumentsNeverHalfChangeTheForm()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, expected);
    QFETCH(Tavrin2QtCfg, record);
    // The form shows another model's settings before, so that whatever a load leaves of them shows.
    QRandomGenerator rng(5);
    Tavrin2QtCfg shownBefore = kit::randomRecord(rng, DalenTavrin2Button);
    // Values the out-of-range rows fall back from: a fallback must not find them still there.
    TavrinIIButton zell = shownBefore.tavrinIIButtonVectorAtIndex(0);
    zell.setType(TavrinIIButton::ZellType);
    zell.setZellMsgInt(7);
    shownBefore.setTavrinIIButtonVectorAtIndex(0, zell);
    TavrinIIButton input = shownBefore.tavrinIIButtonVectorAtIndex(5);
    input.setExtInputSetting(1);
    shownBefore.setTavrinIIButtonVectorAtIndex(5, input);
    m_window->setUISettings(shownBefore);
    const Tavrin2QtCfg before = m_window->uiSettings();
    const QString path = m_dir->filePath(QStringLiteral("hostile.t2c"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(document), document.size());
    }

    m_prompter->expectOpenFile(loadCaption, path);
    if (expected != loads)
        m_prompter->expectCritical(errorCaption, expected.arg(path));
    m_window->fileLoadConfigurationAction->trigger();
    QVERIFY(m_prompter->verifyDone());

    if (expected == loads) {
        QCOMPARE(m_window->selectedType(), record.tavrinType());
        KIT_VERIFY_SAME(m_window->uiSettings(), kit::shownPart(record));
    } else {
        QCOMPARE(m_window->selectedType(), DalenTavrin2Button);
        KIT_VERIFY_SAME(m_window->uiSettings(), before);
    }
    // Nothing beside the file: a load writes nothing.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList { QStringLiteral("hostile.t2c") });
}

void TestHostileFiles::specialFilesAndHugeDocumentsStaySmall_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString tooLarge = QStringLiteral("|It is larger than 4 MB, far larger than any configuration file.");
    QTest::newRow("a 50 MB message") << "huge" << tooLarge;
    QTest::newRow("one byte over the limit") << "over" << tooLarge;
    QTest::newRow("exactly at the limit") << "limit" << QString();
    QTest::newRow("a directory") << "directory" << QString();
    QTest::newRow("no such file") << "missing" << QString();
    QTest::newRow("a named pipe") << "fifo" << QString();
    QTest::newRow("an endless device") << "device" << QString();
}

void TestHostileFiles::specialFilesAndHugeDocumentsStaySmall()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString path = m_dir->filePath(QStringLiteral("special.t2c"));
    if (kind == QLatin1String("limit")) {
        // Blanks between elements, which the reader skips: the largest document that loads.
        const QByteArray good = baseDocument();
        const qsizetype at = good.indexOf("\t<_tavrinType>");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(good.left(at) + QByteArray(CfgFile::MaxDocumentBytes - good.size(), ' ') + good.mid(at));
        file.close();
        QCOMPARE(file.size(), CfgFile::MaxDocumentBytes);
    } else if (kind == QLatin1String("huge") || kind == QLatin1String("over")) {
        // A message of 50 MB, or one that makes the file one byte larger than a document may be.
        const QByteArray good = baseDocument();
        const qsizetype at = good.indexOf("<ascii>") + 7;
        const qsizetype length
            = kind == QLatin1String("huge") ? qsizetype(50) << 20 : CfgFile::MaxDocumentBytes + 1 - good.size();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(good.left(at));
        const QByteArray chunk(1 << 20, 'x');
        for (qsizetype left = length; left > 0; left -= chunk.size())
            file.write(chunk.left(qMin(left, chunk.size())));
        file.write(good.mid(at));
        file.close();
        QCOMPARE(file.size(), good.size() + length);
    } else if (kind == QLatin1String("directory")) {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("special.t2c")));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    }

    // In a child process: its peak is the load's own, and a hang or a runaway cannot take the suite along.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--load-in-child"), path });
    QVERIFY(child.waitForStarted());
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the load did not end within 30 s");
    }
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (kind == QLatin1String("limit")) {
        QCOMPARE(lines.value(0), QStringLiteral("form changed"));
        lines.prepend(QString());
    } else {
        QCOMPARE(lines.value(0),
                 QStringLiteral("shown Error: ") + QStringLiteral("Could not read from %1").arg(path) + reason);
        QCOMPARE(lines.value(1), QStringLiteral("form unchanged"));
    }
    const QStringList peak = lines.value(2).split(QLatin1Char(' '));
    QCOMPARE(peak.value(0), QStringLiteral("peak"));
    const long long peakKb = peak.value(1).toLongLong();
    qInfo("%s: peak %lld MB", QTest::currentDataTag(), peakKb >> 10);
    QVERIFY2(peakKb > 0 && peakKb < peakLimitKb, qPrintable(lines.value(2)));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc == 3 && qstrcmp(argv[1], "--load-in-child") == 0)
        return TestHostileFiles::loadInChild(QString::fromLocal8Bit(argv[2]));
    TestHostileFiles test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostilefiles.moc"
