#include "cli/CliApp.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavrin2qt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(T2Q_VERSION));
    // Traces are for developers; QT_LOGGING_RULES still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\ntavrin.*.warning=false"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    return CliApp().run(QCoreApplication::arguments(), out, err);
}
