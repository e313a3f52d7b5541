#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class ProgressIndicator;
class Tavrin2QtComm;

// The window's firmware upgrade of its session's unit: the file chosen, the boot-loader command sent on the
// session, then the flashing tool run as a child process, its progress followed and its outcome shown in a box.
// While the tool runs the unit belongs to it (isFlashing): the window starts nothing else meanwhile.
class FirmwareUpgrade : public QObject
{
    Q_OBJECT

public:
    explicit FirmwareUpgrade(Tavrin2QtComm* session, QObject* parent = nullptr);
    // A tool still running is stopped.
    ~FirmwareUpgrade() override;

    // Returns once the flashing tool is started; the outcome is reported by onProcessComplete. Throws
    // UsbHidException when no unit is attached (nothing asked then) or the boot-loader command fails.
    void updateFirmware();
    // The file dialog, and the question when the name does not fit the session's model.
    bool getFirmwareFile();
    bool startBatchisp(const QStringList& arguments);
    void terminateBatchisp();
    QString firmwareFile() const { return _firmwareFile; }
    QString batchispOutput() const { return _batchispOutput; }
    bool isFlashing() const { return _batchisp != nullptr; }

signals:
    // After the outcome box of a firmware update was shown.
    void firmwareUpdateFinished(bool success);

private:
    void onReadyReadStdout();
    void onProcessComplete();
    void onProcessError(QProcess::ProcessError error);
    // A line of the flashing tool's output, for the progress shown while it runs.
    void followFlashingTool(const QString& line);

    Tavrin2QtComm* m_session;
    QProcess* _batchisp = nullptr;
    QString _batchispOutput;
    QByteArray m_partialOutput;
    QString _firmwareFile;
    std::unique_ptr<ProgressIndicator> _progressDialog;
};
