// The utility's window as the entry point builds it, on a virtual Tavrin II, first painted and then
// Read; prints "peak-kib N" (peak resident memory) and ends. Exit status 1 when the Read failed.
#include "support/AnsweringPrompter.h"
#include "PeakMemory.h"
#include "FirstPaintHook.h"
#include "app/FrmTavrin2Qt.h"
#include "sim/VirtualTavrin.h"
#include "uisupport/FitAndCentre.h"
#include "config/Translations.h"
#include "usb/UsbHid.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tavrin2qt"));
    QApplication app(argc, argv);
    installTranslations(app);
    AnsweringPrompter prompter;
    // Virtual time: the device's waits change nothing in the memory taken.
    auto* device = static_cast<VirtualTavrin*>(
        UsbHid::setBackend(std::make_unique<VirtualTavrin>(VirtualTavrin::Model::TavrinII)));

    const auto window = std::make_unique<FrmTavrin2Qt>();
    fitAndCentre(window.get());
    // exit() rather than quit(): the window stays open for the Read and its repaint.
    window->installEventFilter(new FirstPaintHook(window.get(), [] { QCoreApplication::exit(0); }));
    window->show();
    app.exec();

    device->clearTranscript();
    window->pushButtonRead_clicked();
    window->repaint();
    const QStringList prompts = prompter.takeShown();
    if (!prompts.isEmpty() || !device->transcript().contains(QStringLiteral("READ"))) {
        std::fprintf(stderr, "t2q-bench-read: the Read failed: %s\n", qPrintable(prompts.join(QLatin1Char('|'))));
        return 1;
    }
    std::printf("peak-kib %lld\n", static_cast<long long>(peakResidentKiB()));
    return 0;
}
