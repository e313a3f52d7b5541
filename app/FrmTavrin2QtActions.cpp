// The main window's commands that move a whole configuration: Read and Update through the device,
// Save and Load through a configuration file.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/BusyCursor.h"
#include "uisupport/Prompter.h"

#include <QFileInfo>

#include <exception>

namespace {
const QString configFileExtension = QStringLiteral("t2c");
} // namespace

void FrmTavrin2Qt::pushButtonRead_clicked()
{
    if (operationInProgress())
        return;
    try {
        detectTavrin();
        const Tavrin2QtCfg cfg = underBusyCursor([] { return Tavrin2QtComm::instance()->readTavrin(); });
        setUISettings(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::pushButtonUpdateUnit_clicked()
{
    if (operationInProgress())
        return;
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_clicked()");
    updateUnit();
}

void FrmTavrin2Qt::toolsInitializeAction_activated()
{
    if (operationInProgress())
        return;
    qCWarning(lcApp, "FrmTavrin2Qt::toolsInitializeAction_activated(): Not implemented yet");
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_pressed()");
    updateUnit();
}

void FrmTavrin2Qt::updateUnit()
{
    try {
        detectTavrin();
        const Tavrin2QtCfg cfg = uiSettings();
        Tavrin2QtComm* comm = Tavrin2QtComm::instance();
        underBusyCursor([&] { comm->updateTavrin(cfg); });
        // The update refuses a record of another model, so the form's model is the device's.
        showConfirmation(tr("Settings written to %1 %2")
                             .arg(Tavrin2QtComm::tavrinTypeName(cfg.tavrinType()), comm->serialNumber())
                             .trimmed());
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::fileSaveConfigurationAction_activated()
{
    // The file dialog's own event loop would hold up the operation until it is closed.
    if (operationInProgress())
        return;
    saveConfiguration();
}

void FrmTavrin2Qt::fileLoadConfigurationAction_activated()
{
    if (operationInProgress())
        return;
    loadConfiguration();
}

QString FrmTavrin2Qt::configFilter()
{
    return tr("Tavrin Config (*.%1)").arg(configFileExtension);
}

void FrmTavrin2Qt::saveConfiguration()
{
    QString fileName
        = Prompter::instance().getSaveFileName(this, tr("Save File"), tr("Save config file as"), configFilter());
    if (fileName.isEmpty())
        return;
    qCDebug(lcApp, "saveConfiguration() filename:\n%s", qUtf8Printable(fileName));

    QString error;
    const QString text = uiSettings().freeze(error);
    if (text.isEmpty()) {
        showError(CfgFile::failureText(error, m_unableToSave));
        return;
    }

    if (QFileInfo(fileName).completeSuffix().toLower() != configFileExtension) {
        fileName += QLatin1Char('.') + configFileExtension;
        qCDebug(lcApp, "setting filename to: %s", qUtf8Printable(fileName));
    }

    // Through a temporary file: a failed write leaves the previous file as it was.
    if (!CfgFile::writeDocument(fileName, text, error)) {
        showError(error);
        return;
    }
    showConfirmation(tr("Saved %1").arg(QFileInfo(fileName).fileName()));
}

void FrmTavrin2Qt::loadConfiguration()
{
    const QString fileName = Prompter::instance().getOpenFileName(this, tr("Load File"),
                                                                  tr("Choose a config file to load"), configFilter());
    if (fileName.isEmpty())
        return;
    qCDebug(lcApp, "loadConfiguration() filename: %s", qUtf8Printable(fileName));

    // Our own files are Latin-1; files from other editors may be UTF-8 or another 8-bit code page.
    QString text;
    QString error;
    if (!CfgFile::readDocument(fileName, text, error)) {
        showError(error);
        return;
    }
    error.clear();
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, error);
    qCDebug(lcApp, "loadConfiguration() cfg_file_data_as_str: %s", qUtf8Printable(text));
    if (!cfg) {
        showError(CfgFile::failureText(error, m_unableToLoad));
        return;
    }
    const QString incomplete = incompleteRecordReason(*cfg);
    if (!incomplete.isEmpty()) {
        showError(CfgFile::failureText(incomplete, m_unableToLoad));
        return;
    }
    // A hand-edited file may hold values the form has no place for; shown as they stand, those widgets
    // would keep the previous configuration's values next to the file's.
    if (cfg->replaceOutOfRangeValues())
        qCWarning(lcApp, "loadConfiguration(): values out of range replaced by their defaults");
    setUISettings(*cfg);
    showConfirmation(tr("Loaded %1").arg(QFileInfo(fileName).fileName()));
}
