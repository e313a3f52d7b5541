#include "app/FrmTavrin2Qt.h"
#include "cli/CliApp.h"
#include "config/CfgFile.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// The window's Update and the command line's write send the same commands for the same settings; write --all
// and the station decide the same for the same units.
class TestFrontendsAgree : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static VirtualTavrin* attach(VirtualTavrin::Model model)
    {
        auto* sim = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(model)));
        Tavrin2QtComm::instance()->reset();
        return sim;
    }

    static QStringList settingCommands(const QStringList& transcript)
    {
        QStringList commands = transcript;
        // How often each front end identifies the unit first is its own business.
        commands.removeAll(QStringLiteral("READ"));
        return commands;
    }

    static Tavrin2QtCfg settingsFor(VirtualTavrin::Model model)
    {
        Tavrin2QtCfg cfg;
        switch (model) {
        case VirtualTavrin::Model::DalenTavrin:
        case VirtualTavrin::Model::DalenTavrin2Button:
            cfg.setTavrinType(model == VirtualTavrin::Model::DalenTavrin ? DalenTavrin : DalenTavrin2Button);
            cfg.setDtBtn1PagerNum(12);
            cfg.setDtBtn1SettingMsg(QStringLiteral("Ready"));
            cfg.setDtBtn1Mode(4);
            cfg.setDtBtn2PagerNum(7);
            cfg.setDtBtn2Mode(10);
            cfg.setDtTavrinID(77);
            cfg.setDtSysID(5);
            cfg.setDtRepageEnabled(true);
            cfg.setDtRepageInterval(60);
            cfg.setDtLowBatteryPageEnabled(true);
            cfg.setDtLowBatteryPageMsg(QStringLiteral("Batt"));
            cfg.setDtSecondaryPageEnabled(true);
            cfg.setDtSecondaryPager(8);
            cfg.setDtCancelMsgEnabled(true);
            cfg.setDtCancelMsg(QStringLiteral("Cancelled"));
            break;
        case VirtualTavrin::Model::TavrinII: {
            cfg.setTavrinType(TavrinII);
            TavrinIIButton alpha;
            alpha.setButtonEnabled(true);
            alpha.setPagerNum(44);
            alpha.setType(TavrinIIButton::AlphaType);
            alpha.setAlphaMsg(QStringLiteral("Door"));
            alpha.setExtInputSetting(1);
            cfg.setTavrinIIButtonVectorAtIndex(5, alpha);
            TavrinIIButton guest;
            guest.setButtonEnabled(true);
            guest.setPagerNum(5);
            guest.setType(TavrinIIButton::GuestType);
            guest.setMode(2);
            cfg.setTavrinIIButtonVectorAtIndex(1, guest);
            Tavrin2QtCfg::TavrinIIAutoOnOffTime pair;
            pair.setIsEnabled(true);
            pair.setAutoOnTime(QTime(7, 5));
            pair.setAutoOffTime(QTime(23, 30));
            cfg.setTavrinIIAutoOnOffTimeVectorAtIndex(0, pair);
            cfg.setLockoutTimeMode(1);
            cfg.setSysID(3);
            cfg.setAckPageEnabled(true);
            cfg.setAckPageMsg(QStringLiteral("Ack"));
            break;
        }
        }
        return cfg;
    }

    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };

    static Run runCli(const QStringList& arguments)
    {
        Run run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = CliApp().run(QStringList { QStringLiteral("tavrin2qt-cli") } + arguments, out, err);
        return run;
    }

    // "serial result #number" of each unit's JSON object, sorted; the summary object last.
    static QStringList unitsOf(const Run& run)
    {
        QStringList units;
        QString summary;
        for (const QString& line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QJsonObject unit = QJsonDocument::fromJson(line.toUtf8()).object();
            if (unit.value(QStringLiteral("summary")).toBool()) {
                summary = line;
                continue;
            }
            units << QStringLiteral("%1 %2 #%3")
                         .arg(unit.value(QStringLiteral("serial")).toString(),
                              unit.value(QStringLiteral("result")).toString())
                         .arg(unit.value(QStringLiteral("number")).toInt());
        }
        units.sort();
        return units << summary;
    }

    QString tableProfile(const QString& name, int sysId, const QString& message)
    {
        Tavrin2QtCfg cfg = settingsFor(VirtualTavrin::Model::DalenTavrin);
        cfg.setDtBtn1SettingMsg(message);
        QString error;
        QString text = cfg.freeze(error);
        text.replace(QStringLiteral("<_spinBoxDTSysID>5</_spinBoxDTSysID>"),
                     QStringLiteral("<_spinBoxDTSysID>%1</_spinBoxDTSysID>").arg(sysId));
        const QString path = m_dir.filePath(name);
        if (!CfgFile::writeDocument(path, text, error))
            qWarning("%s", qPrintable(error));
        return path;
    }

private slots:
    void initTestCase()
    {
        Tavrin2QtComm::instance()->setClock([] { return QTime(9, 5, 7); });
    }
    void cleanupTestCase() { Tavrin2QtComm::instance()->setClock({}); }

    void sameCommandsFromBothFrontEnds_data()
    {
        QTest::addColumn<VirtualTavrin::Model>("model");
        QTest::newRow("Dalen Tavrin") << VirtualTavrin::Model::DalenTavrin;
        QTest::newRow("Dalen Tavrin - 2 Button") << VirtualTavrin::Model::DalenTavrin2Button;
        QTest::newRow("Tavrin II") << VirtualTavrin::Model::TavrinII;
    }
    void sameCommandsFromBothFrontEnds()
    {
        QFETCH(VirtualTavrin::Model, model);
        ScriptedPrompter prompter;

        // The window: the settings shown in the form, then Update.
        VirtualTavrin* windowDevice = attach(model);
        FrmTavrin2Qt window;
        window.setUISettings(settingsFor(model));
        const Tavrin2QtCfg shown = window.uiSettings();
        windowDevice->clearTranscript();
        window.pushButtonUpdateUnit_clicked();
        const QStringList fromWindow = settingCommands(windowDevice->transcript());

        // The command line: the same settings from a file.
        const QString path = m_dir.filePath(QStringLiteral("settings.t2c"));
        QString error;
        QVERIFY2(CfgFile::save(shown, path, error), qPrintable(error));
        VirtualTavrin* cliDevice = attach(model);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status
            = CliApp().run({ QStringLiteral("tavrin2qt-cli"), QStringLiteral("write"), path }, outStream, errStream);
        QCOMPARE(status, 0);
        const QStringList fromCli = settingCommands(cliDevice->transcript());

        QVERIFY(fromWindow.size() >= 13);
        QCOMPARE(fromCli, fromWindow);
        QVERIFY(fromWindow.contains(QStringLiteral("SETT,09,05")));
        prompter.verifyDone();
    }

    // The window shows such a value as its default before anything is sent; the command line, which
    // shows nothing, refuses the file.
    void handEditedValueIsNeverSent()
    {
        QString error;
        QString text = settingsFor(VirtualTavrin::Model::TavrinII).freeze(error);
        const QString stored = QStringLiteral("<_spinBoxSysID>3</_spinBoxSysID>");
        QVERIFY(text.contains(stored));
        text.replace(stored, QStringLiteral("<_spinBoxSysID>99</_spinBoxSysID>"));
        const QString path = m_dir.filePath(QStringLiteral("edited.t2c"));
        QVERIFY(CfgFile::writeDocument(path, text, error));

        VirtualTavrin* device = attach(VirtualTavrin::Model::TavrinII);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QCOMPARE(CliApp().run({ QStringLiteral("tavrin2qt-cli"), QStringLiteral("write"), path }, outStream, errStream),
                 1);
        QVERIFY2(err.contains(QStringLiteral("System ID: 99 (allowed: 0-13)")), qPrintable(err));
        QCOMPARE(settingCommands(device->transcript()), QStringList());
    }

    // One policy for write --all and the station: the same units left out, the same numbers, the same files
    // refused before any unit is written; only the station leaves alone a unit verified before.
    void provisioningDecidesAlikeForWriteAllAndStation()
    {
        const QStringList units = { QStringLiteral("--simulate"), QStringLiteral("dalen,dalen,dalen") };
        const QStringList numbered
            = { QStringLiteral("--number-from"), QStringLiteral("12"), QStringLiteral("--exclude-serial"),
                QStringLiteral("00012346"), QStringLiteral("--json") };
        const QString transcript = m_dir.filePath(QStringLiteral("refused.txt"));
        const auto refused = [&](const QString& file, const QStringList& options, const QString& why) {
            for (const QStringList& command : { QStringList { QStringLiteral("write"), QStringLiteral("--all") },
                                                QStringList { QStringLiteral("station"), QStringLiteral("--log"),
                                                              m_dir.filePath(QStringLiteral("refused.csv")) } }) {
                const Run run = runCli(units + QStringList { QStringLiteral("--transcript"), transcript } + command
                                       + options + QStringList { file });
                QCOMPARE(run.status, 1);
                QVERIFY2(run.err.contains(why), qPrintable(run.err));
                QFile sent(transcript);
                QVERIFY(sent.open(QIODevice::ReadOnly));
                QVERIFY2(!sent.readAll().contains("ID,"), qPrintable(command.join(' ')));
            }
        };
        refused(tableProfile(QStringLiteral("range.t2c"), 99, QStringLiteral("Table")), {},
                QStringLiteral("System ID: 99 (allowed: 0-13)"));
        refused(tableProfile(QStringLiteral("unnumbered.t2c"), 5, QStringLiteral("Table {n}")), {},
                QStringLiteral("holds {n} in a message text, but the units are not numbered"));
        // Longer than the window's field takes: the window would have cut it.
        refused(tableProfile(QStringLiteral("long.t2c"), 5, QString(80, QLatin1Char('x'))), {},
                QStringLiteral("long.t2c holds messages longer than their fields take; nothing was sent:\n"
                               "  Button message: 80 characters (at most 64)"));

        // With its number in, a message may outgrow its field: that unit is refused before any setting.
        const QString numberedLong
            = tableProfile(QStringLiteral("numbered.t2c"), 5, QString(63, QLatin1Char('x')) + QStringLiteral("{n}"));
        for (const QStringList& command : { QStringList { QStringLiteral("write"), QStringLiteral("--all") },
                                            QStringList { QStringLiteral("station"), QStringLiteral("--log"),
                                                          m_dir.filePath(QStringLiteral("numbered.csv")) } }) {
            const Run run = runCli(QStringList { QStringLiteral("--simulate"), QStringLiteral("dalen,dalen"),
                                                 QStringLiteral("--transcript"), transcript }
                                   + command
                                   + QStringList { QStringLiteral("--numbers"), QStringLiteral("9,10"),
                                                   QStringLiteral("--json"), numberedLong });
            QCOMPARE(run.status, 1);
            QCOMPARE(unitsOf(run),
                     QStringList({ QStringLiteral("00012345 verified #9"), QStringLiteral("00012346 failed #10"),
                                   QStringLiteral(R"({"failed":1,"skipped":0,"summary":true,"verified":1})") }));
            QVERIFY2(run.out.contains(QStringLiteral("With number 10: The Button message is 65 characters long; its "
                                                     "field takes at most 64. Nothing was sent.")),
                     qPrintable(run.out));
            QFile sent(transcript);
            QVERIFY(sent.open(QIODevice::ReadOnly));
            QVERIFY(!sent.readAll().contains("virtual-tavrin-2: ID,"));
        }

        const QString tables = tableProfile(QStringLiteral("tables.t2c"), 5, QStringLiteral("Table {n}"));
        const QString writeLog = m_dir.filePath(QStringLiteral("write.csv"));
        const QString stationLog = m_dir.filePath(QStringLiteral("station.csv"));
        const auto writeAll = [&] {
            return runCli(
                units
                + QStringList { QStringLiteral("write"), QStringLiteral("--all"), QStringLiteral("--log"), writeLog }
                + numbered + QStringList { tables });
        };
        const auto station = [&] {
            return runCli(units + QStringList { QStringLiteral("station"), QStringLiteral("--log"), stationLog }
                          + numbered + QStringList { tables });
        };
        const QStringList first = { QStringLiteral("00012345 verified #12"), QStringLiteral("00012346 skipped #0"),
                                    QStringLiteral("00012347 verified #13") };
        QCOMPARE(unitsOf(writeAll()),
                 first + QStringList { QStringLiteral(R"({"failed":0,"skipped":1,"summary":true,"verified":2})") });
        QCOMPARE(unitsOf(station()),
                 first + QStringList { QStringLiteral(R"({"failed":0,"skipped":1,"summary":true,"verified":2})") });
        // Again on the same logs: the numbers stay with their units.
        QCOMPARE(unitsOf(writeAll()),
                 first + QStringList { QStringLiteral(R"({"failed":0,"skipped":1,"summary":true,"verified":2})") });
        QCOMPARE(unitsOf(station()),
                 QStringList({ QStringLiteral("00012345 skipped #12"), QStringLiteral("00012346 skipped #0"),
                               QStringLiteral("00012347 skipped #13"),
                               QStringLiteral(R"({"failed":0,"skipped":3,"summary":true,"verified":0})") }));
    }

    // A unit whose row cannot be written is not done, in either front end's count.
    void unitWithoutItsRowHasFailed()
    {
        const QString profile = tableProfile(QStringLiteral("plain.t2c"), 5, QStringLiteral("Table"));
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("station") }) {
            // The log holds its header only and may not grow: the row cannot be written.
            const QString log = m_dir.filePath(command + QStringLiteral(".full.csv"));
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ProvisionLog::headerLine());
            file.close();
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlimit before = limit;
            limit.rlim_cur = rlim_t(file.size());
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            QStringList arguments = { QStringLiteral("--simulate"), QStringLiteral("dalen"), command };
            if (command == QLatin1String("write"))
                arguments << QStringLiteral("--all");
            const Run run = runCli(arguments << QStringLiteral("--log") << log << profile);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
            QCOMPARE(run.status, 1);
            QVERIFY2(run.out.contains(QStringLiteral("FAILED: its row could not be written to the log: ")),
                     qPrintable(run.out));
            QVERIFY2(run.out.endsWith(QStringLiteral("0 written and verified, 1 failed\n")), qPrintable(run.out));
        }
    }
};

QTEST_MAIN(TestFrontendsAgree)
#include "tst_frontendsagree.moc"
