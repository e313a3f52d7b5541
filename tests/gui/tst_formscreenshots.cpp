#include "MainWindowKit.h"

#include "app/BenchSounds.h"
#include "app/FrmProvisionUnits.h"
#include "config/Translations.h"
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
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextDocument>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <algorithm>
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

// The first button, check box or plain label whose text is wider than the widget shows it; empty when none is.
QString firstElided(QWidget* top)
{
    const auto widgets = top->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->isWindow() || !widget->isVisibleTo(top) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString text;
        int room = 0;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QCheckBox*>(button)
                && !qobject_cast<QRadioButton*>(button))
                continue;
            text = button->text().remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            // A check box's or radio button's indicator comes before its text.
            const QStyle* style = button->style();
            if (qobject_cast<QCheckBox*>(button))
                room = button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                    - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
            else if (qobject_cast<QRadioButton*>(button))
                room = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                    - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
            else
                room = button->width();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
                continue;
            text = label->text().remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            room = label->contentsRect().width() - 2 * label->margin() - 2 * label->indent();
        } else {
            continue;
        }
        int needed = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            needed = std::max(needed, widget->fontMetrics().horizontalAdvance(line));
        if (needed > room)
            return QStringLiteral("%1 (%2): \"%3\" needs %4 pixels, has %5")
                .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()), text)
                .arg(needed)
                .arg(room);
    }
    return QString();
}

// The languages every form is checked in: English and each language the utility is translated into.
const QStringList languages { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es") };

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

// The main window, the program pagers dialog and the Provision Units dialog in every language, at their opening
// size and at their smallest: no widget of any page or tab may be cut off, squeezed below what it needs or show
// its text cut short, and each fits a 1024x768 screen. With T2Q_SCREENSHOT_DIR set, each view is also saved as a
// picture.
class TestFormScreenshots : public QObject
{
    Q_OBJECT

private:
    // Each row of a test function once per language, its tag ending in the language.
    static void addLanguageRows(const QString& tag, const std::function<void(QTestData&)>& values)
    {
        for (const QString& language : languages) {
            QTestData& row = QTest::newRow(qPrintable(tag + QLatin1Char('-') + language));
            row << language;
            values(row);
        }
    }

    static void useLanguage()
    {
        QFETCH(QString, language);
        installTranslations(*qApp, QLocale(language), { QStringLiteral(T2Q_QM_DIR) });
    }

    static void checkTexts(QWidget* view, const QString& name)
    {
        const QString elided = firstElided(view);
        QVERIFY2(elided.isEmpty(), qPrintable(name + QStringLiteral(": ") + elided));
        QVERIFY2(view->width() <= 1024 && view->height() <= 768,
                 qPrintable(name + QStringLiteral(": %1x%2").arg(view->width()).arg(view->height())));
    }

    static void showAndCheck(QWidget* view, const QString& name)
    {
        QCoreApplication::processEvents();
        drawAndSave(view, name);
        QString clipped = firstClipped(view);
        QVERIFY2(clipped.isEmpty(), qPrintable(name + QStringLiteral(": ") + clipped));
        checkTexts(view, name);

        view->resize(view->minimumSizeHint());
        QCoreApplication::processEvents();
        QCOMPARE(view->size(), view->minimumSizeHint());
        drawAndSave(view, name + QStringLiteral("-minimum"));
        clipped = firstClipped(view);
        QVERIFY2(clipped.isEmpty(), qPrintable(name + QStringLiteral(" at its minimum: ") + clipped));
        checkTexts(view, name + QStringLiteral(" at its minimum"));
    }

private slots:
    void cleanup() { installTranslations(*qApp, QLocale::c(), {}); }

    void mainWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Model>("model");
        QTest::addColumn<bool>("advancedTab");
        QTest::addColumn<bool>("groupPaging");
        addLanguageRows("tavrin2-buttons-and-inputs", [](QTestData& row) { row << Model::TavrinII << false << false; });
        addLanguageRows("tavrin2-advanced-features", [](QTestData& row) { row << Model::TavrinII << true << true; });
        addLanguageRows("dalen-one-button", [](QTestData& row) { row << Model::DalenTavrin << false << false; });
        addLanguageRows("dalen-two-buttons", [](QTestData& row) { row << Model::DalenTavrin2Button << false << true; });
    }

    void mainWindow()
    {
        useLanguage();
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
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dalen");
        QTest::addColumn<bool>("alphaTab");
        QTest::addColumn<bool>("groupPaging");
        addLanguageRows("pagers-zell-coaster", [](QTestData& row) { row << false << false << false; });
        addLanguageRows("pagers-alpha", [](QTestData& row) { row << false << true << true; });
        addLanguageRows("pagers-alpha-dalen", [](QTestData& row) { row << true << true << false; });
    }

    void programPagers()
    {
        useLanguage();
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
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("running");
        addLanguageRows("provision-setup", [](QTestData& row) { row << false; });
        addLanguageRows("provision-station", [](QTestData& row) { row << true; });
    }

    // Set up, and as a station with a row per unit, within a 1024x768 screen.
    void provisionUnits()
    {
        useLanguage();
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
            const QString done
                = QCoreApplication::translate("FrmProvisionUnits", "Verified: %1    Failed: %2    Skipped: %3")
                      .arg(2)
                      .arg(2)
                      .arg(0);
            QTRY_COMPARE_WITH_TIMEOUT(counters->text(), done, 20000);
        }
        QCoreApplication::processEvents();
        drawAndSave(&dialog, QString::fromLatin1(QTest::currentDataTag()));
        const QString clipped = firstClipped(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
        checkTexts(&dialog, QString::fromLatin1(QTest::currentDataTag()));
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
