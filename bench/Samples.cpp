#include "Samples.h"

#include <algorithm>
#include <numeric>

double Samples::median() const
{
    if (m_values.isEmpty())
        return 0;
    QList<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted.at(middle) : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
}

double Samples::mean() const
{
    return m_values.isEmpty() ? 0 : std::accumulate(m_values.cbegin(), m_values.cend(), 0.0) / double(m_values.size());
}

double Samples::minimum() const
{
    return m_values.isEmpty() ? 0 : *std::min_element(m_values.cbegin(), m_values.cend());
}

double Samples::maximum() const
{
    return m_values.isEmpty() ? 0 : *std::max_element(m_values.cbegin(), m_values.cend());
}
