#include "BenchTable.h"

#include <algorithm>

namespace {
QString verdictText(BenchTable::Verdict verdict)
{
    switch (verdict) {
    case BenchTable::Verdict::Pass:
        return QStringLiteral("PASS");
    case BenchTable::Verdict::Miss:
        return QStringLiteral("MISS");
    case BenchTable::Verdict::Error:
        return QStringLiteral("ERROR");
    case BenchTable::Verdict::NotMeasured:
        return QStringLiteral("not measured");
    default:
        return QStringLiteral("info");
    }
}
} // namespace

void BenchTable::addError(const QString& figure, const QString& reason)
{
    addRow(
        { figure, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), Verdict::Error });
    addNote(figure + QStringLiteral(": ") + reason);
}

int BenchTable::count(Verdict verdict) const
{
    return int(
        std::count_if(m_rows.cbegin(), m_rows.cend(), [verdict](const Row& row) { return row.verdict == verdict; }));
}

QByteArray BenchTable::toLines() const
{
    QByteArray lines;
    const auto field = [](const QString& text) { return text.simplified().toUtf8(); };
    for (const Row& row : m_rows) {
        lines += "row\t" + field(row.figure) + '\t' + field(row.value) + '\t' + field(row.baseline) + '\t'
            + field(row.ratio) + '\t' + field(row.target) + '\t' + QByteArray::number(int(row.verdict)) + '\n';
    }
    for (const QString& note : m_notes)
        lines += "note\t" + field(note) + '\n';
    return lines;
}

int BenchTable::addLines(const QByteArray& lines)
{
    int rows = 0;
    for (const QByteArray& line : lines.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 2 && fields.at(0) == "note") {
            addNote(QString::fromUtf8(fields.at(1)));
        } else if (fields.size() == 7 && fields.at(0) == "row") {
            bool ok = false;
            const int verdict = fields.at(6).toInt(&ok);
            if (!ok || verdict < int(Verdict::Pass) || verdict > int(Verdict::NotMeasured))
                continue;
            addRow({ QString::fromUtf8(fields.at(1)), QString::fromUtf8(fields.at(2)), QString::fromUtf8(fields.at(3)),
                     QString::fromUtf8(fields.at(4)), QString::fromUtf8(fields.at(5)), Verdict(verdict) });
            ++rows;
        }
    }
    return rows;
}

QString BenchTable::render() const
{
    const QStringList header = { QStringLiteral("figure"), QStringLiteral("value"),  QStringLiteral("baseline"),
                                 QStringLiteral("ratio"),  QStringLiteral("target"), QStringLiteral("verdict") };
    QList<QStringList> cells;
    for (const Row& row : m_rows)
        cells.append({ row.figure, row.value, row.baseline, row.ratio, row.target, verdictText(row.verdict) });

    QList<int> widths;
    for (const QString& title : header)
        widths.append(int(title.size()));
    for (const QStringList& line : cells) {
        for (int column = 0; column < line.size(); ++column)
            widths[column] = std::max(widths.at(column), int(line.at(column).size()));
    }
    const auto renderLine = [&widths](const QStringList& line) {
        QStringList padded;
        for (int column = 0; column < line.size(); ++column) {
            // The figure's name reads left to right, the numbers line up on the right.
            padded << (column == 0 ? line.at(column).leftJustified(widths.at(column))
                                   : line.at(column).rightJustified(widths.at(column)));
        }
        return QStringLiteral("| ") + padded.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QStringList rule;
    for (int width : widths)
        rule << QString(width, QLatin1Char('-'));

    QString text = renderLine(header);
    text += QStringLiteral("|-") + rule.join(QStringLiteral("-|-")) + QStringLiteral("-|\n");
    for (const QStringList& line : cells)
        text += renderLine(line);
    if (!m_notes.isEmpty()) {
        text += QLatin1Char('\n');
        for (const QString& note : m_notes)
            text += QStringLiteral("- ") + note + QLatin1Char('\n');
    }
    return text;
}

QString BenchTable::milliseconds(double ms)
{
    return QString::number(ms, 'f', ms < 10 ? 2 : 1) + QStringLiteral(" ms");
}

QString BenchTable::microseconds(double us)
{
    return QString::number(us, 'f', us < 10 ? 2 : 1) + QStringLiteral(" us");
}

QString BenchTable::ratio(double value)
{
    return QString::number(value, 'f', 3) + QLatin1Char('x');
}
