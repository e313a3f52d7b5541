#pragma once

#include <QString>

#include <functional>
#include <memory>

// The progress dialog shown around a device operation. The product shows a QProgressDialog
// (no cancel button, object name "Progress", parent the active window); tests install a factory
// that records what the operation does with it.
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

    // Created with the operation's label and not shown yet.
    static std::unique_ptr<ProgressIndicator> create(const QString& label, bool modal);
    // An empty factory restores the QProgressDialog one.
    static void setFactory(Factory factory);
};
