#include "app/AppStart.h"

#include "app/FrmTavrin2Qt.h"
#include "sim/VirtualTavrinBus.h"
#include "uisupport/FitAndCentre.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
// The paint still completes before the event loop returns.
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

FrmTavrin2Qt* openMainWindow(const StartOptions& options)
{
    // Before the window: its construction runs the first detection.
    if (!options.simulatedModels.isEmpty()) {
        for (VirtualTavrin* unit : VirtualTavrinBus::install(options.simulatedModels))
            unit->setRealTime(true);
    }

    auto* window = new FrmTavrin2Qt;
    // After construction: the first detection runs before there is a window to keep drawn.
    FrmTavrin2Qt::keepResponsiveDuringDeviceWork();
    window->setAttribute(Qt::WA_DeleteOnClose);
    fitAndCentre(window);
    if (options.quitAfterFirstPaint)
        window->installEventFilter(new QuitAfterFirstPaint(window));
    window->show();
    // After show: a file Load refuses gets its error box over the window, which stays open.
    if (!options.file.isEmpty())
        window->loadConfigurationFile(options.file);
    return window;
}
