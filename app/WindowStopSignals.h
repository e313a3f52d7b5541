#pragma once

#include <QObject>
#include <QString>

#include <functional>

class StopSignals;

// SIGTERM (a logout, a service manager) or SIGINT for the window, as the command line's station takes them:
// the first stops every running Provision Units station, waits for the units in flight to end with their rows
// written, then quits; a second one, while those are still being written, logs them failed, names them on
// stderr and ends the process at once.
class WindowStopSignals : public QObject
{
    Q_OBJECT

public:
    struct Exits
    {
        std::function<void()> quit;
        std::function<void(int status)> exitNow;
        std::function<void(const QString& line)> printError;
    };

    // Listens for the signals; exits left empty are the process's own.
    explicit WindowStopSignals(Exits exits = {}, QObject* parent = nullptr);
    ~WindowStopSignals() override;

    // The count-th stop signal received.
    void handle(int count);

private:
    Exits m_exits;
    StopSignals* m_signals = nullptr;
};
