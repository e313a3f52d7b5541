#include "Spawned.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

double monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

Spawned::~Spawned()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

bool Spawned::start(const QString& program, const QStringList& arguments, const Environment& environment,
                    const QString& outputPath, QString* error)
{
    std::map<QByteArray, QByteArray> variables;
    for (char** entry = environ; *entry; ++entry) {
        const QByteArray text(*entry);
        variables[text.left(text.indexOf('='))] = text;
    }
    for (const auto& [name, value] : environment)
        variables[name.toLocal8Bit()] = name.toLocal8Bit() + '=' + value.toLocal8Bit();
    QList<QByteArray> texts { QFile::encodeName(program) };
    for (const QString& argument : arguments)
        texts << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& [name, text] : variables)
        envp.push_back(text.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const QByteArray output = QFile::encodeName(outputPath);
    posix_spawn_file_actions_addopen(&actions, 1, output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    m_exitCode = -1;
    m_startNs = monotonicNs();
    const int failure = posix_spawn(&m_pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failure) {
        m_pid = -1;
        *error = QStringLiteral("%1 did not start: %2").arg(program, QString::fromLocal8Bit(std::strerror(failure)));
        return false;
    }
    return true;
}

bool Spawned::wait(int timeoutMs)
{
    if (m_pid <= 0)
        return true;
    // A descriptor that becomes readable at the exit: the end is timed to the moment, with no polling.
    const int pidFd = int(::syscall(SYS_pidfd_open, m_pid, 0));
    const double deadlineNs = monotonicNs() + double(timeoutMs) * 1e6;
    bool ended = false;
    for (;;) {
        int status = 0;
        struct rusage usage
        {
        };
        const pid_t reaped = ::wait4(m_pid, &status, WNOHANG, &usage);
        if (reaped == m_pid) {
            reap(status, monotonicNs(), usage);
            ended = true;
            break;
        }
        const double leftNs = deadlineNs - monotonicNs();
        if (reaped < 0 && errno != EINTR) {
            m_pid = -1;
            break;
        }
        if (leftNs <= 0) {
            ::kill(m_pid, SIGKILL);
            ::wait4(m_pid, &status, 0, &usage);
            m_pid = -1;
            break;
        }
        if (pidFd >= 0) {
            pollfd exit { pidFd, POLLIN, 0 };
            ::poll(&exit, 1, int(leftNs / 1e6) + 1);
        } else {
            const timespec pause { 0, 2000000 };
            ::nanosleep(&pause, nullptr);
        }
    }
    if (pidFd >= 0)
        ::close(pidFd);
    return ended;
}

void Spawned::reap(int status, double endNs, const struct rusage& usage)
{
    m_pid = -1;
    m_wallMs = (endNs - m_startNs) / 1e6;
    m_cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Spawned::signal(int signalNumber) const
{
    if (m_pid > 0)
        ::kill(m_pid, signalNumber);
}

std::optional<double> Spawned::cpuMsNow() const
{
    clockid_t clock {};
    timespec now {};
    if (m_pid <= 0 || clock_getcpuclockid(m_pid, &clock) != 0 || clock_gettime(clock, &now) != 0)
        return std::nullopt;
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
