#pragma once

#include "cli/CliFailure.h"
#include "config/Tavrin2QtCfg.h"
#include "provisioning/ProvisionPolicy.h"
#include "provisioning/UnitWorker.h"
#include "usb/UsbHid.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <vector>

class CliCommandLine;
class ProvisionLog;
class ProvisionTally;

// The commands that take every attached unit at once (write, read and check with --all), and write with a
// log or numbering: a worker per unit (WorkerPool), one line per unit as it finishes, then a summary.
class CliAllUnits
{
    Q_DECLARE_TR_FUNCTIONS(CliAllUnits)

public:
    CliAllUnits(const CliCommandLine& commandLine, QTextStream& out, QTextStream& err);
    ~CliAllUnits();

    // profile is loaded and checked for values out of range. Every attached unit (all) or the one unit
    // (device), through the provisioning workers. Returns the exit status; throws CliFailure.
    CliExitStatus writeAll(const QString& path, const Tavrin2QtCfg& profile);
    CliExitStatus writeOne(const QString& path, const Tavrin2QtCfg& profile, const UsbHid::Unit& unit);
    CliExitStatus readAll(const QString& folder);
    // Numbered (--number-from, --numbers, with --log): each unit against the profile with its number in.
    CliExitStatus checkAll(const QString& path, const Tavrin2QtCfg& profile);

    // What names a unit in its line and in its JSON object.
    struct UnitNames
    {
        QString device;
        QString port;
        QString serial;
        QString model;
        QString firmware;
    };

    // The differences between a profile and a unit's settings, "label: file holds ..., Tavrin holds ...".
    static QStringList differences(const Tavrin2QtCfg& profile, const Tavrin2QtCfg& held);
    // A unit written, or left alone (skipped), as it is printed when it ends: "#12 /dev/hidraw3 (port 1-1.3)
    // Tavrin II 00012345: written and verified (2.9 s)", or its JSON object.
    // event: the JSON object's "event" field (the station's "done"); none when empty.
    static QString unitLine(const UnitOutcome& outcome, bool json, const QString& event = QString());
    // A unit whose write begins, as the station prints it: "#12 /dev/hidraw3 (port 1-1.3) Tavrin II 00012345:
    // writing...", or its JSON object (event "writing").
    static QString writingLine(const UnitNames& unit, int number, bool json);
    // The station waits for units: "Waiting for units; Ctrl+C to stop.", or its JSON object (event "waiting").
    // toDo: how many units remain, when known ("Waiting for units (3 to do); ...", field "toDo"); else -1.
    static QString waitingLine(bool json, int toDo = -1);
    // "8 written and verified, 0 failed, 1 skipped", or the summary object; ", 2 to do" (field "toDo") when
    // toDo is known.
    static QString summaryLine(bool json, bool verify, const ProvisionTally& tally, int toDo = -1);

    // What a run of the command line is started with: the profile and its file, the log, the numbering, the
    // units left out and the check. Throws CliFailure (usage) for numbering options that are not numbers.
    static ProvisionSettings settingsFor(const CliCommandLine& commandLine, const QString& path,
                                         const Tavrin2QtCfg& profile);
    // Why the run cannot start, in the command line's words: throws CliFailure.
    [[noreturn]] static void refuse(const ProfileRefusal& refusal, const QString& path);

    // A unit's line, "label: text", or its object: its names, result and message, and the command's own fields.
    static QString unitLine(bool json, const UnitNames& unit, const QString& result, const QString& message,
                            QJsonObject fields, int number, const QString& text);

private:
    // "#12 /dev/hidraw3 (port 1-1.3) Tavrin II 00012345"
    static QString unitLabel(int number, const QString& device, const QString& port, const QString& model,
                             const QString& serial);
    // The summary line, text and ", N skipped", or its object: the counts, skipped and "summary": true.
    static QString summaryLine(bool json, QJsonObject counts, int skipped, QString text);

    // A unit left out or failed: counts it and sets its result and its line's text; false for neither.
    static bool leftOutOrFailed(const UnitOutcome& unit, const QString& failure, int& skipped, int& failed,
                                QString& result, QString& text);
    CliExitStatus provision(const QString& path, const Tavrin2QtCfg& profile, const QList<UsbHid::Unit>& units,
                            bool summary);
    // Runs a job on every unit at once, through the same workers as a write; done is called on this thread as
    // each one ends, in the order they end.
    void runUnits(const std::vector<UsbHid::Unit>& units, UnitJob::Kind kind, ProvisionPolicy* policy,
                  ProvisionLog* log, const std::function<void(const UnitOutcome&)>& done);
    // The policy of a read-only run: units left out with --exclude-serial.
    std::unique_ptr<ProvisionPolicy> readPolicy();
    static UnitNames namesOf(const UnitOutcome& unit);
    std::vector<UsbHid::Unit> attachedOrFail();
    bool json() const;
    void printLine(const QString& text);

    const CliCommandLine& m_commandLine;
    QTextStream& m_out;
    QTextStream& m_err;
};
