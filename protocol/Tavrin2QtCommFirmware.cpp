// The firmware half of the protocol: the boot-loader command and the flashing tool's life.
#include "protocol/Tavrin2QtComm.h"

#include "uisupport/Prompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

namespace {
constexpr int BootLoaderReadWindowMs = 100;

QString bootLoaderInstructions()
{
#ifdef Q_OS_WIN
    return Tavrin2QtComm::tr("For DalenTavrin - Please unplug then re-plug USB cable.\n"
                             "\n"
                             "For TavrinII - Momentarily press the Acknowledgment button on the side.\n"
                             "\n"
                             "NOTE: if \"New Hardware Wizard\" comes up, do following:\n"
                             "1) Select option \"No, not At this time\" then Next\n"
                             "2) Select \"Install from a list or specific location (Advanced)\" then Next\n"
                             "3) request to search in the following directory:\n"
                             "\"C:\\Program Files\\Atmel\\Flip 3.3.1\\usb\" then Next, then Finish\n"
                             "4) Wait until popup says new hardware is ready to use, then press OK below");
#else
    // No hardware wizard here: the boot loader needs the udev rule for a user without root, and the flashing
    // tool behind the update is dfu-programmer.
    return Tavrin2QtComm::tr("For DalenTavrin - Please unplug then re-plug USB cable.\n"
                             "\n"
                             "For TavrinII - Momentarily press the Acknowledgment button on the side.\n"
                             "\n"
                             "NOTE: the update is written with dfu-programmer, which must be installed.\n"
                             "Without root, the udev rule 70-tavrin.rules (installed with this utility)\n"
                             "lets your user reach the boot loader (USB device 03eb:2ff9).\n"
                             "Wait a few seconds for the boot loader to attach, then press OK below");
#endif
}
} // namespace

bool Tavrin2QtComm::firmwareFileNameFits(int type, const QString& path)
{
    const QString baseName = QFileInfo(path.toLower()).fileName().section(QLatin1Char('.'), 0, 0);
    if (baseName.contains(QLatin1String("wbl")))
        return false;
    switch (type) {
    case DalenTavrin:
    case DalenTavrin2Button:
        return baseName.contains(QLatin1String("dalentavrin"));
    case TavrinII:
        return baseName.contains(QLatin1String("tavriniiusb"));
    default:
        return false;
    }
}

QStringList Tavrin2QtComm::batchispArguments(const QString& firmwareFile)
{
    return { QStringLiteral("batchisp"), QStringLiteral("-device"),    QStringLiteral("at90usb647"),
             QStringLiteral("-hardware"), QStringLiteral("usb"),       QStringLiteral("-operation"),
             QStringLiteral("erase"),     QStringLiteral("f"),         QStringLiteral("memory"),
             QStringLiteral("flash"),     QStringLiteral("blankcheck"), QStringLiteral("loadbuffer"),
             firmwareFile,                QStringLiteral("program"),   QStringLiteral("verify"),
             QStringLiteral("start"),     QStringLiteral("reset"),     QStringLiteral("0") };
}

QString Tavrin2QtComm::flashProgram()
{
#ifdef Q_OS_WIN
    return QStringLiteral("batchisp");
#else
    // Our own tool: from the search path first (tests put fakes there), then beside the utility.
    const QString name = QStringLiteral("tavrin-flash");
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty())
        return found;
    const QString besideUs = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    return QFileInfo(besideUs).isExecutable() ? besideUs : name;
#endif
}

void Tavrin2QtComm::updateFirmware()
{
    QStringList response;
    _progressDialog.reset();

    _progressDialog = ProgressIndicator::create(tr("Updating Firmware..."), true);
    _progressDialog->setCaption(tr("Please Wait"));
    _progressDialog->show();
    _progressDialog->setTotalSteps(4);
    _progressDialog->setProgress(1);

    try {
        if (!getFirmwareFile()) {
            qCDebug(lcProtocol, "User canceled getting firmware file - can't update");
            _progressDialog.reset();
            return;
        }
        _progressDialog->setProgress(2);
        exchange(QStringLiteral("BL"), BootLoaderReadWindowMs, response);
        qCDebug(lcProtocol, "Finished BL read()");
        _progressDialog->setProgress(3);
    } catch (...) {
        _progressDialog.reset();
        throw;
    }

    Prompter::instance().information(QApplication::activeWindow(), tr("Start boot-loader"), bootLoaderInstructions());

    startBatchisp(batchispArguments(_firmwareFile));
}

bool Tavrin2QtComm::getFirmwareFile()
{
    _firmwareFile = Prompter::instance().getOpenFileName(QApplication::activeWindow(), QStringLiteral("Load File"),
                                                         tr("Choose a firmware file to load"),
                                                         tr("Firmware files (*.%1)").arg(QStringLiteral("hex")));
    if (_firmwareFile.isEmpty())
        return false;
    qCDebug(lcProtocol, "getFirmwareFile() filename: %s", qUtf8Printable(_firmwareFile));

    if (firmwareFileNameFits(detectedTavrinType(), _firmwareFile))
        return true;

    const int answer = Prompter::instance().question(
        QApplication::activeWindow(), tr("Warning"),
        tr("File: %1, has wrong filename format.\nDo you want to load it anyway?").arg(_firmwareFile), tr("&Yes"),
        tr("&No"), 0, 1);
    if (answer == 0)
        return true;
    _firmwareFile.clear();
    return false;
}

bool Tavrin2QtComm::startBatchisp(const QStringList& arguments)
{
    terminateBatchisp();
    _batchispOutput.clear();
    m_partialOutput.clear();

    _batchisp = new QProcess(this);
    connect(_batchisp, &QProcess::finished, this, &Tavrin2QtComm::onProcessComplete);
    connect(_batchisp, &QProcess::readyReadStandardOutput, this, &Tavrin2QtComm::onReadyReadStdout);
    connect(_batchisp, &QProcess::errorOccurred, this, &Tavrin2QtComm::onProcessError);
    // An argument list, never a shell line: a path with spaces stays one argument.
    const QString program = arguments.isEmpty() ? QString() : arguments.constFirst();
    _batchisp->setProgram(program == QLatin1String("batchisp") ? flashProgram() : program);
    _batchisp->setArguments(arguments.mid(1));
    _batchisp->start();
    return _batchisp && _batchisp->state() != QProcess::NotRunning;
}

void Tavrin2QtComm::terminateBatchisp()
{
    if (!_batchisp)
        return;
    qCDebug(lcProtocol, "Tavrin2QtComm::terminateBatchisp");
    QProcess* process = _batchisp;
    _batchisp = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
    process->deleteLater();
}

void Tavrin2QtComm::onReadyReadStdout()
{
    if (!_batchisp)
        return;
    m_partialOutput += _batchisp->readAllStandardOutput();
    int end;
    while ((end = m_partialOutput.indexOf('\n')) >= 0) {
        QByteArray line = m_partialOutput.left(end);
        m_partialOutput.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        _batchispOutput += QString::fromLocal8Bit(line) + QLatin1Char('\n');
    }
}

void Tavrin2QtComm::onProcessComplete()
{
    onReadyReadStdout();
    // A last line without its line break still counts: it may be the verdict.
    if (!m_partialOutput.isEmpty()) {
        _batchispOutput += QString::fromLocal8Bit(m_partialOutput) + QLatin1Char('\n');
        m_partialOutput.clear();
    }
    const QByteArray output = _batchispOutput.toLocal8Bit();
    qCDebug(lcProtocol, "_batchispOutput: %s", output.constData());
    terminateBatchisp();
    if (_progressDialog) {
        _progressDialog->setProgress(_progressDialog->progress() + 1);
        _progressDialog.reset();
    }
    const bool success = QString::fromLocal8Bit(output).toLower().contains(QLatin1String("failed 0"));
    if (success)
        Prompter::instance().information(QApplication::activeWindow(), tr("Success"),
                                         tr("The firmware update is complete.\nPlease unplug then re-plug USB cable."));
    else
        Prompter::instance().critical(QApplication::activeWindow(), tr("Failure"), _batchispOutput);
    emit firmwareUpdateFinished(success);
}

void Tavrin2QtComm::onProcessError(QProcess::ProcessError error)
{
    // Only a start failure ends here: other errors are followed by finished().
    if (error != QProcess::FailedToStart || !_batchisp)
        return;
    const QString message
        = tr("The flashing tool %1 could not be started:\n%2").arg(_batchisp->program(), _batchisp->errorString());
    qCWarning(lcProtocol, "%s", qUtf8Printable(message));
    terminateBatchisp();
    _progressDialog.reset();
    Prompter::instance().critical(QApplication::activeWindow(), tr("Failure"), message);
    emit firmwareUpdateFinished(false);
}
