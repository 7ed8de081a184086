#pragma once

#include <QString>

namespace zrt {

// "Gennaio" to "Dicembre" for 1 to 12; an empty text for any other number.
QString monthName(int month);

// A month as the log page names it: "Dicembre 2026".
QString periodText(int year, int month);

} // namespace zrt
