#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Installs, for the system's language, Qt's own translation (so standard buttons and dialogs speak
// it) and the utility's, each when one is installed. Returns the files loaded; none found is no error.
// A later call replaces what an earlier one installed.
QStringList installTranslations(QCoreApplication& app);

// The same for the given language, looking for the utility's translation in the given folders in turn.
QStringList installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

// Where the utility's translations are looked for: "translations" next to the program (the build
// tree), then the share folder of the installation the program belongs to.
QStringList translationFolders();
