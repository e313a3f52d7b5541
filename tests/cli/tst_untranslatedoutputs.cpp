#include "cli/CliApp.h"
#include "config/CfgFile.h"
#include "config/Tavrin2QtCfg.h"
#include "config/TavrinIIButton.h"
#include "config/Translations.h"
#include "provisioning/ProvisionLog.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
struct Outputs
{
    QByteArray log;
    QString written; // write --all, as the user reads it
    QString writtenJson;
    QString listJson;
    QString checkJson;
};

QString runCli(const QStringList& arguments)
{
    QString result;
    QTextStream out(&result);
    QTextStream err(&result);
    CliApp().run(QStringList { QStringLiteral("tavrin2qt-cli") } + arguments, out, err);
    return result;
}

// The lines in order, without the times of day and durations, which differ from run to run as the order in which
// units finish does.
QByteArray withoutTimes(const QByteArray& text)
{
    static const QRegularExpression times(
        QStringLiteral("\\d{4}-\\d\\d-\\d\\dT[0-9:.]+Z|\"seconds\":[0-9.e-]+|,[0-9.]+,"));
    QStringList lines = QString::fromUtf8(text).replace(times, QStringLiteral("<time>")).split(QLatin1Char('\n'));
    lines.sort();
    return lines.join(QLatin1Char('\n')).toUtf8();
}
} // namespace

// The provisioning log and JSON output read the same in every language; the user's lines are translated.
class TestUntranslatedOutputs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void logAndJsonAreEnglishInEveryLanguage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Tavrin2QtCfg profile;
        profile.setTavrinType(TavrinII);
        TavrinIIButton button;
        button.setButtonEnabled(true);
        button.setPagerNum(101);
        profile.setTavrinIIButtonVectorAtIndex(0, button);
        const QString path = dir.filePath(QStringLiteral("site.t2c"));
        QString error;
        QVERIFY2(CfgFile::save(profile, path, error), qPrintable(error));
        // The Dalen unit is refused: its row carries a reason.
        const QStringList units { QStringLiteral("--simulate"), QStringLiteral("tavrin2,dalen") };

        const auto run = [&](const QString& language) {
            Outputs outputs;
            const QString log = dir.filePath(language + QStringLiteral(".csv"));
            outputs.written = runCli(units + QStringList { "write", "--all", "--log", log, path });
            QFile file(log);
            if (file.open(QIODevice::ReadOnly))
                outputs.log = file.readAll();
            outputs.writtenJson = runCli(units + QStringList { "write", "--all", "--json", path });
            outputs.listJson = runCli(units + QStringList { "list", "--json" });
            outputs.checkJson = runCli({ "--simulate", "tavrin2", "check", "--json", path })
                + runCli(units + QStringList { "check", "--all", "--json", path });
            return outputs;
        };
        const Outputs english = run(QStringLiteral("en"));
        installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany),
                            { QStringLiteral(T2Q_TEST_DATA_DIR "/translations") });
        const Outputs german = run(QStringLiteral("de"));

        QVERIFY2(german.written.contains(QStringLiteral("Dieses Gerät ist ein Dalen-Tavrin")),
                 qPrintable(german.written));
        QVERIFY2(english.log.contains("This unit is a Dalen Tavrin and the profile is for a Tavrin II"),
                 english.log.constData());
        QCOMPARE(withoutTimes(german.log), withoutTimes(english.log));
        QCOMPARE(withoutTimes(german.writtenJson.toUtf8()), withoutTimes(english.writtenJson.toUtf8()));
        QCOMPARE(german.listJson, english.listJson);
        QVERIFY2(english.checkJson.contains(QStringLiteral("Button 1")), qPrintable(english.checkJson));
        QVERIFY2(english.checkJson.contains(QStringLiteral("Model: file holds Tavrin II")),
                 qPrintable(english.checkJson));
        QCOMPARE(german.checkJson, english.checkJson);

        // Read back in either language: the reader does not go by translated words.
        for (int pass = 0; pass < 2; ++pass) {
            for (const QString& language : { QStringLiteral("de"), QStringLiteral("en") }) {
                QList<ProvisionRow> rows;
                QVERIFY2(ProvisionLog::read(dir.filePath(language + QStringLiteral(".csv")), rows, error),
                         qPrintable(error));
                QCOMPARE(rows.size(), 2);
            }
            cleanup();
        }
    }
};

QTEST_GUILESS_MAIN(TestUntranslatedOutputs)
#include "tst_untranslatedoutputs.moc"
