#pragma once

#include "day_type.h"
#include "time_of_day.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

inline constexpr std::string_view kPulseMetering = "Scatto";
inline constexpr std::string_view kMinuteMetering = "Minuto";

enum class Metering { Pulse, Minute };

// Exactly "Scatto" means pulse metering; any other text means per minute.
Metering meteringOf(std::string_view tipotariffazione);

// One time band of a tariff for one day type. Prices are Lire without VAT.
struct Band {
    DayType tipo = DayType::Fer;
    TimeOfDay inizio;
    TimeOfDay fine;
    double durata = 0;            // pulse: seconds per pulse; minute: threshold minute (0: none)
    double costo = 0;             // pulse: one pulse; minute: one minute before the threshold
    double costoAllaRisposta = 0; // charged once, at answer
    std::optional<double> secondoCosto; // minute: one minute after the threshold
};

// A tariff with its company and the bands of every day type, in stored order.
struct Tariff {
    std::string compagnia;
    std::string tipotariffazione;
    std::vector<Band> fasce;

    Metering metering() const { return meteringOf(tipotariffazione); }
};

} // namespace zrt
