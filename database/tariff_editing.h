#pragma once

#include "tariff_store.h"

#include "engine/day_type.h"
#include "engine/time_of_day.h"

#include <QString>

#include <optional>

namespace zrt {

class Database;

// The fields of a band that the tariff editor shows. Without a durata the
// stored one is kept: the reduction minute of a per-minute tariff belongs
// to the management window's band page.
struct BandEdit {
    TimeOfDay inizio;
    TimeOfDay fine;
    std::optional<double> durata;
    double costo = 0;
    double costoAllaRisposta = 0;
};

// The tariff editor's writes, each in its own transaction. A tariff's bands
// always follow the tariff's company, so a tariff moved to another company
// takes its bands along.
class TariffEditing {
public:
    explicit TariffEditing(Database& database) : database_(database) {}

    // Rewrites the tariff's company and description and moves its bands to
    // that company. Throws DatabaseError when the tariff no longer exists.
    void updateTariff(int idTariffa, int idCompagnia, const QString& descrizione);

    // Adds a band of the day type on the tariff's company, running from where
    // the day type's bands end (midnight when there are none or they reach
    // 24:00) to 24:00, with no prices. It takes the durata of the day type's
    // last band, or of any band of the tariff: a per-minute tariff keeps one
    // reduction minute in all its bands. Throws DatabaseError when the
    // tariff no longer exists.
    Fascia addNextBand(int idTariffa, DayType tipo);

    // Throws DatabaseError when the band no longer exists.
    void updateBand(int id, const BandEdit& edit);
    void removeBand(int id);

private:
    Database& database_;
};

} // namespace zrt
