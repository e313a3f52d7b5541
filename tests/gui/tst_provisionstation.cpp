// The Provision Units dialog running a station on virtual units: what each row shows, numbering,
// the reference unit left out, a unit unplugged mid-write, a failed unit tried again, units plugged in one after
// another at one node, Stop; the bench's state line, counts, colours and sounds; leaving while units are
// written; stop signals; and what its set-up tells before Start.

#include "app/BenchSounds.h"
#include "app/FrmProvisionUnits.h"
#include "app/WindowStopSignals.h"
#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"
#include "provisioning/HubStation.h"
#include "provisioning/ProvisionLog.h"
#include "sim/VirtualTavrinBus.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"
#include "support/StationDialogKit.h"
#include "usb/UsbHid.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>
#include <QUrl>
#include <QFontInfo>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
// Units work in virtual time; only the station's polling and the queued signals take real time.
constexpr int deadlineMs = 20000;
} // namespace

using stationdialog::resultOf;
using stationdialog::rowOfSerial;

class TestProvisionStation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Prompter::setInstance(&m_prompter);
        // Silent: the audio library's own thread is beyond ThreadSanitizer's sight. A test that listens sets its own.
        BenchSounds::setHook([](const QString&) {});
    }
    void cleanup()
    {
        BenchSounds::setHook([](const QString&) {});
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        m_prompter.verifyDone();
        FrmProvisionUnits::setStationFactory({});
        UsbHid::setBackend(nullptr);
    }
    void cleanupTestCase()
    {
        Prompter::setInstance(nullptr);
        BenchSounds::setHook({});
    }

    void unitsOfAStationEachShowTheirOwnEnd();
    void theWindowLetsGoOfItsUnitWhileTheStationRuns();
    void theBenchShowsHearsAndReconcilesItsUnits();
    void stopSignalsFinishTheUnitsInFlightThenStopAtOnce();
    void theSetUpTellsWhatStartWouldDo();
    void aUnitPluggedWhereAnotherEndedHasARowOfItsOwn();
    void unitsPluggedOneAfterAnotherAtOneNodeEachGetTheirNumber();

private:
    // Starts the dialog's station and keeps a hold of it, so that a test can make it look at the bus now.
    HubStation* start(FrmProvisionUnits& dialog);
    // The unit at its node is pulled out and another, with serial, plugged in there; the station sees both.
    static void plugAnotherAtItsNode(VirtualTavrin* unit, HubStation* station, const QString& serial);

    ScriptedPrompter m_prompter;
};

HubStation* TestProvisionStation::start(FrmProvisionUnits& dialog)
{
    QPointer<HubStation> station;
    FrmProvisionUnits::setStationFactory([&station](const ProvisionSettings& settings) {
        auto made = std::make_unique<HubStation>(settings);
        station = made.get();
        return made;
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    return station;
}

void TestProvisionStation::plugAnotherAtItsNode(VirtualTavrin* unit, HubStation* station, const QString& serial)
{
    unit->unplug();
    station->lookForUnits();
    QCOMPARE(station->nodeState(unit->path()), HubStation::NodeState::Idle);
    unit->setSerialNumber(serial);
    unit->replug();
    station->lookForUnits();
}

void TestProvisionStation::unitsOfAStationEachShowTheirOwnEnd()
{
    using Model = VirtualTavrin::Model;
    const QList<VirtualTavrin*> units
        = VirtualTavrinBus::install({ Model::DalenTavrin, Model::DalenTavrin, Model::DalenTavrin, Model::DalenTavrin });
    const QString first = units.at(0)->firmware().serialNumber();
    const QString failsOnce = units.at(1)->firmware().serialNumber();
    const QString reference = units.at(2)->firmware().serialNumber();
    const QString unplugged = units.at(3)->firmware().serialNumber();
    // Identification takes the first commands; these faults strike while the profile is written.
    units.at(1)->failNthCommand(4);
    units.at(3)->unplugAfterCommands(4);

    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    profile.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));

    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 12, reference);
    QSignalSpy running(&dialog, &FrmProvisionUnits::runningChanged);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
    auto* counters = dialog.findChild<QLabel*>(QStringLiteral("labelCounters"));
    auto* retry = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonRetry"));

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    QCOMPARE(running.size(), 1);
    QCOMPARE(running.at(0).at(0).toBool(), true);
    QCOMPARE(table->rowCount(), 4);
    QTRY_COMPARE_WITH_TIMEOUT(counters->text(), QStringLiteral("Verified: 1    Failed: 2    Skipped: 1"), deadlineMs);

    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelState"))->text(),
             QStringLiteral("Waiting for units — plug them in"));

    const int firstRow = rowOfSerial(table, first);
    QCOMPARE(table->item(firstRow, FrmProvisionUnits::ResultColumn)->text(), QStringLiteral("verified"));
    QCOMPARE(table->item(firstRow, FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("12"));
    QVERIFY(table->item(firstRow, FrmProvisionUnits::NumberColumn)->font().pointSizeF() > table->font().pointSizeF());
    QCOMPARE(table->item(firstRow, FrmProvisionUnits::PortColumn)->text(), QStringLiteral("1-1.1"));
    QCOMPARE(table->item(firstRow, FrmProvisionUnits::ModelColumn)->text(), QStringLiteral("Dalen Tavrin"));
    QCOMPARE(resultOf(table, reference), QStringLiteral("left out"));
    // A failed unit its number reached keeps it.
    QCOMPARE(
        resultOf(table, unplugged),
        QStringLiteral("unplugged before it was verified. It now holds number 14: plug it in again to finish it."));
    QVERIFY2(resultOf(table, failsOnce).startsWith(QStringLiteral("failed: ")), qPrintable(resultOf(table, failsOnce)));
    QVERIFY2(
        resultOf(table, failsOnce).endsWith(QStringLiteral(" It now holds number 13: plug it in again to finish it.")),
        qPrintable(resultOf(table, failsOnce)));
    QCOMPARE(table->item(rowOfSerial(table, failsOnce), FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("13"));

    // A unit plugged in meanwhile gets the next free number.
    const QString later = QStringLiteral("00012399");
    auto* bus = static_cast<VirtualTavrinBus*>(UsbHid::sharedBackend().get());
    bus->addUnit(std::make_unique<VirtualTavrin>(Model::DalenTavrin, QStringLiteral("/dev/virtual-tavrin-5")))
        ->setSerialNumber(later);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, later), QStringLiteral("verified"), deadlineMs);
    QCOMPARE(table->item(rowOfSerial(table, later), FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("15"));

    // Tried again from its row, it gets its number back.
    table->selectRow(rowOfSerial(table, failsOnce));
    QVERIFY(retry->isEnabled());
    QTest::mouseClick(retry, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, failsOnce), QStringLiteral("verified"), deadlineMs);
    QCOMPARE(table->item(rowOfSerial(table, failsOnce), FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("13"));
    QCOMPARE(counters->text(), QStringLiteral("Verified: 3    Failed: 1    Skipped: 1"));
    QCOMPARE(table->rowCount(), 5);

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(running.size(), 2, deadlineMs);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonClose"))->isEnabled());

    // Every unit tried has its row, the one left out none; the numbers are those shown.
    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(logPath, rows, error), qPrintable(error));
    QStringList logged;
    for (const ProvisionRow& row : rows)
        logged << QStringLiteral("%1 %2 %3").arg(row.serial, ProvisionLog::resultName(row.result)).arg(row.number);
    QCOMPARE(logged.size(), 5);
    QVERIFY2(logged.contains(QStringLiteral("%1 verified 12").arg(first)), qPrintable(logged.join(u'\n')));
    QVERIFY2(logged.contains(QStringLiteral("%1 failed 13").arg(failsOnce)), qPrintable(logged.join(u'\n')));
    QVERIFY2(logged.contains(QStringLiteral("%1 verified 13").arg(failsOnce)), qPrintable(logged.join(u'\n')));
    QVERIFY2(logged.contains(QStringLiteral("%1 failed 14").arg(unplugged)), qPrintable(logged.join(u'\n')));
    QVERIFY(!logged.join(u'\n').contains(reference));
}

void TestProvisionStation::theWindowLetsGoOfItsUnitWhileTheStationRuns()
{
    VirtualTavrin* unit = VirtualTavrinBus::install({ VirtualTavrin::Model::DalenTavrin }).constFirst();
    Tavrin2QtComm::instance()->reset();
    FrmTavrin2Qt::resetFirstDetection();
    ProgressRecorder progress;
    FrmTavrin2Qt window;
    QCOMPARE(window.selectedType(), DalenTavrin);
    QVERIFY(Tavrin2QtComm::instance()->connectionStatus() != NotFound);
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));

    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<FrmProvisionUnits*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (clock.elapsed() > deadlineMs)
                poll.stop();
            return;
        }
        poll.stop();
        seen = true;
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("labelFormProfile"))
                    ->text()
                    .contains(QRegularExpression(QStringLiteral("^Dalen Tavrin, profile [0-9a-f]{8}$"))));
        // Nothing was read or loaded: the window says so, and Start would write the defaults.
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("labelFormDetails"))
                    ->text()
                    .startsWith(QStringLiteral("The form's default settings.")));
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("labelFormWarning"))->isVisible());
        dialog->findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"))->setText(logPath);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
        // The station has every unit: the window's session holds none, and the form keeps still.
        QCOMPARE(Tavrin2QtComm::instance()->connectionStatus(), NotFound);
        QVERIFY(!window.centralWidget()->isEnabled());
        QVERIFY(!window.menuBar()->isEnabled());
        auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
        QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, unit->firmware().serialNumber()), QStringLiteral("verified"),
                                  deadlineMs);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
        auto* close = dialog->findChild<QPushButton*>(QStringLiteral("pushButtonClose"));
        QTRY_VERIFY_WITH_TIMEOUT(close->isEnabled(), deadlineMs);
        QVERIFY(window.centralWidget()->isEnabled());
        QTest::mouseClick(close, Qt::LeftButton);
    });
    poll.start();
    window.tools_ProvisionUnits_Action->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
    // The window's detection takes its unit back.
    window.detectTavrin();
    QVERIFY(Tavrin2QtComm::instance()->connectionStatus() != NotFound);
}

namespace {
// Slow enough to be seen in flight: a unit takes a few seconds.
QList<VirtualTavrin*> slowUnits(const QList<VirtualTavrin*>& units)
{
    for (VirtualTavrin* unit : units) {
        unit->setRealTime(true);
        unit->setReplyDelayMs(100);
    }
    return units;
}

VirtualTavrin* plugSlowUnit(int index)
{
    auto* bus = static_cast<VirtualTavrinBus*>(UsbHid::sharedBackend().get());
    VirtualTavrin* unit = bus->addUnit(std::make_unique<VirtualTavrin>(
        VirtualTavrin::Model::DalenTavrin, QStringLiteral("/dev/virtual-tavrin-%1").arg(index)));
    unit->setSerialNumber(QStringLiteral("0009000%1").arg(index));
    return slowUnits({ unit }).constFirst();
}

QStringList loggedRows(const QString& logPath)
{
    QList<ProvisionRow> rows;
    QString error;
    if (!ProvisionLog::read(logPath, rows, error))
        return { error };
    QStringList logged;
    for (const ProvisionRow& row : rows)
        logged << QStringLiteral("%1 %2 %3").arg(row.serial, ProvisionLog::resultName(row.result)).arg(row.number);
    return logged;
}
} // namespace

void TestProvisionStation::theBenchShowsHearsAndReconcilesItsUnits()
{
    const QList<VirtualTavrin*> units = slowUnits(
        VirtualTavrinBus::install({ VirtualTavrin::Model::DalenTavrin, VirtualTavrin::Model::DalenTavrin }));
    const QString good = units.at(0)->firmware().serialNumber();
    const QString failsOnce = units.at(1)->firmware().serialNumber();
    units.at(1)->failNthCommand(4);
    QStringList heard;
    BenchSounds::setHook([&heard](const QString& sound) { heard << sound; });

    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 1, QString());
    dialog.findChild<QCheckBox*>(QStringLiteral("checkBoxSounds"))->setChecked(true);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
    auto* counters = dialog.findChild<QLabel*>(QStringLiteral("labelCounters"));
    auto* state = dialog.findChild<QLabel*>(QStringLiteral("labelState"));
    auto* start = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart"));
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(state->text(), QStringLiteral("2 units being written"));

    // Escape and the window's close button while units are written: the installer is told, nothing stops.
    const QString stopFirst = QStringLiteral("Press Stop first: 2 units are being written");
    m_prompter.expectInformation(QStringLiteral("Provision Units"), stopFirst);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    m_prompter.expectInformation(QStringLiteral("Provision Units"), stopFirst);
    dialog.close();
    QVERIFY(m_prompter.verifyDone());
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isRunning());

    QTRY_COMPARE_WITH_TIMEOUT(counters->text(), QStringLiteral("Verified: 1    Failed: 1    Skipped: 0"), deadlineMs);
    QCOMPARE(state->text(), QStringLiteral("Waiting for units — plug them in"));
    heard.sort();
    QCOMPARE(heard, QStringList({ QStringLiteral("failed"), QStringLiteral("verified") }));
    QVERIFY(QFontInfo(table->item(rowOfSerial(table, good), FrmProvisionUnits::NumberColumn)->font()).pointSizeF()
            >= 4 * QFontInfo(dialog.font()).pointSizeF());

    // The failed unit taken away greys; verified on its next plug-in, it no longer counts as failed.
    const int failedRow = rowOfSerial(table, failsOnce);
    const auto greyed = [table, failedRow] {
        const QBrush text = table->item(failedRow, FrmProvisionUnits::SerialColumn)->foreground();
        return text.style() != Qt::NoBrush && text.color().hsvSaturation() == 0;
    };
    const QColor failedColour = table->item(failedRow, FrmProvisionUnits::ResultColumn)->foreground().color();
    QVERIFY(failedColour.red() > 2 * failedColour.green());
    QVERIFY(!greyed());
    units.at(1)->clearFaults();
    units.at(1)->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(greyed(), deadlineMs);
    units.at(1)->replug();
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, failsOnce), QStringLiteral("verified"), deadlineMs);
    QCOMPARE(counters->text(), QStringLiteral("Verified: 2    Failed: 0    Skipped: 0"));
    const QString superseded = table->item(failedRow, FrmProvisionUnits::ResultColumn)->text();
    QVERIFY2(superseded.startsWith(QStringLiteral("superseded: verified on a later plug-in (here: failed: ")),
             qPrintable(superseded));
    QCOMPARE(heard.size(), 3);
    QCOMPARE(heard.constLast(), QStringLiteral("verified"));

    // Stopped while a unit is written: one plugged in meanwhile is not started, and says so.
    const VirtualTavrin* third = plugSlowUnit(3);
    QTRY_COMPARE_WITH_TIMEOUT(state->text(), QStringLiteral("1 unit being written"), deadlineMs);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
    const VirtualTavrin* fourth = plugSlowUnit(4);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, QString()), QStringLiteral("not started: the station was stopping"),
                              deadlineMs);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), deadlineMs);
    QCOMPARE(state->text(), QStringLiteral("Stopped"));
    QCOMPARE(resultOf(table, third->firmware().serialNumber()), QStringLiteral("verified"));

    // Started again as it was set up: the units written are left alone, the one not started is written.
    QVERIFY(start->isEnabled());
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(dialog.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(counters->text(), QStringLiteral("Verified: 1    Failed: 0    Skipped: 3"), deadlineMs);
    QCOMPARE(resultOf(table, fourth->firmware().serialNumber()), QStringLiteral("verified"));
    // Nothing in flight: Escape stops the station and closes.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), deadlineMs);
    QVERIFY(!dialog.isRunning());

    QStringList logged = loggedRows(logPath);
    logged.sort();
    QCOMPARE(logged,
             QStringList({ QStringLiteral("%1 verified 1").arg(good), QStringLiteral("%1 failed 2").arg(failsOnce),
                           QStringLiteral("%1 verified 2").arg(failsOnce),
                           QStringLiteral("%1 verified 3").arg(third->firmware().serialNumber()),
                           QStringLiteral("%1 verified 4").arg(fourth->firmware().serialNumber()) }));
}

void TestProvisionStation::stopSignalsFinishTheUnitsInFlightThenStopAtOnce()
{
    const QList<VirtualTavrin*> units = slowUnits(
        VirtualTavrinBus::install({ VirtualTavrin::Model::DalenTavrin, VirtualTavrin::Model::DalenTavrin }));
    BenchSounds::setHook([](const QString&) {});
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 1, QString());
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));

    bool quit = false;
    int exitStatus = -1;
    QStringList errors;
    WindowStopSignals stopSignals({ [&quit] { quit = true; }, [&exitStatus](int status) { exitStatus = status; },
                                    [&errors](const QString& line) { errors << line; } });
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    QCOMPARE(dialog.unitsInFlight(), 2);

    // The first: the units in flight are finished and logged before the window quits.
    std::raise(SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(quit, deadlineMs);
    QVERIFY(!dialog.isRunning());
    QCOMPARE(loggedRows(logPath).size(), 2);
    QVERIFY(loggedRows(logPath).constFirst().endsWith(QStringLiteral(" verified 1")));
    QCOMPARE(exitStatus, -1);

    // The second, with a unit being written: it is logged failed with its number and named, at once.
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    const QString serial = plugSlowUnit(3)->firmware().serialNumber();
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, serial), QStringLiteral("writing"), deadlineMs);
    stopSignals.handle(2);
    QCOMPARE(exitStatus, 1);
    QCOMPARE(errors,
             QStringList({ QStringLiteral("Stopped at once; left unverified: /dev/virtual-tavrin-3 %1").arg(serial) }));
    QCOMPARE(resultOf(table, serial),
             QStringLiteral("failed: stopped before it was verified. It now holds number 3: plug it in again to finish "
                            "it."));
    QVERIFY2(loggedRows(logPath).contains(QStringLiteral("%1 failed 3").arg(serial)),
             qPrintable(loggedRows(logPath).join(u'\n')));
    Q_UNUSED(units);
}

void TestProvisionStation::theSetUpTellsWhatStartWouldDo()
{
    VirtualTavrinBus::install({});
    QTemporaryDir dir;
    // A log of this program whose units were numbered up to 14, and a CSV file of another program.
    const QString ours = dir.filePath(QStringLiteral("site.csv"));
    ProvisionRow numbered;
    numbered.serial = QStringLiteral("00012340");
    numbered.result = ProvisionRow::Result::Verified;
    numbered.number = 14;
    QFile oursFile(ours);
    QVERIFY(oursFile.open(QIODevice::WriteOnly));
    oursFile.write(ProvisionLog::headerLine() + ProvisionLog::rowLine(numbered));
    oursFile.close();
    const QString foreign = dir.filePath(QStringLiteral("prices.csv"));
    QFile foreignFile(foreign);
    QVERIFY(foreignFile.open(QIODevice::WriteOnly));
    foreignFile.write("item,price\n");
    foreignFile.close();
    QList<QUrl> opened;
    FrmProvisionUnits::setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });

    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    profile.setDtBtn1SettingMsg(QStringLiteral("Table 7"));
    FrmProvisionUnits dialog(profile);
    dialog.setFormSource({ FormSource::Kind::ReadFromUnit, QStringLiteral("00012345") });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelFormDetails"))->text(),
             QStringLiteral("Read from unit 00012345. System ID 0; button 1: pager 1, message \u201cTable 7\u201d."));
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("labelFormWarning"))->isVisible());
    auto* logEdit = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"));
    auto* logNote = dialog.findChild<QLabel*>(QStringLiteral("labelLogNote"));
    auto* numberNote = dialog.findChild<QLabel*>(QStringLiteral("labelNumberNote"));
    auto* start = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart"));
    auto* chooseLog = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonChooseLog"));

    // Another program's file is refused as it is chosen, naming it and why; ours is taken without a question.
    logEdit->setText(dir.filePath(QStringLiteral("new.csv")));
    m_prompter.expectSaveFile(QStringLiteral("Log the units to"), foreign);
    m_prompter.expectCritical(
        QStringLiteral("Log File"),
        QStringLiteral("%1 is not a provisioning log of this program: its first line is not the log's header. Choose "
                       "a new file, or a log this program wrote.")
            .arg(foreign));
    QTest::mouseClick(chooseLog, Qt::LeftButton);
    QCOMPARE(logEdit->text(), QDir::toNativeSeparators(dir.filePath(QStringLiteral("new.csv"))));
    QCOMPARE(logNote->text(), QStringLiteral("A new log is made."));
    QVERIFY(!numberNote->isVisible());
    m_prompter.expectSaveFile(QStringLiteral("Log the units to"), ours);
    QTest::mouseClick(chooseLog, Qt::LeftButton);
    QVERIFY(m_prompter.verifyDone());
    QCOMPARE(logEdit->text(), QDir::toNativeSeparators(ours));
    QCOMPARE(logNote->text(), QStringLiteral("New rows are added to this log."));
    QVERIFY(start->isEnabled());

    // Without the box the station goes on from the log's numbers; ticked, Tab reaches the number at once.
    QVERIFY(numberNote->text().startsWith(QStringLiteral("This log numbered its units; the next unit gets 15. ")));
    auto* numberUnits = dialog.findChild<QCheckBox*>(QStringLiteral("checkBoxNumberUnits"));
    numberUnits->setFocus();
    QTest::keyClick(numberUnits, Qt::Key_Space);
    QVERIFY(numberUnits->isChecked());
    QTest::keyClick(numberUnits, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QSpinBox*>(QStringLiteral("spinBoxNumberFrom")));
    QCOMPARE(numberNote->text(),
             QStringLiteral("This log numbered its units up to 14; the numbers its units hold are passed over."));

    // Leave out shows the serial numbers it took; an entry no serial number can be is named, and stops Start.
    auto* leaveOut = dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLeaveOut"));
    auto* leaveOutNote = dialog.findChild<QLabel*>(QStringLiteral("labelLeaveOutNote"));
    leaveOut->setText(QStringLiteral(" 00012345,00012346; 00012345 "));
    QCOMPARE(leaveOutNote->text(), QStringLiteral("Leaves out 2 units: 00012345, 00012346"));
    leaveOut->setText(QStringLiteral("00012345 ") + QString(200, u'9'));
    QVERIFY2(leaveOutNote->text().startsWith(QStringLiteral("\u201c9999")), qPrintable(leaveOutNote->text()));
    QVERIFY(!start->isEnabled());
    leaveOut->setText(QStringLiteral("00012345"));
    QVERIFY(start->isEnabled());

    // A folder that is not there is said before Start, which waits for another name.
    logEdit->setText(dir.filePath(QStringLiteral("gone/site.csv")));
    QCOMPARE(logNote->text(),
             QStringLiteral("Could not write to %1: the folder %2 does not exist.")
                 .arg(dir.filePath(QStringLiteral("gone/site.csv")), dir.filePath(QStringLiteral("gone"))));
    QVERIFY(!start->isEnabled());

    // A long path keeps the dialog on a 1024-pixel screen, on either page; Open Log and Open Folder find it.
    QString deep = dir.path();
    for (int level = 0; level < 6; ++level)
        deep += QStringLiteral("/a-folder-with-a-long-name-for-the-site-of-the-station-%1").arg(level);
    QVERIFY(QDir().mkpath(deep));
    const QString longLog = deep + QStringLiteral("/site.csv");
    logEdit->setText(longLog);
    QVERIFY(start->isEnabled());
    auto* openLog = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonOpenLog"));
    QVERIFY(!openLog->isEnabled());
    QVERIFY(dialog.minimumSizeHint().width() <= 1024);
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(dialog.isRunning());
    QCoreApplication::processEvents();
    auto* header = dialog.findChild<QLabel*>(QStringLiteral("labelStationProfile"));
    dialog.layout()->activate();
    QVERIFY2(dialog.minimumSizeHint().width() <= 1024 && dialog.width() <= 1024,
             qPrintable(QString::number(dialog.minimumSizeHint().width())));
    QVERIFY2(header->text().contains(QChar(0x2026)), qPrintable(header->text()));
    QVERIFY(header->toolTip().endsWith(QDir::toNativeSeparators(longLog)));
    QVERIFY(openLog->isEnabled());
    QTest::mouseClick(openLog, Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonOpenFolder")), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>({ QUrl::fromLocalFile(longLog), QUrl::fromLocalFile(deep) }));
    dialog.finishUnitsInFlight();
    FrmProvisionUnits::setUrlOpener(nullptr);
}

void TestProvisionStation::aUnitPluggedWhereAnotherEndedHasARowOfItsOwn()
{
    VirtualTavrin* unit = VirtualTavrinBus::install({ VirtualTavrin::Model::DalenTavrin }).constFirst();
    const QString first = unit->firmware().serialNumber();
    const QString second = QStringLiteral("00012377");
    QTemporaryDir dir;
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    FrmProvisionUnits dialog(profile);
    dialog.show();
    dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"))->setText(dir.filePath(QStringLiteral("site.csv")));
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
    auto* counters = dialog.findChild<QLabel*>(QStringLiteral("labelCounters"));

    HubStation* station = start(dialog);
    QVERIFY(station);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, first), QStringLiteral("verified"), deadlineMs);
    plugAnotherAtItsNode(unit, station, second);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, second), QStringLiteral("verified"), deadlineMs);

    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(rowOfSerial(table, first), 0);
    QCOMPARE(rowOfSerial(table, second), 1);
    QCOMPARE(resultOf(table, first), QStringLiteral("verified"));
    for (int row : { 0, 1 })
        QCOMPARE(table->item(row, FrmProvisionUnits::DeviceColumn)->text(), unit->path());
    QCOMPARE(counters->text(), QStringLiteral("Verified: 2    Failed: 0    Skipped: 0"));
}

void TestProvisionStation::unitsPluggedOneAfterAnotherAtOneNodeEachGetTheirNumber()
{
    VirtualTavrin* unit = VirtualTavrinBus::install({ VirtualTavrin::Model::DalenTavrin }).constFirst();
    const QString first = unit->firmware().serialNumber();
    const QString second = QStringLiteral("00012378");
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("tables.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    profile.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));
    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 1, QString());
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));

    HubStation* station = start(dialog);
    QVERIFY(station);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, first), QStringLiteral("verified"), deadlineMs);
    plugAnotherAtItsNode(unit, station, second);
    QTRY_COMPARE_WITH_TIMEOUT(resultOf(table, second), QStringLiteral("verified"), deadlineMs);
    QCOMPARE(unit->settingLine(QStringLiteral("UID")), QStringLiteral("UID,2"));
    QCOMPARE(table->item(rowOfSerial(table, first), FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("1"));
    QCOMPARE(table->item(rowOfSerial(table, second), FrmProvisionUnits::NumberColumn)->text(), QStringLiteral("2"));

    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(logPath, rows, error), qPrintable(error));
    QStringList logged;
    for (const ProvisionRow& row : std::as_const(rows))
        logged << QStringLiteral("%1 %2 %3 %4")
                      .arg(row.device, row.serial, ProvisionLog::resultName(row.result))
                      .arg(row.number);
    QCOMPARE(logged,
             QStringList({ QStringLiteral("%1 %2 verified 1").arg(unit->path(), first),
                           QStringLiteral("%1 %2 verified 2").arg(unit->path(), second) }));
}

QTEST_MAIN(TestProvisionStation)
#include "tst_provisionstation.moc"
