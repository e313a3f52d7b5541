#include "gui/MainWindowKit.h"

#include "app/FirmwareUpgrade.h"
#include "pagers/FrmProgramPagers.h"
#include "support/ProgressRecorder.h"
#include "support/ScriptedPrompter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

// Every device operation against every fault of the virtual device, through the windows the operator
// uses: what the operator is shown, that nothing hangs or stays open, that a failed Read leaves the form
// alone, and that the device works again once it has been re-plugged.
using kit::Model;
using kit::typeOf;

namespace {

enum class Operation
{
    Read,
    Update,
    AlphaWithGroups,
    AlphaWithoutGroups,
    Zell,
    Firmware
};

enum class Fault
{
    None,
    Unplugged, // before the first command; or after the command numbered `after`
    Silent,
    ErrFirst,
    ErrLater,
    Babbling,
    Garbage,
    OverLong,
    StopsAnswering // one input report short of a clean run
};

// What a cell ends in: "ok" or the name of the message shown; "n/a" where the fault cannot apply.
const QString ok = QStringLiteral("ok");
const QString notApplicable = QStringLiteral("n/a");
// Every operation's first command, and the read that checks an update, is READ.
const QString refusedRead = QStringLiteral("Refused:READ (Settings report)");

const QString errorCaption = QStringLiteral("Error");
const QString firmwareCaption = QStringLiteral("Choose a firmware file to load");
const QString successText = QStringLiteral("The firmware update is complete.\nPlease unplug then re-plug USB cable.");
const QString invalidWelcome
    = QStringLiteral("Invalid Welcome Message text...\nup to 3 lines and 48 characters max\n- no commas allowed");
constexpr int tooLongCommand = UsbHid::MaxLineLength + 1;

QString tooLongText(const QString& what)
{
    return QStringLiteral("%1 is too long to send to Tavrin (its command would have %2 characters; a command may hold "
                          "at most %3).\nNothing was sent.")
        .arg(what)
        .arg(tooLongCommand)
        .arg(UsbHid::MaxLineLength);
}

// The outcome names of the matrix and the texts the operator sees for them.
QString textOf(const QString& outcome)
{
    if (outcome == QLatin1String("LostCommunication"))
        return kit::linkMessage(LostCommunication);
    if (outcome == QLatin1String("DeviceError"))
        return kit::linkMessage(DeviceReportedError);
    if (outcome == QLatin1String("NoDevice"))
        return kit::linkMessage(NoDeviceFound);
    if (outcome == QLatin1String("Unsupported"))
        return kit::linkMessage(UnsupportedVersion);
    if (outcome == QLatin1String("InvalidWelcome"))
        return invalidWelcome;
    if (outcome == QLatin1String("TooLong:Button1"))
        return tooLongText(QStringLiteral("The Alpha message of Button 1"));
    if (outcome == QLatin1String("TooLong:Group1"))
        return tooLongText(QStringLiteral("The Group 1 name"));
    // An update whose check found the unit's answer short: the list of settings varies with the cut.
    if (outcome == QLatin1String("Unchecked"))
        return QString();
    // "Refused:GPROG (Group 5 pager)": the device answered Err to that command.
    if (outcome.startsWith(QLatin1String("Refused:")))
        return kit::linkMessage(DeviceReportedError)
            + QStringLiteral("\nTavrin refused %1, answering \"Err: failed\".\nThe commands before it were applied; "
                             "the ones after it were not sent.")
                  .arg(outcome.mid(8));
    return QString();
}

QString outcomeOf(const QString& shownText)
{
    if (shownText.startsWith(QLatin1String("Tavrin answered every command, but when read back it did not report")))
        return QStringLiteral("Unchecked");
    const QString refused = kit::linkMessage(DeviceReportedError) + QStringLiteral("\nTavrin refused ");
    if (shownText.startsWith(refused)) {
        const QString outcome
            = QStringLiteral("Refused:") + shownText.mid(refused.size()).section(QStringLiteral(", answering"), 0, 0);
        if (textOf(outcome) == shownText)
            return outcome;
    }
    for (const char* name : { "LostCommunication", "DeviceError", "NoDevice", "Unsupported", "InvalidWelcome",
                              "TooLong:Button1", "TooLong:Group1" }) {
        if (textOf(QLatin1String(name)) == shownText)
            return QLatin1String(name);
    }
    return QStringLiteral("other: ") + QString(shownText).replace(QLatin1Char('\n'), QLatin1Char('|'));
}

// The expected outcomes of one operation; unplugging after a later command is judged by rule.
struct Expectations
{
    QString unpluggedBefore;
    QString silent;
    QString errFirst;
    QString errLater;
    QString babbling;
    QString garbage;
    QString overLong;
    QString stopsAnswering;
};

struct Cell
{
    Fault fault;
    int after = 0;
};

QString cellName(const Cell& cell)
{
    switch (cell.fault) {
    case Fault::None:
        return QStringLiteral("no fault");
    case Fault::Unplugged:
        return cell.after == 0 ? QStringLiteral("unplugged before")
                               : QStringLiteral("unplugged after %1").arg(cell.after);
    case Fault::Silent:
        return QStringLiteral("silent");
    case Fault::ErrFirst:
        return QStringLiteral("Err first");
    case Fault::ErrLater:
        return QStringLiteral("Err later (command %1)").arg(cell.after);
    case Fault::Babbling:
        return QStringLiteral("babbling");
    case Fault::Garbage:
        return QStringLiteral("garbage");
    case Fault::OverLong:
        return QStringLiteral("one over the line limit");
    case Fault::StopsAnswering:
        return QStringLiteral("stops answering after %1 reports").arg(cell.after);
    }
    return QString();
}

// Runs of equal outcomes over the unplug-after-n cells: "1-21 LostCommunication, 22 ok".
QString runsOf(const QStringList& outcomes)
{
    QStringList runs;
    int start = 0;
    for (int i = 1; i <= outcomes.size(); ++i) {
        if (i < outcomes.size() && outcomes.at(i) == outcomes.at(start))
            continue;
        const QString span
            = i - 1 == start ? QString::number(start + 1) : QStringLiteral("%1-%2").arg(start + 1).arg(i);
        runs << span + QLatin1Char(' ') + outcomes.at(start);
        start = i;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Expectations)

class TestFaultMatrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void everyOperationAgainstEveryFault_data();
    void everyOperationAgainstEveryFault();
    void deviceTextNeverBecomesAPath();

private:
    // One run of the operation under the fault; returns what the operator was shown.
    QString runCell(Operation operation, const Cell& cell, const QString& expected, int commandCount);
    void operate(Operation operation, const Cell& cell);
    void programPager(Operation operation, const Cell& cell);
    void expectDialogs(Operation operation, const Cell& cell, const QString& outcome);
    QString shownOutcome(Operation operation) const;
    void inject(const Cell& cell, int commandCount);
    // The operator removes the device (the detection timer sees it gone), plugs it back in, and tries again.
    void replugAndRetry(Operation operation, const QString& where);
    // Back to a present device, open and identified, with the form as the row started.
    void settle();

    QTemporaryDir m_tools;
    QByteArray m_savedPath;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<ProgressRecorder> m_progress;
    std::unique_ptr<FrmTavrin2Qt> m_window;
    VirtualTavrin* m_sim = nullptr;
    Tavrin2QtCfg m_base;
    QStringList m_matrix;
    int m_cells = 0;
    qint64 m_slowestCellMs = 0;
};

void TestFaultMatrix::initTestCase()
{
    // Garbled answers make the parser warn for every line; the matrix is the report here.
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=false\ntavrin.*.warning=false"));
    // A flashing tool that succeeds at once, first on the search path.
    QVERIFY(m_tools.isValid());
    QFile tool(m_tools.filePath(QStringLiteral("tavrin-flash")));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    // It notes its arguments, one a line, for the test that looks at them.
    tool.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\n"
               "echo 'Summary:  Total 4   Passed 4   FAILED 0'\n");
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", m_tools.path().toLocal8Bit() + ':' + m_savedPath);
}

void TestFaultMatrix::cleanupTestCase()
{
    qputenv("PATH", m_savedPath);
    const QString heading = QStringLiteral("Fault matrix, operation x fault -> outcome (%1 cells, each followed by a "
                                           "clean run after re-plugging; slowest cell %2 ms real time):")
                                .arg(m_cells)
                                .arg(m_slowestCellMs);
    qInfo().noquote() << '\n' + heading + '\n' + m_matrix.join(QLatin1Char('\n'));
}

void TestFaultMatrix::init()
{
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_progress = std::make_unique<ProgressRecorder>();
}

void TestFaultMatrix::cleanup()
{
    m_window.reset();
    m_prompter.reset();
    m_progress.reset();
}

void TestFaultMatrix::everyOperationAgainstEveryFault_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<Model>("model");
    QTest::addColumn<Expectations>("expected");

    // unplugged before, silent, Err first, Err later, babbling, garbage, over-long, stops one report short.
    // Err later is the last command: for an update the read that checks what the unit took.
    QTest::newRow("Read Tavrin II") << Operation::Read << Model::TavrinII
                                    << Expectations { "NoDevice",    "LostCommunication", refusedRead,
                                                      refusedRead,   "LostCommunication", "LostCommunication",
                                                      notApplicable, "LostCommunication" };
    QTest::newRow("Read Dalen Tavrin - 2 Button")
        << Operation::Read << Model::DalenTavrin2Button
        << Expectations { "NoDevice",          "LostCommunication", refusedRead,   refusedRead,
                          "LostCommunication", "LostCommunication", notApplicable, "LostCommunication" };
    QTest::newRow("Update Tavrin II") << Operation::Update << Model::TavrinII
                                      << Expectations { "NoDevice",        "LostCommunication", refusedRead,
                                                        refusedRead,       "LostCommunication", "LostCommunication",
                                                        "TooLong:Button1", "Unchecked" };
    // The Dalen message fields hold 64 characters: no command of theirs reaches the limit.
    QTest::newRow("Update Dalen Tavrin") << Operation::Update << Model::DalenTavrin
                                         << Expectations { "NoDevice",  "LostCommunication", refusedRead,
                                                           refusedRead, "LostCommunication", "LostCommunication",
                                                           ok,          "Unchecked" };
    QTest::newRow("Update Dalen Tavrin - 2 Button")
        << Operation::Update << Model::DalenTavrin2Button
        << Expectations { "NoDevice",          "LostCommunication", refusedRead, refusedRead,
                          "LostCommunication", "LostCommunication", ok,          "LostCommunication" };
    // The dialog keeps every group name to 19 characters: no command of theirs reaches the limit.
    QTest::newRow("Alpha pager with groups")
        << Operation::AlphaWithGroups << Model::TavrinII
        << Expectations { "NoDevice",          "LostCommunication", refusedRead, "Refused:GPROG (Group 5 pager)",
                          "LostCommunication", "LostCommunication", ok,          ok };
    // Without groups the welcome message is the only text, and the dialog keeps it to 48 characters.
    QTest::newRow("Alpha pager without groups")
        << Operation::AlphaWithoutGroups << Model::DalenTavrin
        << Expectations { "NoDevice",          "LostCommunication", refusedRead,      "Refused:GPROG (Group 5 pager)",
                          "LostCommunication", "LostCommunication", "InvalidWelcome", ok };
    QTest::newRow("Zell pager") << Operation::Zell << Model::TavrinII
                                << Expectations {
                                       "NoDevice",          "LostCommunication",
                                       refusedRead,         "Refused:LPROG (Pager number, system ID and options)",
                                       "LostCommunication", "LostCommunication",
                                       notApplicable,       "LostCommunication"
                                   };
    // The answer to BL is not examined; the device is identified already, so BL is the only command.
    QTest::newRow("Firmware BL")
        << Operation::Firmware << Model::TavrinII
        << Expectations { "NoDevice", ok, ok, notApplicable, "LostCommunication", ok, notApplicable, notApplicable };
}

void TestFaultMatrix::everyOperationAgainstEveryFault()
{
    QFETCH(Operation, operation);
    QFETCH(Model, model);
    QFETCH(Expectations, expected);

    m_sim = kit::attach(model);
    FrmTavrin2Qt::resetFirstDetection();
    m_window = std::make_unique<FrmTavrin2Qt>();
    m_window->detectionTimer()->stop();
    QCOMPARE(m_window->selectedType(), typeOf(model));
    QRandomGenerator rng(static_cast<quint32>(operation) * 7 + static_cast<quint32>(model));
    m_base = kit::randomRecord(rng, typeOf(model));
    // Tavrin II repages only together with its acknowledge page; Update refuses the form otherwise.
    m_base.setAckPageEnabled(m_base.ackPageEnabled() || m_base.repageEnabled());
    // Not the device's: a Read that succeeds shows its own.
    m_base.setFirmware(QStringLiteral("before"));

    // The clean run tells how many commands the operation sends and how long it waits.
    settle();
    const QString clean = runCell(operation, Cell { Fault::None, 0 }, ok, 0);
    QCOMPARE(clean, ok);
    const int commandCount = int(m_sim->transcript().size());
    const qint64 cleanMs = m_sim->elapsedMs();
    const int cleanReports = m_sim->reportsDelivered();
    QVERIFY(commandCount > 0);
    // A babbling device costs the exchange it stops; everything else waits no longer than a clean run.
    const qint64 virtualBound = cleanMs + 1000 * VirtualTavrin::BabbleIntervalMs + 1000;

    QList<std::pair<Cell, QString>> cells;
    cells.append({ Cell { Fault::Unplugged, 0 }, expected.unpluggedBefore });
    for (int after = 1; after <= commandCount; ++after)
        cells.append(
            { Cell { Fault::Unplugged, after }, after == commandCount ? ok : QStringLiteral("LostCommunication") });
    cells.append({ Cell { Fault::Silent, 0 }, expected.silent });
    cells.append({ Cell { Fault::ErrFirst, 1 }, expected.errFirst });
    cells.append({ Cell { Fault::ErrLater, commandCount }, expected.errLater });
    cells.append({ Cell { Fault::Babbling, 0 }, expected.babbling });
    cells.append({ Cell { Fault::Garbage, 0 }, expected.garbage });
    cells.append({ Cell { Fault::OverLong, 0 }, expected.overLong });
    cells.append({ Cell { Fault::StopsAnswering, cleanReports - 1 }, expected.stopsAnswering });

    QStringList mismatches;
    QStringList unplugAfter;
    QMap<Fault, QString> shown;
    QString unpluggedBefore;
    for (const auto& [cell, outcome] : cells) {
        QString actual = notApplicable;
        if (outcome != notApplicable) {
            settle();
            const Tavrin2QtCfg before = m_window->uiSettings();
            QElapsedTimer clock;
            clock.start();
            actual = runCell(operation, cell, outcome, commandCount);
            const qint64 realMs = clock.elapsed();
            m_slowestCellMs = qMax(m_slowestCellMs, realMs);
            ++m_cells;
            const QString where = QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(", ") + cellName(cell);
            QVERIFY2(realMs < 1000, qPrintable(where + QStringLiteral(": %1 ms").arg(realMs)));
            QVERIFY2(m_sim->elapsedMs() <= virtualBound,
                     qPrintable(where + QStringLiteral(": %1 ms of virtual time").arg(m_sim->elapsedMs())));
            QVERIFY2(m_progress->alive() == 0, qPrintable(where + QStringLiteral(": a progress dialog stays open")));
            QVERIFY2(!m_window->firmwareUpgrade()->isFlashing(), qPrintable(where));
            const bool readThatShowed = operation == Operation::Read && actual == ok;
            if (!readThatShowed) {
                // Only a Read that succeeds changes the form.
                if (!kit::sameRecords(m_window->uiSettings(), before))
                    QFAIL(qPrintable(where + QStringLiteral(": the form changed")));
            } else {
                QCOMPARE(m_window->lineEditFirmware->text(), m_sim->firmware().version());
            }
            if (actual != outcome)
                mismatches << where + QStringLiteral(": expected ") + outcome + QStringLiteral(", got ") + actual;
            replugAndRetry(operation, where);
        }
        // The Dalen fields keep 64 characters: the update goes through with what the form kept.
        if (cell.fault == Fault::OverLong && actual == ok)
            actual = QStringLiteral("ok (the form keeps 64 characters)");
        if (cell.fault == Fault::Unplugged && cell.after > 0)
            unplugAfter << actual;
        else if (cell.fault == Fault::Unplugged)
            unpluggedBefore = actual;
        else
            shown[cell.fault] = actual;
    }

    m_matrix << QStringLiteral(
                    "%1 (%2 commands): unplugged before -> %3 | unplugged after 1..%2 -> %4 | silent -> %5 | "
                    "Err first -> %6 | Err later -> %7 | babbling -> %8 | garbage -> %9 | over-long -> %10 | "
                    "stops one report short -> %11")
                    .arg(QString::fromLatin1(QTest::currentDataTag()))
                    .arg(commandCount)
                    .arg(unpluggedBefore, runsOf(unplugAfter), shown[Fault::Silent], shown[Fault::ErrFirst],
                         shown[Fault::ErrLater], shown[Fault::Babbling], shown[Fault::Garbage], shown[Fault::OverLong],
                         shown[Fault::StopsAnswering]);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QLatin1Char('\n'))));
}

void TestFaultMatrix::settle()
{
    m_sim->clearFaults();
    if (!m_sim->isPresent()) {
        m_window->detectTavrin();
        m_sim->replug();
    }
    m_window->detectTavrin();
    m_window->setUISettings(m_base);
    QCOMPARE(Tavrin2QtComm::instance()->connectionStatus() == NotFound, false);
}

QString TestFaultMatrix::runCell(Operation operation, const Cell& cell, const QString& expected, int commandCount)
{
    m_prompter->clear();
    m_progress->clear();
    m_sim->clearTranscript();
    m_sim->resetElapsed();
    expectDialogs(operation, cell, expected);
    inject(cell, commandCount);
    operate(operation, cell);
    m_sim->clearFaults();
    const QString outcome = shownOutcome(operation);
    m_prompter->clear();
    return outcome;
}

void TestFaultMatrix::inject(const Cell& cell, int commandCount)
{
    switch (cell.fault) {
    case Fault::None:
        break;
    case Fault::Unplugged:
        if (cell.after == 0)
            m_sim->unplug();
        else
            m_sim->unplugAfterCommands(cell.after);
        break;
    case Fault::Silent:
        m_sim->setSilent(true);
        break;
    case Fault::ErrFirst:
        m_sim->failNthCommand(1);
        break;
    case Fault::ErrLater:
        m_sim->failNthCommand(commandCount);
        break;
    case Fault::Babbling:
        m_sim->setBabbling(true);
        break;
    case Fault::Garbage:
        m_sim->setGarbage(true);
        break;
    case Fault::OverLong:
        // The text goes into the form or the dialog, see operate().
        break;
    case Fault::StopsAnswering:
        m_sim->stopAnsweringAfterReports(cell.after);
        break;
    }
}

void TestFaultMatrix::expectDialogs(Operation operation, const Cell& cell, const QString& outcome)
{
    // Upgrade looks for the unit before it asks for a file.
    const bool absentBefore = cell.fault == Fault::Unplugged && cell.after == 0;
    if (operation == Operation::Firmware && !absentBefore) {
        // A name that fits the model: no question about it.
        m_prompter->expectOpenFile(firmwareCaption, QStringLiteral("/fw/TavrinIIUSB_2.hex"));
        if (outcome == ok) {
            m_prompter->expectInformation(QStringLiteral("Start boot-loader"));
            m_prompter->expectInformation(QStringLiteral("Success"), successText);
            return;
        }
    }
    if (outcome != ok)
        m_prompter->expectCritical(errorCaption, textOf(outcome));
}

QString TestFaultMatrix::shownOutcome(Operation operation) const
{
    for (const ScriptedPrompter::Call& call : m_prompter->calls()) {
        if (call.kind == ScriptedPrompter::Kind::Critical)
            return outcomeOf(call.text);
    }
    if (operation == Operation::Firmware) {
        const QList<ScriptedPrompter::Call>& calls = m_prompter->calls();
        if (calls.isEmpty() || calls.constLast().caption != QLatin1String("Success"))
            return QStringLiteral("other: no outcome box");
    }
    return ok;
}

void TestFaultMatrix::operate(Operation operation, const Cell& cell)
{
    const bool overLong = cell.fault == Fault::OverLong;
    switch (operation) {
    case Operation::Read:
        m_window->pushButtonRead->click();
        break;
    case Operation::Update:
        if (overLong && m_window->selectedType() == TavrinII) {
            // Button 1 as an Alpha button whose message makes its SBUT0 command one character too long.
            TavrinIIButton button;
            button.setButtonEnabled(true);
            button.setType(TavrinIIButton::AlphaType);
            button.setMode(0);
            button.setPagerNum(12);
            const QString command = QStringLiteral("SBUT0,1,12,1,,0");
            button.setAlphaMsg(QString(tooLongCommand - command.size(), QLatin1Char('m')));
            m_window->setTavrinIIBtn(0, button);
        } else if (overLong) {
            m_window->lineEditDTBtn1SettingMsg->setText(QString(tooLongCommand, QLatin1Char('m')));
            m_window->lineEditDTCancelMsg->setText(QString(tooLongCommand, QLatin1Char('c')));
        }
        m_window->pushButtonUpdateUnit->click();
        if (overLong) {
            for (const QString& command : m_sim->transcript())
                QVERIFY2(command.size() <= UsbHid::MaxLineLength, qPrintable(command));
            m_window->setUISettings(m_base);
        }
        break;
    case Operation::AlphaWithGroups:
    case Operation::AlphaWithoutGroups:
    case Operation::Zell:
        programPager(operation, cell);
        break;
    case Operation::Firmware: {
        QSignalSpy finished(m_window->firmwareUpgrade(), &FirmwareUpgrade::firmwareUpdateFinished);
        m_window->pushButtonUpdateFirmware->click();
        if (m_window->firmwareUpgrade()->isFlashing())
            QVERIFY(finished.wait(5000));
        break;
    }
    }
}

void TestFaultMatrix::programPager(Operation operation, const Cell& cell)
{
    const bool groups = operation == Operation::AlphaWithGroups;
    const bool dalen = m_window->selectedType() != TavrinII;
    // As Tools > Program Pagers opens it, pressed in place of the operator.
    FrmProgramPagers dialog(groups, dalen, dalen ? m_window->spinBoxDTSysID->value() : m_window->spinBoxSysID->value(),
                            m_window.get());
    if (operation == Operation::Zell) {
        dialog.tabWidgetPagerTypes->setCurrentWidget(dialog.tabZellCoaster);
        dialog.spinBoxZellCoasterPgrNum->setValue(20);
        dialog.radioButtonManager->setChecked(true);
    } else {
        dialog.tabWidgetPagerTypes->setCurrentWidget(dialog.tabAlpha);
        dialog.spinBoxAlphaPgrNum->setValue(120);
        dialog.textEditWelcomeMsg->setPlainText(QStringLiteral("Welcome\nto the bar"));
        dialog.spinBoxGroup1->setValue(5);
        dialog.lineEditGroup1->setText(QStringLiteral("Bar"));
        if (cell.fault == Fault::OverLong && groups) {
            const QString command = QStringLiteral("GNPROG,1,");
            dialog.lineEditGroup1->setText(QString(tooLongCommand - command.size(), QLatin1Char('g')));
        } else if (cell.fault == Fault::OverLong) {
            dialog.textEditWelcomeMsg->setPlainText(QString(tooLongCommand - 6, QLatin1Char('w')));
        }
    }
    dialog.pushButtonProgram_pressed();
}

void TestFaultMatrix::replugAndRetry(Operation operation, const QString& where)
{
    m_sim->clearFaults();
    m_sim->unplug();
    m_window->detectTavrin();
    m_sim->replug();
    m_window->setUISettings(m_base);
    const QString retried = runCell(operation, Cell { Fault::None, 0 }, ok, 0);
    QVERIFY2(retried == ok, qPrintable(where + QStringLiteral(": after re-plugging, ") + retried));
}

// What the device says is only shown: a serial number or version that reads like a path never becomes
// one. Save writes the file the operator chose and nothing else; the flashing tool gets the firmware file
// the operator chose, as one argument, even with shell characters in it.
void TestFaultMatrix::deviceTextNeverBecomesAPath()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString escape = QStringLiteral("../../../../../../tmp/t2q-escaped");
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/t2q-escaped")));
    m_sim = kit::attach(Model::TavrinII);
    m_sim->setSerialNumber(escape);
    m_sim->setVersion(QStringLiteral("5V/../../etc/passwd"));
    FrmTavrin2Qt::resetFirstDetection();
    m_window = std::make_unique<FrmTavrin2Qt>();
    m_window->detectionTimer()->stop();
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));

    m_window->pushButtonRead->click();
    QCOMPARE(m_window->lineEditSerNum->text(), escape);
    m_prompter->expectSaveFile(QStringLiteral("Save config file as"), work.filePath(QStringLiteral("chosen")));
    m_window->fileSaveConfigurationAction->trigger();

    const QString firmware = QStringLiteral("/fw dir/TavrinIIUSB v2;touch injected $(touch injected2) `touch x`.hex");
    QSignalSpy finished(m_window->firmwareUpgrade(), &FirmwareUpgrade::firmwareUpdateFinished);
    m_prompter->expectOpenFile(firmwareCaption, firmware);
    m_prompter->expectInformation(QStringLiteral("Start boot-loader"));
    m_prompter->expectInformation(QStringLiteral("Success"), successText);
    m_window->pushButtonUpdateFirmware->click();
    QVERIFY(finished.wait(5000));
    QVERIFY(QDir::setCurrent(saved));
    QVERIFY(m_prompter->verifyDone());

    QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList { QStringLiteral("chosen.t2c") });
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/t2q-escaped")));
    QFile arguments(m_tools.filePath(QStringLiteral("tavrin-flash.args")));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    const QStringList received
        = QString::fromLocal8Bit(arguments.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(received, Tavrin2QtComm::batchispArguments(firmware).mid(1));
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
