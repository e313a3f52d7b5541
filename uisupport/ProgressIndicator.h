#pragma once

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The progress shown around a device operation. The window's session shows a QProgressDialog
// (no cancel button, object name "Progress", parent the owner's window or else the active window,
// modal to that window); each session can be given a factory of its own (the command line prints,
// tests record).
class ProgressIndicator
{
public:
    virtual ~ProgressIndicator() = default;

    virtual void setCaption(const QString& caption) = 0;
    virtual void show() = 0;
    virtual void setTotalSteps(int steps) = 0;
    virtual void setProgress(int value) = 0;
    virtual int progress() const = 0;
    // A new label for what the operation does now; shown by those that show a label.
    virtual void setLabel(const QString& label) { Q_UNUSED(label); }

    using Factory = std::function<std::unique_ptr<ProgressIndicator>(const QString& label, bool modal)>;

    // The progress dialog, created with the operation's label and not shown yet.
    static std::unique_ptr<ProgressIndicator> create(const QString& label, bool modal);

    // The window whose operation runs, for as long as it lives: the progress dialogs created meanwhile
    // belong to it and stay above it, whichever window the operator activated last.
    class Owner
    {
    public:
        explicit Owner(QWidget* window);
        ~Owner();
        Owner(const Owner&) = delete;
        Owner& operator=(const Owner&) = delete;

    private:
        QPointer<QWidget> m_previous;
    };
};
