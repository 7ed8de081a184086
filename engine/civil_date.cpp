#include "civil_date.h"

#include "fixed_digits.h"

namespace zrt {
namespace {

bool isLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(long long year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

long long floorDiv(long long a, long long b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

Date dateFromDaysSinceEpoch(long long days)
{
    const long long shifted = days + 719468;
    const long long era = floorDiv(shifted, 146097);
    const long long dayOfEra = shifted - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const auto month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

} // namespace

bool isValidDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

Weekday weekdayOf(Date date)
{
    constexpr long long kThursdayFromMonday = 3; // 1970-01-01 was a Thursday
    const long long shifted = daysSinceEpoch(date) + kThursdayFromMonday;
    const long long daysFromMonday = shifted - floorDiv(shifted, 7) * 7;
    return static_cast<Weekday>(daysFromMonday + 1);
}

// The calendar is counted in 400-year eras of 146097 days starting on
// 1 March, so the leap day falls last.
long long daysSinceEpoch(Date date)
{
    const long long year = date.month <= 2 ? date.year - 1LL : date.year;
    const long long era = floorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long monthFromMarch = (date.month + 9) % 12;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date addDays(Date date, long long days)
{
    return dateFromDaysSinceEpoch(daysSinceEpoch(date) + days);
}

std::optional<Date> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = parseFixedDigits(text.substr(0, 4));
    const auto month = parseFixedDigits(text.substr(5, 2));
    const auto day = parseFixedDigits(text.substr(8, 2));
    if (!year || !month || !day || !isValidDate(*year, *month, *day))
        return std::nullopt;
    return Date{*year, *month, *day};
}

std::string formatIsoDate(Date date)
{
    std::string text;
    if (date.year < 0)
        text += '-';
    appendZeroPadded(text, date.year < 0 ? -static_cast<long long>(date.year) : date.year, 4);
    text += '-';
    appendZeroPadded(text, date.month, 2);
    text += '-';
    appendZeroPadded(text, date.day, 2);
    return text;
}

} // namespace zrt
