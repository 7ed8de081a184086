#pragma once

#include "engine/day_type.h"
#include "engine/tariff.h"
#include "engine/time_of_day.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

namespace zrt {

// Reads a band from the current row of a query whose columns, from
// `first` on, are tipo, Inizio, Fine, Durata, Costo, CostoAllaRisposta,
// SecondoCosto. Throws DatabaseError on a malformed stored value.
Band readBand(const QSqlQuery& row, int first);

inline constexpr char kBandColumns[] =
    "Fasce.tipo, Fasce.Inizio, Fasce.Fine, Fasce.Durata, Fasce.Costo, Fasce.CostoAllaRisposta, "
    "Fasce.SecondoCosto";

std::optional<double> optionalNumber(const QVariant& value);

// The stored forms of a time of day ("HH:MM:SS") and of a day type ("FER").
QString timeText(TimeOfDay time);
QString dayTypeText(DayType tipo);
QVariant nullableNumber(const std::optional<double>& value);

} // namespace zrt
