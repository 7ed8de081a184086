#pragma once

#include <QString>

namespace zrt {

// Stored texts (entry names, companies) come from anyone who could write
// the file or name a dial-up entry. These make them safe to print.

// For a terminal: control characters, which could move the cursor, recolour
// or clear the screen or forge a line, are written as escapes ("\x1b",
// "\n", "\t"), as are the marks that reverse the direction of text
// ("\u202e"); a backslash is doubled so that no escape is ambiguous.
QString terminalSafe(const QString& text);

// One field of a CSV line (RFC 4180): quoted when it holds a quote, a comma,
// a carriage return or a line feed, its quotes doubled. A field a
// spreadsheet would take for a formula (starting with "=", "+", "-" or "@")
// is prefixed with "'" so that it stays text.
QString csvField(const QString& text);

} // namespace zrt
