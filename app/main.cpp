#include "app/FrmTavrin2Qt.h"
#include "sim/VirtualTavrin.h"
#include "uisupport/FitAndCentre.h"
#include "uisupport/Translations.h"
#include "usb/UsbHid.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QEvent>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <optional>

namespace {
constexpr int badModelExitCode = 2;

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The benchmark's stop watch: with T2Q_EXIT_AFTER_PAINT=1 the program ends once the window is first
// painted, so start-up can be timed from outside. The paint still completes before the loop returns.
class QuitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QCoreApplication::quit();
        }
        return false;
    }
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tavrin2qt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(T2Q_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("USB Tavrin Configuration Utility"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulateOption(
        QStringLiteral("simulate"),
        QStringLiteral("Run against a virtual device of the given model: tavrin2, dalen or dalen2."),
        QStringLiteral("MODEL"));
    parser.addOption(simulateOption);

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
    std::optional<VirtualTavrin::Model> simulatedModel;
    if (parser.isSet(simulateOption)) {
        const QString name = parser.value(simulateOption);
        simulatedModel = VirtualTavrin::modelFromName(name);
        if (!simulatedModel) {
            std::fprintf(stderr, "tavrin2qt: unknown model \"%s\" for --simulate (use tavrin2, dalen or dalen2)\n",
                         qPrintable(name));
            return badModelExitCode;
        }
    }

    QApplication app(argc, argv);
    // Before any text is made: the model names are translated once at start-up.
    installTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin2qt"));
    parser.process(app);

    // Before the window: its construction runs the first detection.
    if (simulatedModel) {
        auto* device
            = static_cast<VirtualTavrin*>(UsbHid::setBackend(std::make_unique<VirtualTavrin>(*simulatedModel)));
        device->setRealTime(true);
    }

    auto* window = new FrmTavrin2Qt;
    // After construction: the first detection runs before there is a window to keep drawn.
    FrmTavrin2Qt::keepResponsiveDuringDeviceWork();
    window->setAttribute(Qt::WA_DeleteOnClose);
    fitAndCentre(window);
    if (qEnvironmentVariableIntValue("T2Q_EXIT_AFTER_PAINT") == 1)
        window->installEventFilter(new QuitAfterFirstPaint(window));
    window->show();
    return app.exec();
}
