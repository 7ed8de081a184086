#include "month_names.h"

#include <array>

namespace zrt {

QString monthName(int month)
{
    static const std::array<const char*, 12> names{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                                   "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(names[static_cast<std::size_t>(month - 1)]);
}

QString periodText(int year, int month)
{
    return monthName(month) + QLatin1Char(' ') + QString::number(year);
}

} // namespace zrt
