#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The one table scripts/bench prints: a row per figure, then the notes that say how each was taken.
class BenchTable
{
public:
    enum class Verdict
    {
        Pass,
        Miss,
        Info, // no target: reported for comparison
        Error, // the measurement itself failed
        NotMeasured // could not be taken here; the reason goes to the notes
    };

    struct Row
    {
        QString figure;
        QString value;
        QString baseline;
        QString ratio;
        QString target;
        Verdict verdict = Verdict::Info;
    };

    void addRow(const Row& row) { m_rows.append(row); }
    // A row whose measurement failed; the reason goes to the notes.
    void addError(const QString& figure, const QString& reason);
    void addNote(const QString& note) { m_notes.append(note); }
    int count(Verdict verdict) const;

    // Rows and notes as lines of tab-separated fields: how a measuring program that runs apart (in
    // namespaces of its own) hands its part of the table over. addLines takes them back and ignores
    // every other line; it returns how many rows it added.
    QByteArray toLines() const;
    int addLines(const QByteArray& lines);

    QString render() const;

    static QString milliseconds(double ms);
    static QString microseconds(double us);
    static QString ratio(double value);
    static Verdict within(double value, double limit) { return value <= limit ? Verdict::Pass : Verdict::Miss; }

private:
    QList<Row> m_rows;
    QStringList m_notes;
};
