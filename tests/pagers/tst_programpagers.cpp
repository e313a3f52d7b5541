#include "pagers/FrmProgramPagers.h"
#include "support/KeyboardText.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <array>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {
const QString invalidWelcomeText
    = QStringLiteral("Invalid Welcome Message text...\nup to 3 lines and 48 characters max\n- no commas allowed");

// Stands in for the device protocol: counts programming runs and can fail like the device.
class RecordingPagers : public FrmProgramPagers
{
public:
    using FrmProgramPagers::FrmProgramPagers;

    int programmed = 0;
    std::function<void()> onProgram;

protected:
    void programCurrentTab() override
    {
        ++programmed;
        if (onProgram)
            onProgram();
    }
};

// Marks every text it translates for the form, so untranslated texts stand out.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "frmProgramPagersBase") != 0)
            return QString();
        return QLatin1Char('~') + QString::fromUtf8(sourceText);
    }
};

template<typename T> T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Every text a user can see on the form: captions, titles, labels, tool tips, tab texts.
QStringList userTexts(const QWidget& dialog)
{
    QStringList texts { dialog.windowTitle() };
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        if (auto* spinBox = qobject_cast<const QSpinBox*>(w))
            texts << spinBox->specialValueText();
        if (auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
    }
    texts.removeAll(QString());
    return texts;
}

void pressOnly(QAbstractButton* button)
{
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
}

bool wholeTextSelected(const QTextEdit* edit)
{
    const QTextCursor cursor = edit->textCursor();
    return cursor.selectionStart() == 0 && cursor.selectionEnd() == edit->document()->characterCount() - 1;
}
} // namespace

class TestProgramPagers : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPrompter> m_prompter;

    static std::unique_ptr<RecordingPagers> openDialog(bool grpPaging = false, bool disableZell = false, int sysID = 0)
    {
        auto dialog = std::make_unique<RecordingPagers>(grpPaging, disableZell, sysID);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            qFatal("dialog not exposed");
        return dialog;
    }

private slots:
    void init() { m_prompter = std::make_unique<ScriptedPrompter>(); }
    void cleanup()
    {
        m_prompter->verifyDone();
        m_prompter.reset();
    }

    void formStubsWarnThroughTheirConnections_data()
    {
        QTest::addColumn<QString>("signature");
        QTest::addColumn<std::function<void(frmProgramPagersBase&)>>("act");
        QTest::newRow("program") << "pushButtonProgram_pressed()"
                                 << std::function([](frmProgramPagersBase& f) { pressOnly(f.pushButtonProgram); });
        const std::array<const char*, 5> groups { "spinBoxGroup1", "spinBoxGroup2", "spinBoxGroup3", "spinBoxGroup4",
                                                  "spinBoxGroup5" };
        for (const char* group : groups) {
            QTest::newRow(group) << QString::fromLatin1(group) + QStringLiteral("_valueChanged(int)")
                                 << std::function(
                                        [group](frmProgramPagersBase& f) { child<QSpinBox>(f, group)->setValue(7); });
        }
        QTest::newRow("group paging") << "checkBoxEnableGrpPaging_toggled(bool)"
                                      << std::function([](frmProgramPagersBase& f) {
                                             f.checkBoxEnableGrpPaging->setChecked(true);
                                         });
        QTest::newRow("coaster") << "radioButtonCoaster_toggled(bool)"
                                 << std::function([](frmProgramPagersBase& f) { f.radioButtonCoaster->click(); });
    }

    void formStubsWarnThroughTheirConnections()
    {
        QFETCH(QString, signature);
        QFETCH(std::function<void(frmProgramPagersBase&)>, act);
        frmProgramPagersBase form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        const QString warning
            = QStringLiteral("frmProgramPagersBase::") + signature + QStringLiteral(": Not implemented yet");
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
        act(form);
    }

    void cancelRejectsOnPress()
    {
        auto dialog = openDialog();
        QSignalSpy rejected(dialog.get(), &QDialog::rejected);
        pressOnly(dialog->pushButtonCancel);
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->programmed, 0);
    }

    void languageChangeRetranslatesEveryText()
    {
        frmProgramPagersBase form;
        const QStringList original = userTexts(form);
        QVERIFY2(original.size() > 50, qPrintable(original.join(QLatin1Char('|'))));

        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCoreApplication::sendPostedEvents();
        const QStringList translated = userTexts(form);
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::sendPostedEvents();

        QCOMPARE(translated.size(), original.size());
        for (const QString& text : translated)
            QVERIFY2(text.startsWith(QLatin1Char('~')), qPrintable(text));
        QCOMPARE(userTexts(form), original);
    }

    void constructionFillsDefaults()
    {
        RecordingPagers dialog(false, false, 7);
        QCOMPARE(dialog.objectName(), QStringLiteral("frmProgramPagersBase"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Program Pagers"));
        QVERIFY(dialog.width() >= 532 && dialog.height() >= 471);
        QCOMPARE(child<QSpinBox>(dialog, "spinBoxAlphaSysID")->value(), 7);
        QCOMPARE(child<QSpinBox>(dialog, "spinBoxZellCoasterSysID")->value(), 7);
        QCOMPARE(child<QSpinBox>(dialog, "spinBoxAlphaPgrAllPage")->value(), 911);
        QVERIFY(child<QAbstractButton>(dialog, "radioButtonZellPager")->isChecked());
        QVERIFY(child<QAbstractButton>(dialog, "radioButtonGuest")->isChecked());
        QVERIFY(child<QAbstractButton>(dialog, "radioButtonVibeOn")->isChecked());
        QCOMPARE(dialog.zellPagerFlags(), int(ZellVibeOn));
        QCOMPARE(dialog.tabWidgetPagerTypes->currentWidget(), dialog.tabZellCoaster);
        QVERIFY(!dialog.textLabelSpecialCaseMsg->isVisibleTo(&dialog));
        QVERIFY(!dialog.buttonGroupGrpPagingProgram->isEnabled());

        RecordingPagers named(true, false, 0, nullptr, "pagers");
        QCOMPARE(named.objectName(), QStringLiteral("pagers"));
        QVERIFY(named.textLabelSpecialCaseMsg->isVisibleTo(&named));
        QCOMPARE(named.spinBoxAlphaPgrNum->value(), 100);
    }

    void zellTabDisabledLeavesOnlyAlpha()
    {
        auto dialog = openDialog(false, true);
        QTabWidget* tabs = dialog->tabWidgetPagerTypes;
        QCOMPARE(tabs->currentWidget(), dialog->tabAlpha);
        QVERIFY(!tabs->isTabEnabled(tabs->indexOf(dialog->tabZellCoaster)));
        QVERIFY(tabs->isTabEnabled(tabs->indexOf(dialog->tabAlpha)));

        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->indexOf(dialog->tabZellCoaster)).center());
        QCOMPARE(tabs->currentWidget(), dialog->tabAlpha);
    }

    void welcomeMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted");
        const QString line15(15, QLatin1Char('a'));
        const QString line16(16, QLatin1Char('b'));
        QTest::newRow("3 lines, 48 with breaks") << line15 + "\n" + line15 + "\n" + line16 << true;
        QTest::newRow("3 lines, 49 with breaks") << line15 + "\n" + line15 + "\n" + line16 + "c" << false;
        QTest::newRow("48 on one line") << QString(48, QLatin1Char('x')) << true;
        QTest::newRow("49 on one line") << QString(49, QLatin1Char('x')) << false;
        QTest::newRow("third line break") << "Hi\nthere\nfolks\n" << false;
        QTest::newRow("only line breaks") << "\n\n\n" << false;
        QTest::newRow("comma first") << ",Welcome" << false;
        QTest::newRow("comma inside") << "Welcome\nto Bar, Grill" << false;
        QTest::newRow("comma alone") << "," << false;
        QTest::newRow("empty") << "" << true;
    }

    void welcomeMessage()
    {
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        auto dialog = openDialog();
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        dialog->textEditWelcomeMsg->setPlainText(message);
        if (!accepted)
            m_prompter->expectCritical(QStringLiteral("Error"), invalidWelcomeText);

        QTest::mouseClick(dialog->pushButtonProgram, Qt::LeftButton);

        QCOMPARE(dialog->programmed, accepted ? 1 : 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->textEditWelcomeMsg->toPlainText(), message);
        if (!accepted)
            QVERIFY(wholeTextSelected(dialog->textEditWelcomeMsg));
        else
            QCOMPARE(dialog->alphaProgramData().welcomeMsg, message);
    }

    void typedLineBreaksCount()
    {
        auto dialog = openDialog();
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        QTextEdit* edit = dialog->textEditWelcomeMsg;
        QTest::keyClicks(edit, QStringLiteral("Hi"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("there"));
        QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(edit, QStringLiteral("you"));
        QVERIFY(dialog->checkWelcomeMsg());
        QCOMPARE(dialog->alphaProgramData().welcomeMsg, QStringLiteral("Hi\nthere\nyou"));

        QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(!dialog->checkWelcomeMsg());
        QVERIFY(wholeTextSelected(edit));
    }

    // The welcome message goes to Alpha pagers only: it holds up Alpha programming, never a Zell pager's.
    void invalidWelcomeMessageBlocksAlphaOnly_data()
    {
        QTest::addColumn<bool>("alphaTab");
        QTest::newRow("Zell / Coaster tab is sent") << false;
        QTest::newRow("Alpha tab is refused") << true;
    }

    void invalidWelcomeMessageBlocksAlphaOnly()
    {
        QFETCH(bool, alphaTab);
        auto dialog = openDialog();
        dialog->textEditWelcomeMsg->setPlainText(QStringLiteral("Bar, Grill"));
        QWidget* tab = alphaTab ? dialog->tabAlpha : dialog->tabZellCoaster;
        dialog->tabWidgetPagerTypes->setCurrentWidget(tab);
        if (alphaTab)
            m_prompter->expectCritical(QStringLiteral("Error"), invalidWelcomeText);

        QTest::mouseClick(dialog->pushButtonProgram, Qt::LeftButton);

        QCOMPARE(dialog->programmed, alphaTab ? 0 : 1);
        QCOMPARE(dialog->tabWidgetPagerTypes->currentWidget(), tab);
    }

    // Tab characters are no text for a pager: Tab moves on to the groups, and on to the buttons at the end.
    void tabLeavesTheWelcomeMessage()
    {
        auto dialog = openDialog(true);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->textEditWelcomeMsg->setFocus();
        QTest::keyClicks(dialog->textEditWelcomeMsg, QStringLiteral("Hi"));
        QTest::keyClick(dialog->textEditWelcomeMsg, Qt::Key_Tab);
        QCOMPARE(dialog->textEditWelcomeMsg->toPlainText(), QStringLiteral("Hi"));
        QCOMPARE(QApplication::focusWidget(), dialog->spinBoxGroup1);

        QList<QWidget*> reached;
        for (int i = 0; i < 30 && !reached.contains(QApplication::focusWidget()); ++i) {
            reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(reached.contains(dialog->pushButtonProgram));
        QVERIFY(reached.contains(dialog->pushButtonCancel));
        QVERIFY(reached.contains(dialog->tabWidgetPagerTypes->tabBar()));
        QVERIFY(reached.contains(dialog->textEditWelcomeMsg));
    }

    // A message box takes the mouse release away from the button; it must not stay drawn down.
    void failedProgramReleasesButtonAndKeepsEntries_data()
    {
        QTest::addColumn<QString>("welcome");
        QTest::addColumn<QString>("deviceError");
        QTest::addColumn<QString>("boxText");
        const QString lost = QStringLiteral("Lost communication to Tavrin\nPlease remove then re-attach Tavrin to PC");
        QTest::newRow("device error") << "Welcome" << lost << lost;
        QTest::newRow("invalid welcome message") << "a,b" << QString() << invalidWelcomeText;
    }

    void failedProgramReleasesButtonAndKeepsEntries()
    {
        QFETCH(QString, welcome);
        QFETCH(QString, deviceError);
        QFETCH(QString, boxText);
        auto dialog = openDialog(true, false, 4);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        dialog->spinBoxAlphaPgrNum->setValue(250);
        dialog->spinBoxGroup1->setValue(12);
        dialog->lineEditGroup1->setText(QStringLiteral("Kitchen"));
        dialog->textEditWelcomeMsg->setPlainText(welcome);
        dialog->onProgram = [&deviceError] { throw std::runtime_error(deviceError.toStdString()); };
        m_prompter->expectCritical(QStringLiteral("Error"), boxText);

        pressOnly(dialog->pushButtonProgram);

        QVERIFY(!dialog->pushButtonProgram->isDown());
        QVERIFY(dialog->isVisible());
        const AlphaProgramData data = dialog->alphaProgramData();
        QCOMPARE(data.pagerNum, 250);
        QCOMPARE(data.sysID, 4);
        QCOMPARE(data.groupModelVector.at(0).pagerNum, 12);
        QCOMPARE(data.groupModelVector.at(0).name, QStringLiteral("Kitchen"));
        QCOMPARE(data.welcomeMsg, welcome);
    }

    void groupPagingRaisesPagerMinimumAndShowsNote()
    {
        auto dialog = openDialog();
        QSpinBox* pager = dialog->spinBoxAlphaPgrNum;
        pager->setValue(50);

        dialog->checkBoxEnableGrpPaging->click();
        QCOMPARE(pager->minimum(), 100);
        QCOMPARE(pager->value(), 100);
        QVERIFY(dialog->textLabelSpecialCaseMsg->isVisible());
        QVERIFY(dialog->buttonGroupGrpPagingProgram->isEnabled());
        // All groups start "Disabled", so their names cannot be typed yet.
        for (const QLineEdit* name :
             dialog->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^lineEditGroup\\d$"))))
            QVERIFY2(!name->isEnabled(), qPrintable(name->objectName()));

        dialog->checkBoxEnableGrpPaging->click();
        QCOMPARE(pager->minimum(), 1);
        QCOMPARE(pager->value(), 100);
        QVERIFY(!dialog->textLabelSpecialCaseMsg->isVisible());
        QVERIFY(!dialog->buttonGroupGrpPagingProgram->isEnabled());
    }

    void disabledGroupIsStillSent()
    {
        auto dialog = openDialog(true, false, 2);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        dialog->spinBoxAlphaPgrNum->setValue(120);
        dialog->spinBoxAlphaPgrAllPage->setValue(500);
        dialog->spinBoxGroup1->setValue(5);
        QTest::keyClicks(dialog->lineEditGroup1, QStringLiteral("Bar"));
        dialog->spinBoxGroup2->setValue(6);
        QTest::keyClicks(dialog->lineEditGroup2, QStringLiteral("Patio"));
        dialog->spinBoxGroup2->setValue(0);
        QVERIFY(dialog->lineEditGroup1->isEnabled());
        QVERIFY(!dialog->lineEditGroup2->isEnabled());
        QCOMPARE(dialog->spinBoxGroup2->text(), QStringLiteral("Disabled"));

        AlphaProgramData data = dialog->alphaProgramData();
        QCOMPARE(data.pagerNum, 120);
        QCOMPARE(data.allPageID, 500);
        QCOMPARE(data.sysID, 2);
        QVERIFY(data.grpPagingEnabled);
        QCOMPARE(data.groupModelVector.size(), std::size_t(5));
        QCOMPARE(data.groupModelVector.at(0).pagerNum, 5);
        QCOMPARE(data.groupModelVector.at(0).name, QStringLiteral("Bar"));
        QCOMPARE(data.groupModelVector.at(1).pagerNum, 0);
        QCOMPARE(data.groupModelVector.at(1).name, QStringLiteral("Patio"));
        QCOMPARE(data.groupModelVector.at(4).pagerNum, 0);

        dialog->checkBoxEnableGrpPaging->click();
        data = dialog->alphaProgramData();
        QVERIFY(!data.grpPagingEnabled);
        QCOMPARE(data.groupModelVector.at(0).name, QStringLiteral("Bar"));

        dialog->checkBoxEnableGrpPaging->click();
        dialog->spinBoxGroup2->setValue(1);
        QVERIFY(dialog->lineEditGroup2->isEnabled());
    }

    void groupNameRefusesWhatTheUnitCannotTake_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("expected");
        // One limit for every group.
        for (int i = 1; i <= 5; ++i)
            QTest::addRow("group %d", i) << i << QStringLiteral("BarGrill and PatioD");
    }

    void groupNameRefusesWhatTheUnitCannotTake()
    {
        QFETCH(int, group);
        QFETCH(QString, expected);
        auto dialog = openDialog(true);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        child<QSpinBox>(*dialog, qPrintable(QStringLiteral("spinBoxGroup%1").arg(group)))->setValue(group);
        auto* name = child<QLineEdit>(*dialog, qPrintable(QStringLiteral("lineEditGroup%1").arg(group)));
        QTest::keyClicks(name, QStringLiteral("Bar,Grill and Patio,Deck"));
        QCOMPARE(name->text(), expected);
        name->clear();
        name->insert(QStringLiteral(","));
        QCOMPARE(name->text(), QString());
        // Nor a character beyond Latin-1, which would reach the pager as "?".
        typeText(name, QStringLiteral("Caf\u00e9\u2192 \U0001F37A!"));
        QCOMPARE(name->text(), QStringLiteral("Caf\u00e9 !"));
    }

    // Enter in a field meant "done with this field", not "program a half-filled form".
    void enterInAFieldNeverPrograms()
    {
        auto dialog = openDialog(true);
        QVERIFY(!dialog->pushButtonProgram->isDefault());
        QVERIFY(!dialog->pushButtonProgram->autoDefault());
        dialog->spinBoxZellCoasterPgrNum->setFocus();
        QTest::keyClick(dialog->spinBoxZellCoasterPgrNum, Qt::Key_Return);
        dialog->tabWidgetPagerTypes->setCurrentWidget(dialog->tabAlpha);
        dialog->spinBoxGroup1->setValue(5);
        for (QWidget* field : std::initializer_list<QWidget*> { dialog->spinBoxAlphaPgrNum, dialog->lineEditGroup1 }) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(dialog->programmed, 0);
        QVERIFY(dialog->isVisible());
    }

    void zellPagerFlags_data()
    {
        QTest::addColumn<bool>("coaster");
        QTest::addColumn<bool>("manager");
        QTest::addColumn<bool>("vibeOn");
        QTest::addColumn<int>("flags");
        QTest::newRow("zell guest vibe on") << false << false << true << 2;
        QTest::newRow("zell guest vibe off") << false << false << false << 0;
        QTest::newRow("zell manager vibe on") << false << true << true << 6;
        QTest::newRow("zell manager vibe off") << false << true << false << 4;
        QTest::newRow("coaster after manager, vibe on") << true << true << true << 3;
        QTest::newRow("coaster vibe off") << true << false << false << 1;
    }

    void zellPagerFlags()
    {
        QFETCH(bool, coaster);
        QFETCH(bool, manager);
        QFETCH(bool, vibeOn);
        QFETCH(int, flags);
        auto dialog = openDialog();
        (manager ? dialog->radioButtonManager : dialog->radioButtonGuest)->click();
        (vibeOn ? dialog->radioButtonVibeOn : dialog->radioButtonVibeOff)->click();
        (coaster ? dialog->radioButtonCoaster : dialog->radioButtonZellPager)->click();

        QCOMPARE(dialog->zellPagerFlags(), flags);
        QCOMPARE(dialog->buttonGroupWho->isEnabled(), !coaster);
        if (coaster)
            QVERIFY(dialog->radioButtonGuest->isChecked());

        dialog->radioButtonZellPager->click();
        QVERIFY(dialog->buttonGroupWho->isEnabled());
        QVERIFY(!dialog->radioButtonCoaster->isChecked());
    }
};

QTEST_MAIN(TestProgramPagers)
#include "tst_programpagers.moc"
