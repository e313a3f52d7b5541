#include "provisioning/UnitWorker.h"

#include "config/CfgFieldList.h"
#include "provisioning/ProvisionLog.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/TavrinFinder.h"
#include "usb/UsbHid.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcProvision, "tavrin.provision")

namespace {
// A failure's text on one line, its sentences kept.
QString reasonOf(const QString& text)
{
    return ProvisionLog::sentencesOnOneLine(text);
}
} // namespace

std::optional<ProvisionRow::Result> UnitOutcome::logResult() const
{
    switch (state) {
    case UnitState::Verified:
        return ProvisionRow::Result::Verified;
    case UnitState::WrittenUnverified:
        return ProvisionRow::Result::WrittenUnverified;
    case UnitState::Failed:
    case UnitState::Unplugged:
        return ProvisionRow::Result::Failed;
    default:
        return std::nullopt;
    }
}

UnitWorker::UnitWorker(const UnitJob& job, std::shared_ptr<HidBackend> backend, QObject* parent)
    : QObject(parent)
    , m_job(job)
    , m_backend(backend ? std::move(backend) : UsbHid::sharedBackend())
{
    qRegisterMetaType<UnitOutcome>();
    qRegisterMetaType<UnitState>();
}

UnitWorker::~UnitWorker() = default;

QString UnitWorker::numberedReason(int number, const QString& reason)
{
    if (number <= 0)
        return reason;
    return QCoreApplication::translate("UnitWorker", "With number %1: %2").arg(number).arg(reason);
}

void UnitWorker::run()
{
    UnitOutcome outcome;
    try {
        outcome = work();
    } catch (...) {
        // work() handles what the session throws; anything else must still end the unit.
        outcome.device = m_job.device;
        outcome.port = m_job.port;
        outcome.number = m_job.number;
        outcome.profileName = m_job.profileName;
        outcome.profileSha256 = m_job.profileSha256;
        outcome.state = UnitState::Failed;
        const auto reason = [] { return QCoreApplication::translate("UnitWorker", "Unexpected failure."); };
        outcome.message = reason();
        outcome.englishMessage = inEnglish(reason);
    }
    emit finished(outcome);
}

UnitOutcome UnitWorker::work()
{
    UnitOutcome outcome;
    outcome.device = m_job.device;
    outcome.port = m_job.port;
    outcome.number = m_job.number;
    outcome.profileName = m_job.profileName;
    outcome.profileSha256 = m_job.profileSha256;

    Tavrin2QtComm comm(m_backend);
    UsbHid* link = comm.link();
    // From the open on, the time is the unit's (a virtual unit's own clock); before it and after a failure
    // closed the handle, the system's.
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 openedMs = -1;
    qint64 openedUnitMs = 0;
    // message in the user's language, english for the log and JSON output.
    const auto finish = [&](UnitState end, const QString& message, const QString& english) {
        // A unit found gone stays Unplugged.
        if (outcome.state != UnitState::Unplugged)
            outcome.state = end;
        outcome.message = reasonOf(message);
        outcome.englishMessage = reasonOf(english);
        outcome.number = m_job.number;
        qint64 ms = elapsed.elapsed();
        if (openedMs >= 0)
            ms = openedMs + (link->isOpen() ? link->nowMs() - openedUnitMs : ms - openedMs);
        outcome.seconds = double(ms) / 1000.0;
        return outcome;
    };

    try {
        emit stage(m_job.device, UnitState::Identifying, 0);
        // This unit only: another one plugged in meanwhile is never taken for it.
        comm.chooseUnit(m_job.device);
        const TavrinType model = comm.connectTavrin();
        openedMs = elapsed.elapsed();
        openedUnitMs = link->nowMs();
        const bool readOnly = m_job.kind == UnitJob::Kind::Read;
        const Tavrin2QtCfg reported = comm.readTavrinNoGui(readOnly ? &outcome.unreported : nullptr);
        // Names stay English in every language, in the log and JSON output too.
        outcome.model = inEnglish([&] { return Tavrin2QtComm::tavrinTypeName(model); });
        outcome.firmware = reported.firmware();
        outcome.serial = reported.serNum();
        emit identified(outcome.device, outcome.serial, outcome.model, outcome.firmware);
        if (readOnly) {
            outcome.held = reported;
            if (m_decide) {
                const UnitDecision decision = m_decide(m_job, outcome);
                if (decision.end)
                    return finish(*decision.end, decision.reason, decision.englishReason);
            }
            return finish(UnitState::Read, QString(), QString());
        }

        const auto otherModel = [&]() -> QString {
            if (m_job.profile.tavrinType() == model)
                return QString();
            return tr("This unit is a %1 and the profile is for a %2; nothing was sent.")
                .arg(Tavrin2QtComm::tavrinTypeName(model), Tavrin2QtComm::tavrinTypeName(m_job.profile.tavrinType()));
        };
        // Before the caller's word: a unit of another model uses up no number.
        QString refusal = otherModel();
        if (!refusal.isEmpty())
            return finish(UnitState::Failed, refusal, inEnglish(otherModel));
        if (m_decide) {
            const UnitDecision decision = m_decide(m_job, outcome);
            if (decision.end) {
                outcome.provisionedOn = decision.provisionedOn;
                return finish(*decision.end, decision.reason, decision.englishReason);
            }
            refusal = otherModel();
            if (!refusal.isEmpty())
                return finish(UnitState::Failed, refusal, inEnglish(otherModel));
        }
        // The unit's own texts (its number put in) must fit before anything is sent to it: in their fields, and
        // on the unit's command line.
        const QList<CfgMessageField> overLimit = CfgFieldList::overLimitFields(m_job.profile);
        if (!overLimit.isEmpty()) {
            const CfgMessageField& text = overLimit.constFirst();
            const auto tooLong = [&] {
                return numberedReason(m_job.number,
                                      tr("The %1 is %n characters long; its field takes at most %2. "
                                         "Nothing was sent.",
                                         nullptr, int(text.value.size()))
                                          .arg(text.label)
                                          .arg(text.maxLength));
            };
            return finish(UnitState::Failed, tooLong(), inEnglish(tooLong));
        }
        try {
            comm.checkUpdateSendable(m_job.profile);
        } catch (const UsbHidException& e) {
            return finish(UnitState::Failed, numberedReason(m_job.number, e.message()),
                          inEnglish([&] { return numberedReason(m_job.number, e.english()); }));
        }

        emit stage(m_job.device, UnitState::Writing, m_job.number);
        outcome.setCommandsSent = true;
        connect(&comm, &Tavrin2QtComm::verifyStarted, this,
                [this] { emit stage(m_job.device, UnitState::Verifying, m_job.number); });
        comm.updateTavrin(m_job.profile, m_job.verify);
        return finish(m_job.verify ? UnitState::Verified : UnitState::WrittenUnverified, QString(), QString());
    } catch (const UsbHidException& e) {
        qCDebug(lcProvision, "%s failed: %s", qUtf8Printable(m_job.device), qUtf8Printable(e.message()));
        const bool gone = nodeGone();
        return finish(UnitState::Failed, failureReason(outcome, gone, e.message()),
                      inEnglish([&] { return failureReason(outcome, gone, e.english()); }));
    } catch (const std::exception& e) {
        const bool gone = nodeGone();
        const QString reason = QString::fromUtf8(e.what());
        return finish(UnitState::Failed, failureReason(outcome, gone, reason),
                      inEnglish([&] { return failureReason(outcome, gone, reason); }));
    }
}

QString UnitWorker::failureReason(UnitOutcome& outcome, bool gone, const QString& reason)
{
    if (!gone)
        return reason;
    outcome.state = UnitState::Unplugged;
    // What the link says of a vanished handle is the same as for a unit that stopped answering.
    return outcome.setCommandsSent ? unpluggedText() + QStringLiteral(": ") + reason
                                   : tr("unplugged") + QStringLiteral(": ") + reason;
}

bool UnitWorker::nodeGone() const
{
    try {
        for (const UsbHid::Unit& unit : TavrinFinder(m_backend).attachedUnits()) {
            if (unit.path == m_job.device)
                return false;
        }
        return true;
    } catch (const UsbHidException&) {
        return false;
    }
}
