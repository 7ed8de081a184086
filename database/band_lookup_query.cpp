#include "band_lookup_query.h"

#include "association_store.h"
#include "database.h"
#include "row_reading.h"
#include "tariff_store.h"

#include "engine/day_type.h"
#include "engine/time_of_day.h"
#include "engine/value_bounds.h"

#include <algorithm>

namespace zrt {

// One statement from the entry's association to its band, so a lookup
// costs a single read of the file.
BandLookup::BandLookup(Database& database)
    : database_(database),
      bandQuery_(database.prepare(
          QStringLiteral("SELECT \"Compagnie Telefoniche\".Compagnia, \"Compagnie Telefoniche\".tipotariffazione, %1 "
                         "FROM ((\"Associazioni Connessioni\" INNER JOIN Tariffe "
                         "ON \"Associazioni Connessioni\".id_tariffa = Tariffe.id_Tariffa) "
                         "INNER JOIN \"Compagnie Telefoniche\" "
                         "ON Tariffe.id_compagnia = \"Compagnie Telefoniche\".id_compagnia) "
                         "INNER JOIN Fasce ON Tariffe.id_Tariffa = Fasce.id_Tariffa "
                         "WHERE \"Associazioni Connessioni\".connessione = ? AND Fasce.tipo = ? "
                         "AND Fasce.Inizio < ? AND Fasce.Fine > ? ORDER BY Fasce.Inizio LIMIT 1")
              .arg(QLatin1String(kBandColumns))))
{
}

std::optional<BandRecord> BandLookup::bandOfStoredName(const QString& connessione, LocalDateTime at)
{
    const QString time = timeText(at.time);
    Database::execute(bandQuery_, {connessione, dayTypeText(dayTypeOf(at.date)), time, time});
    if (!bandQuery_.next())
        return std::nullopt;
    BandRecord record{connessione, bandQuery_.value(0).toString(), bandQuery_.value(1).toString(),
                      readBand(bandQuery_, 2)};
    bandQuery_.finish();
    if (!isUsable(record.band, meteringOf(record.tipotariffazione.toStdString())))
        return std::nullopt;
    return record;
}

std::optional<BandRecord> BandLookup::LookUpBand(const QString& entry, LocalDateTime at)
{
    if (std::optional<BandRecord> exact = bandOfStoredName(entry, at))
        return exact;
    // The entry may be associated under a name that differs only in letter case.
    const std::optional<Associazione> association = AssociationStore(database_).find(entry);
    if (!association || association->connessione == entry)
        return std::nullopt;
    return bandOfStoredName(association->connessione, at);
}

std::optional<Tariff> pricingTariff(Database& database, const QString& entry)
{
    const std::optional<Associazione> association = AssociationStore(database).find(entry);
    if (!association)
        return std::nullopt;
    std::optional<Tariff> tariff = TariffStore(database).tariff(association->idTariffa);
    if (tariff) {
        const Metering metering = tariff->metering();
        std::erase_if(tariff->fasce, [metering](const Band& band) { return !isUsable(band, metering); });
    }
    return tariff;
}

} // namespace zrt
