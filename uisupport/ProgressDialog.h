#pragma once

#include "protocol/ProgressIndicator.h"

#include <QPointer>

class QWidget;

// The window's progress: a QProgressDialog without a cancel button, object name "Progress", parent the
// owner's window or else the active window, modal to that window.
class ProgressDialog
{
public:
    // The window whose operation runs, for as long as it lives: the progress dialogs created meanwhile
    // belong to it and stay above it, whichever window the operator activated last. The first one makes
    // the dialog the window session's progress.
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

    // The progress dialog, created with the operation's label and not shown yet.
    static std::unique_ptr<ProgressIndicator> create(const QString& label, bool modal);
};
