#include "HidrawUnits.h"

#include "app/FrmProvisionUnits.h"
#include "provisioning/ProvisionLog.h"
#include "support/ScriptedPrompter.h"
#include "support/StationDialogKit.h"
#include "usb/UsbHid.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

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
    }
    void cleanupTestCase() { Prompter::setInstance(nullptr); }

    void unitsPluggedInAreNumberedAndEachWrittenOnce();

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

QTEST_MAIN(TestHidrawStationDialog)
#include "tst_hidrawstationdialog.moc"
