#pragma once

#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include "engine/day_type.h"
#include "engine/tariff.h"
#include "engine/tariff_check.h"
#include "engine/time_of_day.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zrt {

// A band as typed into the editor's grid. A number not typed yet is empty,
// never a made-up zero.
struct BandDraft {
    TimeOfDay inizio;
    TimeOfDay fine{kSecondsPerDay};
    std::optional<double> durata; // pulse tariffs: seconds per pulse
    std::optional<double> costo;
    std::optional<double> costoAllaRisposta;
    std::optional<double> secondoCosto; // per-minute tariffs; empty: the same as costo

    bool operator==(const BandDraft&) const = default;
};

// The tariff being made or changed, held in memory until "OK" writes it
// whole: its company, description, reduction minute and the bands of each
// day type.
struct TariffDraft {
    Compagnia compagnia; // id 0: a new company
    QString descrizione;
    int reductionMinute = 0; // per-minute tariffs: the minute after which secondoCosto applies
    std::array<QList<BandDraft>, 3> fasce;

    // The draft of a stored tariff, with its company and bands.
    static TariffDraft of(const TariffaInfo& info, const Tariff& tariff);

    Metering metering() const;
    QList<BandDraft>& bands(DayType tipo);
    const QList<BandDraft>& bands(DayType tipo) const;

    // The band "Aggiungi" proposes after the day type's last one: from its
    // end (from midnight when there is none, or when it closes the day) to
    // where the next band begins, else to 24:00:00. A pulse tariff's band
    // takes the pulse length of the last one, or none.
    BandDraft nextBand(DayType tipo) const;

    // What checkTariff() finds in the draft. An empty number is a number
    // out of bounds whose value is NaN.
    std::vector<TariffProblem> problems() const;
    std::vector<TariffProblem> problems(DayType tipo) const;

    // The tariff as it is written. Only a draft without problems has a
    // number in every field.
    EditedTariff edited() const;

private:
    Tariff asTariff() const;
    Band band(const BandDraft& draft, DayType tipo) const;
};

} // namespace zrt
