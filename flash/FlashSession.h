#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One flashing run: wait for the boot loader, erase, program with verification, start.
class FlashSession
{
public:
    // "-device at90usb647 ... loadbuffer FILE program verify start reset 0"
    static FlashSession fromBatchispArguments(const QStringList& arguments);

    // Returns the exit status: 0 when every step succeeded.
    int run();

private:
    struct StepResult
    {
        bool started = false;
        bool timedOut = false;
        QString output;
    };

    StepResult runTool(const QStringList& arguments, bool relay, int timeoutMs);
    bool step(const QString& title, const QStringList& arguments);
    bool waitForBootLoader();
    int finish();
    void say(const QString& line);
    void relayChunk(QByteArray chunk, QByteArray& partial, bool relay, QString& collected);

    static bool reportsFailure(const QString& output);

    QString m_device = QStringLiteral("at90usb647");
    QString m_file;
    QString m_usageError;
    QString m_tool;
    bool m_modernSyntax = false;
    int m_total = 4; // boot loader, erase, program, start
    int m_passed = 0;
};
