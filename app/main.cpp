#include "app/AppStart.h"
#include "app/WindowStopSignals.h"
#include "sim/VirtualTavrinBus.h"
#include "config/Translations.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstdio>

namespace {
constexpr int usageExitCode = 2;

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tavrin2qt"));
    QCoreApplication::setOrganizationName(QStringLiteral("tavrin2qt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(T2Q_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("USB Tavrin Configuration Utility"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulateOption(
        QStringLiteral("simulate"),
        QStringLiteral("Run against a virtual device of the given model: tavrin2, dalen or dalen2. Several models "
                       "separated by commas (tavrin2,dalen) attach several devices."),
        QStringLiteral("MODEL"));
    parser.addOption(simulateOption);
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Print the traces of the device talk and the window."));
    parser.addOption(verboseOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A configuration file (.t2c) to load at start, as File > Load "
                                                "Configuration does."),
                                 QStringLiteral("[FILE]"));

    // A first look before the GUI exists, so that --help, --version and a bad model need no display.
    // The toolkit's own options (-platform and the like) are unknown here and left for the second look.
    parser.parse(argumentList(argc, argv));
    if (parser.isSet(QStringLiteral("help"))) {
        // Without an application object the parser cannot name the program itself.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    // Traces are for developers; QT_LOGGING_RULES, read after these rules, still turns them on.
    QLoggingCategory::setFilterRules(parser.isSet(verboseOption) ? QStringLiteral("tavrin.*.debug=true")
                                                                 : QStringLiteral("tavrin.*.debug=false"));
    StartOptions options;
    if (parser.isSet(simulateOption)) {
        QString unknown;
        const std::optional<QList<VirtualTavrin::Model>> models
            = VirtualTavrinBus::modelsFromNames(parser.value(simulateOption), &unknown);
        if (!models) {
            std::fprintf(stderr, "tavrin2qt: unknown model \"%s\" for --simulate (use tavrin2, dalen or dalen2)\n",
                         qPrintable(unknown));
            return usageExitCode;
        }
        options.simulatedModels = *models;
    }

    QApplication app(argc, argv);
    // Before any text is made: the model names are translated once at start-up.
    installTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin2qt"));
    parser.process(app);

    // Only the toolkit's own options are gone now; what stays is the file.
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "tavrin2qt: only one configuration file can be loaded\n");
        return usageExitCode;
    }
    options.file = files.value(0);
    options.quitAfterFirstPaint = qEnvironmentVariableIntValue("T2Q_EXIT_AFTER_PAINT") == 1;
    // SIGTERM (a logout, a service manager) ends the event loops as Quit would, once a station running has
    // finished the units in flight and written their rows; a second one ends the program at once.
    WindowStopSignals stopSignals;
    openMainWindow(options);
    return app.exec();
}
