#pragma once

#include <QList>

// Measurements of one quantity; the median is what the table shows, since these machines are shared
// and a mean would follow whatever else ran at the time.
class Samples
{
public:
    void add(double value) { m_values.append(value); }
    int count() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }
    // The middle value (mean of the two middle ones for an even count); 0 when empty.
    double median() const;
    double mean() const;
    double minimum() const;
    double maximum() const;

private:
    QList<double> m_values;
};
