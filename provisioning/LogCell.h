#pragma once

#include <QString>

// How the log's cells hold what a unit said (its serial number, model and firmware), so that reading a
// cell back gives the text exactly and a spreadsheet never runs it (after OWASP's advice on CSV files).
namespace logcell {

// A backslash, the controls (C0, DEL, C1) and an apostrophe in front written as escapes (\\, \n, \r, \t,
// \xNN); a cell that would start with = + - @, tab or CR gets a leading apostrophe.
QString encodeUnitText(const QString& text);
// The text encodeUnitText wrote. A cell of an earlier version reads as it always did, unless it held one of
// those escapes or an apostrophe before = + - @.
QString decodeUnitText(const QString& cell);

} // namespace logcell
