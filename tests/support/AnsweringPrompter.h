#pragma once

#include "uisupport/Prompter.h"

#include <QStringList>

#include <utility>

// Answers every modal question without a test around it (in a helper child process, or a benchmark
// that must never wait for an operator): file dialogs with the given name (none: Cancel), questions
// and item choices with Cancel. Records every box shown as "caption: text". Installed while it
// lives; the prompter in use before comes back when it goes.
class AnsweringPrompter : public Prompter
{
public:
    explicit AnsweringPrompter(const QString& fileName = QString());
    ~AnsweringPrompter() override;

    const QStringList& shown() const { return m_shown; }
    // What was shown since the last take.
    QStringList takeShown() { return std::exchange(m_shown, {}); }

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

private:
    Prompter* m_previous;
    QString m_fileName;
    QStringList m_shown;
};
