#include "BenchPrompter.h"

BenchPrompter::BenchPrompter()
    : m_previous(&Prompter::instance())
{
    Prompter::setInstance(this);
}

BenchPrompter::~BenchPrompter()
{
    Prompter::setInstance(m_previous);
}

QStringList BenchPrompter::takePrompts()
{
    QStringList prompts;
    prompts.swap(m_prompts);
    return prompts;
}

void BenchPrompter::record(const QString& caption, const QString& text)
{
    QString flat = text;
    m_prompts << caption + QStringLiteral(": ") + flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void BenchPrompter::critical(QWidget*, const QString& caption, const QString& text)
{
    record(caption, text);
}

void BenchPrompter::information(QWidget*, const QString& caption, const QString& text)
{
    record(caption, text);
}

void BenchPrompter::about(QWidget*, const QString& caption, const QString& text)
{
    record(caption, text);
}

int BenchPrompter::question(QWidget*, const QString& caption, const QString& text, const QString&, const QString&, int,
                            int escapeButton)
{
    record(caption, text);
    return escapeButton;
}

QString BenchPrompter::getItem(QWidget*, const QString& caption, const QString& label, const QStringList&, int, bool,
                               bool* ok)
{
    record(caption, label);
    if (ok)
        *ok = false;
    return QString();
}

QString BenchPrompter::getOpenFileName(QWidget*, const QString&, const QString& caption, const QString&)
{
    record(caption, QString());
    return QString();
}

QString BenchPrompter::getSaveFileName(QWidget*, const QString&, const QString& caption, const QString&)
{
    record(caption, QString());
    return QString();
}
