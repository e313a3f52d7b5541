// Writing settings and programming pagers: each operation's command sequence is planned in full,
// checked, and only then sent.
#include "protocol/Tavrin2QtComm.h"

#include "protocol/CommandPlan.h"
#include "usb/UsbHid.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {
constexpr int SetWindowMs = 100;
constexpr int LongSetWindowMs = 200;
constexpr int AlphaPagerWindowMs = 2000;
constexpr int ZellPagerWindowMs = 10000;
constexpr int TavrinIIInputIndex = 5;
constexpr int TavrinIIButtonEntries = 6;
constexpr int TavrinIIAutoOnOffEntries = 3;
// The device's "no pager" for a group and its "no time" for an automatic on/off time.
constexpr int NoGroupPager = 99;
constexpr int NoTime = 255;

QString number(int value)
{
    return QString::number(value);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString joined(const QStringList& fields)
{
    return fields.join(QLatin1Char(','));
}

QString finished(const char* keyword)
{
    return QStringLiteral("Finished %1 read()").arg(QLatin1String(keyword));
}

// The hour and minute of the clock, two digits each, 24-hour.
QString clockFields(const QTime& now)
{
    return now.toString(QStringLiteral("hh")) + QLatin1Char(',') + now.toString(QStringLiteral("mm"));
}

[[noreturn]] void fail(int code)
{
    throw UsbHidException([&]() -> QString { return UsbHid::errorText(code); });
}

// The message field of a Tavrin II button: by its pager type, a Zell message number, the Alpha text or nothing.
QString tavrinIIMessage(const TavrinIIButton& button)
{
    switch (button.type()) {
    case TavrinIIButton::ZellType:
        return number(button.zellMsgInt());
    case TavrinIIButton::AlphaType:
        return button.alphaMsg();
    default:
        return QString();
    }
}

void addTavrinIIButton(CommandPlan& plan, int index, const TavrinIIButton& button)
{
    const bool input = index == TavrinIIInputIndex;
    QStringList fields { input ? QStringLiteral("SINP0") : QStringLiteral("SBUT%1").arg(index),
                         flag(button.buttonEnabled()) };
    const QString trace = QStringLiteral("finished prog tavrin_cfg.tavrinIIButtonVectorAtIndex(%1)").arg(index);
    const QString setting = input ? Tavrin2QtComm::tr("External input") : Tavrin2QtComm::tr("Button %1").arg(index + 1);
    if (!button.buttonEnabled()) {
        plan.send(joined(fields), SetWindowMs, trace, setting);
        return;
    }
    const QString message = tavrinIIMessage(button);
    fields << number(button.pagerNum()) << number(button.type()) << message << number(button.mode());
    if (input)
        fields << number(button.extInputSetting());
    const QString name = input ? Tavrin2QtComm::tr("The Alpha message of the External input")
                               : Tavrin2QtComm::tr("The Alpha message of Button %1").arg(index + 1);
    if (button.type() == TavrinIIButton::AlphaType)
        plan.sendText(joined(fields), SetWindowMs, trace, setting, message, name);
    else
        plan.send(joined(fields), SetWindowMs, trace, setting);
}

QString autoOnOffFields(bool enabled, const QTime& time)
{
    return enabled ? number(time.hour()) + QLatin1Char(',') + number(time.minute())
                   : number(NoTime) + QLatin1Char(',') + number(NoTime);
}

QString lockoutTimeField(const Tavrin2QtCfg& cfg)
{
    switch (cfg.lockoutTimeMode()) {
    case 0:
        return QStringLiteral("0");
    case 1:
        // The device's code for a lockout without time limit.
        return QStringLiteral("180");
    case 2:
        return number(cfg.lockoutTime());
    default:
        return QString();
    }
}

} // namespace

void Tavrin2QtComm::updateTavrin(const Tavrin2QtCfg& cfg, bool verify)
{
    const Operation operation(this);
    QStringList response;
    // A field that cannot be sent whole refuses the update before any traffic at all.
    const CommandPlan plan = updateCommands(cfg);
    plan.checkSendable();
    const bool supported = softwareSupported();
    // Nothing is set in a unit other than the one in use.
    checkUnitInUse();
    if (!supported)
        fail(UnsupportedVersion);
    const TavrinType detected = detectedTavrinType();
    if (cfg.tavrinType() != detected) {
        const auto message = [&]() -> QString {
            return tr("You are trying to program a %1\ndevice with the %2 UI selected.")
                .arg(tavrinTypeName(detected), tavrinTypeName(cfg.tavrinType()));
        };
        qCDebug(lcProtocol, "exception_str: %s", qUtf8Printable(message()));
        throw UsbHidException(message);
    }
    switch (cfg.tavrinType()) {
    case DalenTavrin:
    case DalenTavrin2Button:
        updateDalenTavrin(plan, response);
        break;
    case TavrinII:
        updateTavrinII(plan, response);
        break;
    default:
        break;
    }
    checkResponse(response);
    if (verify) {
        emit verifyStarted();
        verifyUpdate(cfg);
    }
}

void Tavrin2QtComm::checkUpdateSendable(const Tavrin2QtCfg& cfg) const
{
    updateCommands(cfg).checkSendable();
    // Tavrin II keeps one switch for both, set by the acknowledge page's command, which comes last: the
    // update would pass its check and leave Repage off.
    if (cfg.tavrinType() == TavrinII && cfg.repageEnabled() && !cfg.ackPageEnabled()) {
        throw UsbHidException([&]() -> QString {
            return tr("Repage is on but the Acknowledge page is off: Tavrin II switches both with one "
                      "setting, so Repage would be off after the update.\nPlease turn the Acknowledge "
                      "page on, or Repage off; nothing was sent.");
        });
    }
}

void Tavrin2QtComm::checkAlphaPagerSendable(const AlphaProgramData& data)
{
    alphaPagerCommands(data).checkSendable();
}

CommandPlan Tavrin2QtComm::updateCommands(const Tavrin2QtCfg& cfg) const
{
    switch (cfg.tavrinType()) {
    case DalenTavrin:
    case DalenTavrin2Button:
        return dalenCommands(cfg, m_clock());
    case TavrinII:
        return tavrinIICommands(cfg, m_clock());
    default:
        return CommandPlan();
    }
}

void Tavrin2QtComm::updateDalenTavrin(const CommandPlan& plan, QStringList& response)
{
    runPlan(tr("Updating Dalen Tavrin..."), plan, response);
}

void Tavrin2QtComm::updateTavrinII(const CommandPlan& plan, QStringList& response)
{
    runPlan(tr("Updating Tavrin II..."), plan, response);
}

bool Tavrin2QtComm::programAlphaPager(const AlphaProgramData& data)
{
    const Operation operation(this);
    QStringList response;
    runPlan(tr("Programming pager..."), alphaPagerCommands(data), response);
    checkResponse(response);
    return false;
}

bool Tavrin2QtComm::programZellPager(int pagerNum, int sysID, int flags)
{
    const Operation operation(this);
    QStringList response;
    runPlan(tr("Programming pager..."), zellPagerCommands(pagerNum, sysID, flags), response);
    checkResponse(response);
    return false;
}

void Tavrin2QtComm::runPlan(const QString& label, const CommandPlan& plan, QStringList& response)
{
    // Checked whole before any traffic, the version check's included.
    plan.checkSendable();
    const std::unique_ptr<ProgressIndicator> progress = createProgress(label, false);
    const bool supported = softwareSupported();
    checkUnitInUse();
    if (!supported)
        fail(UnsupportedVersion);

    progress->setCaption(tr("Please Wait"));
    progress->show();
    progress->setTotalSteps(plan.totalSteps());
    int value = plan.firstProgress();
    progress->setProgress(value);
    for (const CommandPlan::Entry& entry : plan.entries()) {
        const qsizetype answered = response.size();
        if (entry.command.isEmpty())
            progress->setProgress(++value);
        else
            exchange(entry.command, entry.windowMs, response);
        if (!entry.trace.isEmpty())
            qCDebug(lcProtocol, "%s", qUtf8Printable(entry.trace));
        // A refusal stops the sequence: the commands after it would change a unit in an unknown state.
        for (const QString& line : response.mid(answered)) {
            if (isErrorAnswer(line))
                throw UsbHidException([&]() -> QString {
                    return refusalMessage(entry.command.section(QLatin1Char(','), 0, 0), entry.setting, line);
                });
        }
    }
}

CommandPlan Tavrin2QtComm::dalenCommands(const Tavrin2QtCfg& cfg, const QTime& now)
{
    const bool twoButton = cfg.tavrinType() == DalenTavrin2Button;
    // The window titles the groups "Button" (one button), or "Button 2" and "Button 1" (two buttons).
    const QString button1Name = twoButton ? tr("The message of Button 2") : tr("The message of the Button");
    const QString button2Name = tr("The message of Button 1");
    const QString message1 = cfg.dtBtn1SettingMsg();
    const QString message2 = cfg.dtBtn2SettingMsg();
    const QString field1 = message1 + dtModeCode(cfg.dtBtn1Mode());
    const QString field2 = message2 + dtModeCode(cfg.dtBtn2Mode());
    const auto button = [](int index, int pager, const QString& field) {
        return joined({ QStringLiteral("SBUT%1").arg(index), QStringLiteral("1"), number(pager), QStringLiteral("1"),
                        field, QStringLiteral("0") });
    };

    // What the refusal of a command names: the buttons as the window titles them.
    const QString button1 = twoButton ? tr("Button 2") : tr("Button");
    const QString button2 = tr("Button 1");
    const QString unused = tr("An unused button, switched off");

    CommandPlan plan(15, 0);
    plan.send(QStringLiteral("UID,") + number(cfg.dtTavrinID()), SetWindowMs, finished("UID"), tr("Dalen Tavrin ID"));
    // Hour and minute, as the Tavrin II takes them.
    plan.send(QStringLiteral("SETT,") + clockFields(now), SetWindowMs, QString(), tr("Clock"));
    plan.step();
    plan.send(QStringLiteral("RID,") + number(cfg.dtSysID()), SetWindowMs, finished("RID"), tr("System ID"));
    plan.step();
    const auto dalenButton = CommandPlan::TextKind::DalenButtonMessage;
    if (twoButton)
        plan.sendText(button(0, cfg.dtBtn1PagerNum(), field1), SetWindowMs, finished("SBUT0"), button1, message1,
                      button1Name, dalenButton);
    else
        plan.send(QStringLiteral("SBUT0,0"), SetWindowMs, finished("SBUT0"), unused);
    plan.step();
    if (twoButton)
        plan.sendText(button(1, cfg.dtBtn2PagerNum(), field2), SetWindowMs, finished("SBUT1"), button2, message2,
                      button2Name, dalenButton);
    else
        plan.sendText(button(1, cfg.dtBtn1PagerNum(), field1), SetWindowMs, finished("SBUT1"), button1, message1,
                      button1Name, dalenButton);
    plan.step();
    for (const char* off : { "SBUT2", "SBUT3", "SBUT4", "SINP0" }) {
        plan.send(QLatin1String(off) + QStringLiteral(",0"), SetWindowMs, finished(off), unused);
        plan.step();
    }
    plan.send(QStringLiteral("SRPG,") + number(cfg.dtRepageInterval()), SetWindowMs, finished("SPRG"),
              tr("Repage interval"));
    plan.step();
    plan.send(QStringLiteral("SACKPGR,") + flag(cfg.dtRepageEnabled()), SetWindowMs, finished("SACKPGR"),
              tr("Repage enabled"));
    plan.step();
    plan.send(QStringLiteral("GPEN,") + flag(cfg.dtEnableGrpPaging()), SetWindowMs, finished("GPEN"),
              tr("Group paging enabled"));
    plan.step();
    plan.send(QStringLiteral("BEEP,") + flag(cfg.dtBeepEnabled()), SetWindowMs, finished("BEEP"), tr("Beep enabled"));
    plan.step();
    plan.sendText(joined({ QStringLiteral("SLOWBAT"), flag(cfg.dtLowBatteryPageEnabled()),
                           number(cfg.dtLowBatteryPager()), cfg.dtLowBatteryPageMsg() }),
                  LongSetWindowMs, finished("SLOWBAT"), tr("Low battery page"), cfg.dtLowBatteryPageMsg(),
                  tr("The Low battery page message"));
    plan.step();
    plan.send(joined({ QStringLiteral("SECPGR"), flag(cfg.dtSecondaryPageEnabled()), number(cfg.dtSecondaryPager()) }),
              SetWindowMs, finished("SECPGR"), tr("Secondary page"));
    plan.step();
    // The cancel message belongs to the secondary page: without it the device must not send one.
    const bool cancelMessage = cfg.dtSecondaryPageEnabled() && cfg.dtCancelMsgEnabled();
    plan.sendText(joined({ QStringLiteral("CNCLMSG"), flag(cancelMessage), cfg.dtCancelMsg() }), SetWindowMs,
                  finished("CNCLMSG"), tr("Cancel message"), cfg.dtCancelMsg(), tr("The Cancel message"));
    return plan;
}

CommandPlan Tavrin2QtComm::tavrinIICommands(const Tavrin2QtCfg& cfg, const QTime& now)
{
    const int buttons = cfg.tavrinIIButtonCount();
    const int autoOnOffTimes = cfg.tavrinIIAutoOnOffTimeCount();
    // A record from an edited file may lack entries: refuse it whole rather than send part of it.
    if (buttons < TavrinIIButtonEntries || autoOnOffTimes < TavrinIIAutoOnOffEntries) {
        throw UsbHidException([&]() -> QString {
            return tr("These settings hold %1 button entries and %2 automatic on/off times; Tavrin II "
                      "needs %3 and %4.\nNothing was sent.")
                .arg(buttons)
                .arg(autoOnOffTimes)
                .arg(TavrinIIButtonEntries)
                .arg(TavrinIIAutoOnOffEntries);
        });
    }

    CommandPlan plan(7 + buttons + autoOnOffTimes, 0);
    plan.step();
    const QString clock = QStringLiteral("SETT,") + clockFields(now);
    plan.send(clock, SetWindowMs, QStringLiteral("Wrote for current time %1").arg(clock), tr("Clock"));
    plan.send(QStringLiteral("RID,") + number(cfg.sysID()), SetWindowMs, finished("RID"), tr("System ID"));
    for (int i = 0; i < buttons; ++i) {
        plan.step();
        if (i > TavrinIIInputIndex) {
            qCWarning(lcProtocol, "trying to program an invalid Tavrin II button");
            break;
        }
        addTavrinIIButton(plan, i, cfg.tavrinIIButtonVectorAtIndex(i));
    }
    plan.step();
    plan.send(QStringLiteral("SRPG,") + number(cfg.repageInterval()), SetWindowMs, finished("SPRG"),
              tr("Repage interval"));
    plan.step();
    plan.send(QStringLiteral("SACKPGR,") + flag(cfg.repageEnabled()), SetWindowMs, finished("SACKPGR"),
              tr("Repage enabled"));
    plan.step();
    plan.send(QStringLiteral("GPEN,") + flag(cfg.enableGrpPaging()), SetWindowMs, finished("GPEN"),
              tr("Group paging enabled"));
    plan.step();
    plan.sendText(joined({ QStringLiteral("SLOWBAT"), flag(cfg.lowBatteryPageEnabled()), number(cfg.lowBatteryPager()),
                           cfg.lowBatteryPageMsg() }),
                  LongSetWindowMs, finished("SLOWBAT"), tr("Low battery page"), cfg.lowBatteryPageMsg(),
                  tr("The Low battery page message"));
    plan.sendText(
        joined({ QStringLiteral("SACKPGR"), flag(cfg.ackPageEnabled()), number(cfg.ackPager()), cfg.ackPageMsg() }),
        LongSetWindowMs, finished("ACKPGR"), tr("Acknowledge page"), cfg.ackPageMsg(),
        tr("The Acknowledge page message"));
    for (int j = 0; j < autoOnOffTimes; ++j) {
        const Tavrin2QtCfg::TavrinIIAutoOnOffTime time = cfg.tavrinIIAutoOnOffTimeVectorAtIndex(j);
        plan.step();
        plan.send(QStringLiteral("SONT%1,").arg(j) + autoOnOffFields(time.isEnabled(), time.autoOnTime()), SetWindowMs,
                  QStringLiteral("Finished SONT%1 read()").arg(j), tr("Auto on/off %1 on time").arg(j + 1));
        plan.send(QStringLiteral("SOFFT%1,").arg(j) + autoOnOffFields(time.isEnabled(), time.autoOffTime()),
                  SetWindowMs, QStringLiteral("Finished SOFFT%1 read()").arg(j),
                  tr("Auto on/off %1 off time").arg(j + 1));
    }
    plan.step();
    plan.send(joined({ QStringLiteral("SLOCK"), number(cfg.extInputDisable1()), number(cfg.extInputDisable2()),
                       number(cfg.extInputDisable3()), QStringLiteral("0"), QStringLiteral("0") }),
              SetWindowMs, finished("SLOCK"), tr("Lockout sequence"));
    plan.step();
    plan.send(QStringLiteral("SLCKT,") + lockoutTimeField(cfg), SetWindowMs, finished("SLCKT"), tr("Lockout time"));
    return plan;
}

CommandPlan Tavrin2QtComm::alphaPagerCommands(const AlphaProgramData& data)
{
    const int groups = int(data.groupModelVector.size());
    CommandPlan plan(groups + 2, 1);
    plan.send(joined({ QStringLiteral("FPROG"), number(data.pagerNum), number(data.allPageID), number(data.sysID) }),
              AlphaPagerWindowMs, finished("FPROG"), tr("Pager number, all-page ID and system ID"));
    plan.step();
    plan.sendText(QStringLiteral("WPROG,") + data.welcomeMsg, AlphaPagerWindowMs, finished("WPROG"),
                  tr("Welcome message"), data.welcomeMsg, tr("The Welcome message"), CommandPlan::TextKind::Lines);
    for (int i = 0; i < groups; ++i) {
        const GroupModel& group = data.groupModelVector.at(std::size_t(i));
        const QString groupNumber = number(i + 1);
        plan.step(QStringLiteral("alpha_program_data._groupModelVector.at(%1)").arg(i));
        if (data.grpPagingEnabled) {
            plan.sendText(joined({ QStringLiteral("GNPROG"), groupNumber, group.name }), AlphaPagerWindowMs,
                          finished("GNPROG"), tr("Group %1 name").arg(i + 1), group.name,
                          tr("The Group %1 name").arg(i + 1));
        }
        const int pager = data.grpPagingEnabled && group.pagerNum != 0 ? group.pagerNum : NoGroupPager;
        plan.send(joined({ QStringLiteral("GPROG"), groupNumber, number(pager) }), AlphaPagerWindowMs,
                  finished("GPROG"), tr("Group %1 pager").arg(i + 1));
    }
    return plan;
}

CommandPlan Tavrin2QtComm::zellPagerCommands(int pagerNum, int sysID, int flags)
{
    CommandPlan plan(2, 1);
    plan.send(joined({ QStringLiteral("LPROG"), number(pagerNum), number(sysID), number(flags) }), ZellPagerWindowMs,
              QStringLiteral("Finished LPROG"), tr("Pager number, system ID and options"));
    plan.step();
    return plan;
}
