#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal question the utility asks goes through here, so tests can answer in advance.
// The product uses the Qt dialogs (QtPrompter); tests install a scripted one.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void critical(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void about(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Returns the index of the button chosen: 0 for button0, 1 for button1.
    virtual int question(QWidget* parent, const QString& caption, const QString& text, const QString& button0,
                         const QString& button1, int defaultButton, int escapeButton)
        = 0;
    // Returns the chosen text; *ok is false when the operator cancelled.
    virtual QString getItem(QWidget* parent, const QString& caption, const QString& label, const QStringList& items,
                            int current, bool editable, bool* ok)
        = 0;
    // Both return an empty string when the operator cancelled.
    virtual QString getOpenFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                    const QString& filter)
        = 0;
    virtual QString getSaveFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                    const QString& filter)
        = 0;
    // A file to append to: an existing one is chosen without a "replace?" question; suggestedName is offered in
    // the folder last used. Unless a prompter answers it apart, it is the save question.
    virtual QString getAppendFileName(QWidget* parent, const QString& objectName, const QString& caption,
                                      const QString& filter, const QString& /*suggestedName*/)
    {
        return getSaveFileName(parent, objectName, caption, filter);
    }

    // The prompter in use: the installed one, else the Qt dialogs.
    static Prompter& instance();
    // Not owned; nullptr restores the Qt dialogs.
    static void setInstance(Prompter* prompter);
};

class QtPrompter : public Prompter
{
public:
    void critical(QWidget* parent, const QString& caption, const QString& text) override;
    void information(QWidget* parent, const QString& caption, const QString& text) override;
    void warning(QWidget* parent, const QString& caption, const QString& text) override;
    void about(QWidget* parent, const QString& caption, const QString& text) override;
    int question(QWidget* parent, const QString& caption, const QString& text, const QString& button0,
                 const QString& button1, int defaultButton, int escapeButton) override;
    QString getItem(QWidget* parent, const QString& caption, const QString& label, const QStringList& items,
                    int current, bool editable, bool* ok) override;
    QString getOpenFileName(QWidget* parent, const QString& objectName, const QString& caption,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& objectName, const QString& caption,
                            const QString& filter) override;
    QString getAppendFileName(QWidget* parent, const QString& objectName, const QString& caption, const QString& filter,
                              const QString& suggestedName) override;
};
