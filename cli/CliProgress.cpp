#include "cli/CliProgress.h"

CliProgress::CliProgress(const QString& label, QTextStream* stream)
    : m_label(label)
    , m_stream(stream)
{
}

void CliProgress::setProgress(int value)
{
    m_value = value;
    // Setting the start value is no step.
    if (!m_stream || value <= 0)
        return;
    *m_stream << m_label << ' ' << value << '/' << m_totalSteps << Qt::endl;
}

ProgressIndicator::Factory CliProgress::factory(QTextStream* stream)
{
    return [stream](const QString& label, bool) -> std::unique_ptr<ProgressIndicator> {
        return std::make_unique<CliProgress>(label, stream);
    };
}
