#pragma once

#include "cli/CliCommandLine.h"
#include "cli/CliFailure.h"
#include "cli/CliSimulation.h"
#include "usb/UsbHid.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

class Tavrin2QtCfg;
struct TavrinUnit;

// tavrin2qt-cli: the window's device and file operations as commands, for installers who provision
// many units from scripts. A second front end on the same protocol and file layers; it adds no
// device logic of its own.
class CliApp
{
    Q_DECLARE_TR_FUNCTIONS(CliApp)

public:
    // arguments start with the program name. Results go to out, progress and errors to err. Returns
    // the exit status: 0 success, 1 device or file failure, 2 wrong usage. One run per object.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

private:
    void runCommand();
    void detect();
    void read();
    void write();
    void show();
    void diff();
    void programAlpha();
    void programZell();
    void list();
    void station();
    void check();
    // check --json: the object check --all --json prints for each unit.
    void checkAsJson(const QString& path, const Tavrin2QtCfg& profile);
    static QString notComparableText(const QString& path, const QStringList& unreported);
    // The unit --device or --serial chose, else the only one attached (SeveralTavrinsAttached with more).
    UsbHid::Unit theUnit();
    // A file that may be sent: loaded, no value out of range, the other model's settings as the window keeps them.
    std::unique_ptr<Tavrin2QtCfg> loadForWriting(const QString& path);
    // Points the protocol at the unit --device or --serial names. Without either, the protocol
    // refuses to pick one of several units.
    void chooseUnit();
    // The attached units, one line each, for a refusal.
    static QString unitList(const QList<TavrinUnit>& units);

    static std::unique_ptr<Tavrin2QtCfg> load(const QString& path);
    bool json() const;
    // Writes the transcript if asked; false when it could not be written.
    bool writeTranscript();

    // The status of a command that ends without a failure: diff's "the files differ".
    CliExitStatus m_status = ExitSuccess;
    CliCommandLine m_commandLine;
    CliSimulation m_simulation;
    QTextStream* m_out = nullptr;
    QTextStream* m_err = nullptr;
};
