#include "HidrawUnits.h"

#include "app/BenchSounds.h"
#include "app/FrmProvisionUnits.h"
#include "app/WindowStopSignals.h"
#include "provisioning/ProvisionLog.h"
#include "support/ScriptedPrompter.h"
#include "support/StationDialogKit.h"
#include "usb/UsbHid.h"

#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The Provision Units dialog's station on the default hidapi backend: units behind hidraw nodes, heard as they
// are plugged in (by udev's announcements or by polling, as T2Q_HOTPLUG says).
class TestHidrawStationDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HIDRAW_REQUIRE_UNIT_SERVER();
        QStandardPaths::setTestModeEnabled(true);
        Prompter::setInstance(&m_prompter);
        UsbHid::setBackend(nullptr);
        // Silent: the audio output's own thread hands its data over in ways ThreadSanitizer cannot follow.
        BenchSounds::setHook([](const QString&) {});
    }
    void cleanupTestCase() { Prompter::setInstance(nullptr); }

    void unitsPluggedInAreNumberedAndEachWrittenOnce();
    void aStopSignalQuitsOnceTheUnitsInFlightAreLogged();

private:
    ScriptedPrompter m_prompter;
};

constexpr int deadlineMs = 30000;

void TestHidrawStationDialog::unitsPluggedInAreNumberedAndEachWrittenOnce()
{
    // The reference unit stays on the hub; the next one's node refuses its first opens while udev would
    // apply the seat's access.
    hidraw::plug(QStringLiteral("reference"), QStringLiteral("dalen"), 0, QStringLiteral("00070001"));
    hidraw::plug(QStringLiteral("first"), QStringLiteral("dalen"), 0, QStringLiteral("00070002"), 2);
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    profile.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));

    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 12, QStringLiteral("00070001"));
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
    auto* counters = dialog.findChild<QLabel*>(QStringLiteral("labelCounters"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    QVERIFY(dialog.isRunning());

    hidraw::plug(QStringLiteral("second"), QStringLiteral("dalen"), 0, QStringLiteral("00070003"));
    QTRY_COMPARE_WITH_TIMEOUT(counters->text(), QStringLiteral("Verified: 2    Failed: 0    Skipped: 1"), deadlineMs);
    QCOMPARE(stationdialog::resultOf(table, QStringLiteral("00070001")), QStringLiteral("left out"));
    QCOMPARE(hidraw::setting(QStringLiteral("first"), QStringLiteral("UID")), QStringLiteral("UID,12"));
    QVERIFY2(hidraw::setting(QStringLiteral("second"), QStringLiteral("BUT1")).contains(QStringLiteral(",Table 13,")),
             qPrintable(hidraw::setting(QStringLiteral("second"), QStringLiteral("BUT1"))));

    // Plugged in again, a verified unit gets a row of its own and is not written twice; it is still one unit,
    // counted by its write.
    hidraw::unplug(QStringLiteral("second"));
    hidraw::plug(QStringLiteral("second"), QStringLiteral("dalen"), 0, QStringLiteral("00070003"));
    QTRY_VERIFY_WITH_TIMEOUT(stationdialog::resultOf(table, QStringLiteral("00070003"))
                                 .startsWith(QStringLiteral("already provisioned on ")),
                             deadlineMs);
    QCOMPARE(counters->text(), QStringLiteral("Verified: 2    Failed: 0    Skipped: 1"));

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), deadlineMs);
    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(logPath, rows, error), qPrintable(error));
    QCOMPARE(rows.size(), 2);
    for (const QString& name : { QStringLiteral("reference"), QStringLiteral("first"), QStringLiteral("second") })
        hidraw::unplug(name);
}

void TestHidrawStationDialog::aStopSignalQuitsOnceTheUnitsInFlightAreLogged()
{
    hidraw::plug(QStringLiteral("quick"), QStringLiteral("dalen"), 0, QStringLiteral("00070011"));
    hidraw::plug(QStringLiteral("held"), QStringLiteral("dalen"), 0, QStringLiteral("00070012"));
    // After identification (seven READs), the number, the clock and the System ID, its next command waits for
    // release: its settings are half written.
    hidraw::fault(QStringLiteral("held"), QStringLiteral("hold-after-commands"), 10);
    // Before the dialog goes, whatever the test's end: its station cannot end while a write is held.
    const auto release = qScopeGuard([] { hidraw::order(QStringLiteral("release held")); });
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("site.csv"));
    Tavrin2QtCfg profile;
    profile.setTavrinType(DalenTavrin);
    profile.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));
    FrmProvisionUnits dialog(profile);
    dialog.show();
    stationdialog::setUp(dialog, logPath, 1, QString());
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(hidraw::order(QStringLiteral("held held")).toInt() > 0, deadlineMs);
    QVERIFY2(hidraw::transcript(QStringLiteral("held")).contains(QStringLiteral("RID,0")),
             qPrintable(hidraw::transcript(QStringLiteral("held")).join(u' ')));
    QVERIFY(dialog.unitsInFlight() > 0);

    // What the window has done by the time it quits.
    int quits = 0;
    int inFlightAtQuit = -1;
    QList<ProvisionRow> rowsAtQuit;
    int exitStatus = -1;
    QStringList errors;
    WindowStopSignals stopSignals({ [&] {
                                       ++quits;
                                       inFlightAtQuit = dialog.unitsInFlight();
                                       QString error;
                                       ProvisionLog::read(logPath, rowsAtQuit, error);
                                   },
                                    [&exitStatus](int status) { exitStatus = status; },
                                    [&errors](const QString& line) { errors << line; } });
    // Released once the signal has stopped the station and it waits for the units in flight.
    auto* stop = dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop"));
    bool released = false;
    const QMetaObject::Connection whenWaiting
        = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [&] {
              if (!released && dialog.isRunning() && !stop->isEnabled()) {
                  released = true;
                  hidraw::order(QStringLiteral("release held"));
              }
          });
    std::raise(SIGTERM);
    QTRY_COMPARE_WITH_TIMEOUT(quits, 1, deadlineMs);
    disconnect(whenWaiting);
    QCOMPARE(inFlightAtQuit, 0);
    QVERIFY(released);
    QVERIFY(!dialog.isRunning());
    QStringList logged;
    for (const ProvisionRow& row : std::as_const(rowsAtQuit))
        logged << QStringLiteral("%1 %2").arg(row.serial, ProvisionLog::resultName(row.result));
    logged.sort();
    QCOMPARE(logged, QStringList({ QStringLiteral("00070011 verified"), QStringLiteral("00070012 verified") }));
    QCOMPARE(rowsAtQuit.at(0).number + rowsAtQuit.at(1).number, 3);
    for (const ProvisionRow& row : std::as_const(rowsAtQuit)) {
        const QString name = row.serial == QLatin1String("00070011") ? QStringLiteral("quick") : QStringLiteral("held");
        QVERIFY2(hidraw::setting(name, QStringLiteral("BUT1")).contains(QStringLiteral(",Table %1,").arg(row.number)),
                 qPrintable(hidraw::setting(name, QStringLiteral("BUT1"))));
    }
    QCOMPARE(exitStatus, -1);
    QCOMPARE(errors, QStringList());
    hidraw::unplug(QStringLiteral("quick"));
    hidraw::unplug(QStringLiteral("held"));
}

QTEST_MAIN(TestHidrawStationDialog)
#include "tst_hidrawstationdialog.moc"
