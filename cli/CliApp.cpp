#include "cli/CliApp.h"

#include "cli/CliAllUnits.h"
#include "cli/CliFailure.h"
#include "cli/CliLogging.h"
#include "cli/CliProgress.h"
#include "cli/CliStationCommand.h"
#include "cli/PagerOptions.h"
#include "cli/SettingsPrinter.h"
#include "config/CfgFieldList.h"
#include "config/CfgFile.h"
#include "provisioning/NumberedProfile.h"
#include "provisioning/ProvisionLog.h"
#include "provisioning/UnitNumbering.h"
#include "protocol/Tavrin2QtComm.h"
#include "usb/UsbHid.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QStringConverter>

namespace {
// Restores the product's progress dialogs however run() ends.
struct ProgressFactoryGuard
{
    ~ProgressFactoryGuard() { Tavrin2QtComm::instance()->setProgressFactory({}); }
};

// The same bytes as the file that -o or the window's Save writes.
void writeDocumentText(QTextStream& out, const QString& text)
{
    out.flush();
    const QStringConverter::Encoding encoding = out.encoding();
    out.setEncoding(CfgFile::documentEncoding(text));
    out << text;
    out.flush();
    out.setEncoding(encoding);
}

// Messages that carry the system's text already end in a line break.
void printLine(QTextStream& stream, const QString& text)
{
    stream << text;
    if (!text.endsWith(QLatin1Char('\n')))
        stream << '\n';
}
} // namespace

int CliApp::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    m_out = &out;
    m_err = &err;
    ProgressFactoryGuard guard;
    // Nothing may open a progress window; the preload of a virtual unit shows no progress at all.
    Tavrin2QtComm::instance()->setProgressFactory(CliProgress::factory(nullptr));

    int status = ExitSuccess;
    try {
        m_commandLine.parse(arguments);
        // Replaces the quiet rules main sets; QT_LOGGING_RULES still has the last word.
        if (m_commandLine.isSet(QStringLiteral("verbose")))
            QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=true"));
        if (m_commandLine.helpRequested()) {
            out << m_commandLine.helpText();
            return ExitSuccess;
        }
        if (m_commandLine.versionRequested()) {
            out << CliCommandLine::versionText() << '\n';
            return ExitSuccess;
        }
        runCommand();
        status = m_status;
    } catch (const CliFailure& failure) {
        status = failure.status();
        printLine(err, failure.message());
    } catch (const UsbHidException& e) {
        status = ExitFailure;
        printLine(err, e.message());
    } catch (const std::exception& e) {
        status = ExitFailure;
        printLine(err, QString::fromUtf8(e.what()));
    }
    out.flush();
    // A wrong command line ran nothing to write down; a refusal to pick one of several virtual units
    // did ask them who they are.
    if ((status != ExitUsage || m_simulation.isActive()) && !writeTranscript() && status == ExitSuccess)
        status = ExitFailure;
    err.flush();
    return status;
}

void CliApp::runCommand()
{
    const QString command = m_commandLine.command();
    // Wrong pager settings are usage errors, found before any device is touched.
    if (command == QLatin1String("program-alpha"))
        PagerOptions::alphaProgramData(m_commandLine);
    else if (command == QLatin1String("program-zell"))
        PagerOptions::zellPagerSettings(m_commandLine);

    m_simulation.setUp(m_commandLine.value(QStringLiteral("simulate")),
                       m_commandLine.value(QStringLiteral("simulate-from")));
    Tavrin2QtComm::instance()->setProgressFactory(CliProgress::factory(m_err));

    try {
        chooseUnit();
        if (command == QLatin1String("detect"))
            detect();
        else if (command == QLatin1String("read"))
            read();
        else if (command == QLatin1String("write"))
            write();
        else if (command == QLatin1String("show"))
            show();
        else if (command == QLatin1String("diff"))
            diff();
        else if (command == QLatin1String("program-alpha"))
            programAlpha();
        else if (command == QLatin1String("program-zell"))
            programZell();
        else if (command == QLatin1String("list"))
            list();
        else if (command == QLatin1String("station"))
            station();
        else if (command == QLatin1String("check"))
            check();
    } catch (const SeveralTavrinsAttached&) {
        throw CliFailure::usage(tr("Several Tavrin units are attached; choose one with --device PATH or --serial "
                                   "SERIAL. Nothing was sent.")
                                + unitList(Tavrin2QtComm::instance()->describeUnits()));
    }
}

void CliApp::chooseUnit()
{
    const QString device = m_commandLine.value(QStringLiteral("device"));
    const QString serial = m_commandLine.value(QStringLiteral("serial"));
    if (device.isEmpty() && serial.isEmpty())
        return;
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    if (!device.isEmpty()) {
        for (const UsbHid::Unit& unit : comm->attachedUnits()) {
            if (unit.path == device) {
                comm->chooseUnit(device);
                return;
            }
        }
        throw CliFailure::failure(tr("No Tavrin unit is attached at %1.").arg(device)
                                  + unitList(comm->describeUnits()));
    }
    const QList<TavrinUnit> units = comm->describeUnits();
    QList<TavrinUnit> matches;
    for (const TavrinUnit& unit : units) {
        if (unit.failure.isEmpty() && unit.serialNumber == serial)
            matches.append(unit);
    }
    if (matches.isEmpty())
        throw CliFailure::failure(tr("No attached Tavrin unit has the serial number %1.").arg(serial)
                                  + unitList(units));
    if (matches.size() > 1)
        throw CliFailure::usage(
            tr("Several attached Tavrin units have the serial number %1; choose one with --device PATH.").arg(serial)
            + unitList(matches));
    comm->chooseUnit(matches.constFirst().path);
}

QString CliApp::unitList(const QList<TavrinUnit>& units)
{
    if (units.isEmpty())
        return QLatin1Char('\n') + tr("No Tavrin unit is attached.");
    QString text;
    for (const TavrinUnit& unit : units)
        text += QStringLiteral("\n  ") + SettingsPrinter::unitLine(unit);
    return text;
}

void CliApp::list()
{
    const QList<TavrinUnit> units = Tavrin2QtComm::instance()->describeUnits();
    SettingsPrinter(json()).printUnits(*m_out, units);
    // A script's loop over the listed units must not run on as though all were well.
    if (units.isEmpty())
        throw CliFailure::failure(tr("No Tavrin device found"));
    for (const TavrinUnit& unit : units) {
        if (!unit.failure.isEmpty())
            throw CliFailure::failure(tr("Not every attached unit answered."));
    }
}

void CliApp::detect()
{
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    const TavrinType type = comm->connectTavrin();
    const Tavrin2QtCfg reported = comm->readTavrinNoGui();
    const UntranslatedScope english(json());
    SettingsPrinter(json()).printSettings(*m_out, Tavrin2QtComm::tavrinTypeName(type),
                                          CfgFieldList::identityFields(reported));
}

void CliApp::read()
{
    if (m_commandLine.isSet(QStringLiteral("all"))) {
        m_status = CliAllUnits(m_commandLine, *m_out, *m_err).readAll(m_commandLine.value(QStringLiteral("output")));
        return;
    }
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->connectTavrin();
    QStringList unreported;
    const Tavrin2QtCfg cfg = comm->readTavrin(&unreported);
    if (!unreported.isEmpty()) {
        const QString message = Tavrin2QtComm::unreportedText(unreported);
        // Defaults in place of the unit's settings must not pass for a copy of the unit.
        if (!m_commandLine.isSet(QStringLiteral("allow-incomplete")))
            throw CliFailure::failure(message + QLatin1Char('\n')
                                      + tr("Nothing was written; --allow-incomplete writes them with their defaults."));
        *m_err << message << '\n';
    }

    QString error;
    const QString output = m_commandLine.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        const QString text = CfgFile::freezeForSave(cfg, error);
        if (text.isNull())
            throw CliFailure::failure(error);
        writeDocumentText(*m_out, text);
    } else if (!CfgFile::save(cfg, output, error)) {
        throw CliFailure::failure(error);
    }
}

void CliApp::write()
{
    // A file that cannot be loaded never reaches the device.
    const QString path = m_commandLine.commandArguments().at(0);
    const std::unique_ptr<Tavrin2QtCfg> cfg = loadForWriting(path);
    if (m_commandLine.isSet(QStringLiteral("all"))) {
        m_status = CliAllUnits(m_commandLine, *m_out, *m_err).writeAll(path, *cfg);
        return;
    }
    // A row in the log or a number needs the unit identified: the provisioning worker does that.
    if (m_commandLine.isSet(QStringLiteral("log")) || m_commandLine.isSet(QStringLiteral("number-from"))
        || m_commandLine.isSet(QStringLiteral("numbers"))) {
        m_status = CliAllUnits(m_commandLine, *m_out, *m_err).writeOne(path, *cfg, theUnit());
        return;
    }
    // Nor does a record with a text longer than its field takes, or one the unit cannot take.
    const QString overLimit = ProvisionPolicy::overLimitText(*cfg, path);
    if (!overLimit.isNull())
        throw CliFailure::failure(overLimit);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->checkUpdateSendable(*cfg);
    comm->connectTavrin();
    comm->updateTavrin(*cfg, !m_commandLine.isSet(QStringLiteral("no-verify")));
}

void CliApp::check()
{
    const QString path = m_commandLine.commandArguments().at(0);
    const std::unique_ptr<Tavrin2QtCfg> profile = load(path);
    // As the file would be written: the other model's settings are never sent.
    profile->replaceOutOfRangeValues();
    if (m_commandLine.isSet(QStringLiteral("all"))) {
        m_status = CliAllUnits(m_commandLine, *m_out, *m_err).checkAll(path, *profile);
        return;
    }
    if (json()) {
        checkAsJson(path, *profile);
        return;
    }
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->connectTavrin();
    QStringList unreported;
    const Tavrin2QtCfg held = comm->readTavrinNoGui(&unreported);
    if (!unreported.isEmpty())
        throw CliFailure::failure(notComparableText(path, unreported));
    const QStringList found = CliAllUnits::differences(*profile, held);
    for (const QString& line : found)
        *m_out << line << '\n';
    *m_out << (found.isEmpty() ? tr("matches") : tr("differs")) << '\n';
    if (!found.isEmpty())
        m_status = ExitFailure;
}

QString CliApp::notComparableText(const QString& path, const QStringList& unreported)
{
    return tr("The unit cannot be compared with %1:").arg(path) + QLatin1Char('\n')
        + Tavrin2QtComm::unreportedText(unreported);
}

void CliApp::checkAsJson(const QString& path, const Tavrin2QtCfg& profile)
{
    // No unit, or several and none chosen, fail as check does; a unit that fails is an object of its own.
    const UsbHid::Unit unit = theUnit();
    const UntranslatedScope english;
    CliAllUnits::UnitNames names { unit.path, unit.port, QString(), QString(), QString() };
    QString failure;
    QStringList found;
    try {
        Tavrin2QtComm* comm = Tavrin2QtComm::instance();
        names.model = Tavrin2QtComm::tavrinTypeName(comm->connectTavrin());
        QStringList unreported;
        const Tavrin2QtCfg held = comm->readTavrinNoGui(&unreported);
        names.firmware = held.firmware();
        names.serial = held.serNum();
        if (unreported.isEmpty())
            found = CliAllUnits::differences(profile, held);
        else
            failure = ProvisionLog::sentencesOnOneLine(notComparableText(path, unreported));
    } catch (const SeveralTavrinsAttached&) {
        throw;
    } catch (const UsbHidException& e) {
        failure = ProvisionLog::sentencesOnOneLine(e.message());
    }
    QString result = QStringLiteral("matches");
    if (!failure.isEmpty())
        result = QStringLiteral("failed");
    else if (!found.isEmpty())
        result = QStringLiteral("differs");
    *m_out << CliAllUnits::unitLine(true, names, result, failure,
                                    { { QStringLiteral("differences"), QJsonArray::fromStringList(found) } }, 0,
                                    QString())
           << '\n';
    if (result != QLatin1String("matches"))
        m_status = ExitFailure;
}

UsbHid::Unit CliApp::theUnit()
{
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    const QString chosen = comm->link()->onlyPath();
    std::vector<UsbHid::Unit> units = comm->attachedUnits();
    for (const UsbHid::Unit& unit : units) {
        if (!chosen.isEmpty() && unit.path == chosen)
            return unit;
    }
    if (units.empty() || !chosen.isEmpty())
        throw UsbHidException(UsbHid::errorText(NoDeviceFound));
    if (units.size() > 1)
        throw SeveralTavrinsAttached(QString(), std::move(units));
    return units.front();
}

std::unique_ptr<Tavrin2QtCfg> CliApp::loadForWriting(const QString& path)
{
    std::unique_ptr<Tavrin2QtCfg> cfg = load(path);
    // Nor one the unit would get defaults from in place of what it says.
    const QString outOfRange = ProvisionPolicy::outOfRangeText(*cfg, path);
    if (!outOfRange.isNull())
        throw CliFailure::failure(outOfRange);
    // The other model's settings, never sent, as the window would keep them.
    cfg->replaceOutOfRangeValues();
    return cfg;
}

void CliApp::station()
{
    CliStationCommand::Options options;
    if (m_commandLine.value(QStringLiteral("log")).isEmpty())
        throw CliFailure::usage(tr("station needs --log LOG: the log of the units provisioned."));
    const auto wholeNumber = [this](const QString& option, int least) {
        bool ok = false;
        const int value = m_commandLine.value(option).toInt(&ok);
        if (!ok || value < least)
            throw CliFailure::usage(tr("--%1 needs a whole number of at least %2.").arg(option).arg(least));
        return value;
    };
    if (m_commandLine.isSet(QStringLiteral("count")))
        options.count = wholeNumber(QStringLiteral("count"), 1);
    if (m_commandLine.isSet(QStringLiteral("idle-exit")))
        options.idleExitSeconds = wholeNumber(QStringLiteral("idle-exit"), 0);
    options.json = json();
    options.quiet = m_commandLine.isSet(QStringLiteral("quiet"));
    options.presentOnly = m_simulation.isActive();
    options.profilePath = m_commandLine.commandArguments().at(0);
    // Numbering options are checked before the file is read.
    CliAllUnits::settingsFor(m_commandLine, options.profilePath, Tavrin2QtCfg());
    const std::unique_ptr<Tavrin2QtCfg> cfg = loadForWriting(options.profilePath);
    options.settings = CliAllUnits::settingsFor(m_commandLine, options.profilePath, *cfg);

    CliStationCommand station(options, UsbHid::sharedBackend(), *m_out, *m_err);
    m_status = CliExitStatus(station.run());
}

void CliApp::show()
{
    const std::unique_ptr<Tavrin2QtCfg> cfg = load(m_commandLine.commandArguments().at(0));
    const UntranslatedScope english(json());
    SettingsPrinter(json()).printSettings(*m_out, Tavrin2QtComm::tavrinTypeName(cfg->tavrinType()),
                                          CfgFieldList::fields(*cfg), CfgFieldList::outOfRangeFields(*cfg));
}

void CliApp::diff()
{
    // As diff(1) has it: 1 means "they differ", so a file that cannot be read is trouble of its own.
    const auto loadCompared = [](const QString& path) {
        QString error;
        std::unique_ptr<Tavrin2QtCfg> cfg = CfgFile::load(path, error);
        if (!cfg)
            throw CliFailure(ExitDiffTrouble,
                             tr("Cannot compare: %1 cannot be read.").arg(path) + QLatin1Char('\n') + error);
        return cfg;
    };
    const std::unique_ptr<Tavrin2QtCfg> first = loadCompared(m_commandLine.commandArguments().at(0));
    const std::unique_ptr<Tavrin2QtCfg> second = loadCompared(m_commandLine.commandArguments().at(1));
    const UntranslatedScope english(json());
    QList<CfgFieldDifference> differences;
    if (first->tavrinType() != second->tavrinType())
        differences.append(CfgFieldDifference { SettingsPrinter::modelLabel(),
                                                Tavrin2QtComm::tavrinTypeName(first->tavrinType()),
                                                Tavrin2QtComm::tavrinTypeName(second->tavrinType()) });
    differences += CfgFieldList::differences(*first, *second);
    SettingsPrinter(json()).printDifferences(*m_out, differences);
    if (!differences.isEmpty())
        m_status = ExitFailure;
}

void CliApp::programAlpha()
{
    const AlphaProgramData data = PagerOptions::alphaProgramData(m_commandLine);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    Tavrin2QtComm::checkAlphaPagerSendable(data);
    comm->connectTavrin();
    comm->programAlphaPager(data);
}

void CliApp::programZell()
{
    const ZellPagerSettings settings = PagerOptions::zellPagerSettings(m_commandLine);
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    comm->connectTavrin();
    comm->programZellPager(settings.pagerNum, settings.sysID, settings.flags);
}

std::unique_ptr<Tavrin2QtCfg> CliApp::load(const QString& path)
{
    QString error;
    std::unique_ptr<Tavrin2QtCfg> cfg = CfgFile::load(path, error);
    if (!cfg)
        throw CliFailure::failure(error);
    return cfg;
}

bool CliApp::json() const
{
    return m_commandLine.isSet(QStringLiteral("json"));
}

bool CliApp::writeTranscript()
{
    const QString path = m_commandLine.value(QStringLiteral("transcript"));
    if (path.isEmpty())
        return true;
    // One line per command: a line break inside a command (a welcome message) is written escaped.
    QString text;
    for (const QString& line : m_simulation.transcript())
        text += SettingsPrinter::displayText(line) + QLatin1Char('\n');
    QString error;
    // Byte for byte as the unit received it.
    if (CfgFile::writeBytes(path, text.toLatin1(), error))
        return true;
    printLine(*m_err, error);
    return false;
}
