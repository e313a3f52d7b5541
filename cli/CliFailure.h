#pragma once

#include <QString>

#include <exception>

// Exit statuses of the command line.
enum CliExitStatus
{
    ExitSuccess = 0,
    // The device or a file failed.
    ExitFailure = 1,
    // The command line itself is wrong.
    ExitUsage = 2,
    // diff, where 1 says that the files differ: a file could not be read.
    ExitDiffTrouble = 2
};

// Ends a command with a message for standard error and an exit status.
class CliFailure : public std::exception
{
public:
    CliFailure(CliExitStatus status, const QString& message)
        : m_status(status)
        , m_message(message)
    {
    }

    static CliFailure usage(const QString& message) { return CliFailure(ExitUsage, message); }
    static CliFailure failure(const QString& message) { return CliFailure(ExitFailure, message); }

    CliExitStatus status() const { return m_status; }
    QString message() const { return m_message; }
    const char* what() const noexcept override { return "command line failure"; }

private:
    CliExitStatus m_status;
    QString m_message;
};
