#pragma once

#include <functional>

class QObject;

// The first open of a unit that has just arrived can be refused for a moment: udev may apply the seat's
// access a little after it announced the node. Such an open is tried again a few times over about a second
// before its failure is reported; any other failure is reported at once.
class OpenRetry
{
public:
    enum class Result
    {
        Opened,
        Denied, // EACCES or EPERM: worth another try
        Failed
    };
    using Attempt = std::function<Result()>;

    static constexpr int Tries = 5;
    static constexpr int IntervalMs = 250; // (Tries - 1) * IntervalMs: about a second in all

    // Denied for EACCES and EPERM, else Failed.
    static Result fromErrno(int errorNumber);

    // Tries until attempt gives Opened or Failed, or Tries are used up; returns the last result. Sleeps
    // between tries: for a worker thread, never the thread of a window.
    static Result run(const Attempt& attempt);

    // The same without blocking: the first try now, the later ones by timer on context's thread, and done
    // called once with the last result. Nothing more is tried or called once context is destroyed.
    static void start(QObject* context, Attempt attempt, std::function<void(Result)> done);
};
