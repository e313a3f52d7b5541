#include "HidrawUnits.h"

#include "config/CfgFieldList.h"
#include "config/CfgFile.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// tavrin2qt-cli write --all against many units behind hidraw nodes at once: each unit's own worker,
// session and node, on the real hidapi path.
class TestHidrawWriteAll : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void eightUnitsAtOnceEachAsWrittenAlone();
    void eachFailureStaysWithItsUnitAndIsLogged();
    void eachUnitGetsItsOwnNumber();
    void aNumberThatMakesATextTooLongIsRefusedBeforeSending();

private:
    struct Result
    {
        int status = -1;
        QString out;
        QString err;
    };
    Result run(const QStringList& arguments);
    QString plug(const QString& name, const QString& model, const QString& serial);
    // The profile all units get: a unit's settings with another system ID.
    QString writeProfile(const QString& model);
    // A Dalen unit's settings as `read` saves them; the unit is unplugged again. Null when that failed.
    std::unique_ptr<Tavrin2QtCfg> readDalenUnit(const QString& serial);
    // What the unit received since `from`, its clock setting (the minute it ran) masked.
    static QStringList commands(const QString& name, int from = 0);

    QTemporaryDir m_dir;
    QStringList m_units;
};

void TestHidrawWriteAll::initTestCase()
{
    HIDRAW_REQUIRE_UNIT_SERVER();
    QVERIFY(m_dir.isValid());
}

void TestHidrawWriteAll::cleanup()
{
    for (const QString& unit : std::as_const(m_units))
        hidraw::unplug(unit);
    m_units.clear();
}

TestHidrawWriteAll::Result TestHidrawWriteAll::run(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(T2Q_CLI_BINARY), arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.status = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString TestHidrawWriteAll::plug(const QString& name, const QString& model, const QString& serial)
{
    m_units << name;
    return hidraw::plug(name, model, 0, serial);
}

QString TestHidrawWriteAll::writeProfile(const QString& model)
{
    const QString read = m_dir.filePath(QStringLiteral("read.t2c"));
    const QString profile = m_dir.filePath(QStringLiteral("site.t2c"));
    plug(QStringLiteral("reference"), model, QStringLiteral("00090000"));
    const Result result = run({ QStringLiteral("read"), QStringLiteral("-o"), read });
    hidraw::unplug(QStringLiteral("reference"));
    m_units.removeAll(QStringLiteral("reference"));
    if (result.status != 0)
        return QString();
    QString error;
    std::unique_ptr<Tavrin2QtCfg> cfg = CfgFile::load(read, error);
    if (!cfg)
        return QString();
    cfg->setSysID(11);
    return CfgFile::save(*cfg, profile, error) ? profile : QString();
}

QStringList TestHidrawWriteAll::commands(const QString& name, int from)
{
    static const QRegularExpression clock(QStringLiteral("^SETT,\\d+,\\d+$"));
    QStringList lines = hidraw::transcript(name).mid(from);
    for (QString& line : lines) {
        if (clock.match(line).hasMatch())
            line = QStringLiteral("SETT,hh,mm");
    }
    return lines;
}

void TestHidrawWriteAll::eightUnitsAtOnceEachAsWrittenAlone()
{
    const QString profile = writeProfile(QStringLiteral("tavrin2"));
    QVERIFY(!profile.isEmpty());

    // One unit written on its own, chosen by serial number as an installer would.
    plug(QStringLiteral("alone"), QStringLiteral("tavrin2"), QStringLiteral("00080000"));
    const Result alone
        = run({ QStringLiteral("write"), QStringLiteral("--serial"), QStringLiteral("00080000"), profile });
    QVERIFY2(alone.status == 0, qPrintable(alone.err));
    const QStringList expected = commands(QStringLiteral("alone"));
    QVERIFY(expected.size() > 10);
    hidraw::unplug(QStringLiteral("alone"));
    m_units.removeAll(QStringLiteral("alone"));

    QHash<QString, QString> nodeOfSerial;
    for (int i = 0; i < 8; ++i) {
        const QString serial = QStringLiteral("0001000%1").arg(i);
        nodeOfSerial.insert(serial, plug(QStringLiteral("unit%1").arg(i), QStringLiteral("tavrin2"), serial));
    }
    const Result all = run({ QStringLiteral("write"), QStringLiteral("--all"), profile });
    QVERIFY2(all.status == 0, qPrintable(all.out + all.err));
    QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.takeLast(), QStringLiteral("8 written and verified, 0 failed"));
    for (const QString& line : lines) {
        static const QRegularExpression shape(QStringLiteral(
            "^(/dev/hidraw\\d+) \\(port [\\d.-]+\\) Tavrin II (\\d{8}): written and verified \\((\\d+\\.\\d) s\\)$"));
        const QRegularExpressionMatch match = shape.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1), nodeOfSerial.value(match.captured(2)));
    }
    for (int i = 0; i < 8; ++i) {
        const QString unit = QStringLiteral("unit%1").arg(i);
        QCOMPARE(commands(unit), expected);
        QCOMPARE(hidraw::setting(unit, QStringLiteral("RID")), QStringLiteral("RID,11"));
    }
}

void TestHidrawWriteAll::eachFailureStaysWithItsUnitAndIsLogged()
{
    const QString profile = writeProfile(QStringLiteral("tavrin2"));
    QVERIFY(!profile.isEmpty());
    QStringList good;
    for (int i = 0; i < 4; ++i) {
        good << QStringLiteral("0002000%1").arg(i);
        plug(QStringLiteral("good%1").arg(i), QStringLiteral("tavrin2"), good.constLast());
    }
    plug(QStringLiteral("refusing"), QStringLiteral("tavrin2"), QStringLiteral("00030001"));
    hidraw::order(QStringLiteral("fault refusing fail-command RID"));
    // Identification and the update's own check take three READs; it goes away in the middle of the settings.
    plug(QStringLiteral("unplugged"), QStringLiteral("tavrin2"), QStringLiteral("00030002"));
    hidraw::fault(QStringLiteral("unplugged"), QStringLiteral("unplug-after-commands"), 6);
    plug(QStringLiteral("other"), QStringLiteral("dalen"), QStringLiteral("00030003"));
    // The reference unit stays as it is.
    plug(QStringLiteral("reference"), QStringLiteral("tavrin2"), QStringLiteral("00030004"));

    const QString log = m_dir.filePath(QStringLiteral("site.csv"));
    const Result all = run({ QStringLiteral("write"), QStringLiteral("--all"), QStringLiteral("--log"), log,
                             QStringLiteral("--exclude-serial"), QStringLiteral("00030004"), profile });
    QCOMPARE(all.status, 1);
    const QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.constLast(), QStringLiteral("4 written and verified, 3 failed, 1 skipped"));
    const auto lineOf = [&](const QString& serial) {
        for (const QString& line : lines) {
            if (line.contains(QLatin1Char(' ') + serial + QLatin1Char(':')))
                return line.mid(line.indexOf(serial + QLatin1Char(':')) + serial.size() + 2);
        }
        return QString();
    };
    for (const QString& serial : good)
        QVERIFY2(lineOf(serial).startsWith(QLatin1String("written and verified (")), qPrintable(all.out));
    QVERIFY2(lineOf(QStringLiteral("00030001"))
                 .startsWith(QLatin1String(
                     "FAILED: Tavrin response indicates an error was encountered performing current operation. "
                     "Tavrin refused RID (System ID)")),
             qPrintable(all.out));
    QVERIFY2(lineOf(QStringLiteral("00030002")).startsWith(QLatin1String("FAILED: unplugged before it was verified: ")),
             qPrintable(all.out));
    QCOMPARE(
        lineOf(QStringLiteral("00030003")),
        QStringLiteral("FAILED: This unit is a Dalen Tavrin and the profile is for a Tavrin II; nothing was sent."));
    QCOMPARE(lineOf(QStringLiteral("00030004")), QStringLiteral("skipped: left out (--exclude-serial)"));
    // Neither the unit of another model nor the one left out received a set command.
    for (const QString& unit : { QStringLiteral("other"), QStringLiteral("reference") }) {
        for (const QString& command : hidraw::transcript(unit))
            QCOMPARE(command, QStringLiteral("READ"));
    }

    QList<ProvisionRow> rows;
    QString error;
    QVERIFY2(ProvisionLog::read(log, rows, error), qPrintable(error));
    QCOMPARE(rows.size(), 7);
    QString sha256 = ProvisionLog::profileSha256(*CfgFile::load(profile, error), error);
    QHash<QString, ProvisionRow> rowOf;
    for (const ProvisionRow& row : rows) {
        QCOMPARE(row.profile, QStringLiteral("site.t2c"));
        QCOMPARE(row.profileSha256, sha256);
        QVERIFY(row.port.size() > 0);
        rowOf.insert(row.serial, row);
    }
    for (const QString& serial : good) {
        QCOMPARE(rowOf.value(serial).result, ProvisionRow::Result::Verified);
        QCOMPARE(rowOf.value(serial).message, QString());
        QCOMPARE(rowOf.value(serial).model, QStringLiteral("Tavrin II"));
    }
    for (const QString& serial :
         { QStringLiteral("00030001"), QStringLiteral("00030002"), QStringLiteral("00030003") }) {
        QCOMPARE(rowOf.value(serial).result, ProvisionRow::Result::Failed);
        QVERIFY(lineOf(serial).endsWith(rowOf.value(serial).message));
    }
    QVERIFY(!rowOf.contains(QStringLiteral("00030004")));
}

std::unique_ptr<Tavrin2QtCfg> TestHidrawWriteAll::readDalenUnit(const QString& serial)
{
    const QString read = m_dir.filePath(QStringLiteral("dalen.t2c"));
    plug(QStringLiteral("reference"), QStringLiteral("dalen"), serial);
    const Result result = run({ QStringLiteral("read"), QStringLiteral("-o"), read });
    hidraw::unplug(QStringLiteral("reference"));
    m_units.removeAll(QStringLiteral("reference"));
    if (result.status != 0) {
        qWarning("read exited %d: %s", result.status, qPrintable(result.err));
        return nullptr;
    }
    QString error;
    std::unique_ptr<Tavrin2QtCfg> cfg = CfgFile::load(read, error);
    if (!cfg)
        qWarning("%s", qPrintable(error));
    return cfg;
}

void TestHidrawWriteAll::eachUnitGetsItsOwnNumber()
{
    std::unique_ptr<Tavrin2QtCfg> cfg = readDalenUnit(QStringLiteral("00090001"));
    QVERIFY(cfg);
    QString error;
    cfg->setDtBtn1SettingMsg(QStringLiteral("Table {n}"));
    const QString profile = m_dir.filePath(QStringLiteral("tables.t2c"));
    QVERIFY2(CfgFile::save(*cfg, profile, error), qPrintable(error));
    for (int i = 0; i < 4; ++i)
        plug(QStringLiteral("dalen%1").arg(i), QStringLiteral("dalen"), QStringLiteral("0004000%1").arg(i));

    // Without numbering every unit would claim table "{n}": nothing is sent.
    const Result unnumbered = run({ QStringLiteral("write"), QStringLiteral("--all"), profile });
    QCOMPARE(unnumbered.status, 1);
    QVERIFY2(unnumbered.err.contains(QLatin1String("holds {n}")), qPrintable(unnumbered.err));
    for (int i = 0; i < 4; ++i)
        QVERIFY(hidraw::transcript(QStringLiteral("dalen%1").arg(i)).isEmpty());

    const QString log = m_dir.filePath(QStringLiteral("tables.csv"));
    const Result all = run({ QStringLiteral("write"), QStringLiteral("--all"), QStringLiteral("--numbers"),
                             QStringLiteral("12-14"), QStringLiteral("--log"), log, profile });
    QCOMPARE(all.status, 1);
    QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.takeLast(), QStringLiteral("3 written and verified, 1 failed, 0 to do"));
    QList<ProvisionRow> rows;
    QVERIFY2(ProvisionLog::read(log, rows, error), qPrintable(error));
    QCOMPARE(rows.size(), 4);
    QSet<int> numbers;
    for (const ProvisionRow& row : rows) {
        const QString unit = QStringLiteral("dalen%1").arg(row.serial.right(1));
        if (row.result == ProvisionRow::Result::Failed) {
            QCOMPARE(row.message, QStringLiteral("no number left in 12-14"));
            QCOMPARE(row.number, 0);
            for (const QString& command : hidraw::transcript(unit))
                QCOMPARE(command, QStringLiteral("READ"));
            continue;
        }
        numbers.insert(row.number);
        QVERIFY2(lines.contains(QStringLiteral("#%1 ").arg(row.number) + row.device + QStringLiteral(" (port ")
                                + row.port + QStringLiteral(") Dalen Tavrin ") + row.serial
                                + QStringLiteral(": written and verified (") + QString::number(row.seconds, 'f', 1)
                                + QStringLiteral(" s)")),
                 qPrintable(all.out));
        QCOMPARE(hidraw::setting(unit, QStringLiteral("UID")), QStringLiteral("UID,%1").arg(row.number));
        QVERIFY2(hidraw::transcript(unit).join(QLatin1Char('\n')).contains(QStringLiteral("Table %1").arg(row.number)),
                 qPrintable(hidraw::transcript(unit).join(QLatin1Char('\n'))));
    }
    QCOMPARE(numbers, (QSet<int> { 12, 13, 14 }));

    // Checked as the batch it was: each unit against the profile with its own number in; the unit the log did
    // not number fails, and one changed since says what the file holds for it.
    const ProvisionRow* changed = nullptr;
    for (const ProvisionRow& row : rows) {
        if (row.number == 13)
            changed = &row;
    }
    QVERIFY(changed);
    Tavrin2QtCfg other = NumberedProfile::forUnit(*cfg, 13);
    other.setDtBtn1SettingMsg(QStringLiteral("Table 99"));
    const QString otherPath = m_dir.filePath(QStringLiteral("other.t2c"));
    QVERIFY2(CfgFile::save(other, otherPath, error), qPrintable(error));
    QCOMPARE(run({ QStringLiteral("write"), QStringLiteral("--device"), changed->device, otherPath }).status, 0);
    const Result checked = run({ QStringLiteral("check"), QStringLiteral("--all"), QStringLiteral("--numbers"),
                                 QStringLiteral("12-14"), QStringLiteral("--log"), log, profile });
    QCOMPARE(checked.status, 1);
    lines = checked.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.takeLast(), QStringLiteral("2 match, 1 differ, 1 failed"));
    lines.sort();
    QCOMPARE(lines.size(), 4);
    for (const ProvisionRow& row : rows) {
        const QString label = (row.number > 0 ? QStringLiteral("#%1 ").arg(row.number) : QString()) + row.device
            + QStringLiteral(" (port ") + row.port + QStringLiteral(") Dalen Tavrin ") + row.serial
            + QStringLiteral(": ");
        QString expected = label + QStringLiteral("matches");
        if (row.number == 0)
            expected = label + QStringLiteral("FAILED: not provisioned with this profile");
        else if (row.number == 13)
            expected
                = label + QStringLiteral("differs: Button message: file holds \"Table 13\", Tavrin holds \"Table 99\"");
        QVERIFY2(lines.contains(expected), qPrintable(checked.out));
    }
    // The numbers come from the log only.
    const Result unlogged = run({ QStringLiteral("check"), QStringLiteral("--all"), QStringLiteral("--numbers"),
                                  QStringLiteral("12-14"), profile });
    QCOMPARE(unlogged.status, 2);
    QVERIFY2(unlogged.err.startsWith(QLatin1String("A numbered check takes the numbers from the log")),
             qPrintable(unlogged.err));
}

void TestHidrawWriteAll::aNumberThatMakesATextTooLongIsRefusedBeforeSending()
{
    std::unique_ptr<Tavrin2QtCfg> cfg = readDalenUnit(QStringLiteral("00090002"));
    QVERIFY(cfg);
    QString error;
    // The longest message that still fits with "{n}" in it: a three-digit number fits, a four-digit one not.
    Tavrin2QtComm comm;
    QString message = QStringLiteral("T{n}");
    for (;;) {
        cfg->setDtBtn1SettingMsg(message + QLatin1Char('x'));
        QCOMPARE(cfg->dtBtn1SettingMsg(), message + QLatin1Char('x'));
        try {
            comm.checkUpdateSendable(*cfg);
        } catch (const UsbHidException&) {
            break;
        }
        if (!CfgFieldList::overLimitFields(*cfg).isEmpty())
            break;
        message += QLatin1Char('x');
    }
    cfg->setDtBtn1SettingMsg(message);
    const QString profile = m_dir.filePath(QStringLiteral("long.t2c"));
    QVERIFY2(CfgFile::save(*cfg, profile, error), qPrintable(error));
    plug(QStringLiteral("first"), QStringLiteral("dalen"), QStringLiteral("00060001"));
    plug(QStringLiteral("second"), QStringLiteral("dalen"), QStringLiteral("00060002"));

    const Result all = run({ QStringLiteral("write"), QStringLiteral("--all"), QStringLiteral("--numbers"),
                             QStringLiteral("999,1000"), profile });
    QCOMPARE(all.status, 1);
    QVERIFY2(all.out.contains(QRegularExpression(QStringLiteral("^#999 .*: written and verified"),
                                                 QRegularExpression::MultilineOption)),
             qPrintable(all.out));
    static const QRegularExpression refused(QStringLiteral("^#1000 .* (\\d{8}): FAILED: With number 1000: .* long"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = refused.match(all.out);
    QVERIFY2(match.hasMatch(), qPrintable(all.out));
    const QString unit
        = match.captured(1) == QLatin1String("00060001") ? QStringLiteral("first") : QStringLiteral("second");
    for (const QString& command : hidraw::transcript(unit))
        QCOMPARE(command, QStringLiteral("READ"));
}

QTEST_GUILESS_MAIN(TestHidrawWriteAll)
#include "tst_hidrawwriteall.moc"
