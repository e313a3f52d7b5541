#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <optional>
#include <utility>
#include <vector>

// Another program run by the hidraw benchmark, whose own CPU time counts: started directly (no shell, no
// QProcess helper in between) and reaped with wait4, which gives the kernel's account of its CPU time.
class Spawned
{
public:
    using Environment = std::vector<std::pair<QString, QString>>;

    Spawned() = default;
    ~Spawned(); // kills and reaps a program still running
    Spawned(const Spawned&) = delete;
    Spawned& operator=(const Spawned&) = delete;

    // Starts program with the given variables on top of this process's environment; its standard output
    // goes to outputPath, its traces nowhere. False with *error when it could not start.
    bool start(const QString& program, const QStringList& arguments, const Environment& environment,
               const QString& outputPath, QString* error);
    // Waits up to timeoutMs for its end; false (the program killed) when it did not end in time.
    bool wait(int timeoutMs);
    void signal(int signalNumber) const;
    // Its CPU time so far, while it runs.
    std::optional<double> cpuMsNow() const;

    int exitCode() const { return m_exitCode; } // -1 after a signal or before the end
    double wallMs() const { return m_wallMs; } // from just before the start to the end
    double cpuMs() const { return m_cpuMs; } // user and system time of the whole run

private:
    void reap(int status, double endNs, const struct rusage& usage);

    pid_t m_pid = -1;
    double m_startNs = 0;
    int m_exitCode = -1;
    double m_wallMs = 0;
    double m_cpuMs = 0;
};

// CLOCK_MONOTONIC in nanoseconds: the clock the unit server stamps its reports with.
double monotonicNs();
