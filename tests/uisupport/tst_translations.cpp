#include "config/Translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {
QString testTranslationsDir()
{
    return QStringLiteral(T2Q_TEST_DATA_DIR "/translations");
}

QString cancelButtonText()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

QString readTavrinText()
{
    return QCoreApplication::translate("TestTranslations", "Read Tavrin");
}

bool qtTranslationInstalled(const QString& language)
{
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + language + ".qm");
}

// A language that neither Qt nor the utility has a translation for.
const QLocale untranslated(QLocale::Esperanto);
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    void qtTranslationTranslatesStandardButtons_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "de"
                                << "Abbrechen";
        // No Austrian file: the language's own file serves.
        QTest::newRow("Austrian German") << QLocale(QLocale::German, QLocale::Austria) << "de"
                                         << "Abbrechen";
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "fr"
                                << "Annuler";
    }
    void qtTranslationTranslatesStandardButtons()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        if (!qtTranslationInstalled(language))
            QSKIP("Qt's translations are not installed (Debian package qt6-translations-l10n)");

        const QStringList loaded = installTranslations(*qApp, locale, {});

        QCOMPARE(loaded.size(), 1);
        QCOMPARE(QFileInfo(loaded.first()).fileName(), "qtbase_" + language + ".qm");
        QCOMPARE(cancelButtonText(), cancel);
    }

    void utilityTranslationIsTakenFromTheFirstFolderHoldingIt_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("readTavrin");
        const QString missing = QDir::temp().filePath("tavrin2qt-no-such-folder");
        const QString empty;
        QTest::newRow("only folder") << QLocale(QLocale::German, QLocale::Germany)
                                     << QStringList { testTranslationsDir() } << "Tavrin lesen";
        QTest::newRow("after a missing and an empty folder")
            << QLocale(QLocale::German, QLocale::Switzerland) << QStringList { missing, empty, testTranslationsDir() }
            << "Tavrin lesen";
        QTest::newRow("other language") << QLocale(QLocale::French, QLocale::France)
                                        << QStringList { testTranslationsDir() } << "Read Tavrin";
        QTest::newRow("no folders") << QLocale(QLocale::German, QLocale::Germany) << QStringList() << "Read Tavrin";
    }
    void utilityTranslationIsTakenFromTheFirstFolderHoldingIt()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, folders);
        QFETCH(QString, readTavrin);

        const QStringList loaded = installTranslations(*qApp, locale, folders);

        QCOMPARE(readTavrinText(), readTavrin);
        const QString utilityFile = QDir(testTranslationsDir()).filePath("tavrin2qt_de.qm");
        QCOMPARE(loaded.contains(utilityFile), readTavrin != "Read Tavrin");
    }

    void untranslatedLanguageInstallsNothing()
    {
        const QStringList loaded = installTranslations(*qApp, untranslated, { testTranslationsDir() });

        QVERIFY2(loaded.isEmpty(), qPrintable(loaded.join(", ")));
        QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
        QCOMPARE(cancelButtonText(), "Cancel");
        QCOMPARE(readTavrinText(), "Read Tavrin");
    }

    void laterCallReplacesTheEarlierTranslations()
    {
        installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany), { testTranslationsDir() });
        QCOMPARE(readTavrinText(), "Tavrin lesen");

        installTranslations(*qApp, untranslated, { testTranslationsDir() });

        QCOMPARE(readTavrinText(), "Read Tavrin");
        QCOMPARE(cancelButtonText(), "Cancel");
        QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
