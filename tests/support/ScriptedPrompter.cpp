#include "support/ScriptedPrompter.h"

#include "protocol/Tavrin2QtComm.h"

#include <QTest>

namespace {
const char* kindName(ScriptedPrompter::Kind kind)
{
    switch (kind) {
    case ScriptedPrompter::Kind::Critical:
        return "critical";
    case ScriptedPrompter::Kind::Information:
        return "information";
    case ScriptedPrompter::Kind::Warning:
        return "warning";
    case ScriptedPrompter::Kind::About:
        return "about";
    case ScriptedPrompter::Kind::Question:
        return "question";
    case ScriptedPrompter::Kind::GetItem:
        return "getItem";
    case ScriptedPrompter::Kind::GetOpenFileName:
        return "getOpenFileName";
    case ScriptedPrompter::Kind::GetSaveFileName:
        return "getSaveFileName";
    }
    return "?";
}
} // namespace

ScriptedPrompter::ScriptedPrompter()
{
    Prompter::setInstance(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::setInstance(nullptr);
}

void ScriptedPrompter::expectCritical(const QString& caption, const QString& text)
{
    m_expected.append({ Kind::Critical, caption, text, QString(), 0 });
}

void ScriptedPrompter::expectInformation(const QString& caption, const QString& text)
{
    m_expected.append({ Kind::Information, caption, text, QString(), 0 });
}

void ScriptedPrompter::expectWarning(const QString& caption, const QString& text)
{
    m_expected.append({ Kind::Warning, caption, text, QString(), 0 });
}

void ScriptedPrompter::expectAbout(const QString& caption, const QString& text)
{
    m_expected.append({ Kind::About, caption, text, QString(), 0 });
}

void ScriptedPrompter::expectQuestion(const QString& caption, const QString& text, int answer)
{
    m_expected.append({ Kind::Question, caption, text, QString(), answer });
}

void ScriptedPrompter::expectItem(const QString& caption, const QString& answer)
{
    m_expected.append({ Kind::GetItem, caption, QString(), answer, 0 });
}

void ScriptedPrompter::expectOpenFile(const QString& caption, const QString& answer)
{
    m_expected.append({ Kind::GetOpenFileName, caption, QString(), answer, 0 });
}

void ScriptedPrompter::expectSaveFile(const QString& caption, const QString& answer)
{
    m_expected.append({ Kind::GetSaveFileName, caption, QString(), answer, 0 });
}

bool ScriptedPrompter::verifyDone(const char* file, int line)
{
    if (m_expected.isEmpty())
        return true;
    const Expectation& next = m_expected.constFirst();
    const QByteArray message = QByteArray("expected dialog never came: ") + kindName(next.kind) + " \""
        + next.caption.toUtf8() + "\" (" + QByteArray::number(m_expected.size()) + " pending)";
    QTest::qFail(message.constData(), file, line);
    return false;
}

void ScriptedPrompter::clear()
{
    m_expected.clear();
    m_calls.clear();
}

bool ScriptedPrompter::take(const Call& call, Expectation* matched)
{
    m_calls.append(call);
    QByteArray problem;
    // A box left open inside a read window would lose the rest of the unit's answer.
    if (Tavrin2QtComm::instance()->isBusy()) {
        problem = "dialog opened while an operation waits for the device";
    } else if (m_expected.isEmpty()) {
        problem = "unexpected dialog";
    } else {
        const Expectation& next = m_expected.constFirst();
        if (next.kind != call.kind)
            problem = QByteArray("expected a ") + kindName(next.kind) + " dialog";
        else if (next.caption != call.caption)
            problem = "expected caption \"" + next.caption.toUtf8() + "\"";
        else if (!next.text.isNull() && next.text != call.text)
            problem = "expected text \"" + next.text.toUtf8() + "\"";
    }
    if (!problem.isEmpty()) {
        const QByteArray message = problem + ", got " + kindName(call.kind) + " \"" + call.caption.toUtf8() + "\": \""
            + call.text.toUtf8() + "\"";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return false;
    }
    *matched = m_expected.takeFirst();
    return true;
}

void ScriptedPrompter::critical(QWidget*, const QString& caption, const QString& text)
{
    Expectation e;
    take({ Kind::Critical, caption, text, {}, -1 }, &e);
}

void ScriptedPrompter::information(QWidget*, const QString& caption, const QString& text)
{
    Expectation e;
    take({ Kind::Information, caption, text, {}, -1 }, &e);
}

void ScriptedPrompter::warning(QWidget*, const QString& caption, const QString& text)
{
    Expectation e;
    take({ Kind::Warning, caption, text, {}, -1 }, &e);
}

void ScriptedPrompter::about(QWidget*, const QString& caption, const QString& text)
{
    Expectation e;
    take({ Kind::About, caption, text, {}, -1 }, &e);
}

int ScriptedPrompter::question(QWidget*, const QString& caption, const QString& text, const QString&, const QString&,
                               int, int escapeButton)
{
    Expectation e;
    if (!take({ Kind::Question, caption, text, {}, -1 }, &e))
        return escapeButton;
    return e.answerIndex;
}

QString ScriptedPrompter::getItem(QWidget*, const QString& caption, const QString& label, const QStringList& items,
                                  int current, bool, bool* ok)
{
    Expectation e;
    const bool matched = take({ Kind::GetItem, caption, label, items, current }, &e);
    const bool accepted = matched && !e.answerText.isNull();
    if (ok)
        *ok = accepted;
    return accepted ? e.answerText : QString();
}

QString ScriptedPrompter::getOpenFileName(QWidget*, const QString& objectName, const QString& caption,
                                          const QString& filter)
{
    Expectation e;
    if (!take({ Kind::GetOpenFileName, caption, objectName, { filter }, -1 }, &e))
        return QString();
    return e.answerText;
}

QString ScriptedPrompter::getSaveFileName(QWidget*, const QString& objectName, const QString& caption,
                                          const QString& filter)
{
    Expectation e;
    if (!take({ Kind::GetSaveFileName, caption, objectName, { filter }, -1 }, &e))
        return QString();
    return e.answerText;
}
