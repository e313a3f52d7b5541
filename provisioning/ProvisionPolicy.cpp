#include "provisioning/ProvisionPolicy.h"

#include "config/CfgFieldList.h"
#include "config/DisplayText.h"
#include "protocol/Tavrin2QtComm.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/UnitNumbering.h"
#include "usb/UsbHid.h"

ProvisionPolicy::~ProvisionPolicy() = default;

QString ProvisionPolicy::outOfRangeText(const Tavrin2QtCfg& profile, const QString& profileName)
{
    const QList<CfgOutOfRange> outOfRange = CfgFieldList::outOfRangeFields(profile);
    if (outOfRange.isEmpty())
        return QString();
    QString message = tr("%1 holds values out of range; nothing was sent:").arg(profileName);
    for (const CfgOutOfRange& field : outOfRange)
        message += QStringLiteral("\n  ")
            + tr("%1: %2 (allowed: %3)").arg(field.label, displayText(field.value), field.allowed);
    return message;
}

QString ProvisionPolicy::overLimitText(const Tavrin2QtCfg& profile, const QString& profileName, bool numbered)
{
    QString lines;
    for (const CfgMessageField& field : CfgFieldList::overLimitFields(profile)) {
        if (numbered && NumberedProfile::holdsNumber(field.value))
            continue;
        lines += QStringLiteral("\n  ")
            + tr("%1: %n characters (at most %2)", nullptr, int(field.value.size()))
                  .arg(field.label)
                  .arg(field.maxLength);
    }
    if (lines.isEmpty())
        return QString();
    return tr("%1 holds messages longer than their fields take; nothing was sent:").arg(profileName) + lines;
}

ProfileRefusal ProvisionPolicy::checkProfile(const Tavrin2QtCfg& profile, const QString& profileName, bool numbered,
                                             bool placeholderAllowed)
{
    // A unit would get defaults in place of what the file says.
    const QString outOfRange = outOfRangeText(profile, profileName);
    if (!outOfRange.isNull())
        return { ProfileRefusal::Kind::OutOfRange, outOfRange };
    // A message longer than the window's field takes: the window could neither show it nor send it.
    const QString overLimit = overLimitText(profile, profileName, numbered);
    if (!overLimit.isNull())
        return { ProfileRefusal::Kind::NotSendable, overLimit };
    const bool placeholder = NumberedProfile::holdsNumber(profile);
    // Every unit would get the same literal text.
    if (!numbered && placeholder && !placeholderAllowed)
        return { ProfileRefusal::Kind::UnnumberedPlaceholder, QString() };
    // The other model's settings are never sent: checked as they would be written.
    Tavrin2QtCfg sent = profile;
    sent.replaceOutOfRangeValues();
    // The same texts for every unit; a numbered unit's own texts are checked by its worker, its number in.
    if (!numbered || !placeholder) {
        try {
            Tavrin2QtComm().checkUpdateSendable(sent);
        } catch (const UsbHidException& e) {
            return { ProfileRefusal::Kind::NotSendable, e.message() };
        }
    }
    return {};
}

std::unique_ptr<ProvisionPolicy> ProvisionPolicy::withLog(const ProvisionSettings& settings, ProfileRefusal& refusal)
{
    std::unique_ptr<ProvisionPolicy> policy(new ProvisionPolicy);
    policy->m_settings = settings;
    for (const QString& serial : settings.leaveOutSerials)
        policy->m_leftOutSerials.insert(serial);
    if (!policy->readLog(refusal))
        return nullptr;
    return policy;
}

std::unique_ptr<ProvisionPolicy> ProvisionPolicy::prepare(const ProvisionSettings& settings, ProfileRefusal& refusal)
{
    std::unique_ptr<ProvisionPolicy> policy = withLog(settings, refusal);
    if (!policy)
        return nullptr;
    // The log's numbers stay with their units: no other unit is given one of them. Only the station goes on
    // numbering from the log unasked.
    if (settings.station || settings.numberFrom || settings.numbers)
        policy->m_numbering = UnitNumbering::forRun(settings.numberFrom, settings.numbers, policy->m_history);

    refusal = checkProfile(settings.profile, settings.profileName, policy->numbered(), settings.singleUnit);
    if (refusal)
        return nullptr;
    // Sent as it is written: the other model's settings never reach a unit.
    policy->m_settings.profile.replaceOutOfRangeValues();
    return policy;
}

bool ProvisionPolicy::readLog(ProfileRefusal& refusal)
{
    QString error;
    // The hash both front ends log, so that each recognises the other's units.
    m_profileSha256 = ProvisionLog::profileSha256(m_settings.profile, error);
    if (m_profileSha256.isNull() && !m_settings.logPath.isEmpty()) {
        refusal = { ProfileRefusal::Kind::Unusable, error };
        return false;
    }
    QList<ProvisionRow> rows;
    if (!m_settings.logPath.isEmpty() && !ProvisionLog::read(m_settings.logPath, rows, error)) {
        refusal = { ProfileRefusal::Kind::Unusable, error };
        return false;
    }
    m_history = ProvisionHistory(rows);
    return true;
}

std::unique_ptr<ProvisionPolicy> ProvisionPolicy::forCheckingNumbers(const ProvisionSettings& settings,
                                                                     ProfileRefusal& refusal)
{
    return withLog(settings, refusal);
}

int ProvisionPolicy::numbersLeft() const
{
    return m_numbering && m_settings.numbers ? m_numbering->left() : -1;
}

QString ProvisionPolicy::noMoreUnitsReason() const
{
    return m_numbering && m_numbering->usedUp() ? m_numbering->noNumberLeftText() : QString();
}

int ProvisionPolicy::numberToCheck(const QString& serial, QString& why)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const int number = m_history.numberWith(serial, m_profileSha256);
    if (number <= 0) {
        why = tr("not provisioned with this profile");
        return 0;
    }
    const bool inRun = m_settings.numbers ? m_settings.numbers->contains(number)
                                          : number >= m_settings.numberFrom.value_or(UnitNumbering::FirstNumber);
    if (!inRun) {
        why = tr("numbered %1, which is not one of the numbers checked").arg(number);
        return 0;
    }
    return number;
}

std::unique_ptr<ProvisionPolicy> ProvisionPolicy::forReading(const QStringList& leaveOutSerials)
{
    std::unique_ptr<ProvisionPolicy> policy(new ProvisionPolicy);
    policy->m_settings.leaveOutSerials = leaveOutSerials;
    for (const QString& serial : leaveOutSerials)
        policy->m_leftOutSerials.insert(serial);
    return policy;
}

UnitJob ProvisionPolicy::jobFor(const QString& device, const QString& port) const
{
    UnitJob job;
    job.device = device;
    job.port = port;
    job.profile = m_settings.profile;
    job.profileName = m_settings.profileName;
    job.profileSha256 = m_profileSha256;
    job.verify = m_settings.verify;
    return job;
}

bool ProvisionPolicy::isLeftOutLocked(const QString& device, const QString& serial) const
{
    return m_leftOutDevices.contains(device) || (!serial.isEmpty() && m_leftOutSerials.contains(serial));
}

UnitDecision ProvisionPolicy::decide(UnitJob& job, const UnitOutcome& unit)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (isLeftOutLocked(job.device, unit.serial))
            return UnitDecision::leftOut([] { return leftOutText(); });
        if (job.kind == UnitJob::Kind::Read)
            return UnitDecision::proceed();
        const QString refusal = identityRefusalLocked(job.device, unit.serial);
        if (!refusal.isNull())
            return UnitDecision::fail([&] { return identityRefusalLocked(job.device, unit.serial); });
        m_serialInFlight.insert(job.device, unit.serial);
        if (m_settings.station && !m_settings.again) {
            if (const ProvisionRow* row = m_history.verifiedWith(unit.serial, m_profileSha256)) {
                // The number it carries stays its own.
                job.number = row->number;
                return UnitDecision::alreadyProvisioned(
                    [row] {
                        return tr("already provisioned with this profile on %1").arg(row->time.toString(Qt::ISODate));
                    },
                    row->time);
            }
        }
    }
    if (m_numbering) {
        QString error;
        const int number = m_numbering->acquire(unit.serial, error);
        if (number <= 0)
            return UnitDecision::fail([&] { return error; });
        job.number = number;
        job.profile = NumberedProfile::forUnit(job.profile, number);
    }
    return UnitDecision::proceed();
}

QString ProvisionPolicy::identityRefusalLocked(const QString& device, const QString& serial) const
{
    // A serial of blanks tells a unit apart no better than none.
    if (serial.trimmed().isEmpty())
        return noSerialText();
    for (auto other = m_serialInFlight.cbegin(); other != m_serialInFlight.cend(); ++other) {
        if (other.value() == serial && other.key() != device)
            return sameSerialText(other.key(), serial);
    }
    return QString();
}

void ProvisionPolicy::ended(const UnitOutcome& outcome)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_serialInFlight.remove(outcome.device);
    }
    if (!m_numbering || outcome.number <= 0 || outcome.isSkip())
        return;
    // Once its first set command was sent, the unit may carry its number, verified or not.
    if (outcome.setCommandsSent)
        m_numbering->confirm(outcome.serial);
    else
        m_numbering->release(outcome.serial);
}

void ProvisionPolicy::logged(const ProvisionRow& row)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_history.add(row);
}

void ProvisionPolicy::leaveOutNode(const QString& device, const QString& serial)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_leftOutDevices.insert(device);
    if (!serial.isEmpty())
        m_leftOutSerials.insert(serial);
}

void ProvisionPolicy::nodePlugged(const QString& device)
{
    // A node is left out for the unit plugged in there, not for the next one.
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_leftOutDevices.remove(device);
}

bool ProvisionPolicy::isLeftOut(const QString& device, const QString& serial)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return isLeftOutLocked(device, serial);
}

int ProvisionPolicy::numberOf(const QString& serial)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_history.numberOf(serial);
}
