#include "MainWindowKit.h"

#include "app/BenchSounds.h"
#include "app/FrmProvisionUnits.h"
#include "pagers/FrmProgramPagers.h"
#include "sim/VirtualTavrinBus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTableWidget>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

using kit::Model;

Q_DECLARE_METATYPE(VirtualTavrin::Model)

namespace {
// Every visible widget lies inside its parent and has at least the room its contents ask for; names the first
// that does not.
QString firstClipped(QWidget* top)
{
    const auto widgets = top->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        // Qt's own parts of a widget (a spin box's editor, a tab bar's scroll buttons) are its business.
        if (widget->isWindow() || !widget->isVisibleTo(top) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // So are an item view's headers, which scroll with its contents.
        if (qobject_cast<QAbstractItemView*>(widget->parentWidget()))
            continue;
        const QWidget* parent = widget->parentWidget();
        const QString where = QStringLiteral("%1 (%2) in %3 (%4)")
                                  .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()),
                                       parent->objectName(), QString::fromLatin1(parent->metaObject()->className()));
        if (!parent->rect().contains(widget->geometry()))
            return where + QStringLiteral(": outside its parent");
        const QSize wanted = widget->minimumSizeHint().expandedTo(widget->minimumSize());
        if (wanted.isValid() && (widget->width() < wanted.width() || widget->height() < wanted.height()))
            return where
                + QStringLiteral(": %1x%2, needs %3x%4")
                      .arg(widget->width())
                      .arg(widget->height())
                      .arg(wanted.width())
                      .arg(wanted.height());
    }
    return QString();
}

// Draws the view as the screen would, letting the layouts settle on what drawing polished, and saves the picture
// to T2Q_SCREENSHOT_DIR when that names a folder (scripts/screenshots sets it). Drawn in every run, so the checks
// that follow see the same form with or without pictures.
void drawAndSave(QWidget* view, const QString& name)
{
    const QPixmap shot = view->grab();
    QCoreApplication::processEvents();
    const QString dir = qEnvironmentVariable("T2Q_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QVERIFY(QDir().mkpath(dir));
    const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
    QVERIFY2(shot.save(file), qPrintable(file));
}
} // namespace

// The main window and the program pagers dialog at their opening size and at their smallest: no widget of any
// page or tab may be cut off or squeezed below what it needs. With T2Q_SCREENSHOT_DIR set, each view is also
// saved as a picture.
class TestFormScreenshots : public QObject
{
    Q_OBJECT

private:
    static void showAndCheck(QWidget* view, const QString& name)
    {
        QCoreApplication::processEvents();
        drawAndSave(view, name);
        QString clipped = firstClipped(view);
        QVERIFY2(clipped.isEmpty(), qPrintable(name + QStringLiteral(": ") + clipped));

        view->resize(view->minimumSizeHint());
        QCoreApplication::processEvents();
        QCOMPARE(view->size(), view->minimumSizeHint());
        drawAndSave(view, name + QStringLiteral("-minimum"));
        clipped = firstClipped(view);
        QVERIFY2(clipped.isEmpty(), qPrintable(name + QStringLiteral(" at its minimum: ") + clipped));
    }

private slots:
    void mainWindow_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<bool>("advancedTab");
        QTest::addColumn<bool>("groupPaging");
        QTest::newRow("tavrin2-buttons-and-inputs") << Model::TavrinII << false << false;
        QTest::newRow("tavrin2-advanced-features") << Model::TavrinII << true << true;
        QTest::newRow("dalen-one-button") << Model::DalenTavrin << false << false;
        QTest::newRow("dalen-two-buttons") << Model::DalenTavrin2Button << false << true;
    }

    void mainWindow()
    {
        QFETCH(Model, model);
        QFETCH(bool, advancedTab);
        QFETCH(bool, groupPaging);
        kit::attach(model);
        FrmTavrin2Qt::resetFirstDetection();
        FrmTavrin2Qt window;
        QCOMPARE(window.selectedType(), kit::typeOf(model));
        if (advancedTab)
            window.tabWidgetTavrinII->setCurrentWidget(window.tabAdvancedFeatures);
        window.checkBoxEnableGrpPaging->setChecked(groupPaging);
        window.checkBoxDTEnableGrpPaging->setChecked(groupPaging);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Opens at its designed size unless its contents need more, and always within a 1024x768 screen.
        QVERIFY(window.width() >= 706 && window.height() >= 744);
        QVERIFY2(
            window.minimumSizeHint().width() <= 1024 && window.minimumSizeHint().height() <= 768 - 40,
            qPrintable(
                QStringLiteral("%1x%2").arg(window.minimumSizeHint().width()).arg(window.minimumSizeHint().height())));
        showAndCheck(&window, QString::fromLatin1(QTest::currentDataTag()));
    }

    void programPagers_data()
    {
        QTest::addColumn<bool>("dalen");
        QTest::addColumn<bool>("alphaTab");
        QTest::addColumn<bool>("groupPaging");
        QTest::newRow("pagers-zell-coaster") << false << false << false;
        QTest::newRow("pagers-alpha") << false << true << true;
        QTest::newRow("pagers-alpha-dalen") << true << true << false;
    }

    void programPagers()
    {
        QFETCH(bool, dalen);
        QFETCH(bool, alphaTab);
        QFETCH(bool, groupPaging);
        FrmProgramPagers dialog(groupPaging, dalen, 3);
        dialog.textEditWelcomeMsg->setPlainText(QStringLiteral("Welcome to\nBar and Grill\nEnjoy your meal"));
        dialog.spinBoxGroup1->setValue(10);
        dialog.lineEditGroup1->setText(QStringLiteral("Kitchen"));
        if (alphaTab)
            dialog.tabWidgetPagerTypes->setCurrentWidget(dialog.tabAlpha);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        showAndCheck(&dialog, QString::fromLatin1(QTest::currentDataTag()));
    }

    void provisionUnits_data()
    {
        QTest::addColumn<bool>("running");
        QTest::newRow("provision-setup") << false;
        QTest::newRow("provision-station") << true;
    }

    // Set up, and as a station with a row per unit, within a 1024x768 screen.
    void provisionUnits()
    {
        QFETCH(bool, running);
        const QList<VirtualTavrin*> units = VirtualTavrinBus::install(
            { Model::DalenTavrin, Model::DalenTavrin, Model::DalenTavrin2Button, Model::DalenTavrin });
        units.at(3)->unplugAfterCommands(4);
        QTemporaryDir dir;
        Tavrin2QtCfg profile;
        profile.setTavrinType(DalenTavrin);
        FrmProvisionUnits dialog(profile);
        dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"))
            ->setText(dir.filePath(QStringLiteral("site.csv")));
        dialog.findChild<QCheckBox*>(QStringLiteral("checkBoxNumberUnits"))->setChecked(true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.minimumSizeHint().width() <= 1024 && dialog.minimumSizeHint().height() <= 768 - 40);
        QVERIFY(dialog.width() <= 1024 && dialog.height() <= 768 - 40);
        if (running) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
            auto* counters = dialog.findChild<QLabel*>(QStringLiteral("labelCounters"));
            QTRY_COMPARE_WITH_TIMEOUT(counters->text(), QStringLiteral("Verified: 2    Failed: 2    Skipped: 0"),
                                      20000);
        }
        QCoreApplication::processEvents();
        drawAndSave(&dialog, QString::fromLatin1(QTest::currentDataTag()));
        const QString clipped = firstClipped(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
        if (running) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 20000);
        }
        UsbHid::setBackend(nullptr);
    }

    void provisionBench_data()
    {
        QTest::addColumn<QString>("state");
        for (const char* state : { "waiting", "in-flight", "ended", "stopped" })
            QTest::newRow(state) << QString::fromLatin1(state);
    }

    // The running page in each of its states, filling the screen as on a bench (scripts/screenshots runs it on
    // a 1024x768 and a 1920x1080 screen): it fits a 1024x768 screen, nothing is cut off or outside the dialog, no
    // button text is elided, and the units' numbers are legible from a distance (at least four times the body
    // text).
    void provisionBench()
    {
        QFETCH(QString, state);
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        // Less the panels of a desktop.
        const QSize size(screen.width(), screen.height() - 40);
        using Model = VirtualTavrin::Model;
        BenchSounds::setHook([](const QString&) {});
        // Ended: two verified (one then taken away), one of another model, one unplugged mid-write.
        QList<Model> models { Model::DalenTavrin, Model::DalenTavrin, Model::DalenTavrin2Button, Model::DalenTavrin };
        if (state == QLatin1String("waiting"))
            models.clear();
        else if (state == QLatin1String("in-flight"))
            models.fill(Model::DalenTavrin);
        const QList<VirtualTavrin*> units = VirtualTavrinBus::install(models);
        if (state == QLatin1String("in-flight")) {
            for (VirtualTavrin* unit : units) {
                unit->setRealTime(true);
                unit->setReplyDelayMs(60);
            }
        } else if (!units.isEmpty()) {
            units.at(3)->unplugAfterCommands(4);
        }
        QTemporaryDir dir;
        Tavrin2QtCfg profile;
        profile.setTavrinType(DalenTavrin);
        FrmProvisionUnits dialog(profile);
        dialog.findChild<QLineEdit*>(QStringLiteral("lineEditLogFile"))
            ->setText(dir.filePath(QStringLiteral("site.csv")));
        dialog.findChild<QCheckBox*>(QStringLiteral("checkBoxNumberUnits"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("spinBoxNumberFrom"))->setValue(1204);
        QVERIFY(dialog.minimumSizeHint().width() <= 1024 && dialog.minimumSizeHint().height() <= 768 - 40);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.resize(size);
        auto* stateLine = dialog.findChild<QLabel*>(QStringLiteral("labelState"));
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidgetUnits"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStart")), Qt::LeftButton);
        if (state == QLatin1String("in-flight")) {
            // Each one's write begun: its number is shown.
            QTRY_VERIFY_WITH_TIMEOUT(
                table->rowCount() == 4 && !table->item(3, FrmProvisionUnits::NumberColumn)->text().isEmpty(), 20000);
            QCOMPARE(stateLine->text(), QStringLiteral("4 units being written"));
        } else if (state != QLatin1String("waiting")) {
            QTRY_COMPARE_WITH_TIMEOUT(dialog.findChild<QLabel*>(QStringLiteral("labelCounters"))->text(),
                                      QStringLiteral("Verified: 2    Failed: 2    Skipped: 0"), 20000);
            // A verified unit taken away.
            units.at(0)->unplug();
            QTRY_VERIFY_WITH_TIMEOUT(
                table->item(0, FrmProvisionUnits::SerialColumn)->foreground().style() != Qt::NoBrush, 20000);
            if (state == QLatin1String("stopped")) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 20000);
                QCOMPARE(stateLine->text(), QStringLiteral("Stopped"));
            }
        }
        QCoreApplication::processEvents();
        drawAndSave(&dialog, QStringLiteral("bench-%1-%2x%3").arg(state).arg(screen.width()).arg(screen.height()));
        QCOMPARE(dialog.size(), size);
        const QString clipped = firstClipped(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
        const auto buttons = dialog.findChildren<QAbstractButton*>();
        for (const QAbstractButton* button : buttons) {
            if (button->isVisibleTo(&dialog) && !button->text().isEmpty())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
        const double body = QFontInfo(dialog.font()).pointSizeF();
        for (int row = 0; row < table->rowCount(); ++row) {
            const QTableWidgetItem* number = table->item(row, FrmProvisionUnits::NumberColumn);
            QVERIFY(QFontInfo(number->font()).pointSizeF() >= 4 * body);
            if (!number->text().isEmpty())
                QVERIFY(table->columnWidth(FrmProvisionUnits::NumberColumn)
                        >= QFontMetrics(number->font()).horizontalAdvance(number->text()));
        }
        if (dialog.isRunning()) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("pushButtonStop")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.isRunning(), 20000);
        }
        UsbHid::setBackend(nullptr);
    }
};

QTEST_MAIN(TestFormScreenshots)
#include "tst_formscreenshots.moc"
