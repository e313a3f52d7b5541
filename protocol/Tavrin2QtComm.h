#pragma once

#include "config/Tavrin2QtCfg.h"
#include "config/TavrinType.h"
#include "protocol/AlphaProgramData.h"
#include "protocol/TavrinUnit.h"
#include "protocol/ProgressIndicator.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>
#include <memory>

class CommandPlan;

class UsbHid;
class HidBackend;

// One Tavrin unit's session: its link, its detected model, firmware and serial number, and the command
// language run against it (identify, READ, update with verify, pager programming, BL). Every failure is
// thrown as UsbHidException. A session belongs to the thread that uses it (a worker may own one); it never
// touches a widget itself: progress goes to its progress factory, and the window's questions are the
// window's. Each operation holds the advisory lock of the unit's node from its first command to its end.
class Tavrin2QtComm : public QObject
{
    Q_OBJECT

public:
    // The window's own session, on the GUI thread, over the process's backend as it stands.
    static Tavrin2QtComm* instance();
    // A session of its own over backend (the process's when null). Nothing is opened before it is used.
    explicit Tavrin2QtComm(std::shared_ptr<HidBackend> backend = {}, QObject* parent = nullptr);
    ~Tavrin2QtComm() override;
    // Tests and the virtual device: forget what is known of the attached device
    // (status NotFound, type Unknown).
    void reset();

    // Where this session's progress goes. Empty: the session's default (the window's progress dialog for
    // the window's session, nothing for others).
    void setProgressFactory(ProgressIndicator::Factory factory);
    // The unit this session talks to (created on first use).
    UsbHid* link();

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
    // The serial number the device gave in its last READ answer; empty before one and after a failed
    // identification.
    QString serialNumber() const { return m_serialNumber; }
    // The serial number of the unit its front end uses (identified last, or chosen); empty: whichever is
    // attached. Update and pager programming compare the serial number of their first READ with it and
    // throw AnotherUnitAnswered, before the first set command, when they differ.
    void setUnitInUse(const QString& serialNumber) { m_unitInUse = serialNumber; }

    // Finds and opens the device when needed and returns its model. Keeps to the unit it opened (or
    // the one chosen) until that unit is gone. With several attached and none chosen it opens none
    // and throws SeveralTavrinsAttached. When the unit opened does not say who it is, no unit counts as
    // found: its predecessor's serial number and model are forgotten, and the next call identifies again.
    TavrinType connectTavrin();
    // The attached units, without traffic.
    std::vector<UsbHid::Unit> attachedUnits();
    // Every attached unit with its model, firmware and serial number (one READ each). Leaves no unit
    // open; the chosen one is opened again by the next connectTavrin.
    QList<TavrinUnit> describeUnits();
    // The unit that connectTavrin opens from now on; an empty path lets it take the only one attached.
    void chooseUnit(const QString& path);
    int connectionStatus() const { return m_connectionStatus; }
    TavrinType detectedTavrinType();
    static QString tavrinTypeName(int type);
    // Throws LostCommunication for no line, DeviceReportedError for a first line starting "err".
    static void checkResponse(const QStringList& lines);
    // A line starting "err" in any letter case: the unit failed the command.
    static bool isErrorAnswer(const QString& line);
    // The alert code appended to a Dalen button message for a mode index ("\f" prefix included).
    static QString dtModeCode(int mode);

    // Both throw LostCommunication for an answer cut off in the middle of a line. unreported, when given,
    // receives the names of the model's settings the answer did not hold (the record has their defaults).
    Tavrin2QtCfg readTavrin(QStringList* unreported = nullptr);
    Tavrin2QtCfg readTavrinNoGui(QStringList* unreported = nullptr);
    // Returns the number of lines of a known keyword; reported, when given, receives the keys of the
    // well-formed lines ("RID", "BUT2", "ROFFT1").
    static int parseReadTavrinOutput(Tavrin2QtCfg& cfg, const QStringList& lines, QStringList* reported = nullptr);
    // The names of the settings of the model (a firmware variant) that the reported lines do not cover.
    static QStringList unreportedSettings(int variant, const QStringList& reported);
    // What the window and the command line say about such settings.
    static QString unreportedText(const QStringList& unreported);
    // Both return false for a line rejected with a warning.
    static bool parseButtonOutput(int variant, int index, const QStringList& fields, Tavrin2QtCfg& cfg);
    static bool parseAutoOnOffOutput(bool onTime, int entry, const QStringList& fields, Tavrin2QtCfg& cfg);
    bool softwareSupported();

    // Unless verify is false, reads the unit after the last command and fails, listing them, when
    // settings it reports differ from what was sent.
    void updateTavrin(const Tavrin2QtCfg& cfg, bool verify = true);
    // "label: sent ..., Tavrin holds ..." for every setting the unit holds otherwise than sent. Settings
    // the model cannot hold as sent (repaging apart from the acknowledge page, the rest of a button
    // switched off, seconds) are compared as the unit keeps them.
    static QStringList settingsNotTaken(const Tavrin2QtCfg& sent, const Tavrin2QtCfg& held);
    // The same comparison for a check, where nothing was sent: "label: file holds ..., Tavrin holds ...".
    static QStringList settingsNotHeld(const Tavrin2QtCfg& profile, const Tavrin2QtCfg& held);
    // Throws, naming the field, when a text of the record cannot be sent whole (too long for one
    // command, holding the field separator, a control character or a character beyond Latin-1), and
    // naming the settings when the model cannot hold them together (Tavrin II's Repage without its
    // Acknowledge page). No traffic: front ends ask before sending.
    void checkUpdateSendable(const Tavrin2QtCfg& cfg) const;
    // The same for the texts of an Alpha pager's programming.
    static void checkAlphaPagerSendable(const AlphaProgramData& data);

    // Both return false whenever they return; every failure is thrown.
    bool programAlphaPager(const AlphaProgramData& data);
    bool programZellPager(int pagerNum, int sysID, int flags);

    // Sends BL: the unit leaves its firmware for the chip's boot loader, where the flashing tool takes it.
    void startBootLoader();
    // The flashing tool's program: "batchisp" on Windows, our tavrin-flash elsewhere.
    static QString flashProgram();
    // Whether a firmware file's name fits the model; judged on the lower-cased base name.
    static bool firmwareFileNameFits(int type, const QString& path);
    // The flashing tool's argument list, program name first.
    static QStringList batchispArguments(const QString& firmwareFile);

    // The progress of an operation as this session shows it (see setProgressFactory).
    std::unique_ptr<ProgressIndicator> createProgress(const QString& label, bool modal) const;
    // Throws "Tavrin is busy with another operation." while the wait hook runs: whatever those events
    // start must not talk to the device.
    void refuseWhileBusy() const;

signals:
    // updateTavrin sent its last command and reads the unit back (on the session's thread).
    void verifyStarted();

private:
    static QStringList settingsDiffering(const Tavrin2QtCfg& sent, const Tavrin2QtCfg& held, bool wasSent);
    // The frame of one operation: the first command takes the node's lock and drops stale input; the
    // outermost frame's end releases the lock.
    class Operation
    {
    public:
        explicit Operation(Tavrin2QtComm* comm)
            : m_comm(comm)
        {
            ++m_comm->m_operationDepth;
        }
        ~Operation()
        {
            if (--m_comm->m_operationDepth == 0)
                m_comm->endOperation();
        }
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        Tavrin2QtComm* m_comm;
    };
    void endOperation();
    std::shared_ptr<HidBackend> currentBackend() const;

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
    // The answer to READ just sent; an answer cut off in the middle of a line is lost communication.
    void collectSettings(QStringList& lines);
    void runWaitHook();
    // What is known of the open unit is no longer to be trusted: the next connectTavrin opens and
    // identifies it again.
    void forgetIdentity();
    // Throws AnotherUnitAnswered when the last READ came from another unit than the one in use.
    void checkUnitInUse();
    // The message of a command the unit refused: which, what it is for, and what of the sequence is in force.
    static QString refusalMessage(const QString& keyword, const QString& what, const QString& answer);
    // The device's answer to READ into the record. Throws LostCommunication for an answer of which not one
    // line is a settings line: it was garbled on the way, and its defaults must not pass for the device's.
    static void parseDeviceSettings(Tavrin2QtCfg& cfg, const QStringList& lines, QStringList* unreported);
    // The unit read back after an update, against the record sent.
    void verifyUpdate(const Tavrin2QtCfg& sent);
    // The frame of every set and programming sequence: dialog, version check, the plan built and
    // checked before the first command, then its commands and progress steps.
    void runPlan(const QString& label, const CommandPlan& plan, QStringList& response);
    static CommandPlan dalenCommands(const Tavrin2QtCfg& cfg, const QTime& now);
    static CommandPlan tavrinIICommands(const Tavrin2QtCfg& cfg, const QTime& now);
    static CommandPlan alphaPagerCommands(const AlphaProgramData& data);
    static CommandPlan zellPagerCommands(int pagerNum, int sysID, int flags);

    std::shared_ptr<HidBackend> m_fixedBackend;
    std::unique_ptr<UsbHid> m_link;
    ProgressIndicator::Factory m_progressFactory;
    bool m_isWindowSession = false;
    int m_operationDepth = 0;
    bool m_trafficStarted = false;
    TavrinType _detectedType = Unknown;
    int m_connectionStatus = 1; // NotFound: the first search is forced
    Clock m_clock;
    WaitHook m_waitHook;
    int m_waitDepth = 0;
    QString m_serialNumber;
    QString m_unitInUse;
};
