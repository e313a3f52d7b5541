#pragma once

#include <QString>

// A text from a unit or a file as a person is shown it: its controls (line breaks, tabs, other C0
// characters, DEL, C1) written as escapes, so that it can neither break a line nor drive a terminal.
QString displayText(const QString& value);
