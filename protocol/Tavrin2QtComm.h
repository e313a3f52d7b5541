#pragma once

#include "config/Tavrin2QtCfg.h"
#include "config/TavrinType.h"
#include "protocol/AlphaProgramData.h"
#include "uisupport/ProgressIndicator.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>
#include <memory>

class CommandPlan;

// The device protocol: every conversation with the attached Tavrin goes through here,
// and through here alone to the HID link. Every failure is thrown as UsbHidException.
class Tavrin2QtComm : public QObject
{
    Q_OBJECT

public:
    static Tavrin2QtComm* instance();
    // Tests and the virtual device: forget what is known of the attached device
    // (status NotFound, type Unknown) and stop any flashing tool.
    void reset();

    // The time source of SETT; the local clock unless a test fixes it.
    using Clock = std::function<QTime()>;
    void setClock(Clock clock);

    // Run between the slices of every read window: a front end with an event loop processes its
    // events there (user input excluded), so its windows stay painted while the device answers.
    // Unset (the command line), a read window is one wait.
    using WaitHook = std::function<void()>;
    void setWaitHook(WaitHook hook) { m_waitHook = std::move(hook); }
    // True while the hook runs, that is while an operation waits for the device: whatever those
    // events start must not talk to the device (a second conversation would interleave with the first).
    bool isBusy() const { return m_waitDepth > 0; }
    // The serial number the device gave in its last READ answer; empty before one.
    QString serialNumber() const { return m_serialNumber; }

    // Finds and opens the device when needed and returns its model.
    TavrinType connectTavrin();
    int connectionStatus() const { return m_connectionStatus; }
    TavrinType detectedTavrinType();
    static QString tavrinTypeName(int type);
    // Throws LostCommunication for no line, DeviceReportedError for a first line starting "err".
    static void checkResponse(const QStringList& lines);
    // The alert code appended to a Dalen button message for a mode index ("\f" prefix included).
    static QString dtModeCode(int mode);

    Tavrin2QtCfg readTavrin();
    Tavrin2QtCfg readTavrinNoGui();
    // Returns the number of lines of a known keyword.
    static int parseReadTavrinOutput(Tavrin2QtCfg& cfg, const QStringList& lines);
    static void parseButtonOutput(int variant, int index, const QStringList& fields, Tavrin2QtCfg& cfg);
    static void parseAutoOnOffOutput(bool onTime, int entry, const QStringList& fields, Tavrin2QtCfg& cfg);
    bool softwareSupported();

    void updateTavrin(const Tavrin2QtCfg& cfg);
    // Throws, naming the field, when a text of the record cannot be sent whole (too long for one
    // command, or holding the field separator). No traffic: front ends may ask before connecting.
    void checkUpdateSendable(const Tavrin2QtCfg& cfg) const;

    // Both return false whenever they return; every failure is thrown.
    bool programAlphaPager(const AlphaProgramData& data);
    bool programZellPager(int pagerNum, int sysID, int flags);

    // Firmware upgrade: returns once the flashing tool is started; the outcome is reported
    // by onProcessComplete.
    void updateFirmware();
    bool getFirmwareFile();
    bool startBatchisp(const QStringList& arguments);
    void terminateBatchisp();
    QString firmwareFile() const { return _firmwareFile; }
    QString batchispOutput() const { return _batchispOutput; }
    bool isFlashing() const { return _batchisp != nullptr; }
    // The flashing tool's program: "batchisp" on Windows, our tavrin-flash elsewhere.
    static QString flashProgram();
    // Whether a firmware file's name fits the model; judged on the lower-cased base name.
    static bool firmwareFileNameFits(int type, const QString& path);
    // The flashing tool's argument list, program name first.
    static QStringList batchispArguments(const QString& firmwareFile);

public slots:
    void onReadyReadStdout();
    void onProcessComplete();

private slots:
    void onProcessError(QProcess::ProcessError error);

signals:
    // After the outcome box of a firmware update was shown.
    void firmwareUpdateFinished(bool success);

private:
    Tavrin2QtComm();

    // The model sequences, planned in full by updateCommands before anything is sent.
    void updateDalenTavrin(const CommandPlan& plan, QStringList& response);
    void updateTavrinII(const CommandPlan& plan, QStringList& response);
    CommandPlan updateCommands(const Tavrin2QtCfg& cfg) const;
    // One command and its response: write the line, then read with the window until a
    // window passes in silence, appending every completed line to the response.
    void exchange(const QString& command, int windowMs, QStringList& response);
    // Writes one command line; refused while the wait hook runs.
    void send(const QString& command);
    // The read half of the exchange; a device that never stops sending fails with LostCommunication.
    void collectResponse(int windowMs, QStringList& response);
    void runWaitHook();
    void refuseWhileBusy() const;
    // The device's answer to READ into the record. Throws LostCommunication for an answer of which not one
    // line is a settings line: it was garbled on the way, and its defaults must not pass for the device's.
    static void parseDeviceSettings(Tavrin2QtCfg& cfg, const QStringList& lines);
    // The frame of every set and programming sequence: dialog, version check, the plan built and
    // checked before the first command, then its commands and progress steps.
    void runPlan(const QString& label, const CommandPlan& plan, QStringList& response);
    static CommandPlan dalenCommands(const Tavrin2QtCfg& cfg, const QTime& now);
    static CommandPlan tavrinIICommands(const Tavrin2QtCfg& cfg, const QTime& now);
    static CommandPlan alphaPagerCommands(const AlphaProgramData& data);
    static CommandPlan zellPagerCommands(int pagerNum, int sysID, int flags);

    TavrinType _detectedType = Unknown;
    int m_connectionStatus = 1; // NotFound: the first search is forced
    Clock m_clock;
    WaitHook m_waitHook;
    int m_waitDepth = 0;
    QString m_serialNumber;

    QProcess* _batchisp = nullptr;
    QString _batchispOutput;
    QByteArray m_partialOutput;
    QString _firmwareFile;
    std::unique_ptr<ProgressIndicator> _progressDialog;
};
