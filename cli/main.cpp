#include "cli/CliApp.h"
#include "config/Translations.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrin2qt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(T2Q_VERSION));
    // Traces are for developers; QT_LOGGING_RULES still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\ntavrin.*.warning=false"));
    // Before the command line is made: its help and messages are translated texts.
    installTranslations(app);

#ifdef Q_OS_WIN
    // A configuration document goes to standard output byte for byte, line feeds included.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CliApp().run(QCoreApplication::arguments(), out, err);
}
