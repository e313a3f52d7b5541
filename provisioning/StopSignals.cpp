#include "provisioning/StopSignals.h"

#include <csignal>

#ifdef Q_OS_UNIX

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = { -1, -1 };
struct sigaction g_formerInt;
struct sigaction g_formerTerm;

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe drops the byte: enough signals are waiting to be read already.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

#ifdef Q_OS_DARWIN
bool setDescriptorFlags(int fd)
{
    const int statusFlags = ::fcntl(fd, F_GETFL);
    return statusFlags != -1 && ::fcntl(fd, F_SETFL, statusFlags | O_NONBLOCK) == 0
        && ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}
#endif

// Non-blocking, so that neither the handler nor drain() can hang; not inherited by the programs we start.
bool openSignalPipe(int fds[2])
{
#ifdef Q_OS_DARWIN
    // No pipe2 here: the flags follow the pipe (a program started by another thread in between inherits it).
    if (::pipe(fds) != 0)
        return false;
    if (setDescriptorFlags(fds[0]) && setDescriptorFlags(fds[1]))
        return true;
    ::close(fds[0]);
    ::close(fds[1]);
    return false;
#else
    return ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0;
#endif
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    if (!openSignalPipe(g_pipe)) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_formerInt);
    ::sigaction(SIGTERM, &action, &g_formerTerm);
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::drain);
    m_active = true;
}

StopSignals::~StopSignals()
{
    if (!m_active)
        return;
    ::sigaction(SIGINT, &g_formerInt, nullptr);
    ::sigaction(SIGTERM, &g_formerTerm, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void StopSignals::drain()
{
    unsigned char bytes[16];
    ssize_t count;
    while ((count = ::read(g_pipe[0], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            deliver(int(bytes[i]));
    }
}

#elif defined(Q_OS_WIN)

#include <mutex>

#include <windows.h>

// The system calls onEvent on a thread it starts for each event, while the object may be going.
class ConsoleStopHandler
{
public:
    static BOOL WINAPI onEvent(DWORD event)
    {
        int signalNumber;
        switch (event) {
        case CTRL_C_EVENT:
            signalNumber = SIGINT;
            break;
        case CTRL_BREAK_EVENT:
            signalNumber = SIGBREAK;
            break;
        default:
            // Closing the console, logging off, shutting down: the system ends the process whatever we answer.
            return FALSE;
        }
        const std::lock_guard<std::mutex> lock(s_mutex);
        StopSignals* target = s_target;
        if (!target)
            return FALSE;
        QMetaObject::invokeMethod(
            target, [target, signalNumber] { target->deliver(signalNumber); }, Qt::QueuedConnection);
        return TRUE;
    }

    static void setTarget(StopSignals* target)
    {
        const std::lock_guard<std::mutex> lock(s_mutex);
        s_target = target;
    }

private:
    static inline std::mutex s_mutex;
    static inline StopSignals* s_target = nullptr;
};

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    ConsoleStopHandler::setTarget(this);
    m_active = SetConsoleCtrlHandler(ConsoleStopHandler::onEvent, TRUE) != 0;
    if (!m_active)
        ConsoleStopHandler::setTarget(nullptr);
}

StopSignals::~StopSignals()
{
    if (!m_active)
        return;
    SetConsoleCtrlHandler(ConsoleStopHandler::onEvent, FALSE);
    // A handler already running finishes its post first; what it posted goes with the object.
    ConsoleStopHandler::setTarget(nullptr);
}

#endif

void StopSignals::deliver(int signalNumber)
{
    emit received(signalNumber, ++m_count);
}
