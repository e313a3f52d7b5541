#include "config/CfgFile.h"
#include "provisioning/ProvisionHistory.h"
#include "provisioning/ProvisionLog.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {
ProvisionRow row(const QString& serial, ProvisionRow::Result result, int number = 0,
                 const QString& sha = QStringLiteral("ab12"))
{
    ProvisionRow row;
    row.time = QDateTime(QDate(2026, 12, 7), QTime(9, 30, 5), Qt::UTC);
    row.device = QStringLiteral("/dev/hidraw3");
    row.port = QStringLiteral("1-1.3");
    row.serial = serial;
    row.model = QStringLiteral("Tavrin II");
    row.firmware = QStringLiteral("5V1.07");
    row.profile = QStringLiteral("site.t2c");
    row.profileSha256 = sha;
    row.result = result;
    row.seconds = 2.94;
    row.number = number;
    return row;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void appendBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<ProvisionRow> readBack(const QString& path)
{
    QList<ProvisionRow> rows;
    QString error;
    if (!ProvisionLog::read(path, rows, error))
        qWarning() << error;
    return rows;
}
} // namespace

class TestProvisionLog : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    // The file's bytes are fixed: spreadsheets and scripts read them.
    void rowsAreQuotedAndReadBack()
    {
        const QString path = m_dir.filePath(QStringLiteral("rows.csv"));
        ProvisionRow failed = row(QStringLiteral("0001,\"2\""), ProvisionRow::Result::Failed);
        failed.message = QStringLiteral("Button 3 differs\nAcknowledge page message differs\n");
        ProvisionRow numbered = row(QStringLiteral("00012345"), ProvisionRow::Result::Verified, 12);
        numbered.profile = ProvisionLog::formProfile();

        ProvisionLog log(path);
        QString error;
        QVERIFY(log.open(error));
        QVERIFY(log.append(failed, error));
        QVERIFY(log.append(numbered, error));

        QCOMPARE(
            fileBytes(path),
            QByteArray("time,device,port,serial,model,firmware,profile,profile_sha256,result,seconds,message,number\n"
                       "2026-12-07T09:30:05Z,/dev/hidraw3,1-1.3,\"0001,\"\"2\"\"\",Tavrin II,5V1.07,site.t2c,ab12,"
                       "failed,2.9,Button 3 differs / Acknowledge page message differs,\"\"\n"
                       "2026-12-07T09:30:05Z,/dev/hidraw3,1-1.3,00012345,Tavrin II,5V1.07,form,ab12,verified,2.9,,"
                       "\"12\"\n"));
        const QList<ProvisionRow> rows = readBack(path);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).serial, failed.serial);
        QCOMPARE(rows.at(0).message, ProvisionLog::oneLine(failed.message));
        QCOMPARE(rows.at(1).number, 12);
        QCOMPARE(rows.at(1).time, numbered.time);
        QCOMPARE(rows.at(1).result, ProvisionRow::Result::Verified);
    }

    // What a unit says comes back exactly, and a spreadsheet never runs it.
    void unitTextReadsBackExactly()
    {
        const QString path = m_dir.filePath(QStringLiteral("hostile.csv"));
        const QStringList serials
            = { QStringLiteral("=1+1"),   QStringLiteral("AB\nCD"),   QStringLiteral("A") + QChar(0) + "B",
                QStringLiteral("12\"34"), QStringLiteral("'-x\\n\\"), QStringLiteral("\t@\u009b") };
        ProvisionLog log(path);
        QString error;
        QVERIFY(log.open(error));
        for (const QString& serial : serials) {
            ProvisionRow unit = row(serial, ProvisionRow::Result::Verified, 3);
            unit.firmware = QStringLiteral("-5V\r");
            unit.message = QStringLiteral("sent \"") + serial + '"';
            QVERIFY2(log.append(unit, error), qPrintable(error));
        }
        const QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.contains(",'=1+1,"));
        QCOMPARE(bytes.count('\n'), serials.size() + 1);
        const QList<ProvisionRow> rows = readBack(path);
        QCOMPARE(rows.size(), serials.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows.at(i).serial, serials.at(i));
            QCOMPARE(rows.at(i).firmware, QStringLiteral("-5V\r"));
            QCOMPARE(rows.at(i).number, 3);
        }
    }

    // Only a file this program wrote is read or appended to; anything else is refused, saying why, and kept.
    void aFileNotOursIsRefused()
    {
        const QByteArray row = ProvisionLog::rowLine(::row(QStringLiteral("00012345"), ProvisionRow::Result::Verified));
        const QString fifo = m_dir.filePath(QStringLiteral("fifo.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QList<std::pair<QString, QString>> files = {
            { m_dir.filePath(QStringLiteral("other.csv")),
              QStringLiteral("is not a provisioning log of this program") },
            { m_dir.filePath(QStringLiteral("headless.csv")),
              QStringLiteral("is not a provisioning log of this program") },
            { m_dir.path(), QStringLiteral("is not a regular file") },
            { fifo, QStringLiteral("is not a regular file") },
        };
        appendBytes(files.at(0).first, "name,amount\n" + row);
        appendBytes(files.at(1).first, row);
        for (const auto& [path, why] : files) {
            // A FIFO is never opened here: reading it would wait for a writer.
            const bool regular = QFileInfo(path).isFile();
            const QByteArray before = regular ? fileBytes(path) : QByteArray();
            QList<ProvisionRow> rows;
            QString error;
            QVERIFY(!ProvisionLog::read(path, rows, error));
            QVERIFY2(error.startsWith(path + ' ') && error.contains(why), qPrintable(error));
            ProvisionLog log(path);
            QVERIFY(!log.open(error));
            QVERIFY2(error.contains(why), qPrintable(error));
            if (regular)
                QCOMPARE(fileBytes(path), before);
        }
        ProvisionLog nowhere(m_dir.filePath(QStringLiteral("none/site.csv")));
        QString error;
        QVERIFY(!nowhere.open(error));
        QCOMPARE(error,
                 QStringLiteral("Could not write to %1: the folder %2 does not exist.")
                     .arg(m_dir.filePath(QStringLiteral("none/site.csv")), m_dir.filePath(QStringLiteral("none"))));
    }

    // Whatever part of a row a crash left behind is never read as a row, nor spoils the next one.
    void aRowCutShortIsNeverRead()
    {
        const QByteArray whole
            = ProvisionLog::rowLine(row(QStringLiteral("00012346"), ProvisionRow::Result::Verified, 12));
        for (qsizetype cut = 1; cut < whole.size() - 1; ++cut) {
            const QString path = m_dir.filePath(QStringLiteral("torn%1.csv").arg(cut));
            {
                ProvisionLog log(path);
                QString error;
                QVERIFY(log.open(error));
                QVERIFY(log.append(row(QStringLiteral("00012345"), ProvisionRow::Result::Verified, 11), error));
            }
            appendBytes(path, whole.left(cut));
            QCOMPARE(readBack(path).size(), 1);

            ProvisionLog log(path);
            QString error;
            QVERIFY(log.open(error));
            QVERIFY(log.append(row(QStringLiteral("00012347"), ProvisionRow::Result::Verified, 13), error));
            const QList<ProvisionRow> rows = readBack(path);
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows.at(1).serial, QStringLiteral("00012347"));
            QCOMPARE(ProvisionHistory(rows).holderOf(12), QString());
        }
    }

    void rowsFromManyThreadsStayWhole()
    {
        const QString path = m_dir.filePath(QStringLiteral("threads.csv"));
        ProvisionLog log(path);
        QString error;
        QVERIFY(log.open(error));
        constexpr int Threads = 8;
        constexpr int RowsEach = 25;
        std::vector<std::thread> workers;
        for (int t = 0; t < Threads; ++t) {
            workers.emplace_back([&log, t] {
                for (int i = 0; i < RowsEach; ++i) {
                    ProvisionRow unit = row(QStringLiteral("%1-%2").arg(t).arg(i), ProvisionRow::Result::Failed);
                    unit.message = QString(300, QLatin1Char('x'));
                    QString rowError;
                    if (!log.append(unit, rowError))
                        qWarning() << rowError;
                }
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        QCOMPARE(readBack(path).size(), Threads * RowsEach);
        QCOMPARE(fileBytes(path).count("time,device"), 1);
    }

    // One station per log; the holder itself keeps writing.
    void aHeldLogRefusesEveryoneElse()
    {
        const QString path = m_dir.filePath(QStringLiteral("held.csv"));
        const QString inUse = QStringLiteral("The log %1 is in use by another program.").arg(path);
        QString error;
        {
            ProvisionLog station(path);
            QVERIFY(station.open(error));
            QVERIFY(station.holdForStation(error));
            QVERIFY(station.append(row(QStringLiteral("1"), ProvisionRow::Result::Verified), error));

            ProvisionLog second(path);
            QVERIFY(!second.open(error));
            QCOMPARE(error, inUse);
            QVERIFY(!second.append(row(QStringLiteral("2"), ProvisionRow::Result::Verified), error));
        }
        ProvisionLog after(path);
        QVERIFY(after.open(error));
        QVERIFY(after.holdForStation(error));
        QVERIFY(after.append(row(QStringLiteral("3"), ProvisionRow::Result::Verified), error));
        QCOMPARE(readBack(path).size(), 2);
    }

    void historyHonoursWhatUnitsHold()
    {
        const ProvisionHistory history({
            row(QStringLiteral("A"), ProvisionRow::Result::Verified, 12, QStringLiteral("old")),
            row(QStringLiteral("B"), ProvisionRow::Result::Failed, 13),
            row(QStringLiteral("C"), ProvisionRow::Result::WrittenUnverified, 14),
            row(QStringLiteral("A"), ProvisionRow::Result::Verified, 12, QStringLiteral("new")),
            row(QStringLiteral("D"), ProvisionRow::Result::Verified),
            // Older logs: a failed unit's number given to another unit afterwards is that unit's.
            row(QStringLiteral("E"), ProvisionRow::Result::Failed, 12),
            row(QStringLiteral("F"), ProvisionRow::Result::Failed, 15),
            row(QStringLiteral("G"), ProvisionRow::Result::Verified, 15),
        });
        QVERIFY(history.verifiedWith(QStringLiteral("A"), QStringLiteral("old")));
        QVERIFY(history.verifiedWith(QStringLiteral("A"), QStringLiteral("new")));
        QVERIFY(!history.verifiedWith(QStringLiteral("B"), QStringLiteral("ab12")));
        QVERIFY(!history.verifiedWith(QStringLiteral("C"), QStringLiteral("ab12")));
        QCOMPARE(history.numberOf(QStringLiteral("A")), 12);
        // A failed unit its number reached holds it.
        QCOMPARE(history.numberOf(QStringLiteral("B")), 13);
        QCOMPARE(history.holderOf(13), QStringLiteral("B"));
        QCOMPARE(history.holderOf(14), QStringLiteral("C"));
        QCOMPARE(history.holderOf(12), QStringLiteral("A"));
        QCOMPARE(history.numberOf(QStringLiteral("E")), 0);
        QCOMPARE(history.holderOf(15), QStringLiteral("G"));
        QCOMPARE(history.numberOf(QStringLiteral("F")), 0);
        QVERIFY(!history.isHeld(16));
        QCOMPARE(history.highestNumber(), 15);
    }

    // The window and the command line must agree: the hash is of the bytes Save writes.
    void profileHashIsOfTheSavedFile()
    {
        Tavrin2QtCfg cfg;
        QVERIFY(!cfg.setTavrinType(DalenTavrin));
        cfg.setDtBtn1SettingMsg(QStringLiteral("Table {n}"));
        const QString path = m_dir.filePath(QStringLiteral("site.t2c"));
        QString error;
        QVERIFY(CfgFile::save(cfg, path, error));
        const QString expected
            = QString::fromLatin1(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256).toHex());
        QCOMPARE(ProvisionLog::profileSha256(cfg, error), expected);

        cfg.setDtBtn1SettingMsg(QStringLiteral("Table \u0100"));
        QVERIFY(ProvisionLog::profileSha256(cfg, error).isNull());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestProvisionLog)
#include "tst_provisionlog.moc"
