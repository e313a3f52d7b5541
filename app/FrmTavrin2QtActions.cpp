// The main window's commands that move a whole configuration: Read and Update through the device,
// Save and Load through a configuration file.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"

#include <QFileInfo>

#include <exception>

namespace {
const QString configFileExtension = QStringLiteral("t2c");
} // namespace

void FrmTavrin2Qt::pushButtonRead_clicked()
{
    try {
        detectTavrin();
        const Tavrin2QtCfg cfg = Tavrin2QtComm::instance()->readTavrin();
        setUISettings(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::pushButtonUpdateUnit_clicked()
{
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_clicked()");
    updateUnit();
}

void FrmTavrin2Qt::toolsInitializeAction_activated()
{
    qCWarning(lcApp, "FrmTavrin2Qt::toolsInitializeAction_activated(): Not implemented yet");
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_pressed()");
    updateUnit();
}

void FrmTavrin2Qt::updateUnit()
{
    try {
        detectTavrin();
        const Tavrin2QtCfg cfg = uiSettings();
        Tavrin2QtComm::instance()->updateTavrin(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::fileSaveConfigurationAction_activated()
{
    saveConfiguration();
}

void FrmTavrin2Qt::fileLoadConfigurationAction_activated()
{
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
    const Tavrin2QtCfg cfg = uiSettings();
    if (!CfgFile::checkSavable(cfg, error)) {
        showError(error);
        return;
    }
    const QString text = cfg.freeze(error);
    if (text.isEmpty()) {
        showError(CfgFile::failureText(error, m_unableToSave));
        return;
    }

    // The dialog asked about the name as typed: a file that only the appended extension names is
    // replaced only when the operator says so.
    if (!fileName.endsWith(QLatin1Char('.') + configFileExtension, Qt::CaseInsensitive)) {
        fileName += QLatin1Char('.') + configFileExtension;
        qCDebug(lcApp, "setting filename to: %s", qUtf8Printable(fileName));
        if (QFileInfo::exists(fileName) && !confirmReplace(fileName))
            return;
    }

    // Through a temporary file: a failed write leaves the previous file as it was.
    if (!CfgFile::writeDocument(fileName, text, error))
        showError(error);
}

bool FrmTavrin2Qt::confirmReplace(const QString& fileName)
{
    const int answer = Prompter::instance().question(
        this, tr("Save config file as"),
        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(fileName).fileName()), tr("&Yes"), tr("&No"),
        1, 1);
    return answer == 0;
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
}
