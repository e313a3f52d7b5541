#include "config/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

#include <memory>

Q_LOGGING_CATEGORY(lcTranslations, "tavrin.config.translations")

namespace {

// Marks the translators this file installs, so a later call can find and replace them.
const char* const translatorObjectName = "tavrin2qtTranslator";

thread_local bool untranslated = false;

// Translates except on a thread that asked for the English sources.
class SetAsideTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        return untranslated ? QString() : QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

void installFirstFound(QCoreApplication& app, const QLocale& locale, const QString& baseName,
                       const QStringList& folders, QStringList& loaded)
{
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        auto translator = std::make_unique<SetAsideTranslator>(&app);
        // Tries every language of the locale's list, each from the most to the least specific
        // name (tavrin2qt_de_AT, then tavrin2qt_de).
        if (!translator->load(locale, baseName, QStringLiteral("_"), folder))
            continue;
        translator->setObjectName(QLatin1String(translatorObjectName));
        loaded << translator->filePath();
        qCDebug(lcTranslations) << "Installed translation" << translator->filePath();
        app.installTranslator(translator.release());
        return;
    }
    qCDebug(lcTranslations) << "No" << baseName << "translation for" << locale.uiLanguages() << "in" << folders;
}

} // namespace

QStringList translationFolders()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList folders { programDir.filePath(QStringLiteral("translations")),
                          QDir::cleanPath(programDir.filePath(QStringLiteral("../share/tavrin2qt/translations"))) };
#ifdef T2Q_INSTALL_DATADIR
    // A program started through a link from elsewhere still finds the installation's files.
    const QString installed = QDir::cleanPath(QStringLiteral(T2Q_INSTALL_DATADIR "/tavrin2qt/translations"));
    if (!folders.contains(installed))
        folders << installed;
#endif
    return folders;
}

QStringList installTranslations(QCoreApplication& app)
{
    return installTranslations(app, QLocale::system(), translationFolders());
}

QStringList installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders)
{
    const auto earlier
        = app.findChildren<QTranslator*>(QLatin1String(translatorObjectName), Qt::FindDirectChildrenOnly);
    qDeleteAll(earlier); // a translator removes itself from the application when deleted

    QStringList loaded;
    // Qt's own files live with Qt; a deployment that copies them next to the program (Windows) has
    // them in its translations folder.
    const QStringList qtFolders {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))
    };
    installFirstFound(app, locale, QStringLiteral("qtbase"), qtFolders, loaded);
    installFirstFound(app, locale, QStringLiteral("tavrin2qt"), folders, loaded);
    return loaded;
}

UntranslatedScope::UntranslatedScope(bool active)
    : m_outer(untranslated)
{
    untranslated = untranslated || active;
}

UntranslatedScope::~UntranslatedScope()
{
    untranslated = m_outer;
}
