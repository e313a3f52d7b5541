#include "app/WindowStopSignals.h"

#include "app/FrmProvisionUnits.h"
#include "provisioning/StopSignals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include <cstdio>
#include <cstdlib>

namespace {
// The status the command line's station ends with after a second stop signal.
constexpr int stoppedAtOnceStatus = 1;

QList<QPointer<FrmProvisionUnits>> runningStations()
{
    QList<QPointer<FrmProvisionUnits>> running;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<FrmProvisionUnits*>(window);
        if (dialog && dialog->isRunning())
            running.append(dialog);
    }
    return running;
}
} // namespace

WindowStopSignals::WindowStopSignals(Exits exits, QObject* parent)
    : QObject(parent)
    , m_exits(std::move(exits))
{
    if (!m_exits.quit)
        m_exits.quit = [] { QCoreApplication::quit(); };
    if (!m_exits.exitNow)
        m_exits.exitNow = [](int status) {
            std::fflush(nullptr);
            // The workers are mid-conversation and cannot be waited for; the rows of finished units are on disk.
            std::_Exit(status);
        };
    if (!m_exits.printError)
        m_exits.printError = [](const QString& line) {
            std::fprintf(stderr, "tavrin2qt: %s\n", qPrintable(line));
            std::fflush(stderr);
        };
    m_signals = new StopSignals(this);
    connect(m_signals, &StopSignals::received, this, [this](int, int count) { handle(count); });
}

WindowStopSignals::~WindowStopSignals() = default;

void WindowStopSignals::handle(int count)
{
    if (count == 1) {
        // A second signal can come while these wait: it is heard from their event loop.
        for (const QPointer<FrmProvisionUnits>& dialog : runningStations()) {
            if (dialog)
                dialog->finishUnitsInFlight();
        }
        m_exits.quit();
        return;
    }
    QStringList left;
    for (const QPointer<FrmProvisionUnits>& dialog : runningStations())
        left << dialog->stopAtOnce();
    if (!left.isEmpty())
        m_exits.printError(tr("Stopped at once; left unverified: %1").arg(left.join(QStringLiteral(", "))));
    m_exits.exitNow(stoppedAtOnceStatus);
}
