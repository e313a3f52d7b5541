#pragma once

#include "uisupport/Prompter.h"

#include <QList>
#include <QString>

// Answers the utility's modal questions from a queue of expected calls. A call that is not the
// next expected one (kind, caption, and text when given) fails the running test and is answered
// with Cancel/empty. Installs itself while it exists.
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind
    {
        Critical,
        Information,
        Warning,
        About,
        Question,
        GetItem,
        GetOpenFileName,
        GetSaveFileName
    };

    struct Call
    {
        Kind kind;
        QString caption;
        QString text; // message text, item label or file dialog object name
        QStringList items;
        int current = -1;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // A null text means "any text".
    void expectCritical(const QString& caption, const QString& text = QString());
    void expectInformation(const QString& caption, const QString& text = QString());
    void expectWarning(const QString& caption, const QString& text = QString());
    void expectAbout(const QString& caption, const QString& text = QString());
    void expectQuestion(const QString& caption, const QString& text, int answer);
    // A null answer stands for Cancel.
    void expectItem(const QString& caption, const QString& answer);
    void expectOpenFile(const QString& caption, const QString& answer);
    void expectSaveFile(const QString& caption, const QString& answer);

    // Checks that every expected call came; returns false (and fails the test) otherwise.
    bool verifyDone(const char* file = __builtin_FILE(), int line = __builtin_LINE());
    void clear();

    const QList<Call>& calls() const { return m_calls; }
    int pending() const { return m_expected.size(); }

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
    struct Expectation
    {
        Kind kind;
        QString caption;
        QString text;
        QString answerText;
        int answerIndex = 0;
    };

    // Pops the next expectation if it matches the call; nullptr-equivalent (false) otherwise.
    bool take(const Call& call, Expectation* matched);

    QList<Expectation> m_expected;
    QList<Call> m_calls;
};
