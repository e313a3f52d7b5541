#pragma once

#include <QString>

#include <functional>
#include <memory>

// The progress shown around a device operation. Each session can be given a factory of its own (the
// command line prints, tests record); the window's session shows the front end's default, which the window
// installs (a progress dialog).
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

    // The front end's progress, created with the operation's label and not shown yet: what
    // setDefaultFactory installed, else one that shows nothing.
    static std::unique_ptr<ProgressIndicator> create(const QString& label, bool modal);
    // One that shows nothing.
    static std::unique_ptr<ProgressIndicator> quiet();
    // Set once by the front end with a window, on its GUI thread.
    static void setDefaultFactory(Factory factory);
};
