#include "MainWindowKit.h"

#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

#include <unistd.h>

using kit::Model;

Q_DECLARE_METATYPE(Tavrin2QtCfg)

namespace {
const QString errorCaption = QStringLiteral("Error");
const QString saveCaption = QStringLiteral("Save config file as");
const QString loadCaption = QStringLiteral("Choose a config file to load");
const QString unableToLoad = QStringLiteral("Unable to load config file");
const QString notAConfiguration = QStringLiteral("This file is not a Tavrin configuration, or it is damaged.\n");

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString documentOf(const Tavrin2QtCfg& cfg)
{
    QString error;
    return cfg.freeze(error);
}
} // namespace

class TestMainWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveNamesTheFile_data();
    void saveNamesTheFile();
    void saveAsksBeforeReplacingTheAppendedName_data();
    void saveAsksBeforeReplacingTheAppendedName();
    void saveRefusesCharactersBeyondLatin1_data();
    void saveRefusesCharactersBeyondLatin1();
    void savedFileLoadsBack_data();
    void savedFileLoadsBack();
    void cancelledDialogsDoNothing();
    void brokenFileLeavesTheFormAlone_data();
    void brokenFileLeavesTheFormAlone();
    void unreadableFileIsReported();
    void fileWithFewerButtonsIsRefusedWhole();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void filesOfEitherEncodingLoad_data();
    void filesOfEitherEncodingLoad();
    void messageLongerThanItsFieldIsRefused();
    void saveWritesLatin1ElseUtf8();
    void statusBarSaysWhatTheLastActionDid();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    // The dialog's answer, and the error box expected after it, if any.
    void save(const QString& answer, const std::optional<QString>& error = std::nullopt);
    void load(const QString& answer, const std::optional<QString>& error = std::nullopt);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FrmTavrin2Qt> window;
};

void TestMainWindowFiles::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    prompter = std::make_unique<ScriptedPrompter>();
    kit::attach(Model::TavrinII);
    FrmTavrin2Qt::resetFirstDetection();
    window = std::make_unique<FrmTavrin2Qt>();
}

void TestMainWindowFiles::cleanup()
{
    window.reset();
    prompter->verifyDone();
    prompter.reset();
    dir.reset();
}

void TestMainWindowFiles::save(const QString& answer, const std::optional<QString>& error)
{
    prompter->expectSaveFile(saveCaption, answer);
    if (error)
        prompter->expectCritical(errorCaption, *error);
    window->fileSaveConfigurationAction->trigger();
}

void TestMainWindowFiles::load(const QString& answer, const std::optional<QString>& error)
{
    prompter->expectOpenFile(loadCaption, answer);
    if (error)
        prompter->expectCritical(errorCaption, *error);
    window->fileLoadConfigurationAction->trigger();
}

void TestMainWindowFiles::saveNamesTheFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "config"
                                  << "config.t2c";
    QTest::newRow("extension") << "site.t2c"
                               << "site.t2c";
    QTest::newRow("upper-case extension") << "SITE.T2C"
                                          << "SITE.T2C";
    QTest::newRow("mixed-case extension") << "site.T2c"
                                          << "site.T2c";
    QTest::newRow("two dots") << "a.b.t2c"
                              << "a.b.t2c";
    QTest::newRow("other extension") << "notes.txt"
                                     << "notes.txt.t2c";
}

void TestMainWindowFiles::saveNamesTheFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    save(path(typed));
    const ScriptedPrompter::Call& dialog = prompter->calls().constLast();
    QCOMPARE(dialog.text, QStringLiteral("Save File"));
    QCOMPARE(dialog.items, QStringList { QStringLiteral("Tavrin Config (*.t2c)") });
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { written });
    QCOMPARE(contentsOf(path(written)), documentOf(window->uiSettings()).toUtf8());
}

void TestMainWindowFiles::saveAsksBeforeReplacingTheAppendedName_data()
{
    QTest::addColumn<QString>("typed");
    // -1: no question expected.
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("appended name, replace") << "site" << 0 << true;
    QTest::newRow("appended name, keep") << "site" << 1 << false;
    // The save dialog itself asked about this name.
    QTest::newRow("typed name") << "site.t2c" << -1 << true;
}

void TestMainWindowFiles::saveAsksBeforeReplacingTheAppendedName()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    const QByteArray old = "the previous site.t2c";
    QVERIFY(writeBytes(path(QStringLiteral("site.t2c")), old));
    window->spinBoxSysID->setValue(9);

    prompter->expectSaveFile(saveCaption, path(typed));
    if (answer >= 0)
        prompter->expectQuestion(saveCaption, QStringLiteral("site.t2c already exists.\nDo you want to replace it?"),
                                 answer);
    window->fileSaveConfigurationAction->trigger();
    QVERIFY(prompter->verifyDone());
    QCOMPARE(contentsOf(path(QStringLiteral("site.t2c"))), replaced ? documentOf(window->uiSettings()).toUtf8() : old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { QStringLiteral("site.t2c") });
}

void TestMainWindowFiles::saveRefusesCharactersBeyondLatin1_data()
{
    QTest::addColumn<Tavrin2QtCfg>("cfg");
    QTest::addColumn<QString>("error");
    const QString refusal = QStringLiteral("The %1 holds the character \"%2\", which Tavrin cannot take.\nPlease "
                                           "replace it; the file was not saved.");
    Tavrin2QtCfg cfg;
    cfg.setLowBatteryPageMsg(QStringLiteral("Batterie \u00e0 changer \u2192 vite"));
    QTest::newRow("shown page") << cfg
                                << refusal.arg(QStringLiteral("Low battery page message"), QStringLiteral("\u2192"));
    cfg = Tavrin2QtCfg();
    // A file keeps the page not shown as well.
    cfg.setDtCancelMsg(QStringLiteral("\U0001F6AB Cancelled"));
    QTest::newRow("page not shown") << cfg
                                    << refusal.arg(QStringLiteral("Cancel message"), QStringLiteral("\U0001F6AB"));
}

void TestMainWindowFiles::saveRefusesCharactersBeyondLatin1()
{
    QFETCH(Tavrin2QtCfg, cfg);
    QFETCH(QString, error);
    // Only a program can put such a text into the form; typing cannot.
    window->setUISettings(cfg);
    save(path(QStringLiteral("site")), error);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
}

void TestMainWindowFiles::savedFileLoadsBack_data()
{
    QTest::addColumn<int>("savedType");
    QTest::addColumn<int>("shownType");
    QTest::newRow("Tavrin II over Tavrin II") << int(TavrinII) << int(TavrinII);
    QTest::newRow("Dalen Tavrin over Tavrin II") << int(DalenTavrin) << int(TavrinII);
    QTest::newRow("Tavrin II over Dalen Tavrin - 2 Button") << int(TavrinII) << int(DalenTavrin2Button);
}

void TestMainWindowFiles::savedFileLoadsBack()
{
    QFETCH(int, savedType);
    QFETCH(int, shownType);
    QRandomGenerator rng(static_cast<quint32>(savedType * 10 + shownType));
    for (int i = 0; i < 5; ++i) {
        const Tavrin2QtCfg saved = kit::randomRecord(rng, static_cast<TavrinType>(savedType));
        window->setUISettings(saved);
        save(path(QStringLiteral("round.t2c")));
        window->setUISettings(kit::randomRecord(rng, static_cast<TavrinType>(shownType)));

        load(path(QStringLiteral("round.t2c")));
        QCOMPARE(prompter->calls().constLast().text, QStringLiteral("Load File"));
        QCOMPARE(int(window->selectedType()), savedType);
        QCOMPARE(window->widgetStackSwitchDevice->currentWidget(),
                 savedType == TavrinII ? window->pgTavrinII : window->pgDalenTavrin);
        KIT_VERIFY_SAME(window->uiSettings(), kit::shownPart(saved));
    }
}

void TestMainWindowFiles::cancelledDialogsDoNothing()
{
    const Tavrin2QtCfg before = window->uiSettings();
    save(QString());
    load(QString());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    KIT_VERIFY_SAME(window->uiSettings(), before);
}

void TestMainWindowFiles::brokenFileLeavesTheFormAlone_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");

    QString document = documentOf(Tavrin2QtCfg());
    QTest::newRow("wrong signature")
        << QString(document).replace(QStringLiteral("serialization::archive"), QStringLiteral("other")).toLatin1()
        << "%1 is not a Tavrin configuration file (it could not be read as one: it is an XML document of another "
           "kind)";
    QTest::newRow("fields exchanged") << QString(document)
                                             .replace(QStringLiteral("_checkBoxRepageEnabled"), QStringLiteral("_tmp"))
                                             .replace(QStringLiteral("_spinBoxRepageInterval"),
                                                      QStringLiteral("_checkBoxRepageEnabled"))
                                             .replace(QStringLiteral("_tmp"), QStringLiteral("_spinBoxRepageInterval"))
                                             .toLatin1()
                                      << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("not a document") << QByteArray("hello\n") << QString();
}

void TestMainWindowFiles::brokenFileLeavesTheFormAlone()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QRandomGenerator rng(3);
    window->setUISettings(kit::randomRecord(rng, DalenTavrin2Button));
    const Tavrin2QtCfg before = window->uiSettings();
    QVERIFY(writeBytes(path(QStringLiteral("broken.t2c")), contents));

    load(path(QStringLiteral("broken.t2c")),
         message.isEmpty() ? message : message.arg(path(QStringLiteral("broken.t2c"))));
    const QString shown = prompter->calls().constLast().text;
    // One sentence naming the file, with the reason in words; the reader's own text is for the trace.
    QVERIFY2(shown.startsWith(path(QStringLiteral("broken.t2c"))
                              + QStringLiteral(" is not a Tavrin configuration file (it could not be read as one: ")),
             qPrintable(shown));
    QVERIFY2(shown.endsWith(QLatin1Char(')')) && !shown.contains(QLatin1Char('\n')), qPrintable(shown));
    QVERIFY2(!shown.contains(QStringLiteral("exception")) && !shown.contains(unableToLoad), qPrintable(shown));
    KIT_VERIFY_SAME(window->uiSettings(), before);
    QCOMPARE(window->windowTitle(), QStringLiteral("Dalen Tavrin - 2 Button"));
}

void TestMainWindowFiles::unreadableFileIsReported()
{
    const QString missing = path(QStringLiteral("missing.t2c"));
    load(missing, QStringLiteral("Could not read from ") + missing);
}

void TestMainWindowFiles::fileWithFewerButtonsIsRefusedWhole()
{
    QRandomGenerator rng(4);
    window->setUISettings(kit::randomRecord(rng, TavrinII));
    const Tavrin2QtCfg before = window->uiSettings();
    const QString document
        = kit::withFewerEntries(documentOf(kit::randomRecord(rng, DalenTavrin)), QStringLiteral("_tavrinIIButtons"), 4);
    QVERIFY(writeBytes(path(QStringLiteral("four.t2c")), document.toLatin1()));

    load(path(QStringLiteral("four.t2c")),
         notAConfiguration
             + QStringLiteral("The configuration is incomplete: it holds 4 of 6 button settings\n"
                              "and 3 of 3 auto on/off times.\nUnable to load config file"));
    QCOMPARE(window->selectedType(), TavrinII);
    KIT_VERIFY_SAME(window->uiSettings(), before);
}

void TestMainWindowFiles::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    // The name fits the folder, the temporary file beside it does not.
    QTest::addColumn<QString>("name");
    QTest::newRow("no room for the temporary file") << false << QString(246, QLatin1Char('x')) + ".t2c";
    QTest::newRow("read-only folder") << true << "site.t2c";
}

void TestMainWindowFiles::failedSaveKeepsTheOldFile()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, name);
    if (readOnlyFolder && ::geteuid() == 0)
        QSKIP("the super-user writes into read-only folders");
    const QByteArray old = documentOf(Tavrin2QtCfg()).toLatin1();
    const QString target = path(name);
    QVERIFY(writeBytes(target, old));
    if (readOnlyFolder)
        QVERIFY(QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner));

    window->spinBoxSysID->setValue(9);
    save(target, QStringLiteral("Could not write to ") + target);
    QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(contentsOf(target), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList { name });
}

void TestMainWindowFiles::filesOfEitherEncodingLoad_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<QString>("message");
    // The box that refuses the file; none when it loads.
    QTest::addColumn<QString>("refusal");
    const QString letters = QStringLiteral("Caf\u00e9 cr\u00e8me \u00c0 \u00ff");
    QTest::newRow("8-bit code page") << false << letters << QString();
    QTest::newRow("UTF-8") << true << letters << QString();
    const QString refusal = QStringLiteral("The Low battery page message holds the character %1, which Tavrin cannot "
                                           "take.\nPlease replace it; the file was not loaded.");
    // Saved by a text editor: shown, sent or saved again, it would be "Go \u00e2\u0086\u0092 Tisch 7".
    QTest::newRow("UTF-8 beyond Latin-1")
        << true << QStringLiteral("Go \u2192 Tisch 7") << refusal.arg(QStringLiteral("\"\u2192\" (U+2192)"));
    // C9 A0 is also UTF-8, for a character no file of ours holds: the file is read as the Latin-1 it is.
    QTest::newRow("8-bit code page that is UTF-8") << false << QStringLiteral("CAF\u00c9\u00a0!") << QString();
}

void TestMainWindowFiles::filesOfEitherEncodingLoad()
{
    QFETCH(bool, utf8);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    Tavrin2QtCfg cfg;
    cfg.setLowBatteryPageMsg(message);
    cfg.setDtCancelMsg(message);
    const QString document = documentOf(cfg);
    QVERIFY(writeBytes(path(QStringLiteral("letters.t2c")), utf8 ? document.toUtf8() : document.toLatin1()));
    window->lineEditLowBatteryPageMsg->setText(QStringLiteral("before"));
    const Tavrin2QtCfg before = window->uiSettings();

    if (!refusal.isEmpty()) {
        load(path(QStringLiteral("letters.t2c")), refusal);
        KIT_VERIFY_SAME(window->uiSettings(), before);
        return;
    }
    load(path(QStringLiteral("letters.t2c")));
    QCOMPARE(window->lineEditLowBatteryPageMsg->text(), message);
    QCOMPARE(window->lineEditDTCancelMsg->text(), message);
}

// Shown in the form, the text would be cut to the field's 64 characters without a word.
void TestMainWindowFiles::messageLongerThanItsFieldIsRefused()
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(DalenTavrin);
    cfg.setDtBtn1SettingMsg(QString(80, QLatin1Char('x')));
    QVERIFY(writeBytes(path(QStringLiteral("long.t2c")), documentOf(cfg).toLatin1()));
    const Tavrin2QtCfg before = window->uiSettings();

    load(path(QStringLiteral("long.t2c")),
         QStringLiteral("The Button message is 80 characters long; its field takes at most 64.\nPlease shorten it; the "
                        "file was not loaded."));
    KIT_VERIFY_SAME(window->uiSettings(), before);
    QCOMPARE(window->selectedType(), TavrinII);
}

void TestMainWindowFiles::saveWritesLatin1ElseUtf8()
{
    // One byte a letter, as every earlier reader of these files takes them.
    window->lineEditLowBatteryPageMsg->setText(QStringLiteral("Caf\u00e9 \u00a35"));
    save(path(QStringLiteral("letters")));
    QVERIFY(contentsOf(path(QStringLiteral("letters.t2c")))
                .contains(QByteArray("<ascii>Caf\xe9 \xa3"
                                     "5</ascii>")));

    // Written as Latin-1, "\u00c2\u00a3" would be the bytes C2 A3, which read back as "\u00a3".
    const QString message = QStringLiteral("\u00c2\u00a35");
    window->lineEditLowBatteryPageMsg->setText(message);
    save(path(QStringLiteral("letters.t2c")));
    const QByteArray bytes = contentsOf(path(QStringLiteral("letters.t2c")));
    QVERIFY(bytes.contains(QByteArray("<ascii>\xc3\x82\xc2\xa3"
                                      "5</ascii>")));

    window->lineEditLowBatteryPageMsg->clear();
    load(path(QStringLiteral("letters.t2c")));
    QCOMPARE(window->lineEditLowBatteryPageMsg->text(), message);
}

// A file of another model moves the form to that model's page: the status bar names it. The next action
// starts with an empty status bar, so a failure does not stand next to the previous success.
void TestMainWindowFiles::statusBarSaysWhatTheLastActionDid()
{
    Tavrin2QtCfg dalen;
    dalen.setTavrinType(DalenTavrin);
    const QString path = dir->filePath(QStringLiteral("dalen-site.t2c"));
    QVERIFY(writeBytes(path, documentOf(dalen).toLatin1()));
    load(path);
    QCOMPARE(window->statusBar()->currentMessage(),
             QStringLiteral("Loaded dalen-site.t2c: settings of a Dalen Tavrin"));
    load(path);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Loaded dalen-site.t2c"));

    kit::attachUnplugged();
    prompter->expectCritical(errorCaption);
    window->pushButtonRead->click();
    QCOMPARE(window->statusBar()->currentMessage(), QString());
}

QTEST_MAIN(TestMainWindowFiles)
#include "tst_mainwindowfiles.moc"
