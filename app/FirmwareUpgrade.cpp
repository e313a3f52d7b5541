#include "app/FirmwareUpgrade.h"

#include "app/AppLogging.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"
#include "usb/UsbHid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

namespace {
QString bootLoaderInstructions()
{
#ifdef Q_OS_WIN
    return FirmwareUpgrade::tr("For DalenTavrin - Please unplug then re-plug USB cable.\n"
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
    return FirmwareUpgrade::tr("For DalenTavrin - Please unplug then re-plug USB cable.\n"
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

FirmwareUpgrade::FirmwareUpgrade(Tavrin2QtComm* session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
}

FirmwareUpgrade::~FirmwareUpgrade()
{
    terminateBatchisp();
}

void FirmwareUpgrade::updateFirmware()
{
    m_session->refuseWhileBusy();
    _progressDialog.reset();
    // No file is asked for, and no progress shown, before a unit is known to be attached.
    if (m_session->connectionStatus() == NotFound)
        throw UsbHidException(m_session->link()->errorMessage(NoDeviceFound));
    if (!getFirmwareFile()) {
        qCDebug(lcApp, "User canceled getting firmware file - can't update");
        return;
    }

    _progressDialog = m_session->createProgress(tr("Updating Firmware..."), true);
    _progressDialog->setCaption(tr("Please Wait"));
    _progressDialog->show();
    _progressDialog->setTotalSteps(4);
    _progressDialog->setProgress(1);

    try {
        m_session->startBootLoader();
        _progressDialog->setProgress(2);
    } catch (...) {
        _progressDialog.reset();
        throw;
    }

    Prompter::instance().information(QApplication::activeWindow(), tr("Start boot-loader"), bootLoaderInstructions());

    if (startBatchisp(Tavrin2QtComm::batchispArguments(_firmwareFile)) && _progressDialog)
        _progressDialog->setProgress(3);
}

// The flashing tool first waits for the boot loader, up to the time its first line names: the progress
// says so and counts the seconds, rather than standing still for that long.
void FirmwareUpgrade::followFlashingTool(const QString& line)
{
    static const QRegularExpression waiting(QStringLiteral("^Waiting up to (\\d+) seconds for the boot loader"));
    const QRegularExpressionMatch match = waiting.match(line);
    QTimer* ticker = _batchisp ? _batchisp->findChild<QTimer*>(QStringLiteral("bootLoaderWait")) : nullptr;
    if (match.hasMatch() && !ticker && _batchisp) {
        const int limit = match.captured(1).toInt();
        ticker = new QTimer(_batchisp);
        ticker->setObjectName(QStringLiteral("bootLoaderWait"));
        QElapsedTimer clock;
        clock.start();
        const auto show = [this, clock, limit] {
            if (!_progressDialog)
                return;
            _progressDialog->setLabel(
                tr("Waiting for the boot loader: %1 s (at most %2 s)...").arg(clock.elapsed() / 1000).arg(limit));
        };
        connect(ticker, &QTimer::timeout, this, show);
        ticker->start(1000);
        if (_progressDialog)
            _progressDialog->setTotalSteps(0);
        show();
    } else if (line.startsWith(QLatin1String("Boot loader found")) && ticker) {
        delete ticker;
        if (_progressDialog) {
            _progressDialog->setTotalSteps(4);
            _progressDialog->setProgress(3);
            _progressDialog->setLabel(tr("Writing the firmware..."));
        }
    }
}

bool FirmwareUpgrade::getFirmwareFile()
{
    _firmwareFile = Prompter::instance().getOpenFileName(QApplication::activeWindow(), QStringLiteral("Load File"),
                                                         tr("Choose a firmware file to load"),
                                                         tr("Firmware files (*.%1)").arg(QStringLiteral("hex")));
    if (_firmwareFile.isEmpty())
        return false;
    qCDebug(lcApp, "getFirmwareFile() filename: %s", qUtf8Printable(_firmwareFile));

    if (Tavrin2QtComm::firmwareFileNameFits(m_session->detectedTavrinType(), _firmwareFile))
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

bool FirmwareUpgrade::startBatchisp(const QStringList& arguments)
{
    terminateBatchisp();
    _batchispOutput.clear();
    m_partialOutput.clear();

    _batchisp = new QProcess(this);
    connect(_batchisp, &QProcess::finished, this, &FirmwareUpgrade::onProcessComplete);
    connect(_batchisp, &QProcess::readyReadStandardOutput, this, &FirmwareUpgrade::onReadyReadStdout);
    connect(_batchisp, &QProcess::errorOccurred, this, &FirmwareUpgrade::onProcessError);
    // An argument list, never a shell line: a path with spaces stays one argument.
    const QString program = arguments.isEmpty() ? QString() : arguments.constFirst();
    _batchisp->setProgram(program == QLatin1String("batchisp") ? Tavrin2QtComm::flashProgram() : program);
    _batchisp->setArguments(arguments.mid(1));
    _batchisp->start();
    return _batchisp && _batchisp->state() != QProcess::NotRunning;
}

void FirmwareUpgrade::terminateBatchisp()
{
    if (!_batchisp)
        return;
    qCDebug(lcApp, "FirmwareUpgrade::terminateBatchisp");
    QProcess* process = _batchisp;
    _batchisp = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
    process->deleteLater();
}

void FirmwareUpgrade::onReadyReadStdout()
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
        followFlashingTool(QString::fromLocal8Bit(line));
    }
}

void FirmwareUpgrade::onProcessComplete()
{
    // No box inside another operation's wait (its answer would be lost meanwhile): after it.
    if (m_session->isBusy()) {
        QMetaObject::invokeMethod(this, &FirmwareUpgrade::onProcessComplete, Qt::QueuedConnection);
        return;
    }
    onReadyReadStdout();
    // A last line without its line break still counts: it may be the verdict.
    if (!m_partialOutput.isEmpty()) {
        _batchispOutput += QString::fromLocal8Bit(m_partialOutput) + QLatin1Char('\n');
        m_partialOutput.clear();
    }
    const QByteArray output = _batchispOutput.toLocal8Bit();
    qCDebug(lcApp, "_batchispOutput: %s", output.constData());
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

void FirmwareUpgrade::onProcessError(QProcess::ProcessError error)
{
    // Only a start failure ends here: other errors are followed by finished().
    if (error != QProcess::FailedToStart || !_batchisp)
        return;
    if (m_session->isBusy()) {
        QMetaObject::invokeMethod(
            this, [this, error] { onProcessError(error); }, Qt::QueuedConnection);
        return;
    }
    const QString message
        = tr("The flashing tool %1 could not be started:\n%2").arg(_batchisp->program(), _batchisp->errorString());
    qCWarning(lcApp, "%s", qUtf8Printable(message));
    terminateBatchisp();
    _progressDialog.reset();
    Prompter::instance().critical(QApplication::activeWindow(), tr("Failure"), message);
    emit firmwareUpdateFinished(false);
}
