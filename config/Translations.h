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
