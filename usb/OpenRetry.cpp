#include "usb/OpenRetry.h"

#include "usb/UsbLogging.h"

#include <QThread>
#include <QTimer>

#include <cerrno>

OpenRetry::Result OpenRetry::fromErrno(int errorNumber)
{
    return errorNumber == EACCES || errorNumber == EPERM ? Result::Denied : Result::Failed;
}

OpenRetry::Result OpenRetry::run(const Attempt& attempt)
{
    Result result = attempt();
    for (int tried = 1; result == Result::Denied && tried < Tries; ++tried) {
        qCDebug(lcUsb, "open refused; trying again in %d ms", IntervalMs);
        QThread::msleep(IntervalMs);
        result = attempt();
    }
    return result;
}

namespace {

void tryAgain(QObject* context, const OpenRetry::Attempt& attempt, const std::function<void(OpenRetry::Result)>& done,
              int tried)
{
    const OpenRetry::Result result = attempt();
    if (result != OpenRetry::Result::Denied || tried + 1 >= OpenRetry::Tries) {
        done(result);
        return;
    }
    qCDebug(lcUsb, "open refused; trying again in %d ms", OpenRetry::IntervalMs);
    QTimer::singleShot(OpenRetry::IntervalMs, context,
                       [context, attempt, done, tried] { tryAgain(context, attempt, done, tried + 1); });
}

} // namespace

void OpenRetry::start(QObject* context, Attempt attempt, std::function<void(Result)> done)
{
    tryAgain(context, attempt, done, 0);
}
