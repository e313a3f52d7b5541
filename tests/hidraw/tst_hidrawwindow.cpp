#include "HidrawUnits.h"

#include "app/FrmTavrin2Qt.h"
#include "protocol/Tavrin2QtComm.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <memory>

// The window's Read and Update on the default hidapi backend, against units behind hidraw nodes.
class TestHidrawWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readAndUpdateReachTheUnit();
    void withoutADeviceReadAndUpdateSaySo_data();
    void withoutADeviceReadAndUpdateSaySo();
    void unplugDuringReadIsLostCommunication();
    void anAnswerWaitingBeforeReadIsNotTakenForItsOwn();

private:
    void openWindow();

    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<ProgressRecorder> m_progress;
    std::unique_ptr<FrmTavrin2Qt> m_window;
    int m_plugged = 0;
};

namespace {
const QString errorCaption = QStringLiteral("Error");
} // namespace

void TestHidrawWindow::initTestCase()
{
    HIDRAW_REQUIRE_UNIT_SERVER();
}

void TestHidrawWindow::init()
{
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_progress = std::make_unique<ProgressRecorder>();
    FrmTavrin2Qt::resetFirstDetection();
    UsbHid::setBackend(nullptr);
    Tavrin2QtComm::instance()->reset();
    ++m_plugged;
}

void TestHidrawWindow::cleanup()
{
    m_window.reset();
    Tavrin2QtComm::instance()->reset();
    hidraw::unplug(QStringLiteral("unit%1").arg(m_plugged));
    m_prompter->verifyDone();
    m_prompter.reset();
    QCOMPARE(m_progress->alive(), 0);
    m_progress.reset();
}

void TestHidrawWindow::openWindow()
{
    m_window = std::make_unique<FrmTavrin2Qt>();
    m_window->detectionTimer()->stop();
}

void TestHidrawWindow::readAndUpdateReachTheUnit()
{
    const QString unit = QStringLiteral("unit%1").arg(m_plugged);
    QVERIFY(!hidraw::plug(unit, QStringLiteral("tavrin2")).isEmpty());
    hidraw::order(QStringLiteral("execute %1 RID,4").arg(unit));
    openWindow();
    QCOMPARE(m_window->selectedType(), TavrinII);

    m_window->pushButtonRead->click();
    QCOMPARE(m_window->spinBoxSysID->value(), 4);
    QCOMPARE(m_window->lineEditFirmware->text(), QStringLiteral("5V1.07"));

    m_window->spinBoxSysID->setValue(9);
    m_window->pushButtonUpdateUnit->click();
    QCOMPARE(hidraw::setting(unit, QStringLiteral("RID")), QStringLiteral("RID,9"));
}

void TestHidrawWindow::withoutADeviceReadAndUpdateSaySo_data()
{
    QTest::addColumn<bool>("everAttached");
    QTest::newRow("never attached") << false;
    QTest::newRow("gone since start-up") << true;
}

void TestHidrawWindow::withoutADeviceReadAndUpdateSaySo()
{
    QFETCH(bool, everAttached);
    if (everAttached)
        QVERIFY(!hidraw::plug(QStringLiteral("unit%1").arg(m_plugged), QStringLiteral("tavrin2")).isEmpty());
    else
        m_prompter->expectItem(QStringLiteral("No Tavrin Device Found"), QStringLiteral("Tavrin II"));
    openWindow();
    if (everAttached)
        hidraw::unplug(QStringLiteral("unit%1").arg(m_plugged));

    const QString noDevice = UsbHid::errorText(NoDeviceFound);
    m_prompter->expectCritical(errorCaption, noDevice);
    m_window->pushButtonRead->click();
    m_prompter->expectCritical(errorCaption, noDevice);
    m_window->pushButtonUpdateUnit->click();
}

void TestHidrawWindow::unplugDuringReadIsLostCommunication()
{
    const QString unit = QStringLiteral("unit%1").arg(m_plugged);
    QVERIFY(!hidraw::plug(unit, QStringLiteral("tavrin2")).isEmpty());
    openWindow();
    const int before = m_window->spinBoxSysID->value();
    // Read asks twice: once for the version, once for the settings; pulled out in the second answer.
    hidraw::fault(unit, QStringLiteral("unplug-after-reports"), 50);

    m_prompter->expectCritical(errorCaption, UsbHid::errorText(LostCommunication));
    m_window->pushButtonRead->click();
    QCOMPARE(m_window->spinBoxSysID->value(), before);
}

// Every open file of a node receives every answer: another program's refused command leaves its answer waiting
// on the window's open handle. Read drops it and takes its own.
void TestHidrawWindow::anAnswerWaitingBeforeReadIsNotTakenForItsOwn()
{
    const QString unit = QStringLiteral("unit%1").arg(m_plugged);
    const QString node = hidraw::plug(unit, QStringLiteral("tavrin2"));
    QVERIFY(!node.isEmpty());
    hidraw::order(QStringLiteral("execute %1 RID,4").arg(unit));
    openWindow();
    QCOMPARE(m_window->selectedType(), TavrinII);

    const int other = ::open(QFile::encodeName(node).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(other >= 0);
    const auto closeOther = qScopeGuard([other] { ::close(other); });
    const QByteArray report("\0XYZ\n\r\0\0\0", 9);
    QCOMPARE(::write(other, report.constData(), size_t(report.size())), ssize_t(report.size()));
    // Once the other program has the whole refusal, so has the window's handle: the unit sends to every file.
    QByteArray answer;
    while (!answer.contains('\r')) {
        pollfd ready { other, POLLIN, 0 };
        QCOMPARE(::poll(&ready, 1, 5000), 1);
        char data[64];
        const ssize_t count = ::read(other, data, sizeof data);
        QVERIFY(count > 0);
        answer.append(data, int(count));
    }
    QVERIFY2(answer.startsWith("Err"), answer.constData());

    m_window->pushButtonRead->click();
    QCOMPARE(m_window->spinBoxSysID->value(), 4);
    QCOMPARE(m_window->lineEditFirmware->text(), QStringLiteral("5V1.07"));
    const QStringList transcript = hidraw::transcript(unit);
    const QStringList afterward = transcript.mid(transcript.lastIndexOf(QStringLiteral("XYZ")) + 1);
    QVERIFY(!afterward.isEmpty());
    QCOMPARE(afterward, QStringList(afterward.size(), QStringLiteral("READ")));
}

QTEST_MAIN(TestHidrawWindow)
#include "tst_hidrawwindow.moc"
