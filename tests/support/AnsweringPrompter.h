#pragma once

#include "uisupport/Prompter.h"

#include <QStringList>

// Answers every modal question without a test around it (in a helper child process, say): file
// dialogs with the given name, questions and item choices with Cancel. Records every box shown as
// "caption: text". Installs itself while it exists.
class AnsweringPrompter : public Prompter
{
public:
    explicit AnsweringPrompter(const QString& fileName);
    ~AnsweringPrompter() override;

    const QStringList& shown() const { return m_shown; }

    void critical(QWidget* parent, const QString& caption, const QString& text) override;
    void information(QWidget* parent, const QString& caption, const QString& text) override;
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
    QString m_fileName;
    QStringList m_shown;
};
