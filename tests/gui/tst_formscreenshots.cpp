#include "app/FrmTavrin2QtBase.h"

#include <QDir>
#include <QPixmap>
#include <QTest>

// Renders every page and tab of the main window to PNG files when T2Q_SCREENSHOT_DIR names a folder
// (scripts/screenshots sets it); otherwise it only checks that each view can be raised and drawn.
class TestFormScreenshots : public QObject
{
    Q_OBJECT

private:
    FrmTavrin2QtBase* window = nullptr;

    void capture(const QString& name)
    {
        QCoreApplication::processEvents();
        const QPixmap shot = window->grab();
        QCOMPARE(shot.size(), window->size() * shot.devicePixelRatio());
        const QString dir = qEnvironmentVariable("T2Q_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QVERIFY(QDir().mkpath(dir));
        const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
        QVERIFY2(shot.save(file), qPrintable(file));
    }

private slots:
    void init()
    {
        window = new FrmTavrin2QtBase;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->size(), QSize(706, 744));
    }

    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void tavrinIIButtonsAndInputs()
    {
        window->widgetStackSwitchDevice->setCurrentWidget(window->pgTavrinII);
        window->tabWidgetTavrinII->setCurrentWidget(window->tabButtonsAndInputs);
        capture(QStringLiteral("tavrin2-buttons-and-inputs"));
    }

    void tavrinIIAdvancedFeatures()
    {
        window->widgetStackSwitchDevice->setCurrentWidget(window->pgTavrinII);
        window->tabWidgetTavrinII->setCurrentWidget(window->tabAdvancedFeatures);
        capture(QStringLiteral("tavrin2-advanced-features"));
    }

    void dalenOneButton()
    {
        window->widgetStackSwitchDevice->setCurrentWidget(window->pgDalenTavrin);
        window->buttonGroupBtn1->setTitle(QStringLiteral("Button"));
        window->buttonGroupBtn2->hide();
        window->setWindowTitle(QStringLiteral("Dalen Tavrin"));
        capture(QStringLiteral("dalen-one-button"));
    }

    void dalenTwoButtons()
    {
        window->widgetStackSwitchDevice->setCurrentWidget(window->pgDalenTavrin);
        window->buttonGroupBtn1->setTitle(QStringLiteral("Button 2"));
        window->buttonGroupBtn2->setTitle(QStringLiteral("Button 1"));
        window->buttonGroupBtn2->show();
        window->setWindowTitle(QStringLiteral("Dalen Tavrin - 2 Button"));
        capture(QStringLiteral("dalen-two-buttons"));
    }

    // A larger and the smallest window: the layouts must stretch and shrink without clipping.
    void resized_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("large") << QSize(1000, 860);
        QTest::newRow("minimum") << QSize();
    }

    void resized()
    {
        QFETCH(QSize, size);
        const QString suffix = QString::fromLatin1(QTest::currentDataTag());
        window->resize(size.isValid() ? size : window->minimumSizeHint());
        QCoreApplication::processEvents();
        window->tabWidgetTavrinII->setCurrentWidget(window->tabButtonsAndInputs);
        capture(QStringLiteral("tavrin2-buttons-and-inputs-") + suffix);
        window->tabWidgetTavrinII->setCurrentWidget(window->tabAdvancedFeatures);
        capture(QStringLiteral("tavrin2-advanced-features-") + suffix);
        window->widgetStackSwitchDevice->setCurrentWidget(window->pgDalenTavrin);
        capture(QStringLiteral("dalen-two-buttons-") + suffix);
    }
};

QTEST_MAIN(TestFormScreenshots)
#include "tst_formscreenshots.moc"
