#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Installs, for the system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads them), Qt's own
// translation (so standard buttons, dialogs and the command-line parser speak it) and the utility's, each
// when one is installed. Returns the files loaded; none found is no error. A later call replaces what an
// earlier one installed.
QStringList installTranslations(QCoreApplication& app);

// The same for the given language, looking for the utility's translation in the given folders in turn.
QStringList installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

// Where the utility's translations are looked for: "translations" next to the program (the build
// tree), the share folder of the installation the program belongs to, then the share folder the build
// was configured to install into.
QStringList translationFolders();

// Sets the translators installTranslations() installed aside on this thread while it lives, so that the texts
// made meanwhile are the English sources: for what stays English in every language (the provisioning log,
// JSON output), made beside the text the user reads.
class UntranslatedScope
{
public:
    // An inactive scope changes nothing: for texts that are English only in some outputs.
    explicit UntranslatedScope(bool active = true);
    ~UntranslatedScope();
    UntranslatedScope(const UntranslatedScope&) = delete;
    UntranslatedScope& operator=(const UntranslatedScope&) = delete;

private:
    bool m_outer;
};

// The text make() gives in English.
template<typename Make> QString inEnglish(Make&& make)
{
    const UntranslatedScope english;
    return make();
}
