#pragma once

#include "uisupport/Prompter.h"

#include <QStringList>

// Answers every dialog at once, as Cancel, and keeps what was asked: a measured operation that
// prompts has failed, and a benchmark must never wait for an operator. Installed while it lives;
// the prompter in use before comes back when it goes.
class BenchPrompter : public Prompter
{
public:
    BenchPrompter();
    ~BenchPrompter() override;

    // "caption: text" of every dialog since the last take.
    QStringList takePrompts();

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
    void record(const QString& caption, const QString& text);

    Prompter* m_previous;
    QStringList m_prompts;
};
