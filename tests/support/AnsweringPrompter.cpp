#include "support/AnsweringPrompter.h"

AnsweringPrompter::AnsweringPrompter(const QString& fileName)
    : m_previous(&Prompter::instance())
    , m_fileName(fileName)
{
    Prompter::setInstance(this);
}

AnsweringPrompter::~AnsweringPrompter()
{
    Prompter::setInstance(m_previous);
}

void AnsweringPrompter::critical(QWidget*, const QString& caption, const QString& text)
{
    m_shown << caption + QStringLiteral(": ") + text;
}

void AnsweringPrompter::information(QWidget*, const QString& caption, const QString& text)
{
    m_shown << caption + QStringLiteral(": ") + text;
}

void AnsweringPrompter::warning(QWidget*, const QString& caption, const QString& text)
{
    m_shown << caption + QStringLiteral(": ") + text;
}

void AnsweringPrompter::about(QWidget*, const QString& caption, const QString& text)
{
    m_shown << caption + QStringLiteral(": ") + text;
}

int AnsweringPrompter::question(QWidget*, const QString& caption, const QString& text, const QString&, const QString&,
                                int, int escapeButton)
{
    m_shown << caption + QStringLiteral(": ") + text;
    return escapeButton;
}

QString AnsweringPrompter::getItem(QWidget*, const QString&, const QString&, const QStringList&, int, bool, bool* ok)
{
    if (ok)
        *ok = false;
    return QString();
}

QString AnsweringPrompter::getOpenFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return m_fileName;
}

QString AnsweringPrompter::getSaveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return m_fileName;
}
