// The main window's commands that move a whole configuration: Read and Update through the device,
// Save and Load through a configuration file.
#include "app/FrmTavrin2Qt.h"

#include "app/AppLogging.h"
#include "config/CfgFile.h"
#include "protocol/Tavrin2QtComm.h"
#include "uisupport/BusyCursor.h"
#include "uisupport/ProgressDialog.h"
#include "uisupport/Prompter.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QUrl>

#include <exception>

namespace {
const QString configFileExtension = QStringLiteral("t2c");
} // namespace

void FrmTavrin2Qt::pushButtonRead_clicked()
{
    if (operationInProgress())
        return;
    const auto action = beginAction();
    try {
        detect(true);
        const ProgressDialog::Owner owner(this);
        QStringList unreported;
        const Tavrin2QtCfg cfg
            = underBusyCursor([&unreported] { return Tavrin2QtComm::instance()->readTavrin(&unreported); });
        setUISettings(cfg);
        noteFormSource({ FormSource::Kind::ReadFromUnit, m_unitSerial });
        // What was read is shown, but defaults must not pass for the unit's settings.
        if (!unreported.isEmpty())
            Prompter::instance().warning(this, tr("Warning"), Tavrin2QtComm::unreportedText(unreported));
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::pushButtonUpdateUnit_clicked()
{
    if (operationInProgress())
        return;
    const auto action = beginAction();
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_clicked()");
    updateUnit();
}

void FrmTavrin2Qt::toolsInitializeAction_activated()
{
    if (operationInProgress())
        return;
    const auto action = beginAction();
    qCWarning(lcApp, "FrmTavrin2Qt::toolsInitializeAction_activated(): Not implemented yet");
    qCDebug(lcApp, "FrmTavrin2Qt::pushButtonUpdateUnit_pressed()");
    updateUnit();
}

void FrmTavrin2Qt::updateUnit()
{
    try {
        try {
            sendForm();
        } catch (const AnotherUnitAnswered&) {
            // Nothing was set. Detection asks which unit to use, as whenever another one answers; the form
            // goes to the one chosen.
            sendForm();
        }
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void FrmTavrin2Qt::sendForm()
{
    detect(true);
    // What the form shows now is what is sent: input made while the unit is written is dropped.
    const Tavrin2QtCfg cfg = uiSettings();
    Tavrin2QtComm* comm = Tavrin2QtComm::instance();
    // Settings the unit cannot hold as shown are named before anything is sent.
    comm->checkUpdateSendable(cfg);
    const ProgressDialog::Owner owner(this);
    underBusyCursor([&] { comm->updateTavrin(cfg); });
    // The update refuses a record of another model, so the form's model is the device's.
    showConfirmation(tr("Settings written to %1 %2")
                         .arg(Tavrin2QtComm::tavrinTypeName(cfg.tavrinType()), comm->serialNumber())
                         .trimmed());
}

void FrmTavrin2Qt::fileSaveConfigurationAction_activated()
{
    // The file dialog's own event loop would hold up the operation until it is closed.
    if (operationInProgress())
        return;
    const auto action = beginAction();
    saveConfiguration();
}

void FrmTavrin2Qt::fileLoadConfigurationAction_activated()
{
    if (operationInProgress())
        return;
    const auto action = beginAction();
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
    if (!CfgFile::writeDocument(fileName, text, error)) {
        showError(error);
        return;
    }
    showConfirmation(tr("Saved %1").arg(QFileInfo(fileName).fileName()));
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
    loadConfigurationFile(fileName);
}

void FrmTavrin2Qt::loadConfigurationFile(const QString& fileName)
{
    qCDebug(lcApp, "loadConfigurationFile() filename: %s", qUtf8Printable(fileName));

    // Our own files are Latin-1; files from other editors may be UTF-8 or another 8-bit code page.
    QString text;
    QString error;
    if (!CfgFile::readDocument(fileName, text, error)) {
        showError(error);
        return;
    }
    error.clear();
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, error);
    qCDebug(lcApp, "loadConfigurationFile() %d characters read", int(text.size()));
    // As the command line and the Provision Units dialog say it; the archive's own words went to the trace.
    if (!cfg) {
        showError(CfgFile::unreadableText(fileName, error));
        return;
    }
    const QString notAConfiguration = tr("This file is not a Tavrin configuration, or it is damaged.");
    const QString incomplete = incompleteRecordReason(*cfg);
    if (!incomplete.isEmpty()) {
        showError(notAConfiguration + QLatin1Char('\n') + CfgFile::failureText(incomplete, m_unableToLoad));
        return;
    }
    // Shown in the form, a longer text would be cut to its field's length without a word.
    if (!CfgFile::checkLoadable(*cfg, error) || !CfgFile::checkLengths(*cfg, error)) {
        showError(error);
        return;
    }
    // A hand-edited file may hold values the form has no place for; shown as they stand, those widgets
    // would keep the previous configuration's values next to the file's.
    if (cfg->replaceOutOfRangeValues())
        qCWarning(lcApp, "loadConfigurationFile(): values out of range replaced by their defaults");
    const TavrinType shownBefore = selectedTavrinType;
    setUISettings(*cfg);
    const QString name = QFileInfo(fileName).fileName();
    noteFormSource({ FormSource::Kind::LoadedFromFile, name });
    // The form has moved to another model's page: said, so it is not taken for this unit's settings.
    if (cfg->tavrinType() != shownBefore)
        showConfirmation(tr("Loaded %1: settings of a %2").arg(name, Tavrin2QtComm::tavrinTypeName(cfg->tavrinType())));
    else
        showConfirmation(tr("Loaded %1").arg(name));
}

void FrmTavrin2Qt::loadDroppedFile(const QString& fileName)
{
    // Dropped while nothing ran, and reached once an operation has begun: loaded when it has ended, so
    // neither the form nor an error box changes in the middle of it.
    if (m_runningActions > 0) {
        m_droppedDuringAction = fileName;
        return;
    }
    if (Tavrin2QtComm::instance()->isBusy()) {
        QMetaObject::invokeMethod(
            this, [this, fileName] { loadDroppedFile(fileName); }, Qt::QueuedConnection);
        return;
    }
    if (operationInProgress()) {
        showBusyNote(tr("%1 was not loaded: a Tavrin operation is in progress.").arg(QFileInfo(fileName).fileName()));
        return;
    }
    const auto action = beginAction();
    loadConfigurationFile(fileName);
}

QString FrmTavrin2Qt::droppedConfigFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return QString();
    const QString fileName = urls.constFirst().toLocalFile();
    return QFileInfo(fileName).suffix().compare(configFileExtension, Qt::CaseInsensitive) == 0 ? fileName : QString();
}

// The window and every widget that takes drops of its own (the text fields would take the file's
// path as text) hand a dropped configuration file to Load.
void FrmTavrin2Qt::acceptConfigFileDrops()
{
    setAcceptDrops(true);
    installEventFilter(this);
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

bool FrmTavrin2Qt::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedConfigFile(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString fileName = droppedConfigFile(drop->mimeData());
        if (fileName.isEmpty())
            break;
        // A drop is no input event: it reaches the window in the middle of an operation too.
        if (operationInProgress()) {
            drop->ignore();
            showBusyNote(
                tr("%1 was not loaded: a Tavrin operation is in progress.").arg(QFileInfo(fileName).fileName()));
            return true;
        }
        drop->acceptProposedAction();
        // After the drop has finished: the drag's source waits for it, and Load may open an error box.
        QMetaObject::invokeMethod(
            this, [this, fileName] { loadDroppedFile(fileName); }, Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return FrmTavrin2QtBase::eventFilter(watched, event);
}
