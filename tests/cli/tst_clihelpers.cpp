#include "config/CfgFieldList.h"
#include "config/CfgFile.h"
#include "pagers/FrmProgramPagers.h"
#include "protocol/PagerValidation.h"

#include <QTemporaryDir>
#include <QtTest>

// The helpers below both front ends: configuration files, the settings listing and the pager checks.
class TestCliHelpers : public QObject
{
    Q_OBJECT

private slots:
    void decodesUtf8ElseLatin1_data();
    void decodesUtf8ElseLatin1();
    void loadsFilesOfEitherEncoding();
    void latin1PairsSaveAndLoadUnchanged_data();
    void latin1PairsSaveAndLoadUnchanged();
    void writesLatin1AndReplacesWhole();
    void failureTexts_data();
    void failureTexts();

    void welcomeMessageRule_data();
    void welcomeMessageRule();
    void dialogKeepsTheSharedLimits();

    void valueNames_data();
    void valueNames();
    void editedFilesListWhatTheyHold();
};

void TestCliHelpers::decodesUtf8ElseLatin1_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9") << QString::fromUtf8("Caf\xC3\xA9");
    QTest::newRow("Latin-1") << QByteArray("Caf\xE9") << QString::fromLatin1("Caf\xE9");
    // One byte that is no UTF-8 makes the whole file Latin-1.
    QTest::newRow("mixed") << QByteArray("\xC3\xA9 \xE9") << QString::fromLatin1("\xC3\xA9 \xE9");
    QTest::newRow("cut UTF-8 sequence") << QByteArray("ab\xC3") << QString::fromLatin1("ab\xC3");
    // Latin-1 bytes that also form UTF-8, for a character beyond Latin-1 that no file of ours holds: Latin-1.
    QTest::newRow("Latin-1 that is UTF-8 beyond Latin-1")
        << QByteArray("CAF\xC9\xA0!") << QStringLiteral("CAF\u00c9\u00a0!");
    // Read as Latin-1 it would hold C1 controls: UTF-8, which Load refuses by name.
    QTest::newRow("UTF-8 euro sign") << QByteArray("5 \xE2\x82\xAC") << QStringLiteral("5 \u20ac");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9") << QStringLiteral("\u00e9");
    QTest::newRow("byte order mark, UTF-8 beyond Latin-1")
        << QByteArray("\xEF\xBB\xBF\xC9\xA0") << QStringLiteral("\u0260");
}

void TestCliHelpers::decodesUtf8ElseLatin1()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(CfgFile::decodeDocument(bytes), text);
}

void TestCliHelpers::loadsFilesOfEitherEncoding()
{
    QTemporaryDir dir;
    Tavrin2QtCfg cfg;
    cfg.setAckPageMsg(QString::fromLatin1("Caf\xE9 & <b>"));
    QString error;
    const QString text = cfg.freeze(error);
    QVERIFY(!text.isEmpty());

    for (const QByteArray& bytes : { text.toLatin1(), text.toUtf8() }) {
        const QString path = dir.filePath("doc.t2c");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const std::unique_ptr<Tavrin2QtCfg> loaded = CfgFile::load(path, error);
        QVERIFY2(loaded, qPrintable(error));
        QCOMPARE(loaded->ackPageMsg(), cfg.ackPageMsg());
    }
}

void TestCliHelpers::latin1PairsSaveAndLoadUnchanged_data()
{
    QTest::addColumn<int>("firstFrom");
    for (int first = 0x80; first <= 0xFF; first += 0x20)
        QTest::addRow("first byte %X-%X", first, first + 0x1F) << first;
}

// Every two-letter text of the upper half of Latin-1, as the only such text of a document, so that no
// other character decides how the file reads: the bytes Save writes decode to the document it froze.
void TestCliHelpers::latin1PairsSaveAndLoadUnchanged()
{
    QFETCH(int, firstFrom);
    const QString placeholder = QStringLiteral("@@");
    Tavrin2QtCfg cfg;
    cfg.setDtCancelMsg(placeholder);
    QString error;
    const QString frozen = CfgFile::freezeForSave(cfg, error);
    QCOMPARE(frozen.count(placeholder), 1);

    QStringList changed;
    for (int first = firstFrom; first < firstFrom + 0x20; ++first) {
        for (int second = 0x80; second <= 0xFF; ++second) {
            const QString document = QString(frozen).replace(placeholder, QString(QChar(first)) + QChar(second));
            if (CfgFile::decodeDocument(CfgFile::encodeDocument(document)) != document)
                changed.append(QStringLiteral("%1 %2").arg(first, 0, 16).arg(second, 0, 16));
        }
    }
    QVERIFY2(changed.isEmpty(), qPrintable(QStringLiteral("changed: ") + changed.join(QStringLiteral(", "))));
}

void TestCliHelpers::writesLatin1AndReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.t2c");
    QString error;
    QVERIFY(CfgFile::writeDocument(path, QString(1000, 'x'), error));
    QVERIFY(CfgFile::writeDocument(path, QString::fromLatin1("Caf\xE9"), error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Caf\xE9"));
    file.close();
    // As Latin-1 these would be the bytes C3 A9, which read back as "\u00e9": UTF-8 keeps them.
    QVERIFY(CfgFile::writeDocument(path, QStringLiteral("Caf\u00c3\u00a9"), error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Caf\xC3\x83\xC2\xA9"));

    QVERIFY(!CfgFile::writeDocument(dir.path(), "x", error));
    QCOMPARE(error, "Could not write to " + dir.path());
    QVERIFY(!CfgFile::readDocument(dir.filePath("none.t2c"), error, error));
    QCOMPARE(error, "Could not read from " + dir.filePath("none.t2c"));
}

void TestCliHelpers::failureTexts_data()
{
    QTest::addColumn<QString>("layerError");
    QTest::addColumn<QString>("text");
    QTest::newRow("no message") << QString() << "Unable to load config file";
    QTest::newRow("message") << "Bad tag"
                             << "Bad tag\nUnable to load config file";
    QTest::newRow("message with line break") << "Bad tag\n"
                                             << "Bad tag\nUnable to load config file";
}

void TestCliHelpers::failureTexts()
{
    QFETCH(QString, layerError);
    QFETCH(QString, text);
    QCOMPARE(CfgFile::failureText(layerError, CfgFile::unableToLoadText()), text);
}

void TestCliHelpers::welcomeMessageRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("48 characters, 2 line feeds")
        << QString(22, 'a') + '\n' + QString(12, 'b') + '\n' + QString(12, 'c') << true;
    QTest::newRow("49 characters") << QString(49, 'a') << false;
    QTest::newRow("49 with line feeds") << QString(23, 'a') + '\n' + QString(12, 'b') + '\n' + QString(12, 'c')
                                        << false;
    QTest::newRow("3 line feeds") << "a\nb\nc\nd" << false;
    QTest::newRow("comma") << "Hi, there" << false;
}

void TestCliHelpers::welcomeMessageRule()
{
    QFETCH(QString, message);
    QFETCH(bool, valid);
    QCOMPARE(isValidWelcomeMessage(message), valid);

    // The dialog applies the same rule and leaves a refused message selected.
    FrmProgramPagers dialog(false, false, 0);
    auto* editor = dialog.findChild<QTextEdit*>("textEditWelcomeMsg");
    QVERIFY(editor);
    editor->setPlainText(message);
    QCOMPARE(dialog.checkWelcomeMsg(), valid);
    QCOMPARE(editor->textCursor().selectedText().size(), valid ? 0 : message.size());
}

void TestCliHelpers::dialogKeepsTheSharedLimits()
{
    FrmProgramPagers dialog(false, false, 0);
    auto range = [&dialog](const char* name) {
        auto* spinBox = dialog.findChild<QSpinBox*>(name);
        return spinBox ? QPair<int, int>(spinBox->minimum(), spinBox->maximum()) : QPair<int, int>(-1, -1);
    };
    using Range = QPair<int, int>;
    const Range pager(PagerLimits::MinPagerNum, PagerLimits::MaxPagerNum);
    QCOMPARE(range("spinBoxAlphaPgrNum"), pager);
    QCOMPARE(range("spinBoxZellCoasterPgrNum"), pager);
    QCOMPARE(range("spinBoxAlphaPgrAllPage"), Range(PagerLimits::MinAllPageID, PagerLimits::MaxAllPageID));
    QCOMPARE(range("spinBoxAlphaSysID"), Range(PagerLimits::MinSysID, PagerLimits::MaxSysID));
    QCOMPARE(range("spinBoxZellCoasterSysID"), Range(PagerLimits::MinSysID, PagerLimits::MaxSysID));
    for (int group = 1; group <= PagerLimits::GroupCount; ++group) {
        const QByteArray spinBox = "spinBoxGroup" + QByteArray::number(group);
        QCOMPARE(range(spinBox.constData()), Range(PagerLimits::MinGroupPagerNum, PagerLimits::MaxGroupPagerNum));
        auto* name = dialog.findChild<QLineEdit*>(QString("lineEditGroup%1").arg(group));
        QVERIFY(name);
        QCOMPARE(name->maxLength(), maxGroupNameLength(group));
    }
    dialog.findChild<QCheckBox*>("checkBoxEnableGrpPaging")->setChecked(true);
    QCOMPARE(range("spinBoxAlphaPgrNum"), Range(PagerLimits::MinPagerNumWithGroups, PagerLimits::MaxPagerNum));
}

void TestCliHelpers::valueNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Guest mode 1") << CfgFieldList::buttonModeName(TavrinIIButton::GuestType, 1) << "30 Sec";
    // A file may hold codes the window has no entry for: they show as they are.
    QTest::newRow("Zell mode 0") << CfgFieldList::buttonModeName(TavrinIIButton::ZellType, 0) << "0";
    QTest::newRow("type 7") << CfgFieldList::pagerTypeName(7) << "7";
    QTest::newRow("Dalen mode 11") << CfgFieldList::dalenModeName(11) << "11";
    QTest::newRow("input setting 1") << CfgFieldList::extInputSettingName(1) << "Normally Closed";
    QTest::newRow("no time of day") << CfgFieldList::timeText(QTime(25, 0)) << "--:--";
    QTest::newRow("time with seconds") << CfgFieldList::timeText(QTime(23, 59, 59)) << "23:59:59";
}

void TestCliHelpers::valueNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(name, expected);
}

namespace {
// The labels listed for a default record whose file was edited to hold count button entries.
QStringList labelsWithButtonCount(int count)
{
    QString error;
    QString text = Tavrin2QtCfg().freeze(error);
    const QString itemEnd = QStringLiteral("\t\t</item>\n");
    const int firstItemEnd = int(text.indexOf(itemEnd)) + int(itemEnd.size());
    const int laterItemEnd = int(text.indexOf(itemEnd, firstItemEnd)) + int(itemEnd.size());
    const QString laterItem = text.mid(firstItemEnd, laterItemEnd - firstItemEnd);
    const int buttonsEnd = int(text.indexOf(QStringLiteral("\t</_tavrinIIButtons>")));
    text.replace(firstItemEnd, buttonsEnd - firstItemEnd, laterItem.repeated(count - 1));
    text.replace(QStringLiteral("<count>6</count>"), QStringLiteral("<count>%1</count>").arg(count));

    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, error);
    if (!cfg || cfg->tavrinIIButtonCount() != count)
        return { QStringLiteral("not read: ") + error };
    QStringList labels;
    for (const CfgField& field : CfgFieldList::fields(*cfg))
        labels.append(field.label);
    return labels;
}
} // namespace

void TestCliHelpers::editedFilesListWhatTheyHold()
{
    // Four buttons: no fifth button and no external input, and nothing out of range.
    const QStringList four = labelsWithButtonCount(4);
    QVERIFY2(four.contains("Button 4 pager"), qPrintable(four.join('|')));
    QVERIFY(!four.contains("Button 5 pager"));
    QVERIFY(!four.contains("External input pager"));

    // A seventh entry is never sent, so it is not listed.
    const QStringList seven = labelsWithButtonCount(7);
    QVERIFY2(seven.contains("External input pager"), qPrintable(seven.join('|')));
    QCOMPARE(seven.filter(QRegularExpression(" pager$")).size(), 6 + 2);

    Tavrin2QtCfg unknown;
    unknown.setTavrinType(Unknown);
    QCOMPARE(CfgFieldList::fields(unknown).size(), 2);
}

QTEST_MAIN(TestCliHelpers)
#include "tst_clihelpers.moc"
