#include "app/FrmTavrin2Qt.h"
#include "cli/CliAllUnits.h"
#include "cli/CliApp.h"
#include "config/CfgFile.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "sim/VirtualTavrinBus.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QJsonDocument>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// Standard output that, as each unit's line arrives, looks for the unit's row in the log.
class RowBeforeLine : public QIODevice
{
public:
    explicit RowBeforeLine(const QString& log)
        : m_log(log)
    {
    }

    int verifiedLines = 0;
    QStringList lineWithoutRow;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_pending += QString::fromUtf8(data, size);
        for (qsizetype end = m_pending.indexOf(QLatin1Char('\n')); end >= 0;
             end = m_pending.indexOf(QLatin1Char('\n'))) {
            const QString line = m_pending.left(end);
            m_pending.remove(0, end + 1);
            if (!line.contains(QStringLiteral(": written and verified")))
                continue;
            ++verifiedLines;
            const QString serial = line.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), -1);
            QList<ProvisionRow> rows;
            QString error;
            ProvisionLog::read(m_log, rows, error);
            const bool logged = std::any_of(rows.cbegin(), rows.cend(), [&](const ProvisionRow& row) {
                return row.serial == serial && row.result == ProvisionRow::Result::Verified;
            });
            if (!logged)
                lineWithoutRow << line;
        }
        return size;
    }

private:
    QString m_log;
    QString m_pending;
};

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
            // The station's other events (waiting, a write begun) are no unit's end.
            if (unit.contains(QStringLiteral("event")) && unit.value(QStringLiteral("event")) != QLatin1String("done"))
                continue;
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
            QCOMPARE(
                unitsOf(run),
                QStringList({ QStringLiteral("00012345 verified #9"), QStringLiteral("00012346 failed #10"),
                              QStringLiteral(R"({"failed":1,"skipped":0,"summary":true,"toDo":1,"verified":1})") }));
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

    // The units attached now, each front end as it ends by itself once they are done.
    static Run provision(const QString& command, const QString& log, const QString& profile)
    {
        QStringList arguments
            = { command, QStringLiteral("--log"), log, QStringLiteral("--number-from"), QStringLiteral("1") };
        if (command == QLatin1String("write"))
            arguments << QStringLiteral("--all");
        else
            arguments << QStringLiteral("--idle-exit") << QStringLiteral("0");
        return runCli(arguments << profile);
    }

    // A unit is written and numbered only as the one unit its serial number names: none without one, and
    // never two in flight at once with the same one.
    void unitsAreToldApartByTheirSerialNumbers()
    {
        using Model = VirtualTavrin::Model;
        const QString profile = tableProfile(QStringLiteral("ids.t2c"), 5, QStringLiteral("Table {n}"));
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("station") }) {
            const QList<VirtualTavrin*> units = VirtualTavrinBus::install(QList<Model>(5, Model::DalenTavrin));
            // The first is still being written while the one with its serial number is identified.
            units.at(0)->setRealTime(true);
            units.at(1)->setSerialNumber(units.at(0)->firmware().serialNumber());
            units.at(2)->setSerialNumber(QString());
            // An answer that cannot be read gives no serial number either.
            units.at(3)->setSerialNumber(QStringLiteral("00012,348"));
            const Run run = provision(command, m_dir.filePath(command + QStringLiteral(".ids.csv")), profile);
            QCOMPARE(run.status, 1);
            const QString noSerial = QStringLiteral(
                " Dalen Tavrin: FAILED: This unit reports no serial number; it cannot be told apart from others, so "
                "nothing was sent.\n");
            for (const QString& line :
                 { QStringLiteral("#1 /dev/virtual-tavrin (port 1-1.1) Dalen Tavrin 00012345: written and verified"),
                   QStringLiteral("\n/dev/virtual-tavrin-2 (port 1-1.2) Dalen Tavrin 00012345: FAILED: Another unit "
                                  "in flight, at /dev/virtual-tavrin, reports the same serial number 00012345; "
                                  "nothing was sent.\n"),
                   QStringLiteral("\n/dev/virtual-tavrin-3 (port 1-1.3)") + noSerial,
                   QStringLiteral("\n/dev/virtual-tavrin-4 (port 1-1.4)") + noSerial,
                   QStringLiteral(
                       "\n#2 /dev/virtual-tavrin-5 (port 1-1.5) Dalen Tavrin 00012349: written and verified"),
                   QStringLiteral("2 written and verified, 3 failed\n") })
                QVERIFY2((QLatin1Char('\n') + run.out).contains(line),
                         qPrintable(command + QStringLiteral(":\n") + run.out));
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(settingCommands(units.at(i)->transcript()), QStringList());
        }
    }

    // A unit its number reached keeps it when it fails: plugged in again it gets the same, a unit plugged in
    // before it the next free one.
    void failedUnitKeepsTheNumberWrittenIntoIt()
    {
        using Model = VirtualTavrin::Model;
        const QString profile = tableProfile(QStringLiteral("held.t2c"), 5, QStringLiteral("Table {n}"));
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("station") }) {
            const QString log = m_dir.filePath(command + QStringLiteral(".held.csv"));
            QList<VirtualTavrin*> units = VirtualTavrinBus::install({ Model::DalenTavrin, Model::DalenTavrin });
            // Identification takes the first commands; this one strikes while the profile is written.
            units.at(0)->failNthCommand(4);
            Run run = provision(command, log, profile);
            QCOMPARE(run.status, 1);
            QVERIFY2(run.out.contains(QRegularExpression(
                         QStringLiteral("^#1 /dev/virtual-tavrin \\(port 1-1.1\\) Dalen Tavrin 00012345: FAILED: .+ "
                                        "It now holds number 1: plug it in again to finish it.$"),
                         QRegularExpression::MultilineOption)),
                     qPrintable(run.out));
            QVERIFY2(run.out.contains(QStringLiteral("#2 /dev/virtual-tavrin-2 (port 1-1.2) Dalen Tavrin 00012346: "
                                                     "written and verified")),
                     qPrintable(run.out));

            // Plugged in again, behind a new unit.
            units = VirtualTavrinBus::install({ Model::DalenTavrin, Model::DalenTavrin, Model::DalenTavrin });
            units.at(0)->setSerialNumber(QStringLiteral("00012399"));
            units.at(1)->setSerialNumber(QStringLiteral("00012345"));
            units.at(2)->setSerialNumber(QStringLiteral("00012346"));
            run = provision(command, log, profile);
            QCOMPARE(run.status, 0);
            for (const QString& line : { QStringLiteral("#3 /dev/virtual-tavrin (port 1-1.1) Dalen Tavrin 00012399: "
                                                        "written and verified"),
                                         QStringLiteral("#1 /dev/virtual-tavrin-2 (port 1-1.2) Dalen Tavrin 00012345: "
                                                        "written and verified") })
                QVERIFY2(run.out.contains(line), qPrintable(run.out));
            QVERIFY(units.at(1)->transcript().contains(QStringLiteral("UID,1")));
        }
    }

    // A unit's line is printed only once its row is on disk, in both front ends.
    void rowIsOnDiskBeforeItsLine()
    {
        const QString profile = tableProfile(QStringLiteral("ordered.t2c"), 5, QStringLiteral("Table"));
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("station") }) {
            const QString log = m_dir.filePath(command + QStringLiteral(".ordered.csv"));
            RowBeforeLine out(log);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QTextStream outStream(&out);
            QString err;
            QTextStream errStream(&err);
            QStringList arguments = { QStringLiteral("tavrin2qt-cli"), QStringLiteral("--simulate"),
                                      QStringLiteral("dalen,dalen,dalen"), command };
            if (command == QLatin1String("write"))
                arguments << QStringLiteral("--all");
            QCOMPARE(CliApp().run(arguments << QStringLiteral("--log") << log << profile, outStream, errStream), 0);
            QCOMPARE(out.verifiedLines, 3);
            QVERIFY2(out.lineWithoutRow.isEmpty(), qPrintable(out.lineWithoutRow.join(QLatin1Char('\n'))));
        }
    }

    // A unit whose row cannot be written is not done, in either front end's count.
    void unitWithoutItsRowHasFailed()
    {
        const QString profile = tableProfile(QStringLiteral("plain.t2c"), 5, QStringLiteral("Table"));
        for (const QString& command : { QStringLiteral("write"), QStringLiteral("station") }) {
            // The log holds its header only and may grow by part of a row only: the row cannot be written whole.
            const QString log = m_dir.filePath(command + QStringLiteral(".full.csv"));
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ProvisionLog::headerLine());
            file.close();
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlimit before = limit;
            limit.rlim_cur = rlim_t(file.size() + 40);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            QStringList arguments = { QStringLiteral("--simulate"), QStringLiteral("dalen"), command };
            if (command == QLatin1String("write"))
                arguments << QStringLiteral("--all");
            // Its number was written into it all the same.
            const Run run = runCli(arguments << QStringLiteral("--log") << log << QStringLiteral("--number-from")
                                             << QStringLiteral("1") << profile);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
            QCOMPARE(run.status, 1);
            QVERIFY2(run.out.contains(QStringLiteral("FAILED: its row could not be written to the log: the file is "
                                                     "as large as the system lets it grow")),
                     qPrintable(run.out));
            QVERIFY2(run.out.contains(QStringLiteral(" It now holds number 1: plug it in again to finish it.\n")),
                     qPrintable(run.out));
            QVERIFY2(run.out.endsWith(QStringLiteral("0 written and verified, 1 failed\n")), qPrintable(run.out));
            // The part of the row written is taken back.
            QCOMPARE(QFileInfo(log).size(), qint64(ProvisionLog::headerLine().size()));
            if (command == QLatin1String("station"))
                QVERIFY2(run.err.contains(QStringLiteral("; no more units are started.")), qPrintable(run.err));
        }
    }

    // A log is appended to only when it is this program's: another file is refused before any unit is touched.
    void aLogNotOursIsRefusedBeforeAnyUnit()
    {
        const QString profile = tableProfile(QStringLiteral("plain.t2c"), 5, QStringLiteral("Table"));
        const QString transcript = m_dir.filePath(QStringLiteral("foreign.txt"));
        const QByteArray row = "2026-12-07T09:30:05Z,/dev/hidraw3,1-1.3,00012345,Dalen Tavrin,2V1.07,plain.t2c,ab,"
                               "verified,2.9,,\"\"\n";
        for (const QByteArray& start : { QByteArray("name,amount\n"), QByteArray() }) {
            const QString log = m_dir.filePath(QStringLiteral("foreign.csv"));
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(start + row);
            file.close();
            for (const QStringList& command : { QStringList { QStringLiteral("write"), QStringLiteral("--all") },
                                                QStringList { QStringLiteral("station") } }) {
                const Run run = runCli(QStringList { QStringLiteral("--simulate"), QStringLiteral("dalen"),
                                                     QStringLiteral("--transcript"), transcript }
                                       + command + QStringList { QStringLiteral("--log"), log, profile });
                QCOMPARE(run.status, 1);
                QVERIFY2(run.err.contains(log + QStringLiteral(" is not a provisioning log of this program")),
                         qPrintable(run.err));
                QFile sent(transcript);
                QVERIFY(sent.open(QIODevice::ReadOnly));
                QVERIFY2(!sent.readAll().contains("ID,"), qPrintable(command.join(' ')));
                QCOMPARE(QFileInfo(log).size(), qint64(start.size() + row.size()));
            }
        }
    }

    // What a unit says cannot drive the terminal: its controls, C1 among them, are escaped in its line.
    void unitTextIsInertOnTheTerminal()
    {
        UnitOutcome unit;
        unit.device = QStringLiteral("/dev/hidraw3");
        unit.model = QStringLiteral("Tavrin II");
        unit.serial = QStringLiteral("AB\u009b2JCD\n");
        unit.state = UnitState::Failed;
        unit.message = QStringLiteral("answering \"\u009b2J\x7f\"");
        const QString text = CliAllUnits::unitLine(unit, false);
        QCOMPARE(text, QStringLiteral("/dev/hidraw3 Tavrin II AB\\x9b2JCD\\n: FAILED: answering \"\\x9b2J\\x7f\""));
        const QString json = CliAllUnits::unitLine(unit, true);
        QVERIFY2(!json.contains(QChar(0x9b)) && json.contains(QStringLiteral("\\u009b")), qPrintable(json));
        QCOMPARE(QJsonDocument::fromJson(json.toUtf8()).object().value(QStringLiteral("serial")).toString(),
                 unit.serial);
    }
};

QTEST_MAIN(TestFrontendsAgree)
#include "tst_frontendsagree.moc"
