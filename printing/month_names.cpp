#include "month_names.h"

#include <QCoreApplication>

#include <array>

namespace zrt {

QString monthName(int month)
{
    static const std::array<const char*, 12> names{
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Gennaio"),   QT_TRANSLATE_NOOP("zrt::MonthNames", "Febbraio"),
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Marzo"),     QT_TRANSLATE_NOOP("zrt::MonthNames", "Aprile"),
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Maggio"),    QT_TRANSLATE_NOOP("zrt::MonthNames", "Giugno"),
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Luglio"),    QT_TRANSLATE_NOOP("zrt::MonthNames", "Agosto"),
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Settembre"), QT_TRANSLATE_NOOP("zrt::MonthNames", "Ottobre"),
        QT_TRANSLATE_NOOP("zrt::MonthNames", "Novembre"),  QT_TRANSLATE_NOOP("zrt::MonthNames", "Dicembre")};
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("zrt::MonthNames", names[static_cast<std::size_t>(month - 1)]);
}

QString periodText(int year, int month)
{
    return monthName(month) + QLatin1Char(' ') + QString::number(year);
}

} // namespace zrt
