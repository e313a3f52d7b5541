#pragma once

#include <QString>

#include <functional>
#include <memory>

// The progress shown around a device operation. The window's session shows a QProgressDialog
// (no cancel button, object name "Progress", parent the active window); each session can be given a
// factory of its own (the command line prints, tests record).
class ProgressIndicator
{
public:
    virtual ~ProgressIndicator() = default;

    virtual void setCaption(const QString& caption) = 0;
    virtual void show() = 0;
    virtual void setTotalSteps(int steps) = 0;
    virtual void setProgress(int value) = 0;
    virtual int progress() const = 0;

    using Factory = std::function<std::unique_ptr<ProgressIndicator>(const QString& label, bool modal)>;

    // The progress dialog, created with the operation's label and not shown yet.
    static std::unique_ptr<ProgressIndicator> create(const QString& label, bool modal);
};
