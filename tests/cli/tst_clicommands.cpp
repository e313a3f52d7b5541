#include "cli/CliApp.h"
#include "cli/CliStationCommand.h"
#include "config/CfgFieldList.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "provisioning/ProvisionLog.h"
#include "sim/VirtualTavrin.h"
#include "sim/VirtualTavrinBus.h"
#include "usb/UsbHid.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = CliApp().run(QStringList { QStringLiteral("tavrin2qt-cli") } + arguments, out, err);
    return result;
}

TavrinIIButton button(bool enabled, int pager, int type, int mode, int zellMsg, const QString& alphaMsg)
{
    TavrinIIButton b;
    b.setButtonEnabled(enabled);
    b.setPagerNum(pager);
    b.setType(type);
    b.setMode(mode);
    b.setZellMsgInt(zellMsg);
    b.setAlphaMsg(alphaMsg);
    return b;
}

// Settings of every kind the Tavrin II commands carry, each as the device keeps it: every entry
// enabled (a disabled one keeps what the device had), repaging switched like the acknowledge page
// (one READ field reports both).
Tavrin2QtCfg tavrinIIDocument()
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(TavrinII);
    cfg.setTavrinIIButtonVectorAtIndex(0, button(true, 101, TavrinIIButton::ZellType, 1, 3, QString()));
    cfg.setTavrinIIButtonVectorAtIndex(1, button(true, 102, TavrinIIButton::AlphaType, 0, 0, "Door 2"));
    cfg.setTavrinIIButtonVectorAtIndex(2, button(true, 103, TavrinIIButton::GuestType, 2, 0, QString()));
    cfg.setTavrinIIButtonVectorAtIndex(3, button(true, 9999, TavrinIIButton::ZellType, 10, 9, QString()));
    cfg.setTavrinIIButtonVectorAtIndex(4, button(true, 105, TavrinIIButton::AlphaType, 0, 0, "Bar & <Grill>"));
    TavrinIIButton input = button(true, 44, TavrinIIButton::AlphaType, 0, 0, "Door");
    input.setExtInputSetting(1);
    cfg.setTavrinIIButtonVectorAtIndex(5, input);
    const QTime times[3][2]
        = { { QTime(7, 5), QTime(23, 30) }, { QTime(0, 0), QTime(12, 59) }, { QTime(9, 0), QTime(17, 45) } };
    for (int j = 0; j < 3; ++j) {
        Tavrin2QtCfg::TavrinIIAutoOnOffTime pair;
        pair.setIsEnabled(true);
        pair.setAutoOnTime(times[j][0]);
        pair.setAutoOffTime(times[j][1]);
        cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(j, pair);
    }
    cfg.setLockoutTimeMode(2);
    cfg.setLockoutTime(45);
    cfg.setExtInputDisable1(3);
    cfg.setExtInputDisable2(4);
    cfg.setExtInputDisable3(5);
    cfg.setSysID(7);
    cfg.setEnableGrpPaging(true);
    cfg.setRepageEnabled(true);
    cfg.setRepageInterval(120);
    cfg.setLowBatteryPageEnabled(true);
    cfg.setLowBatteryPager(12);
    cfg.setLowBatteryPageMsg("Low battery");
    cfg.setAckPageEnabled(true);
    cfg.setAckPager(13);
    cfg.setAckPageMsg("Acknowledged");
    return cfg;
}

// The cancel message is sent as on only together with the secondary page.
Tavrin2QtCfg dalenDocument(TavrinType type)
{
    Tavrin2QtCfg cfg;
    cfg.setTavrinType(type);
    cfg.setDtBtn1PagerNum(12);
    cfg.setDtBtn1SettingMsg("Ready");
    cfg.setDtBtn1Mode(4);
    if (type == DalenTavrin2Button) {
        cfg.setDtBtn2PagerNum(7);
        cfg.setDtBtn2SettingMsg("Bar");
        cfg.setDtBtn2Mode(10);
    }
    cfg.setDtTavrinID(77);
    cfg.setDtSysID(5);
    cfg.setDtEnableGrpPaging(true);
    cfg.setDtBeepEnabled(true);
    cfg.setDtRepageEnabled(true);
    cfg.setDtRepageInterval(60);
    cfg.setDtLowBatteryPageEnabled(true);
    cfg.setDtLowBatteryPager(9);
    cfg.setDtLowBatteryPageMsg("Batt");
    cfg.setDtSecondaryPageEnabled(true);
    cfg.setDtSecondaryPager(8);
    cfg.setDtCancelMsgEnabled(true);
    cfg.setDtCancelMsg("Cancelled");
    return cfg;
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("<missing transcript>") };
    QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList withoutReads(QStringList lines)
{
    lines.removeAll(QStringLiteral("READ"));
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(VirtualTavrin::Model)
Q_DECLARE_METATYPE(Tavrin2QtCfg)

class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writeThenReadGivesTheDocumentBack_data();
    void writeThenReadGivesTheDocumentBack();
    void writeRefusesBeforeAnySetting_data();
    void writeRefusesBeforeAnySetting();
    void deviceFailuresKeepTheOutputFile();
    void readCutOffNeverPassesForTheUnit_data();
    void readCutOffNeverPassesForTheUnit();
    void writeFailsWhenTheUnitDoesNotTakeIt_data();
    void writeFailsWhenTheUnitDoesNotTakeIt();
    void valuesOutOfRangeAreNamedNotSent();
    void readOfAnAnswerShortOfALineWritesNothing_data();
    void readOfAnAnswerShortOfALineWritesNothing();

    void detectNamesTheUnit_data();
    void detectNamesTheUnit();
    void simulateFromStartsWithTheFilesSettings();
    void transcriptHoldsWhatTheUnitReceived();
    void severalUnitsNeedAChoice_data();
    void severalUnitsNeedAChoice();
    void listShowsEveryUnit();
    void listWithoutAUnitFails();
    void unreadableFilesAreRefusedInWords();
    void checkAsJsonIsTheObjectOfCheckAll();
    void stationRehearsesOnTheUnitsPresentAtStart();
    void readAllAndCheckAllGoUnitByUnit();
    void writeAllWithoutReadBackOrPrefixes();
    void stationEndsAndLeavesOutAsItsOptionsSay();
    void wrongNumberingIsAUsageError();

    void showListsLabelledValues();
    void showAsJson();
    void diffListsOnlyDifferences();
    void diffOfTwoModelsComparesTheSharedSettings();
    void diffOfAnUnreadableFileIsTrouble();

    void programmingSendsTheDialogsCommands_data();
    void programmingSendsTheDialogsCommands();
    void programmingRefusesInvalidInput_data();
    void programmingRefusesInvalidInput();

    void usageErrors_data();
    void usageErrors();
    void helpMentionsEveryCommandAndOption();
    void manualPageOffersTheParsersOptions();

private:
    QString save(const Tavrin2QtCfg& cfg, const QString& name);
    QString writeFile(const QString& name, const QByteArray& bytes);
    VirtualTavrin* attach(VirtualTavrin::Model model);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Tavrin2QtComm::instance()->setClock([] { return QTime(9, 5, 7); });
}

QString TestCliCommands::save(const Tavrin2QtCfg& cfg, const QString& name)
{
    const QString path = m_dir->filePath(name);
    QString error;
    if (!CfgFile::save(cfg, path, error))
        qFatal("cannot save %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

QString TestCliCommands::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

VirtualTavrin* TestCliCommands::attach(VirtualTavrin::Model model)
{
    auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
    Tavrin2QtComm::instance()->reset();
    return sim;
}

void TestCliCommands::writeThenReadGivesTheDocumentBack_data()
{
    QTest::addColumn<VirtualTavrin::Model>("model");
    QTest::addColumn<Tavrin2QtCfg>("document");
    QTest::newRow("Tavrin II") << VirtualTavrin::Model::TavrinII << tavrinIIDocument();
    QTest::newRow("Dalen Tavrin") << VirtualTavrin::Model::DalenTavrin << dalenDocument(DalenTavrin);
    QTest::newRow("Dalen Tavrin - 2 Button")
        << VirtualTavrin::Model::DalenTavrin2Button << dalenDocument(DalenTavrin2Button);
}

void TestCliCommands::writeThenReadGivesTheDocumentBack()
{
    QFETCH(VirtualTavrin::Model, model);
    QFETCH(Tavrin2QtCfg, document);
    VirtualTavrin* sim = attach(model);
    sim->setSerialNumber("SN-4711");

    const CliRun written = runCli({ "write", save(document, "site.t2c") });
    QVERIFY2(written.status == 0, qPrintable(written.err));
    QVERIFY(written.err.startsWith("Updating"));
    QCOMPARE(written.out, QString());

    const QString readPath = m_dir->filePath("back.t2c");
    const CliRun read = runCli({ "read", "-o", readPath });
    QCOMPARE(read.status, 0);
    QString error;
    const std::unique_ptr<Tavrin2QtCfg> back = CfgFile::load(readPath, error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->tavrinType(), document.tavrinType());
    QCOMPARE(back->serNum(), QString("SN-4711"));
    QCOMPARE(back->firmware(), sim->firmware().version());

    // Every setting of the model, compared as the window shows it, the unit's identity aside.
    QList<CfgField> expected = CfgFieldList::fields(document).mid(2);
    QList<CfgField> actual = CfgFieldList::fields(*back).mid(2);
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual.at(i).label, expected.at(i).label);
        QCOMPARE(actual.at(i).value, expected.at(i).value);
    }

    // Standard output carries the same document, byte for byte.
    const CliRun toStdout = runCli({ "read" });
    QCOMPARE(toStdout.status, 0);
    QCOMPARE(toStdout.out.toUtf8(), fileBytes(readPath));
}

void TestCliCommands::writeRefusesBeforeAnySetting_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("unitAsked");
    // The file itself is refused: show refuses it as well.
    QTest::addColumn<bool>("fileRefused");

    QString error;
    QTest::newRow("model mismatch") << "dalen" << tavrinIIDocument().freeze(error).toLatin1()
                                    << "You are trying to program a Dalen Tavrin\ndevice with the Tavrin II UI "
                                       "selected."
                                    << true << false;

    Tavrin2QtCfg comma = tavrinIIDocument();
    comma.setLowBatteryPageMsg("Low, battery");
    QTest::newRow("comma in a message")
        << "tavrin2" << comma.freeze(error).toLatin1()
        << "The Low battery page message contains a comma, which Tavrin would take as the start of another "
           "field.\nPlease remove it; nothing was sent."
        << false << false;

    // Saved by a text editor in UTF-8.
    Tavrin2QtCfg arrow = tavrinIIDocument();
    arrow.setAckPageMsg(QStringLiteral("Go \u2192 Tisch 7"));
    QTest::newRow("character beyond Latin-1")
        << "tavrin2" << arrow.freeze(error).toUtf8()
        << QStringLiteral("The Acknowledge page message holds the character \"\u2192\" (U+2192), which Tavrin "
                          "cannot take.\nPlease replace it; the file was not loaded.")
        << false << true;

    Tavrin2QtCfg tab = tavrinIIDocument();
    tab.setLowBatteryPageMsg("Bar\tTerrasse");
    QTest::newRow("tab in a message") << "tavrin2" << tab.freeze(error).toLatin1()
                                      << "The Low battery page message holds the control character U+0009 (tab), "
                                         "which Tavrin cannot show.\nPlease remove it; nothing was sent."
                                      << false << false;

    // The unit would keep "/!>" and Beep 3.
    Tavrin2QtCfg alertCode = dalenDocument(DalenTavrin);
    alertCode.setDtBtn1SettingMsg("/!>\\fB3b0");
    alertCode.setDtBtn1Mode(0);
    QTest::newRow("alert code in a Dalen message")
        << "dalen" << alertCode.freeze(error).toLatin1()
        << "The message of the Button holds \"\\f\", which Tavrin takes as the start of the pager alert code: it "
           "would keep another message and alert.\nPlease remove it; nothing was sent."
        << false << false;

    Tavrin2QtCfg repage = tavrinIIDocument();
    repage.setAckPageEnabled(false);
    QTest::newRow("repage without the acknowledge page")
        << "tavrin2" << repage.freeze(error).toLatin1()
        << "Repage is on but the Acknowledge page is off: Tavrin II switches both with one setting, so Repage "
           "would be off after the update.\nPlease turn the Acknowledge page on, or Repage off; nothing was sent."
        << false << false;

    // The window would have cut it to its field's 64 characters; the command line sent it whole.
    Tavrin2QtCfg longText = dalenDocument(DalenTavrin);
    longText.setDtBtn1SettingMsg(QString(80, 'x'));
    QTest::newRow("message longer than its field")
        << "dalen" << longText.freeze(error).toLatin1()
        << "%1 holds messages longer than their fields take; nothing was sent:\n"
           "  Button message: 80 characters (at most 64)"
        << false << false;

    const QString broken = "<?xml version=\"1.0\"?>\nnot a configuration";
    QTest::newRow("broken file") << "tavrin2" << broken.toLatin1()
                                 << "%1 is not a Tavrin configuration file (it could not be read as one: it is not an "
                                    "XML document)"
                                 << false << true;
    // No file contents: the file is not there.
    QTest::newRow("missing file") << "tavrin2" << QByteArray() << "Could not read from %1" << false << true;
}

void TestCliCommands::writeRefusesBeforeAnySetting()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    QFETCH(bool, unitAsked);
    QFETCH(bool, fileRefused);
    const QString path = file.isEmpty() ? m_dir->filePath("absent.t2c") : writeFile("doc.t2c", file);
    if (error.contains("%1"))
        error = error.arg(path);

    const QString transcript = m_dir->filePath("transcript.txt");
    const CliRun run = runCli({ "--simulate", model, "--transcript", transcript, "write", path });
    QCOMPARE(run.err, error + "\n");
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    // Not a single setting; a file that cannot be loaded or sent whole does not even reach the unit.
    const QStringList received = readLines(transcript);
    QCOMPARE(withoutReads(received), QStringList());
    QCOMPARE(received.isEmpty(), !unitAsked);

    if (fileRefused) {
        const CliRun shown = runCli({ "show", path });
        QCOMPARE(shown.err, error + "\n");
        QCOMPARE(shown.status, 1);
        QCOMPARE(shown.out, QString());
    }
}

void TestCliCommands::deviceFailuresKeepTheOutputFile()
{
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    const QString path = writeFile("kept.t2c", "earlier contents");
    sim->unplug();
    const CliRun run = runCli({ "read", "-o", path });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QString("No Tavrin device found\nPlease verify Tavrin is connected to PC\n"));
    QCOMPARE(fileBytes(path), QByteArray("earlier contents"));

    // A file that cannot be created is the file's failure, after a good read.
    sim->replug();
    Tavrin2QtComm::instance()->reset();
    const QString impossible = path + "/inside-a-file.t2c";
    const CliRun unwritable = runCli({ "read", "-o", impossible });
    QCOMPARE(unwritable.status, 1);
    QVERIFY2(unwritable.err.endsWith("Could not write to " + impossible + "\n"), qPrintable(unwritable.err));
}

void TestCliCommands::readCutOffNeverPassesForTheUnit_data()
{
    QTest::addColumn<VirtualTavrin::Model>("model");
    QTest::addColumn<QStringList>("settings");
    // Settings late in the answer, so that a cut leaves them at defaults that differ from the unit's.
    QTest::newRow("Tavrin II")
        << VirtualTavrin::Model::TavrinII
        << QStringList { "RID,7",    "SBUT4,1,105,1,Bar,0",     "SONT2,9,0", "SOFFT2,17,45", "SLOCK,3,1,5,0,0",
                         "SLCKT,45", "SLOWBAT,1,12,Low battery" };
    QTest::newRow("Dalen Tavrin - 2 Button")
        << VirtualTavrin::Model::DalenTavrin2Button
        << QStringList { "RID,5", "SBUT1,1,7,1,Bar\\fB1b3,0", "SLOWBAT,1,9,Batt", "SECPGR,1,8", "CNCLMSG,1,Cancelled" };
}

// The unit stops answering after n input reports, for every n up to the whole read: the read either
// fails and writes nothing, or saves exactly the unit's settings.
void TestCliCommands::readCutOffNeverPassesForTheUnit()
{
    QFETCH(VirtualTavrin::Model, model);
    QFETCH(QStringList, settings);
    const auto attachConfigured = [&] {
        VirtualTavrin* sim = attach(model);
        for (const QString& setting : settings)
            sim->execute(setting);
        return sim;
    };
    const QString path = m_dir->filePath("unit.t2c");
    VirtualTavrin* sim = attachConfigured();
    for (const QString& setting : settings)
        QCOMPARE(sim->execute(setting), QStringList { "OK" });
    QCOMPARE(runCli({ "read", "-o", path }).status, 0);
    const int reports = sim->reportsDelivered();
    QString error;
    const QList<CfgField> unit = CfgFieldList::fields(*CfgFile::load(path, error));

    int lost = 0;
    QString incompleteAt;
    for (int n = 0; n < reports; ++n) {
        attachConfigured()->stopAnsweringAfterReports(n);
        QFile::remove(path);
        const CliRun run = runCli({ "read", "-o", path });
        const QString where = QStringLiteral("cut after %1 of %2 reports: ").arg(n).arg(reports);
        if (run.status == 0) {
            const std::unique_ptr<Tavrin2QtCfg> saved = CfgFile::load(path, error);
            QVERIFY2(saved && CfgFieldList::fields(*saved) == unit, qPrintable(where + "saved other settings"));
            continue;
        }
        QVERIFY2(run.status == 1 && !QFile::exists(path), qPrintable(where + run.err));
        if (run.err.contains("Lost communication to Tavrin\nPlease remove then re-attach Tavrin to PC\n")) {
            ++lost;
        } else {
            QVERIFY2(run.err.contains("Tavrin's answer lacked these settings"), qPrintable(where + run.err));
            QVERIFY2(run.err.endsWith("Nothing was written; --allow-incomplete writes them with their defaults.\n"),
                     qPrintable(run.err));
            incompleteAt = QString::number(n);
        }
    }
    // Most cuts fall inside a line; a few at a line's end leave an answer short of settings.
    QVERIFY(lost > 0);
    QVERIFY(!incompleteAt.isEmpty());

    attachConfigured()->stopAnsweringAfterReports(incompleteAt.toInt());
    const CliRun allowed = runCli({ "read", "--allow-incomplete", "-o", path });
    QCOMPARE(allowed.status, 0);
    QVERIFY2(allowed.err.contains("Tavrin's answer lacked these settings"), qPrintable(allowed.err));
    QVERIFY(QFile::exists(path));
}

void TestCliCommands::readOfAnAnswerShortOfALineWritesNothing_data()
{
    QTest::addColumn<VirtualTavrin::Model>("model");
    QTest::addColumn<QString>("keyword");
    // What the answer holds in place of the keyword's line; empty for nothing.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("unreported");
    QTest::newRow("malformed system ID") << VirtualTavrin::Model::TavrinII << "RID"
                                         << "RID,x"
                                         << "System ID";
    // The two-button model's index 0 is the window's "Button 2".
    QTest::newRow("two-button Dalen without BUT0")
        << VirtualTavrin::Model::DalenTavrin2Button << "BUT0" << QString() << "Button 2";
    QTest::newRow("two-button Dalen without BUT1")
        << VirtualTavrin::Model::DalenTavrin2Button << "BUT1" << QString() << "Button 1";
}

void TestCliCommands::readOfAnAnswerShortOfALineWritesNothing()
{
    QFETCH(VirtualTavrin::Model, model);
    QFETCH(QString, keyword);
    QFETCH(QString, line);
    QFETCH(QString, unreported);
    attach(model)->firmware().replaceReportLine(keyword, line);
    const QString path = m_dir->filePath("unit.t2c");
    const CliRun run = runCli({ "read", "-o", path });
    // After the progress lines.
    QCOMPARE(run.err.section(QStringLiteral("2/2\n"), 1),
             "Tavrin's answer lacked these settings, which show their defaults instead of the unit's:\n" + unreported
                 + "\nNothing was written; --allow-incomplete writes them with their defaults.\n");
    QCOMPARE(run.status, 1);
    QVERIFY(!QFile::exists(path));
}

void TestCliCommands::writeFailsWhenTheUnitDoesNotTakeIt_data()
{
    QTest::addColumn<VirtualTavrin::Model>("model");
    QTest::addColumn<Tavrin2QtCfg>("document");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("ignored");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("lastSent");

    const QString refusal = "Tavrin response indicates an error was\nencountered performing current operation\n"
                            "Tavrin refused %1, answering \"Err: failed\".\nThe commands before it were applied; "
                            "the ones after it were not sent.\n";
    const QString notHeld = "Tavrin answered every command, but when read back it does not hold these settings:\n";
    QTest::newRow("Err to a middle command")
        << VirtualTavrin::Model::TavrinII << tavrinIIDocument() << "SBUT2" << QString() << QStringList()
        << refusal.arg("SBUT2 (Button 3)") << "SBUT2,1,103,2,,2";
    QTest::newRow("Err to the Dalen low battery page")
        << VirtualTavrin::Model::DalenTavrin << dalenDocument(DalenTavrin) << "SLOWBAT" << QString() << QStringList()
        << refusal.arg("SLOWBAT (Low battery page)") << "SLOWBAT,1,9,Batt";
    QTest::newRow("unit ignores SRPG") << VirtualTavrin::Model::TavrinII << tavrinIIDocument() << QString() << "SRPG"
                                       << QStringList()
                                       << notHeld + "Repage interval (seconds): sent \"120\", Tavrin holds \"300\"\n"
                                       << "READ";
    QTest::newRow("unit ignores two Dalen commands")
        << VirtualTavrin::Model::DalenTavrin2Button << dalenDocument(DalenTavrin2Button) << QString() << "SBUT1"
        << QStringList()
        << notHeld
            + "Button 1 pager: sent \"7\", Tavrin holds \"1\"\nButton 1 message: sent \"Bar\", Tavrin holds \"\"\n"
              "Button 1 mode: sent \"Look Down\", Tavrin holds \"Default\"\n"
        << "READ";
    QTest::newRow("unit ignores SRPG, not verified")
        << VirtualTavrin::Model::TavrinII << tavrinIIDocument() << QString() << "SRPG" << QStringList { "--no-verify" }
        << QString() << "SLCKT,45";
}

void TestCliCommands::writeFailsWhenTheUnitDoesNotTakeIt()
{
    QFETCH(VirtualTavrin::Model, model);
    QFETCH(Tavrin2QtCfg, document);
    QFETCH(QString, refused);
    QFETCH(QString, ignored);
    QFETCH(QStringList, options);
    QFETCH(QString, error);
    QFETCH(QString, lastSent);
    VirtualTavrin* sim = attach(model);
    sim->failCommand(refused);
    sim->ignoreCommand(ignored);

    const CliRun run = runCli(QStringList { "write" } + options + QStringList { save(document, "site.t2c") });
    QCOMPARE(run.err.section("\n", -(error.count('\n') + 1)), error);
    QCOMPARE(run.status, error.isEmpty() ? 0 : 1);
    // A refusal stops the sequence there; the check reads the unit after the last command.
    QCOMPARE(sim->transcript().constLast(), lastSent);
}

// A hand-edited file: the unit would get defaults in place of these values, while write reported success.
void TestCliCommands::valuesOutOfRangeAreNamedNotSent()
{
    QString error;
    QString text = tavrinIIDocument().freeze(error);
    const QList<QPair<QString, QString>> edits = {
        { "<_zellMsgInt>3</_zellMsgInt>", "<_zellMsgInt>12</_zellMsgInt>" },
        { "<_type>2</_type>\n\t\t\t<_mode>2</_mode>", "<_type>2</_type>\n\t\t\t<_mode>7</_mode>" },
        { "<_pager_num>9999</_pager_num>", "<_pager_num>10000</_pager_num>" },
        { "<_spinBoxSysID>7</_spinBoxSysID>", "<_spinBoxSysID>14</_spinBoxSysID>" },
        { "<_spinBoxAckPager>13</_spinBoxAckPager>", "<_spinBoxAckPager>0</_spinBoxAckPager>" },
    };
    for (const auto& [from, to] : edits) {
        QCOMPARE(text.count(from), 1);
        text.replace(from, to);
    }
    const QString path = writeFile("edited.t2c", text.toLatin1());

    const QString transcript = m_dir->filePath("transcript.txt");
    const CliRun write = runCli({ "--simulate", "tavrin2", "--transcript", transcript, "write", path });
    QCOMPARE(write.status, 1);
    QCOMPARE(write.err,
             path
                 + " holds values out of range; nothing was sent:\n"
                   "  Button 1 message: 12 (allowed: 0-9)\n"
                   "  Button 3 mode: 7 (allowed: 1, 2 or 10)\n"
                   "  Button 4 pager: 10000 (allowed: 1-9999)\n"
                   "  System ID: 14 (allowed: 0-13)\n"
                   "  Acknowledge page pager: 0 (allowed: 1-9999)\n");
    QCOMPARE(readLines(transcript), QStringList());

    const CliRun show = runCli({ "show", path });
    QCOMPARE(show.status, 0);
    QVERIFY2(show.out.contains("\nSystem ID: 14  (out of range; allowed: 0-13)\n"), qPrintable(show.out));
    QVERIFY(show.out.contains("\nButton 3 mode: 7  (out of range; allowed: 1, 2 or 10)\n"));
    QVERIFY(show.out.contains("\nButton 2 pager: 102\n"));
    const CliRun json = runCli({ "show", "--json", path });
    QStringList marked;
    for (const QJsonValue& setting : QJsonDocument::fromJson(json.out.toUtf8()).object().value("settings").toArray()) {
        if (setting.toObject().contains("outOfRange"))
            marked << setting.toObject().value("name").toString() + "="
                    + setting.toObject().value("outOfRange").toString();
    }
    QCOMPARE(marked,
             QStringList({ "Button 1 message=0-9", "Button 3 mode=1, 2 or 10", "Button 4 pager=1-9999",
                           "System ID=0-13", "Acknowledge page pager=1-9999" }));

    // Values of the other model's page are not sent: no reason to refuse.
    const QString dalen
        = writeFile("dalen.t2c",
                    dalenDocument(DalenTavrin)
                        .freeze(error)
                        .replace("<_spinBoxSysID>0</_spinBoxSysID>", "<_spinBoxSysID>99</_spinBoxSysID>")
                        .toLatin1());
    const CliRun other = runCli({ "--simulate", "dalen", "write", dalen });
    QVERIFY2(other.status == 0, qPrintable(other.err));
}

void TestCliCommands::detectNamesTheUnit_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("reads");
    QTest::newRow("tavrin2") << "tavrin2"
                             << "Model: Tavrin II\nFirmware: 5V1.07\nSerial Number: 00012345\n"
                             << 2;
    QTest::newRow("dalen") << "dalen"
                           << "Model: Dalen Tavrin\nFirmware: 1V1.07\nSerial Number: 00012345\n"
                           << 3;
    QTest::newRow("dalen2") << "dalen2"
                            << "Model: Dalen Tavrin - 2 Button\nFirmware: 2V1.07\nSerial Number: 00012345\n"
                            << 3;
}

void TestCliCommands::detectNamesTheUnit()
{
    QFETCH(QString, model);
    QFETCH(QString, expected);
    QFETCH(int, reads);
    const QString transcript = m_dir->filePath("t.txt");
    const CliRun run = runCli({ "--simulate", model, "--transcript", transcript, "detect" });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected);
    QCOMPARE(readLines(transcript), QStringList(reads, "READ"));
}

void TestCliCommands::simulateFromStartsWithTheFilesSettings()
{
    Tavrin2QtCfg document = dalenDocument(DalenTavrin2Button);
    document.setFirmware("2V2.00");
    document.setSerNum("77-001");
    const QString path = save(document, "dalen2.t2c");
    const QString transcript = m_dir->filePath("t.txt");
    const QString readPath = m_dir->filePath("read.t2c");

    const CliRun run = runCli({ "--simulate-from", path, "--transcript", transcript, "read", "-o", readPath });
    QCOMPARE(run.status, 0);
    // Only this command's traffic: the preload is not part of it.
    QCOMPARE(withoutReads(readLines(transcript)), QStringList());
    QCOMPARE(runCli({ "diff", path, readPath }).out, QString());

    const CliRun otherModel = runCli({ "--simulate", "tavrin2", "--simulate-from", path, "detect" });
    QCOMPARE(otherModel.status, 2);
    QVERIFY(otherModel.err.startsWith("--simulate tavrin2 is another model than the settings of " + path));
}

void TestCliCommands::transcriptHoldsWhatTheUnitReceived()
{
    const QString transcript = m_dir->filePath("t.txt");
    const CliRun run = runCli(
        { "--simulate", "dalen", "--transcript", transcript, "write", save(dalenDocument(DalenTavrin), "d.t2c") });
    QCOMPARE(run.status, 0);
    const QStringList expected
        = QString("UID,77|SETT,09,05|RID,5|SBUT0,0|SBUT1,1,12,1,Ready\\fB1b0,0|SBUT2,0|SBUT3,0|SBUT4,0|SINP0,0|"
                  "SRPG,60|SACKPGR,1|GPEN,1|BEEP,1|SLOWBAT,1,9,Batt|SECPGR,1,8|CNCLMSG,1,Cancelled|READ")
              .split('|');
    // The reads that identify and check the unit come first; the one that checks what it took, last.
    const QStringList received = readLines(transcript);
    QVERIFY(received.size() > expected.size());
    QCOMPARE(received.mid(received.size() - expected.size()), expected);
    QCOMPARE(withoutReads(received), withoutReads(expected));

    // A line break inside a command stays on its line.
    const CliRun alpha = runCli(
        { "--simulate", "tavrin2", "--transcript", transcript, "program-alpha", "--pager", "5", "--welcome", "a\\nb" });
    QCOMPARE(alpha.status, 0);
    QVERIFY(readLines(transcript).contains("WPROG,a\\nb"));

    const CliRun unwritable = runCli({ "--simulate", "tavrin2", "--transcript", m_dir->path(), "detect" });
    QCOMPARE(unwritable.status, 1);
    QVERIFY(unwritable.err.endsWith("Could not write to " + m_dir->path() + "\n"));
}

void TestCliCommands::severalUnitsNeedAChoice_data()
{
    QTest::addColumn<QString>("arguments"); // split at spaces; FILE is the document
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("writtenUnit"); // -1: neither unit got a setting

    const QString units = "\n  /dev/hidraw2: Tavrin II, firmware 5V1.07, serial number A-1"
                          "\n  /dev/hidraw7: Tavrin II, firmware 5V1.07, serial number B-2\n";
    const QString refusal = "Several Tavrin units are attached; choose one with --device PATH or --serial SERIAL. "
                            "Nothing was sent."
        + units;
    QTest::newRow("write without a choice") << "write FILE" << 2 << refusal << -1;
    QTest::newRow("read without a choice") << "read" << 2 << refusal << -1;
    QTest::newRow("the serial number chooses") << "--serial B-2 write FILE" << 0 << "Updating" << 1;
    QTest::newRow("the device path chooses") << "write --device /dev/hidraw2 FILE" << 0 << "Updating" << 0;
    QTest::newRow("no such serial number")
        << "--serial A-2 write FILE" << 1 << "No attached Tavrin unit has the serial number A-2." + units << -1;
    QTest::newRow("no unit at the path") << "--device /dev/hidraw3 read" << 1
                                         << "No Tavrin unit is attached at /dev/hidraw3." + units << -1;
    QTest::newRow("both choices") << "--device /dev/hidraw2 --serial A-1 read" << 2
                                  << "--device and --serial both choose the unit: give one of them.\n"
                                  << -1;
}

void TestCliCommands::severalUnitsNeedAChoice()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, err);
    QFETCH(int, writtenUnit);
    auto bus = std::make_unique<VirtualTavrinBus>();
    QList<VirtualTavrin*> units;
    for (const char* path : { "/dev/hidraw2", "/dev/hidraw7" })
        units << bus->addUnit(std::make_unique<VirtualTavrin>(VirtualTavrin::Model::TavrinII, path));
    units.at(0)->setSerialNumber("A-1");
    units.at(1)->setSerialNumber("B-2");
    UsbHid::setBackend(std::move(bus));
    Tavrin2QtComm::instance()->reset();

    const QString file = save(tavrinIIDocument(), "site.t2c");
    const CliRun run = runCli(arguments.replace("FILE", file).split(' '));
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    for (int i = 0; i < units.size(); ++i)
        QCOMPARE(withoutReads(units.at(i)->transcript()).isEmpty(), i != writtenUnit);
    if (status != 0)
        QCOMPARE(run.out, QString());
}

void TestCliCommands::listShowsEveryUnit()
{
    const CliRun run = runCli({ "--simulate", "tavrin2,dalen2", "list" });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
             QString("/dev/virtual-tavrin: Tavrin II, firmware 5V1.07, serial number 00012345\n"
                     "/dev/virtual-tavrin-2: Dalen Tavrin - 2 Button, firmware 2V1.07, serial number 00012346\n"));

    const CliRun json = runCli({ "--simulate", "dalen,tavrin2", "list", "--json" });
    QCOMPARE(json.status, 0);
    const QJsonArray listed = QJsonDocument::fromJson(json.out.toUtf8()).object().value("units").toArray();
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.at(1).toObject().value("path").toString(), QString("/dev/virtual-tavrin-2"));
    QCOMPARE(listed.at(1).toObject().value("model").toString(), QString("Tavrin II"));
    QCOMPARE(listed.at(1).toObject().value("firmware").toString(), QString("5V1.07"));
    QCOMPARE(listed.at(1).toObject().value("serialNumber").toString(), QString("00012346"));

    // Rehearsing the provisioning loop: the transcript says which unit heard what.
    const QString transcript = m_dir->filePath("t.txt");
    const CliRun chosen = runCli({ "--simulate", "dalen,dalen", "--transcript", transcript, "--serial", "00012346",
                                   "write", save(dalenDocument(DalenTavrin), "d.t2c") });
    QVERIFY2(chosen.status == 0, qPrintable(chosen.err));
    const QStringList settings = readLines(transcript).filter(QRegularExpression(": (?!READ$)"));
    QVERIFY(settings.contains("/dev/virtual-tavrin-2: UID,77"));
    QCOMPARE(settings.filter("/dev/virtual-tavrin-2: ").size(), settings.size());
}

// check --json of one unit prints the object check --all --json prints for it, and exits as check does.
void TestCliCommands::checkAsJsonIsTheObjectOfCheckAll()
{
    const QString path = save(tavrinIIDocument(), "site.t2c");
    // The first unit starts with the file's settings, the second with its defaults.
    const QStringList units { "--simulate", "tavrin2,tavrin2", "--simulate-from", path };
    const CliRun all = runCli(units + QStringList { "check", "--all", "--json", path });
    QMap<QString, QJsonObject> unitObjects;
    for (const QString& line : all.out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        if (!object.contains("summary"))
            unitObjects.insert(object.value("serial").toString(), object);
    }
    QCOMPARE(unitObjects.size(), 2);

    const QList<std::tuple<QString, int, QString>> expected { { "00012345", 0, "matches" },
                                                              { "00012346", 1, "differs" } };
    for (const auto& [serial, status, result] : expected) {
        const CliRun one = runCli(units + QStringList { "check", "--json", "--serial", serial, path });
        QCOMPARE(one.status, status);
        QCOMPARE(one.out.count('\n'), 1);
        QJsonParseError parseError;
        const QJsonObject object = QJsonDocument::fromJson(one.out.toUtf8(), &parseError).object();
        QCOMPARE(parseError.error, QJsonParseError::NoError);
        QCOMPARE(object, unitObjects.value(serial));
        QCOMPARE(object.value("result").toString(), result);
    }
}

// A file that is no configuration is named as given, with a plain reason, whatever the command.
void TestCliCommands::unreadableFilesAreRefusedInWords()
{
    QString error;
    const QString golden = tavrinIIDocument().freeze(error);
    const QList<std::tuple<QString, QByteArray, QString>> files {
        { "empty.t2c", QByteArray(), "it is empty" },
        { "garbage.t2c", QByteArray("PK\x03\x04 not a configuration"), "it is not an XML document" },
        { "cut.t2c", golden.left(golden.size() / 2).toLatin1(), "it ends too early" },
    };
    const QString current = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const auto restore = qScopeGuard([&] { QDir::setCurrent(current); });
    for (const auto& [name, bytes, reason] : files) {
        writeFile(name, bytes);
        const QString expected
            = name + " is not a Tavrin configuration file (it could not be read as one: " + reason + ")\n";
        for (const QStringList& command :
             { QStringList { "show", name }, QStringList { "--simulate", "tavrin2", "check", "--all", name },
               QStringList { "--simulate", "tavrin2", "write", name } }) {
            const CliRun run = runCli(command);
            QCOMPARE(run.err, expected);
            QCOMPARE(run.status, 1);
        }
    }
}

void TestCliCommands::listWithoutAUnitFails()
{
    UsbHid::setBackend(std::make_unique<VirtualTavrinBus>());
    Tavrin2QtComm::instance()->reset();
    const CliRun run = runCli({ "list" });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, QString("No Tavrin device found\n"));

    const CliRun json = runCli({ "list", "--json" });
    QCOMPARE(json.status, 1);
    QCOMPARE(json.out.simplified(), QString("{ \"units\": [ ] }"));
    QCOMPARE(json.err, run.err);
}

void TestCliCommands::stationRehearsesOnTheUnitsPresentAtStart()
{
    // One object per unit as it ends, then the summary; no unit can arrive later, so the station ends by itself.
    const CliRun run = runCli({ "--simulate", "tavrin2,tavrin2,dalen2", "station", save(tavrinIIDocument(), "t2.t2c"),
                                "--log", m_dir->filePath("site.csv"), "--exclude-serial", "00012346", "--json" });
    QCOMPARE(run.status, 1);
    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.takeFirst(), QString(R"({"event":"waiting"})"));
    QCOMPARE(lines.takeLast(), QString(R"({"failed":1,"skipped":1,"summary":true,"verified":1})"));
    // Only the unit of the profile's model is written: its write begins before it is done.
    const QStringList writing = lines.filter(R"("event":"writing")");
    QCOMPARE(writing.size(), 1);
    QVERIFY2(writing.constFirst().contains(R"("serial":"00012345")"), qPrintable(writing.constFirst()));
    QVERIFY(lines.indexOf(writing.constFirst()) < lines.indexOf(lines.filter("00012345").constLast()));
    lines.removeAll(writing.constFirst());
    QStringList units;
    for (const QString& line : std::as_const(lines)) {
        const QJsonObject unit = QJsonDocument::fromJson(line.toUtf8()).object();
        QCOMPARE(unit.value("event").toString(), QString("done"));
        QVERIFY2(unit.value("number").isNull() && unit.value("port").toString().startsWith("1-1."), qPrintable(line));
        units << QStringList { unit.value("serial").toString(), unit.value("device").toString(),
                               unit.value("model").toString(), unit.value("result").toString(),
                               unit.value("message").toString().section(';', 0, 0) }
                     .join(" | ");
    }
    units.sort();
    QCOMPARE(units,
             QStringList({ "00012345 | /dev/virtual-tavrin | Tavrin II | verified | ",
                           "00012346 | /dev/virtual-tavrin-2 | Tavrin II | skipped | left out (--exclude-serial)",
                           "00012347 | /dev/virtual-tavrin-3 | Dalen Tavrin - 2 Button | failed | This unit is a "
                           "Dalen Tavrin - 2 Button and the profile is for a Tavrin II" }));
}

// read --all saves each unit under its serial number; check --all says of each unit whether it matches.
void TestCliCommands::readAllAndCheckAllGoUnitByUnit()
{
    const QString path = save(tavrinIIDocument(), "site.t2c");
    // The first unit starts with the file's settings, the second with its defaults.
    const QStringList units { "--simulate", "tavrin2,tavrin2", "--simulate-from", path };
    const QString folder = m_dir->filePath("units");
    const CliRun read = runCli(units + QStringList { "read", "--all", "-o", folder });
    QCOMPARE(read.status, 0);
    QStringList lines = read.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QString("2 saved, 0 failed"));
    lines.sort();
    QCOMPARE(
        lines,
        QStringList({ "/dev/virtual-tavrin (port 1-1.1) Tavrin II 00012345: saved as " + folder + "/00012345.t2c",
                      "/dev/virtual-tavrin-2 (port 1-1.2) Tavrin II 00012346: saved as " + folder + "/00012346.t2c" }));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({ "00012345.t2c", "00012346.t2c" }));
    QString error;
    const std::unique_ptr<Tavrin2QtCfg> first = CfgFile::load(folder + "/00012345.t2c", error);
    QVERIFY2(first, qPrintable(error));
    QCOMPARE(first->serNum(), QString("00012345"));
    QCOMPARE(CfgFieldList::fields(*first).mid(2), CfgFieldList::fields(tavrinIIDocument()).mid(2));

    const CliRun check = runCli(units + QStringList { "check", "--all", path });
    QCOMPARE(check.status, 1);
    lines = check.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QString("1 match, 1 differ, 0 failed"));
    lines.sort();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QString("/dev/virtual-tavrin (port 1-1.1) Tavrin II 00012345: matches"));
    QVERIFY2(lines.at(1).startsWith("/dev/virtual-tavrin-2 (port 1-1.2) Tavrin II 00012346: differs: "),
             qPrintable(lines.at(1)));
    QVERIFY2(lines.at(1).contains("System ID"), qPrintable(lines.at(1)));
}

// --no-verify: no unit passes for verified, in the lines, the summary or the log. --exclude-serial names whole
// serial numbers: a part of one leaves no unit out.
void TestCliCommands::writeAllWithoutReadBackOrPrefixes()
{
    const QString log = m_dir->filePath("site.csv");
    const CliRun run
        = runCli({ "--simulate", "tavrin2,tavrin2", "write", "--all", "--no-verify", "--log", log, "--exclude-serial",
                   "0001234", "--exclude-serial", "12346", save(tavrinIIDocument(), "site.t2c") });
    QCOMPARE(run.status, 0);
    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QString("2 written (not verified), 0 failed"));
    for (const QString& line : std::as_const(lines))
        QVERIFY2(line.contains(": written (not verified) ("), qPrintable(line));
    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(log, rows, error), qPrintable(error));
    QCOMPARE(rows.size(), 2);
    for (const ProvisionRow& row : std::as_const(rows))
        QCOMPARE(ProvisionLog::resultName(row.result), QString("written-unverified"));
}

// --count ends the station with exactly that many units verified; a unit left out stays unwritten with --again;
// --idle-exit 0 ends a station without any unit at once.
void TestCliCommands::stationEndsAndLeavesOutAsItsOptionsSay()
{
    const QString profile = save(tavrinIIDocument(), "site.t2c");
    const QString log = m_dir->filePath("site.csv");
    const CliRun counted
        = runCli({ "--simulate", "tavrin2,tavrin2,tavrin2", "station", profile, "--log", log, "--count", "2" });
    QCOMPARE(counted.status, 0);
    QVERIFY2(counted.out.startsWith("Waiting for units (2 to do); Ctrl+C to stop.\n"), qPrintable(counted.out));
    QVERIFY2(counted.out.endsWith("\n2 written and verified, 0 failed, 0 to do\n"), qPrintable(counted.out));
    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(log, rows, error), qPrintable(error));
    QCOMPARE(rows.size(), 2);

    const QString transcript = m_dir->filePath("again.txt");
    const CliRun again = runCli({ "--simulate", "tavrin2,tavrin2", "--transcript", transcript, "station", profile,
                                  "--log", log, "--again", "--exclude-serial", "00012346" });
    QCOMPARE(again.status, 0);
    QVERIFY2(again.out.contains("00012346: skipped: left out (--exclude-serial)\n"), qPrintable(again.out));
    QVERIFY2(again.out.endsWith("\n1 written and verified, 0 failed, 1 skipped\n"), qPrintable(again.out));
    const QStringList sent = readLines(transcript);
    QVERIFY(sent.contains("/dev/virtual-tavrin-2: READ"));
    for (const QString& line : sent)
        QVERIFY2(!line.startsWith("/dev/virtual-tavrin-2: ") || line.endsWith(": READ"), qPrintable(line));

    CliStationCommand::Options idle;
    idle.profilePath = profile;
    idle.settings.profile = tavrinIIDocument();
    idle.settings.profileName = "site.t2c";
    idle.settings.logPath = m_dir->filePath("idle.csv");
    idle.idleExitSeconds = 0;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(CliStationCommand(idle, std::make_shared<VirtualTavrinBus>(), outStream, errStream).run(), 0);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(out, QString("Waiting for units; Ctrl+C to stop.\n0 written and verified, 0 failed\n"));
    QCOMPARE(err, QString());
}

void TestCliCommands::wrongNumberingIsAUsageError()
{
    const QString profile = save(dalenDocument(DalenTavrin), "site.t2c");
    const QString transcript = m_dir->filePath("t.txt");
    const QList<QStringList> numberings { { "--numbers", "12,12" },
                                          { "--numbers", "0" },
                                          { "--number-from", "10000" } };
    for (const QStringList& numbering : numberings) {
        for (const QStringList& command :
             { QStringList { "write", "--all" }, QStringList { "station", "--log", m_dir->filePath("site.csv") } }) {
            const CliRun run = runCli(QStringList { "--simulate", "dalen", "--transcript", transcript } + command
                                      + numbering + QStringList { profile });
            QVERIFY2(run.status == 2, qPrintable(numbering.join(' ') + ": " + run.err));
            QCOMPARE(run.out, QString());
            QCOMPARE(withoutReads(readLines(transcript)), QStringList());
        }
    }
}

void TestCliCommands::showListsLabelledValues()
{
    Tavrin2QtCfg document = tavrinIIDocument();
    document.setFirmware("5V1.07");
    const CliRun run = runCli({ "show", save(document, "t2.t2c") });
    QCOMPARE(run.status, 0);
    // Labels and value texts as the window shows them; an Alpha button has no mode, a Guest button no message.
    for (const char* chunk :
         { "Model: Tavrin II\nFirmware: 5V1.07\nSerial Number: \nButton 1 enabled: Yes\nButton 1 pager: 101\n"
           "Button 1 type: Zell\nButton 1 mode: VIBE 2\nButton 1 message: 3\n",
           "Button 2 type: Alpha\nButton 2 message: Door 2\n", "Button 3 type: Guest\nButton 3 mode: 5 Min\nButton 4",
           "External input setting: Normally Closed\n", "Auto on/off 1 on time: 07:05\nAuto on/off 1 off time: 23:30\n",
           "Lockout: Interval\nLockout time (seconds): 45\nLockout sequence 1: 3\nLockout sequence 2: 4\n"
           "Lockout sequence 3: 5\n",
           "Repage interval (seconds): 120\n", "Low battery page message: Low battery\n" })
        QVERIFY2(run.out.contains(QString::fromLatin1(chunk)), chunk);
    QVERIFY(!run.out.contains("Button 2 mode"));
    QVERIFY(!run.out.contains("Button 3 message"));

    const CliRun dalen = runCli({ "show", save(dalenDocument(DalenTavrin), "d.t2c") });
    const QStringList dalenLines = dalen.out.split('\n');
    for (const char* line : { "Model: Dalen Tavrin", "Button pager: 12", "Button message: Ready", "Button mode: Beep 1",
                              "Dalen Tavrin ID: 77", "Cancel message: Cancelled" })
        QVERIFY2(dalenLines.contains(QString::fromLatin1(line)), line);
    QVERIFY(!dalen.out.contains("Button 1"));
    QVERIFY(!dalen.out.contains("Button 2"));
    QVERIFY(runCli({ "show", save(dalenDocument(DalenTavrin2Button), "d2.t2c") })
                .out.contains(
                    "Button 2 mode: Beep 1\nButton 1 pager: 7\nButton 1 message: Bar\nButton 1 mode: Look Down\n"));
}

void TestCliCommands::showAsJson()
{
    const CliRun run = runCli({ "show", "--json", save(dalenDocument(DalenTavrin2Button), "d2.t2c") });
    QCOMPARE(run.status, 0);
    QJsonParseError parseError;
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8(), &parseError).object();
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    QCOMPARE(object.value("model").toString(), QString("Dalen Tavrin - 2 Button"));
    QMap<QString, QString> settings;
    for (const QJsonValue& setting : object.value("settings").toArray())
        settings.insert(setting.toObject().value("name").toString(), setting.toObject().value("value").toString());
    // The window titles the first button group "Button 2" on this model, the second "Button 1".
    QCOMPARE(settings.value("Button 1 pager"), QString("7"));
    QCOMPARE(settings.value("Button 2 pager"), QString("12"));
    QCOMPARE(settings.value("Button 2 mode"), QString("Beep 1"));
    QCOMPARE(settings.value("Beep enabled"), QString("Yes"));
}

void TestCliCommands::diffListsOnlyDifferences()
{
    const Tavrin2QtCfg document = tavrinIIDocument();
    const QString path = save(document, "a.t2c");
    const CliRun same = runCli({ "diff", path, path });
    QCOMPARE(same.status, 0);
    QCOMPARE(same.out, QString());
    QCOMPARE(same.err, QString());

    // A null and an empty message send the same: no difference.
    Tavrin2QtCfg changed = document;
    TavrinIIButton third = changed.tavrinIIButtonVectorAtIndex(2);
    third.setType(TavrinIIButton::ZellType);
    third.setMode(1);
    changed.setTavrinIIButtonVectorAtIndex(2, third);
    changed.setSysID(3);
    changed.setAckPageMsg(QString());
    Tavrin2QtCfg emptyAck = document;
    emptyAck.setAckPageMsg("");
    const CliRun run = runCli({ "diff", path, save(changed, "b.t2c") });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out,
             QString("Button 3 type: Guest -> Zell\n"
                     "Button 3 mode: 5 Min -> VIBE 2\n"
                     "Button 3 message: (none) -> 0\n"
                     "System ID: 7 -> 3\n"
                     "Acknowledge page message: Acknowledged -> \"\"\n"));
    QCOMPARE(runCli({ "diff", save(emptyAck, "c.t2c"), save(changed, "b.t2c") }).out.contains("Acknowledge"), false);

    const CliRun json = runCli({ "diff", "--json", path, path });
    QCOMPARE(json.status, 0);
    QCOMPARE(json.out.simplified(), QString("{ \"differences\": [ ] }"));
}

void TestCliCommands::diffOfTwoModelsComparesTheSharedSettings()
{
    const CliRun run
        = runCli({ "diff", "--json", save(tavrinIIDocument(), "t2.t2c"), save(dalenDocument(DalenTavrin), "d.t2c") });
    QCOMPARE(run.status, 1);
    QMap<QString, QPair<QJsonValue, QJsonValue>> differences;
    for (const QJsonValue& value : QJsonDocument::fromJson(run.out.toUtf8()).object().value("differences").toArray()) {
        const QJsonObject d = value.toObject();
        differences.insert(d.value("name").toString(), { d.value("first"), d.value("second") });
    }
    QCOMPARE(differences.value("Model").first.toString(), QString("Tavrin II"));
    QCOMPARE(differences.value("Model").second.toString(), QString("Dalen Tavrin"));
    // Settings of one name are compared across the models; the others stand on one side.
    QCOMPARE(differences.value("System ID").second.toString(), QString("5"));
    QCOMPARE(differences.value("Button 1 mode").first.toString(), QString("VIBE 2"));
    QVERIFY(differences.value("Button 1 mode").second.isNull());
    QVERIFY(differences.value("Button mode").first.isNull());
    QCOMPARE(differences.value("Button mode").second.toString(), QString("Beep 1"));
    QVERIFY(differences.value("Button 1 type").second.isNull());
    QVERIFY(differences.value("Dalen Tavrin ID").first.isNull());
    QCOMPARE(differences.value("Dalen Tavrin ID").second.toString(), QString("77"));
    QVERIFY(!differences.contains("Group paging enabled"));
    QVERIFY(!differences.contains("Firmware"));
}

// Status 1 says "they differ"; a file that cannot be read must not pass for a difference.
void TestCliCommands::diffOfAnUnreadableFileIsTrouble()
{
    const QString good = save(tavrinIIDocument(), "good.t2c");
    const QString broken = writeFile("broken.t2c", "<?xml version=\"1.0\"?>\nnot a configuration");
    const QString missing = m_dir->filePath("missing.t2c");
    for (const QStringList& files : { QStringList { good, missing }, QStringList { broken, good } }) {
        const QString unreadable = files.at(0) == good ? files.at(1) : files.at(0);
        const CliRun run = runCli(QStringList { "diff" } + files);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith("Cannot compare: " + unreadable + " cannot be read.\n"), qPrintable(run.err));
    }
}

void TestCliCommands::programmingSendsTheDialogsCommands_data()
{
    // Arguments split at spaces, commands at '|'.
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("commandText");
    const QString noGroups = "|GPROG,1,99|GPROG,2,99|GPROG,3,99|GPROG,4,99|GPROG,5,99";

    QTest::newRow("alpha with groups")
        << "program-alpha --pager 120 --all-page 100 --system-id 3 --welcome Hi\\nthere --group-paging on "
           "--group1 5,Bar --group2 0,Idle --group4 98"
        << "FPROG,120,100,3|WPROG,Hi\nthere|GNPROG,1,Bar|GPROG,1,5|GNPROG,2,Idle|GPROG,2,99|GNPROG,3,|GPROG,3,99|"
           "GNPROG,4,|GPROG,4,98|GNPROG,5,|GPROG,5,99";
    QTest::newRow("alpha without groups, defaults") << "program-alpha --pager 12"
                                                    << "FPROG,12,911,0|WPROG," + noGroups;
    QTest::newRow("welcome of 3 lines and 48 characters")
        << "program-alpha --pager 1 --group-paging off --welcome " + QString(22, 'a') + "\\n" + QString(12, 'b') + "\\n"
            + QString(12, 'c')
        << "FPROG,1,911,0|WPROG," + QString(22, 'a') + '\n' + QString(12, 'b') + '\n' + QString(12, 'c') + noGroups;
    QTest::newRow("escaped backslash") << "program-alpha --pager 9999 --welcome a\\\\nb\\x"
                                       << "FPROG,9999,911,0|WPROG,a\\nb\\x" + noGroups;
    QTest::newRow("coaster with vibration") << "program-zell --pager 20 --system-id 0 --kind coaster --vibe on"
                                            << "LPROG,20,0,3";
    QTest::newRow("manager zell pager without vibration")
        << "program-zell --pager 5 --system-id 13 --who manager --vibe off"
        << "LPROG,5,13,4";
    QTest::newRow("zell defaults") << "program-zell --pager 7"
                                   << "LPROG,7,0,2";
}

void TestCliCommands::programmingSendsTheDialogsCommands()
{
    QFETCH(QString, arguments);
    QFETCH(QString, commandText);
    const QStringList commands = commandText.split('|');
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    const CliRun run = runCli(arguments.split(' '));
    QVERIFY2(run.status == 0, qPrintable(run.err));
    // One line per step.
    const int steps = commands.size() == 1 ? 2 : 7;
    QString progress;
    for (int step = 1; step <= steps; ++step)
        progress += QString("Programming pager... %1/%2\n").arg(step).arg(steps);
    QCOMPARE(run.err, progress);
    QCOMPARE(run.out, QString());
    QCOMPARE(withoutReads(sim->transcript()), commands);
    QCOMPARE(sim->pagerCommands(), commands);
}

void TestCliCommands::programmingRefusesInvalidInput_data()
{
    // Arguments split at spaces.
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QString welcomeText
        = "Invalid Welcome Message text...\nup to 3 lines and 48 characters max\n- no commas allowed\n";
    const QString alpha = "program-alpha --pager 150 ";
    QTest::newRow("comma in welcome") << alpha + "--welcome Hi,there" << 2 << welcomeText;
    QTest::newRow("pager not a number") << "program-zell --pager 12a" << 2
                                        << "--pager takes a number from 1 to 9999.\n";
    QTest::newRow("pager below 100 with groups")
        << "program-alpha --pager 99 --group-paging on" << 2 << "--pager takes a number from 100 to 9999.\n";
    QTest::newRow("system ID 14") << alpha + "--system-id 14" << 2 << "--system-id takes a number from 0 to 13.\n";
    QTest::newRow("no pager") << "program-zell" << 2 << "--pager is required.\n";
    QTest::newRow("comma in a group name")
        << alpha + "--group-paging on --group1 5,Bar,Grill" << 2 << "Group names may not contain commas (--group1).\n";
    QTest::newRow("group 2 name of 20") << alpha + "--group-paging on --group2 5," + QString(20, 'n') << 2
                                        << "The name of group 2 takes at most 19 characters.\n";
    QTest::newRow("group without group paging")
        << alpha + "--group5 5,Bar" << 2 << "--group5 needs --group-paging on.\n";
    QTest::newRow("manager coaster") << "program-zell --pager 1 --kind coaster --who manager" << 2
                                     << "A coaster is always a guest: --who manager needs --kind zell.\n";
    // One limit for every group.
    QTest::newRow("group 1 name of 20") << alpha + "--group-paging on --group1 5," + QString(20, 'n') << 2
                                        << "The name of group 1 takes at most 19 characters.\n";
    QTest::newRow("tab in the welcome message")
        << alpha + "--welcome Bar\tTerrasse" << 1
        << "The Welcome message holds the control character U+0009 (tab), which Tavrin cannot show.\nPlease remove "
           "it; nothing was sent.\n";
}

void TestCliCommands::programmingRefusesInvalidInput()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, error);
    VirtualTavrin* sim = attach(VirtualTavrin::Model::TavrinII);
    const CliRun run = runCli(arguments.split(' '));
    QCOMPARE(run.err.section("\nTry '", 0, 0), error);
    QCOMPARE(run.status, status);
    QCOMPARE(withoutReads(sim->transcript()), QStringList());
    if (status == 2)
        QCOMPARE(sim->transcript(), QStringList());
}

void TestCliCommands::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("no command") << QStringList {} << "No command given.";
    QTest::newRow("unknown command") << QStringList { "flash" } << "Unknown command \"flash\".";
    QTest::newRow("missing file") << QStringList { "write" } << "Usage: tavrin2qt-cli write FILE";
    QTest::newRow("unknown option") << QStringList { "detect", "--fast" } << "Unknown option 'fast'.";
    QTest::newRow("option of another command") << QStringList { "read", "--json" } << "--json does not apply to read.";
    QTest::newRow("option twice") << QStringList { "program-zell", "--pager", "1", "--pager", "2" }
                                  << "--pager is given more than once.";
    QTest::newRow("transcript without a virtual unit")
        << QStringList { "detect", "--transcript", "t" } << "--transcript needs --simulate or --simulate-from.";
    // A script's unset variable must not choose whichever unit happens to be alone.
    QTest::newRow("empty serial number") << QStringList { "--simulate", "tavrin2", "--serial", "", "read" }
                                         << "--serial is empty: give the unit's serial number (see list).";
    QTest::newRow("empty device path") << QStringList { "--simulate", "tavrin2", "write", "--device=", "f.t2c" }
                                       << "--device is empty: give the unit's device path (see list).";
    QTest::newRow("unknown model") << QStringList { "--simulate", "tavrin3", "detect" }
                                   << "Unknown model \"tavrin3\" for --simulate: use tavrin2, dalen or dalen2.";
}

void TestCliCommands::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err.section('\n', 0, 0), error);
}

void TestCliCommands::helpMentionsEveryCommandAndOption()
{
    const CliRun run = runCli({ "--help" });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    const QStringList mentioned = {
        "detect",       "read",           "write",    "show",      "diff",        "program-alpha",
        "program-zell", "--help",         "-h,",      "--version", "--simulate ", "--simulate-from",
        "--transcript", "-o, --output",   "--json",   "--pager",   "--all-page",  "--system-id",
        "--welcome",    "--group-paging", "--group1", "--group2",  "--group3",    "--group4",
        "--group5",     "--kind",         "--who",    "--vibe",    "tavrin2",     "dalen2",
        "Exit status",  "list",           "--device", "--serial",
    };
    for (const QString& word : mentioned + QStringList { "--allow-incomplete", "--no-verify" })
        QVERIFY2(run.out.contains(word), qPrintable(word));
    // The station's section names every option of the station.
    const QString station = run.out.section("\nOptions of station:", 1).section("\n\n", 0, 0);
    for (const QString& option : QStringList { "--log FILE", "--again", "--exclude-serial SERIAL", "--count N",
                                               "--idle-exit SECONDS", "--number-from N", "--numbers LIST", "--json" })
        QVERIFY2(station.contains("\n  " + option + " "), qPrintable(option));
    QCOMPARE(runCli({ "detect", "--help" }).out, run.out);
}

// Every option the manual page offers is one the parser takes, and the manual page names every
// option --help lists (the groups may be given as a range: "--group2 to --group5").
void TestCliCommands::manualPageOffersTheParsersOptions()
{
    QFile page(QStringLiteral(T2Q_TEST_DATA_DIR "/../../packaging/linux/man/tavrin2qt-cli.1.in"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).remove("\\");
    const QRegularExpression option("(?<![\\w-])--([a-z][a-z0-9-]*)");
    QSet<QString> offered;
    for (const QRegularExpressionMatch& match : option.globalMatch(manual))
        offered.insert(match.captured(1));
    const QRegularExpression range("--group(\\d+)\\s*\n(?:to|\\.B to)\\n\\.BR? --group(\\d+)");
    for (const QRegularExpressionMatch& match : range.globalMatch(manual)) {
        for (int group = match.captured(1).toInt(); group <= match.captured(2).toInt(); ++group)
            offered.insert(QStringLiteral("group%1").arg(group));
    }
    QVERIFY(offered.contains("group3"));
    for (const QString& name : offered) {
        const CliRun run = runCli({ "--help", "--" + name });
        QVERIFY2(!run.err.startsWith("Unknown option"), qPrintable(name));
    }
    const QString help = runCli({ "--help" }).out;
    for (const QRegularExpressionMatch& match : option.globalMatch(help))
        QVERIFY2(offered.contains(match.captured(1)), qPrintable(match.captured(1)));
    // The options are grouped by the commands they apply to alike in both.
    QStringList helpGroups;
    for (const QRegularExpressionMatch& match : QRegularExpression("\n(Options of [^\n]*):\n").globalMatch(help))
        helpGroups << match.captured(1);
    QStringList manualGroups;
    for (const QRegularExpressionMatch& match : QRegularExpression("\n\\.SS (Options of [^\n]*)\n").globalMatch(manual))
        manualGroups << match.captured(1);
    QVERIFY(helpGroups.contains("Options of detect, read, write, check, program-alpha and program-zell"));
    QCOMPARE(manualGroups, helpGroups);
}

QTEST_MAIN(TestCliCommands)
#include "tst_clicommands.moc"
