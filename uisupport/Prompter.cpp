#include "uisupport/Prompter.h"

#include "uisupport/FitAndCentre.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {
Prompter* installedPrompter = nullptr;

const QString lastFolderKey = QStringLiteral("files/lastFolder");

// Every file dialog starts where the previous one, of this run or an earlier one, ended.
QString runFileDialog(QWidget* parent, const QString& objectName, const QString& caption, const QString& filter,
                      QFileDialog::AcceptMode mode, bool append = false, const QString& suggestedName = QString())
{
    QSettings settings;
    QFileDialog dialog(parent, caption, settings.value(lastFolderKey).toString(), filter);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A file appended to is not replaced: no question about it.
    if (append)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    // Symbolic links are resolved: DontResolveSymlinks stays off.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString fileName = dialog.selectedFiles().constFirst();
    settings.setValue(lastFolderKey, QFileInfo(fileName).absolutePath());
    return fileName;
}
} // namespace

Prompter& Prompter::instance()
{
    static QtPrompter qtPrompter;
    return installedPrompter ? *installedPrompter : qtPrompter;
}

void Prompter::setInstance(Prompter* prompter)
{
    installedPrompter = prompter;
}

namespace {

// Messages carry what units and files say (serial numbers, texts, names): shown as plain text, so a
// serial such as "<b>1</b>" is shown as sent, never rendered.
void showPlain(QMessageBox::Icon icon, QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void QtPrompter::critical(QWidget* parent, const QString& caption, const QString& text)
{
    showPlain(QMessageBox::Critical, parent, caption, text);
}

void QtPrompter::information(QWidget* parent, const QString& caption, const QString& text)
{
    showPlain(QMessageBox::Information, parent, caption, text);
}

void QtPrompter::warning(QWidget* parent, const QString& caption, const QString& text)
{
    showPlain(QMessageBox::Warning, parent, caption, text);
}

void QtPrompter::about(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::about(parent, caption, text);
}

int QtPrompter::question(QWidget* parent, const QString& caption, const QString& text, const QString& button0,
                         const QString& button1, int defaultButton, int escapeButton)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* buttons[2]
        = { box.addButton(button0, QMessageBox::YesRole), box.addButton(button1, QMessageBox::NoRole) };
    if (defaultButton == 0 || defaultButton == 1)
        box.setDefaultButton(buttons[defaultButton]);
    if (escapeButton == 0 || escapeButton == 1)
        box.setEscapeButton(buttons[escapeButton]);
    box.exec();
    return box.clickedButton() == buttons[0] ? 0 : 1;
}

QString QtPrompter::getItem(QWidget* parent, const QString& caption, const QString& label, const QStringList& items,
                            int current, bool editable, bool* ok)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    // The item before the entry turns editable, as QInputDialog::getItem does: otherwise the first Return
    // only settles the entry's text and does not accept the box.
    if (current >= 0 && current < items.size())
        dialog.setTextValue(items.at(current));
    dialog.setComboBoxEditable(editable);
    dialog.adjustSize();
    // Sized by its contents alone, the box cuts its caption short; the title bar also holds an icon and the
    // window buttons. It is asked before the main window is shown, so it is centred on the screen, not its parent.
    const int titleBarExtras = 4 * dialog.fontMetrics().height() + 48;
    const int titleWidth = dialog.fontMetrics().horizontalAdvance(caption) * 5 / 4 + titleBarExtras;
    if (dialog.width() < titleWidth)
        dialog.resize(titleWidth, dialog.height());
    fitAndCentre(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (ok)
        *ok = accepted;
    return accepted ? dialog.textValue() : QString();
}

QString QtPrompter::getOpenFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                    const QString& filter)
{
    return runFileDialog(parent, objectName, caption, filter, QFileDialog::AcceptOpen);
}

QString QtPrompter::getSaveFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                    const QString& filter)
{
    return runFileDialog(parent, objectName, caption, filter, QFileDialog::AcceptSave);
}

QString QtPrompter::getAppendFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                      const QString& filter, const QString& suggestedName)
{
    return runFileDialog(parent, objectName, caption, filter, QFileDialog::AcceptSave, true, suggestedName);
}
