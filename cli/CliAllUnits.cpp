#include "cli/CliAllUnits.h"

#include "cli/CliCommandLine.h"
#include "cli/SettingsPrinter.h"
#include "config/CfgFile.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionHistory.h"
#include "provisioning/ProvisionLog.h"
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
#include <QThread>

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
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
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
        label += QLatin1Char(' ') + model;
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

QString CliAllUnits::unitLine(const UnitOutcome& outcome, bool json)
{
    QString text;
    if (outcome.skipped)
        text = tr("skipped: %1").arg(outcome.message);
    else if (outcome.result == ProvisionRow::Result::Failed)
        text = tr("FAILED: %1").arg(SettingsPrinter::displayText(outcome.message));
    else
        text = (outcome.result == ProvisionRow::Result::Verified ? tr("written and verified (%1 s)")
                                                                 : tr("written (not verified) (%1 s)"))
                   .arg(secondsText(outcome.seconds));
    return unitLine(
        json, { outcome.device, outcome.port, outcome.serial, outcome.model, outcome.firmware },
        outcome.skipped ? QStringLiteral("skipped") : ProvisionLog::resultName(outcome.result), outcome.message,
        { { QStringLiteral("seconds"), outcome.seconds }, { QStringLiteral("number"), numberValue(outcome.number) } },
        outcome.number, text);
}

QString CliAllUnits::summaryLine(bool json, bool verify, int done, int failed, int skipped)
{
    const ProvisionRow::Result doneResult
        = verify ? ProvisionRow::Result::Verified : ProvisionRow::Result::WrittenUnverified;
    return summaryLine(json, { { ProvisionLog::resultName(doneResult), done }, { QStringLiteral("failed"), failed } },
                       skipped,
                       (verify ? tr("%1 written and verified, %2 failed") : tr("%1 written (not verified), %2 failed"))
                           .arg(done)
                           .arg(failed));
}

CliAllUnits::UnitNames CliAllUnits::namesOf(const UnitRead& entry)
{
    return { entry.unit.path, entry.unit.port, entry.serial, entry.model, entry.firmware };
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

bool CliAllUnits::excluded(const QString& serial) const
{
    return !serial.isEmpty() && m_commandLine.values(QStringLiteral("exclude-serial")).contains(serial);
}

std::vector<UsbHid::Unit> CliAllUnits::attachedOrFail()
{
    std::vector<UsbHid::Unit> units = TavrinFinder(UsbHid::sharedBackend()).attachedUnits();
    if (units.empty())
        throw CliFailure::failure(tr("No Tavrin device found"));
    return units;
}

void CliAllUnits::openLog()
{
    const QString path = m_commandLine.value(QStringLiteral("log"));
    if (path.isEmpty())
        return;
    auto log = std::make_unique<ProvisionLog>(path);
    QString error;
    if (!log->open(error))
        throw CliFailure::failure(error);
    m_log = std::move(log);
}

std::unique_ptr<UnitNumbering> CliAllUnits::numbering()
{
    QString error;
    std::optional<int> first;
    std::optional<QList<int>> list;
    if (m_commandLine.isSet(QStringLiteral("number-from"))) {
        first = UnitNumbering::parseFirst(m_commandLine.value(QStringLiteral("number-from")), error);
        if (!first)
            throw CliFailure::usage(error);
    } else if (m_commandLine.isSet(QStringLiteral("numbers"))) {
        list = UnitNumbering::parseList(m_commandLine.value(QStringLiteral("numbers")), error);
        if (!list)
            throw CliFailure::usage(error);
    } else {
        return nullptr;
    }
    // The log's numbers stay with their units: no other unit is given one of them.
    QList<ProvisionRow> rows;
    const QString logPath = m_commandLine.value(QStringLiteral("log"));
    if (!logPath.isEmpty() && !ProvisionLog::read(logPath, rows, error))
        throw CliFailure::failure(error);
    return UnitNumbering::forRun(first, list, ProvisionHistory(rows));
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
    const bool verify = !m_commandLine.isSet(QStringLiteral("no-verify"));
    const std::unique_ptr<UnitNumbering> numbers = numbering();
    if (!numbers) {
        // Every unit would get the same literal text.
        if (summary && NumberedProfile::holdsNumber(profile))
            throw CliFailure::failure(tr("%1 holds {n} in a message text, but the units are not numbered; nothing "
                                         "was sent. Number them with --number-from N or --numbers LIST.")
                                          .arg(path));
        // The same texts for every unit: refused before any unit is written.
        Tavrin2QtComm::instance()->checkUpdateSendable(profile);
    }
    QString error;
    const QString sha256 = ProvisionLog::profileSha256(profile, error);
    if (sha256.isNull() && m_commandLine.isSet(QStringLiteral("log")))
        throw CliFailure::failure(error);
    openLog();

    WorkerPool run(UsbHid::sharedBackend());
    run.setLog(m_log.get());
    run.setNumbering(numbers.get());
    if (m_commandLine.isSet(QStringLiteral("exclude-serial"))) {
        // Called on the units' threads: a copy of its own.
        const QStringList left = m_commandLine.values(QStringLiteral("exclude-serial"));
        run.setDecide([left](UnitJob&, const UnitOutcome& unit) {
            return left.contains(unit.serial) ? UnitDecision::skip(tr("left out (--exclude-serial)"))
                                              : UnitDecision::proceed();
        });
    }

    int done = 0;
    int failed = 0;
    int skipped = 0;
    bool logFailed = false;
    QEventLoop loop;
    QObject::connect(&run, &WorkerPool::logFailed, &loop, [&](const UnitOutcome&, const QString& message) {
        logFailed = true;
        m_err << message << '\n';
        m_err.flush();
    });
    QObject::connect(&run, &WorkerPool::unitDone, &loop, [&](const UnitOutcome& outcome) {
        if (outcome.skipped)
            ++skipped;
        else if (outcome.result == ProvisionRow::Result::Failed)
            ++failed;
        else
            ++done;
        printLine(unitLine(outcome, json()));
    });
    QObject::connect(&run, &WorkerPool::allDone, &loop, &QEventLoop::quit);

    for (const UsbHid::Unit& unit : units) {
        UnitJob job;
        job.device = unit.path;
        job.port = unit.port;
        job.profile = profile;
        job.profileName = QFileInfo(path).fileName();
        job.profileSha256 = sha256;
        job.verify = verify;
        run.start(job);
    }
    loop.exec();

    if (summary)
        printLine(summaryLine(json(), verify, done, failed, skipped));
    return failed > 0 || logFailed ? ExitFailure : ExitSuccess;
}

void CliAllUnits::readUnits(const std::vector<UsbHid::Unit>& units, const std::function<void(const UnitRead&)>& done)
{
    const std::shared_ptr<HidBackend> backend = UsbHid::sharedBackend();
    QEventLoop loop;
    QObject context;
    int left = int(units.size());
    QList<QThread*> threads;
    for (const UsbHid::Unit& unit : units) {
        QThread* thread = QThread::create([unit, backend, &context, &done, &left, &loop] {
            UnitRead entry;
            entry.unit = unit;
            try {
                // A session of its own on this thread, kept to this unit.
                Tavrin2QtComm comm(backend);
                comm.chooseUnit(unit.path);
                entry.model = Tavrin2QtComm::tavrinTypeName(comm.connectTavrin());
                entry.cfg = comm.readTavrinNoGui(&entry.unreported);
                entry.firmware = entry.cfg.firmware();
                entry.serial = entry.cfg.serNum();
                entry.read = true;
            } catch (const UsbHidException& e) {
                entry.failure = ProvisionLog::oneLine(e.message());
            } catch (const std::exception& e) {
                entry.failure = QString::fromUtf8(e.what());
            }
            QMetaObject::invokeMethod(
                &context,
                [entry, &done, &left, &loop] {
                    done(entry);
                    if (--left == 0)
                        loop.quit();
                },
                Qt::QueuedConnection);
        });
        threads.append(thread);
        thread->start();
    }
    if (left > 0)
        loop.exec();
    for (QThread* thread : threads) {
        thread->wait();
        delete thread;
    }
}

bool CliAllUnits::leftOutOrFailed(bool skip, const QString& failure, int& skipped, int& failed, QString& result,
                                  QString& text)
{
    if (skip) {
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
    readUnits(units, [&](const UnitRead& entry) {
        QString failure = entry.failure;
        QString file;
        bool skip = false;
        if (entry.read && excluded(entry.serial)) {
            skip = true;
        } else if (entry.read && !entry.unreported.isEmpty() && !allowIncomplete) {
            failure = ProvisionLog::oneLine(Tavrin2QtComm::unreportedText(entry.unreported))
                + tr(" / Nothing was saved; --allow-incomplete saves them with their defaults.");
        } else if (entry.read && !fitsFileName(entry.serial)) {
            failure = tr("its serial number \"%1\" cannot name a file; nothing was saved.")
                          .arg(SettingsPrinter::displayText(entry.serial));
        } else if (entry.read) {
            QString name = entry.serial;
            // A Dalen unit's ID beside its serial number: what the installer labels it by.
            if (entry.cfg.tavrinType() == DalenTavrin || entry.cfg.tavrinType() == DalenTavrin2Button)
                name += QStringLiteral("_ID%1").arg(entry.cfg.dtTavrinID());
            file = QDir(folder).filePath(name + QStringLiteral(".t2c"));
            QString error;
            if (names.contains(name))
                failure = tr("another unit has the same serial number; nothing was saved.");
            else if (!CfgFile::save(entry.cfg, file, error))
                failure = ProvisionLog::oneLine(error);
            names.insert(name);
        }
        QString result;
        QString text;
        if (!leftOutOrFailed(skip, failure, skipped, failed, result, text)) {
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
        return { tr("%1: file %2, Tavrin %3")
                     .arg(SettingsPrinter::modelLabel(), Tavrin2QtComm::tavrinTypeName(profile.tavrinType()),
                          Tavrin2QtComm::tavrinTypeName(held.tavrinType())) };
    return Tavrin2QtComm::settingsNotTaken(profile, held);
}

CliExitStatus CliAllUnits::checkAll(const Tavrin2QtCfg& profile)
{
    const std::vector<UsbHid::Unit> units = attachedOrFail();
    int matching = 0;
    int differing = 0;
    int failed = 0;
    int skipped = 0;
    readUnits(units, [&](const UnitRead& entry) {
        QString failure = entry.failure;
        QStringList found;
        const bool skip = entry.read && excluded(entry.serial);
        if (!skip && entry.read && !entry.unreported.isEmpty()) {
            // Defaults in place of what the unit holds would be compared as though it held them.
            failure
                = tr("cannot be compared: ") + ProvisionLog::oneLine(Tavrin2QtComm::unreportedText(entry.unreported));
        } else if (!skip && entry.read) {
            found = differences(profile, entry.cfg);
        }
        QString result;
        QString text;
        if (leftOutOrFailed(skip, failure, skipped, failed, result, text)) {
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
        printLine(unitLine(json(), namesOf(entry), result, failure,
                           { { QStringLiteral("differences"), QJsonArray::fromStringList(found) } }, 0, text));
    });
    printLine(summaryLine(json(),
                          { { QStringLiteral("matches"), matching },
                            { QStringLiteral("differs"), differing },
                            { QStringLiteral("failed"), failed } },
                          skipped, tr("%1 match, %2 differ, %3 failed").arg(matching).arg(differing).arg(failed)));
    return differing > 0 || failed > 0 ? ExitFailure : ExitSuccess;
}
