#include "row_reading.h"

#include "database_error.h"

#include "engine/day_type.h"
#include "engine/time_of_day.h"

#include <cmath>

namespace zrt {

namespace {

TimeOfDay readTime(const QVariant& value, const char* field)
{
    const std::optional<TimeOfDay> time = parseTimeOfDay(value.toString().toStdString());
    if (!time)
        throw DatabaseError(QStringLiteral("band with an invalid %1 time \"%2\"")
                                .arg(QLatin1String(field), value.toString()));
    return *time;
}

// An infinite or undefined price or period would make every cost of the
// tariff meaningless, so it is as wrong as a word.
double readNumber(const QVariant& value, const char* field)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if ((!ok || !std::isfinite(number)) && !value.isNull())
        throw DatabaseError(QStringLiteral("band with a non-numeric %1 \"%2\"")
                                .arg(QLatin1String(field), value.toString()));
    return number;
}

} // namespace

QString timeText(TimeOfDay time)
{
    return QString::fromStdString(formatTimeOfDay(time));
}

QString dayTypeText(DayType tipo)
{
    const std::string_view code = dayTypeCode(tipo);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

std::optional<double> optionalNumber(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return readNumber(value, "SecondoCosto");
}

QVariant nullableNumber(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

Band readBand(const QSqlQuery& row, int first)
{
    const QString code = row.value(first).toString();
    const std::optional<DayType> tipo = parseDayType(code.toStdString());
    if (!tipo)
        throw DatabaseError(QStringLiteral("band with an unknown day type \"%1\"").arg(code));
    Band band;
    band.tipo = *tipo;
    band.inizio = readTime(row.value(first + 1), "Inizio");
    band.fine = readTime(row.value(first + 2), "Fine");
    band.durata = readNumber(row.value(first + 3), "Durata");
    band.costo = readNumber(row.value(first + 4), "Costo");
    band.costoAllaRisposta = readNumber(row.value(first + 5), "CostoAllaRisposta");
    band.secondoCosto = optionalNumber(row.value(first + 6));
    return band;
}

} // namespace zrt
