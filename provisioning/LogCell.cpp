#include "provisioning/LogCell.h"

namespace {
// What a spreadsheet runs as a formula when a cell starts with it.
bool startsFormula(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.front());
}

int hexValue(qsizetype at, const QString& text)
{
    const char16_t c = at < text.size() ? text.at(at).unicode() : 0;
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

namespace logcell {

QString encodeUnitText(const QString& text)
{
    QString cell;
    cell.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\\')
            cell += QStringLiteral("\\\\");
        else if (c == u'\n')
            cell += QStringLiteral("\\n");
        else if (c == u'\r')
            cell += QStringLiteral("\\r");
        else if (c == u'\t')
            cell += QStringLiteral("\\t");
        else if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || (i == 0 && c == u'\''))
            cell += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        else
            cell += text.at(i);
    }
    // An apostrophe in front was escaped above, so a leading one is always this one.
    if (startsFormula(cell))
        cell.prepend(QLatin1Char('\''));
    return cell;
}

QString decodeUnitText(const QString& cell)
{
    QString text = cell;
    if (text.size() > 1 && text.front() == u'\'' && startsFormula(text.mid(1)))
        text.remove(0, 1);
    // A backslash that starts no escape of ours stays as it is.
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
        if (text.at(i) != u'\\') {
            plain += text.at(i);
        } else if (next == u'\\') {
            plain += u'\\';
            ++i;
        } else if (next == u'n' || next == u'r' || next == u't') {
            plain += next == u'n' ? u'\n' : next == u'r' ? u'\r' : u'\t';
            ++i;
        } else if (next == u'x' && hexValue(i + 2, text) >= 0 && hexValue(i + 3, text) >= 0) {
            plain += QChar(char16_t(hexValue(i + 2, text) * 16 + hexValue(i + 3, text)));
            i += 3;
        } else {
            plain += text.at(i);
        }
    }
    return plain;
}

} // namespace logcell
