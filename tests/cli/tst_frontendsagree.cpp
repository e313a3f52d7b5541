#include "app/FrmTavrin2Qt.h"
#include "cli/CliApp.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "sim/VirtualTavrin.h"
#include "support/ScriptedPrompter.h"
#include "usb/UsbHid.h"

#include <QTemporaryDir>
#include <QTest>

// The window's Update and the command line's write send the same commands for the same settings.
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
};

QTEST_MAIN(TestFrontendsAgree)
#include "tst_frontendsagree.moc"
