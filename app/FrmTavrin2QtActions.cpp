// The main window's commands that move a whole configuration: Read and Update through the device,
// Save and Load through a configuration file.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <exception>

namespace {
const QString configFileExtension = QStringLiteral("t2c");

// A document's bytes as the characters thaw expects (one per byte): UTF-8 when the bytes are valid
// UTF-8 (what an editor leaves), else Latin-1 (what we write, and what 8-bit code pages give).
QString documentText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

// Writes to a temporary file that replaces the old one only once complete.
bool writeDocument(const QString& fileName, const QString& text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toLatin1();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
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
    try {
        detectTavrin();
        const Tavrin2QtCfg cfg = uiSettings();
        Tavrin2QtComm::instance()->updateTavrin(cfg);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::toolsInitializeAction_activated()
{
    qCWarning(lcApp, "FrmTavrin2Qt::toolsInitializeAction_activated(): Not implemented yet");
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_pressed()");
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

QString FrmTavrin2Qt::composeFileError(QString fileLayerError, const QString& fallback)
{
    if (fileLayerError.isEmpty())
        return fallback;
    if (!fileLayerError.endsWith(QLatin1Char('\n')))
        fileLayerError += QLatin1Char('\n');
    return fileLayerError + fallback;
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
        showError(composeFileError(error, m_unableToSave));
        return;
    }

    if (QFileInfo(fileName).completeSuffix().toLower() != configFileExtension) {
        fileName += QLatin1Char('.') + configFileExtension;
        qCDebug(lcApp, "setting filename to: %s", qUtf8Printable(fileName));
    }

    if (!writeDocument(fileName, text))
        showError(tr("Could not write to %1").arg(fileName));
}

void FrmTavrin2Qt::loadConfiguration()
{
    const QString fileName = Prompter::instance().getOpenFileName(this, tr("Load File"),
                                                                  tr("Choose a config file to load"), configFilter());
    if (fileName.isEmpty())
        return;
    qCDebug(lcApp, "loadConfiguration() filename: %s", qUtf8Printable(fileName));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(tr("Could not read from %1").arg(fileName));
        return;
    }
    const QString text = documentText(file.readAll());
    file.close();

    QString error;
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, error);
    qCDebug(lcApp, "loadConfiguration() cfg_file_data_as_str: %s", qUtf8Printable(text));
    if (!cfg) {
        showError(composeFileError(error, m_unableToLoad));
        return;
    }
    const QString incomplete = incompleteRecordReason(*cfg);
    if (!incomplete.isEmpty()) {
        showError(composeFileError(incomplete, m_unableToLoad));
        return;
    }
    setUISettings(*cfg);
}
