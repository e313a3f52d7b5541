#include "uisupport/ProgressDialog.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>

namespace {
QPointer<QWidget> currentOwner;

class DialogProgress : public ProgressIndicator
{
public:
    DialogProgress(const QString& label, bool modal)
        : m_dialog(new QProgressDialog(label, QString(), 0, 0,
                                       currentOwner ? currentOwner->window() : QApplication::activeWindow()))
    {
        m_dialog->setObjectName(QStringLiteral("Progress"));
        m_dialog->setCancelButton(nullptr);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumDuration(0);
        // Modal to its window at least: the window's input is not for it while the device works.
        m_dialog->setWindowModality(modal ? Qt::ApplicationModal : Qt::WindowModal);
        // QProgressDialog shows itself from its constructor's timer, and events are processed while the
        // operation waits for the device; the operation decides when it is shown (reset stops that timer).
        m_dialog->reset();
        m_dialog->hide();
    }
    ~DialogProgress() override { delete m_dialog.data(); }

    void setCaption(const QString& caption) override
    {
        if (m_dialog)
            m_dialog->setWindowTitle(caption);
    }
    void show() override
    {
        if (!m_dialog)
            return;
        m_dialog->show();
        // Painted now, label and bar included, whether or not events are processed before the first wait.
        m_dialog->repaint();
    }
    void setTotalSteps(int steps) override
    {
        if (m_dialog)
            m_dialog->setMaximum(steps);
    }
    void setProgress(int value) override
    {
        m_value = value;
        if (!m_dialog)
            return;
        m_dialog->setValue(value);
        if (m_dialog->isVisible())
            m_dialog->repaint();
    }
    int progress() const override { return m_value; }
    void setLabel(const QString& label) override
    {
        if (!m_dialog)
            return;
        m_dialog->setLabelText(label);
        if (m_dialog->isVisible())
            m_dialog->repaint();
    }

private:
    // Guarded: the parent window may be destroyed first.
    QPointer<QProgressDialog> m_dialog;
    int m_value = 0;
};
} // namespace

std::unique_ptr<ProgressIndicator> ProgressDialog::create(const QString& label, bool modal)
{
    return std::make_unique<DialogProgress>(label, modal);
}

ProgressDialog::Owner::Owner(QWidget* window)
    : m_previous(currentOwner)
{
    ProgressIndicator::setDefaultFactory(&ProgressDialog::create);
    currentOwner = window;
}

ProgressDialog::Owner::~Owner()
{
    currentOwner = m_previous;
}
