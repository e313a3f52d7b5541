#include "cli/CliAllUnits.h"

#include "cli/CliCommandLine.h"
#include "cli/SettingsPrinter.h"
#include "config/CfgFile.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/ProvisionTally.h"
#include "provisioning/UnitNumbering.h"
#include "provisioning/WorkerPool.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/TavrinFinder.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {
QString secondsText(double seconds)
{
    return QString::number(seconds, 'f', 1);
}

QJsonValue numberValue(int number)
{
    return number > 0 ? QJsonValue(number) : QJsonValue();
}

QString jsonLine(const QJsonObject& object)
{
    // JSON escapes C0 but leaves DEL and C1 (0x9B is a terminal's CSI) as they are; escaped, they are the
    // same string to a reader.
    const QString line = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    QString text;
    text.reserve(line.size());
    for (const QChar c : line) {
        if (c.unicode() >= 0x7F && c.unicode() <= 0x9F)
            text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text;
}

// A serial number that can name a file as it stands: no separator, no "..", nothing a shell would mangle.
bool fitsFileName(const QString& serial)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_-]*$"));
    return plain.match(serial).hasMatch();
}
} // namespace

CliAllUnits::CliAllUnits(const CliCommandLine& commandLine, QTextStream& out, QTextStream& err)
    : m_commandLine(commandLine)
    , m_out(out)
    , m_err(err)
{
}

CliAllUnits::~CliAllUnits() = default;

QString CliAllUnits::unitLabel(int number, const QString& device, const QString& port, const QString& model,
                               const QString& serial)
{
    QString label = number > 0 ? QStringLiteral("#%1 ").arg(number) : QString();
    label += device;
    if (!port.isEmpty())
        label += tr(" (port %1)").arg(port);
    if (!model.isEmpty())
        label += QLatin1Char(' ') + SettingsPrinter::displayText(model);
    if (!serial.isEmpty())
        label += QLatin1Char(' ') + SettingsPrinter::displayText(serial);
    return label;
}

QString CliAllUnits::unitLine(bool json, const UnitNames& unit, const QString& result, const QString& message,
                              QJsonObject fields, int number, const QString& text)
{
    if (json) {
        fields.insert(QStringLiteral("device"), unit.device);
        fields.insert(QStringLiteral("port"), unit.port);
        fields.insert(QStringLiteral("serial"), unit.serial);
        fields.insert(QStringLiteral("model"), unit.model);
        fields.insert(QStringLiteral("firmware"), unit.firmware);
        fields.insert(QStringLiteral("result"), result);
        fields.insert(QStringLiteral("message"), message);
        return jsonLine(fields);
    }
    return unitLabel(number, unit.device, unit.port, unit.model, unit.serial) + QStringLiteral(": ") + text;
}

QString CliAllUnits::summaryLine(bool json, QJsonObject counts, int skipped, QString text)
{
    if (json) {
        counts.insert(QStringLiteral("summary"), true);
        counts.insert(QStringLiteral("skipped"), skipped);
        return jsonLine(counts);
    }
    if (skipped > 0)
        text += tr(", %1 skipped").arg(skipped);
    return text;
}

QString CliAllUnits::writingLine(const UnitNames& unit, int number, bool json)
{
    if (!json)
        return unitLabel(number, unit.device, unit.port, unit.model, unit.serial) + QStringLiteral(": ")
            + tr("writing...");
    return jsonLine({ { QStringLiteral("event"), QStringLiteral("writing") },
                      { QStringLiteral("device"), unit.device },
                      { QStringLiteral("port"), unit.port },
                      { QStringLiteral("serial"), unit.serial },
                      { QStringLiteral("model"), unit.model },
                      { QStringLiteral("firmware"), unit.firmware },
                      { QStringLiteral("number"), numberValue(number) } });
}

QString CliAllUnits::waitingLine(bool json, int toDo)
{
    if (json) {
        QJsonObject waiting { { QStringLiteral("event"), QStringLiteral("waiting") } };
        if (toDo >= 0)
            waiting.insert(QStringLiteral("toDo"), toDo);
        return jsonLine(waiting);
    }
    if (toDo >= 0)
        return tr("Waiting for units (%1 to do); Ctrl+C to stop.").arg(toDo);
    return tr("Waiting for units; Ctrl+C to stop.");
}

QString CliAllUnits::unitLine(const UnitOutcome& outcome, bool json, const QString& event)
{
    QString text;
    QString result;
    // The command line leaves units out by its option.
    const auto leftOut = [] { return tr("left out (--exclude-serial)"); };
    const QString message = outcome.state == UnitState::LeftOut ? leftOut() : outcome.message;
    // JSON reads the same in every language.
    const QString englishMessage = outcome.state == UnitState::LeftOut ? inEnglish(leftOut) : outcome.englishMessage;
    if (outcome.isSkip()) {
        text = tr("skipped: %1").arg(SettingsPrinter::displayText(message));
        result = QStringLiteral("skipped");
    } else if (outcome.isFailure()) {
        const QString reason
            = outcome.holdsNumber() ? UnitWorker::withHeldNumber(outcome.message, outcome.number) : outcome.message;
        text = tr("FAILED: %1").arg(SettingsPrinter::displayText(reason));
        result = ProvisionLog::resultName(ProvisionRow::Result::Failed);
    } else {
        const bool verified = outcome.state == UnitState::Verified;
        text = (verified ? tr("written and verified (%1 s)") : tr("written (not verified) (%1 s)"))
                   .arg(secondsText(outcome.seconds));
        result = ProvisionLog::resultName(verified ? ProvisionRow::Result::Verified
                                                   : ProvisionRow::Result::WrittenUnverified);
    }
    return unitLine(json, namesOf(outcome), result, englishMessage,
                    event.isEmpty() ? QJsonObject { { QStringLiteral("seconds"), outcome.seconds },
                                                    { QStringLiteral("number"), numberValue(outcome.number) } }
                                    : QJsonObject { { QStringLiteral("seconds"), outcome.seconds },
                                                    { QStringLiteral("number"), numberValue(outcome.number) },
                                                    { QStringLiteral("event"), event } },
                    outcome.number, text);
}

QString CliAllUnits::summaryLine(bool json, bool verify, const ProvisionTally& tally, int toDo)
{
    const ProvisionRow::Result doneResult
        = verify ? ProvisionRow::Result::Verified : ProvisionRow::Result::WrittenUnverified;
    QJsonObject counts { { ProvisionLog::resultName(doneResult), tally.written() },
                         { QStringLiteral("failed"), tally.failed() } };
    if (toDo >= 0)
        counts.insert(QStringLiteral("toDo"), toDo);
    QString line
        = summaryLine(json, counts, tally.skipped(),
                      (verify ? tr("%1 written and verified, %2 failed") : tr("%1 written (not verified), %2 failed"))
                          .arg(tally.written())
                          .arg(tally.failed()));
    if (!json && toDo >= 0)
        line += tr(", %1 to do").arg(toDo);
    return line;
}

CliAllUnits::UnitNames CliAllUnits::namesOf(const UnitOutcome& unit)
{
    return { unit.device, unit.port, unit.serial, unit.model, unit.firmware };
}

ProvisionSettings CliAllUnits::settingsFor(const CliCommandLine& commandLine, const QString& path,
                                           const Tavrin2QtCfg& profile)
{
    ProvisionSettings settings;
    settings.profile = profile;
    settings.profileName = QFileInfo(path).fileName();
    // Resolved against the current folder, so that every message names the file in full.
    settings.logPath = commandLine.value(QStringLiteral("log"));
    if (!settings.logPath.isEmpty())
        settings.logPath = QFileInfo(settings.logPath).absoluteFilePath();
    settings.leaveOutSerials = commandLine.values(QStringLiteral("exclude-serial"));
    settings.again = commandLine.isSet(QStringLiteral("again"));
    settings.verify = !commandLine.isSet(QStringLiteral("no-verify"));
    QString error;
    if (commandLine.isSet(QStringLiteral("number-from"))) {
        settings.numberFrom = UnitNumbering::parseFirst(commandLine.value(QStringLiteral("number-from")), error);
        if (!settings.numberFrom)
            throw CliFailure::usage(error);
    } else if (commandLine.isSet(QStringLiteral("numbers"))) {
        settings.numbers = UnitNumbering::parseList(commandLine.value(QStringLiteral("numbers")), error);
        if (!settings.numbers)
            throw CliFailure::usage(error);
    }
    return settings;
}

void CliAllUnits::refuse(const ProfileRefusal& refusal, const QString& path)
{
    if (refusal.kind == ProfileRefusal::Kind::UnnumberedPlaceholder)
        throw CliFailure::failure(tr("%1 holds {n} in a message text, but the units are not numbered; nothing "
                                     "was sent. Number them with --number-from N or --numbers LIST.")
                                      .arg(path));
    throw CliFailure::failure(refusal.message);
}

bool CliAllUnits::json() const
{
    return m_commandLine.isSet(QStringLiteral("json"));
}

void CliAllUnits::printLine(const QString& text)
{
    m_out << text << '\n';
    // Each unit's line as it finishes, also into a pipe.
    m_out.flush();
}

std::vector<UsbHid::Unit> CliAllUnits::attachedOrFail()
{
    std::vector<UsbHid::Unit> units = TavrinFinder(UsbHid::sharedBackend()).attachedUnits();
    if (units.empty())
        throw CliFailure::failure(tr("No Tavrin device found"));
    return units;
}

CliExitStatus CliAllUnits::writeAll(const QString& path, const Tavrin2QtCfg& profile)
{
    const std::vector<UsbHid::Unit> units = attachedOrFail();
    return provision(path, profile, QList<UsbHid::Unit>(units.begin(), units.end()), true);
}

CliExitStatus CliAllUnits::writeOne(const QString& path, const Tavrin2QtCfg& profile, const UsbHid::Unit& unit)
{
    return provision(path, profile, { unit }, false);
}

CliExitStatus CliAllUnits::provision(const QString& path, const Tavrin2QtCfg& profile, const QList<UsbHid::Unit>& units,
                                     bool summary)
{
    ProvisionSettings settings = settingsFor(m_commandLine, path, profile);
    // One unit's write takes its file's texts as they stand, {n} included.
    settings.singleUnit = !summary;
    ProfileRefusal refusal;
    const std::unique_ptr<ProvisionPolicy> policy = ProvisionPolicy::prepare(settings, refusal);
    if (!policy)
        refuse(refusal, path);
    std::unique_ptr<ProvisionLog> log;
    if (!settings.logPath.isEmpty()) {
        log = std::make_unique<ProvisionLog>(settings.logPath);
        QString error;
        if (!log->open(error))
            throw CliFailure::failure(error);
    }

    ProvisionTally tally;
    runUnits(std::vector<UsbHid::Unit>(units.cbegin(), units.cend()), UnitJob::Kind::Write, policy.get(), log.get(),
             [&](const UnitOutcome& outcome) {
                 tally.add(outcome.serial, outcome.state, outcome.setCommandsSent);
                 printLine(unitLine(outcome, json()));
             });
    // With a list of numbers, how many of them are left for the next units.
    if (summary)
        printLine(summaryLine(json(), settings.verify, tally, policy->numbersLeft()));
    return tally.failed() > 0 ? ExitFailure : ExitSuccess;
}

void CliAllUnits::runUnits(const std::vector<UsbHid::Unit>& units, UnitJob::Kind kind, ProvisionPolicy* policy,
                           ProvisionLog* log, const std::function<void(const UnitOutcome&)>& done)
{
    WorkerPool pool(UsbHid::sharedBackend());
    pool.setLog(log);
    pool.setPolicy(policy);
    QEventLoop loop;
    QObject::connect(&pool, &WorkerPool::unitDone, &loop, done);
    QObject::connect(&pool, &WorkerPool::allDone, &loop, &QEventLoop::quit);
    for (const UsbHid::Unit& unit : units) {
        UnitJob job = policy->jobFor(unit.path, unit.port);
        job.kind = kind;
        pool.start(job);
    }
    if (!units.empty())
        loop.exec();
}

std::unique_ptr<ProvisionPolicy> CliAllUnits::readPolicy()
{
    return ProvisionPolicy::forReading(m_commandLine.values(QStringLiteral("exclude-serial")));
}

bool CliAllUnits::leftOutOrFailed(const UnitOutcome& unit, const QString& failure, int& skipped, int& failed,
                                  QString& result, QString& text)
{
    if (unit.isSkip()) {
        ++skipped;
        result = QStringLiteral("skipped");
        text = tr("skipped: %1").arg(tr("left out (--exclude-serial)"));
        return true;
    }
    if (failure.isEmpty())
        return false;
    ++failed;
    result = QStringLiteral("failed");
    text = tr("FAILED: %1").arg(SettingsPrinter::displayText(failure));
    return true;
}

CliExitStatus CliAllUnits::readAll(const QString& folder)
{
    const std::vector<UsbHid::Unit> units = attachedOrFail();
    if (!QDir().mkpath(folder))
        throw CliFailure::failure(tr("The folder %1 cannot be created.").arg(folder));
    const bool allowIncomplete = m_commandLine.isSet(QStringLiteral("allow-incomplete"));
    int saved = 0;
    int failed = 0;
    int skipped = 0;
    QSet<QString> names;
    const std::unique_ptr<ProvisionPolicy> policy = readPolicy();
    runUnits(units, UnitJob::Kind::Read, policy.get(), nullptr, [&](const UnitOutcome& entry) {
        // JSON reads the same in every language.
        const UntranslatedScope english(json());
        const bool read = entry.state == UnitState::Read;
        QString failure = entry.isFailure() ? (json() ? entry.englishMessage : entry.message) : QString();
        QString file;
        if (read && !entry.unreported.isEmpty() && !allowIncomplete) {
            failure = ProvisionLog::sentencesOnOneLine(Tavrin2QtComm::unreportedText(entry.unreported))
                + QLatin1Char(' ') + tr("Nothing was saved; --allow-incomplete saves them with their defaults.");
        } else if (read && !fitsFileName(entry.serial)) {
            failure = tr("its serial number \"%1\" cannot name a file; nothing was saved.")
                          .arg(SettingsPrinter::displayText(entry.serial));
        } else if (read) {
            QString name = entry.serial;
            // A Dalen unit's ID beside its serial number: what the installer labels it by.
            if (entry.held.tavrinType() == DalenTavrin || entry.held.tavrinType() == DalenTavrin2Button)
                name += QStringLiteral("_ID%1").arg(entry.held.dtTavrinID());
            file = QDir(folder).filePath(name + QStringLiteral(".t2c"));
            QString error;
            if (names.contains(name))
                failure = tr("another unit has the same serial number; nothing was saved.");
            else if (!CfgFile::save(entry.held, file, error))
                failure = ProvisionLog::sentencesOnOneLine(error);
            names.insert(name);
        }
        QString result;
        QString text;
        if (!leftOutOrFailed(entry, failure, skipped, failed, result, text)) {
            ++saved;
            result = QStringLiteral("saved");
            text = tr("saved as %1").arg(file);
        }
        printLine(unitLine(json(), namesOf(entry), result, failure, { { QStringLiteral("file"), file } }, 0, text));
    });
    printLine(summaryLine(json(), { { QStringLiteral("saved"), saved }, { QStringLiteral("failed"), failed } }, skipped,
                          tr("%1 saved, %2 failed").arg(saved).arg(failed)));
    return failed > 0 ? ExitFailure : ExitSuccess;
}

QStringList CliAllUnits::differences(const Tavrin2QtCfg& profile, const Tavrin2QtCfg& held)
{
    if (profile.tavrinType() != held.tavrinType())
        return { tr("%1: file holds %2, Tavrin holds %3")
                     .arg(SettingsPrinter::modelLabel(), Tavrin2QtComm::tavrinTypeName(profile.tavrinType()),
                          Tavrin2QtComm::tavrinTypeName(held.tavrinType())) };
    return Tavrin2QtComm::settingsNotHeld(profile, held);
}

CliExitStatus CliAllUnits::checkAll(const QString& path, const Tavrin2QtCfg& profile)
{
    // A numbered batch: each unit against the profile with the number the log gave it.
    const bool numbered
        = m_commandLine.isSet(QStringLiteral("number-from")) || m_commandLine.isSet(QStringLiteral("numbers"));
    std::unique_ptr<ProvisionPolicy> policy;
    if (numbered) {
        ProfileRefusal refusal;
        policy = ProvisionPolicy::forCheckingNumbers(settingsFor(m_commandLine, path, profile), refusal);
        if (!policy)
            refuse(refusal, path);
    } else {
        policy = readPolicy();
    }
    const std::vector<UsbHid::Unit> units = attachedOrFail();
    int matching = 0;
    int differing = 0;
    int failed = 0;
    int skipped = 0;
    runUnits(units, UnitJob::Kind::Read, policy.get(), nullptr, [&](const UnitOutcome& entry) {
        // JSON reads the same in every language.
        const UntranslatedScope english(json());
        const bool read = entry.state == UnitState::Read;
        QString failure = entry.isFailure() ? (json() ? entry.englishMessage : entry.message) : QString();
        QStringList found;
        int number = 0;
        if (read && numbered)
            number = policy->numberToCheck(entry.serial, failure);
        if (!failure.isEmpty()) {
            // Failed as it is.
        } else if (read && !entry.unreported.isEmpty()) {
            // Defaults in place of what the unit holds would be compared as though it held them.
            failure = tr("cannot be compared: ")
                + ProvisionLog::sentencesOnOneLine(Tavrin2QtComm::unreportedText(entry.unreported));
        } else if (read) {
            found = differences(number > 0 ? NumberedProfile::forUnit(profile, number) : profile, entry.held);
        }
        QString result;
        QString text;
        if (leftOutOrFailed(entry, failure, skipped, failed, result, text)) {
            // Counted and worded.
        } else if (found.isEmpty()) {
            ++matching;
            result = QStringLiteral("matches");
            text = tr("matches");
        } else {
            ++differing;
            result = QStringLiteral("differs");
            text = tr("differs: %1").arg(SettingsPrinter::displayText(found.join(QStringLiteral(" / "))));
        }
        QJsonObject fields { { QStringLiteral("differences"), QJsonArray::fromStringList(found) } };
        if (numbered)
            fields.insert(QStringLiteral("number"), numberValue(number));
        printLine(unitLine(json(), namesOf(entry), result, failure, fields, number, text));
    });
    printLine(summaryLine(json(),
                          { { QStringLiteral("matches"), matching },
                            { QStringLiteral("differs"), differing },
                            { QStringLiteral("failed"), failed } },
                          skipped, tr("%1 match, %2 differ, %3 failed").arg(matching).arg(differing).arg(failed)));
    return differing > 0 || failed > 0 ? ExitFailure : ExitSuccess;
}
