#pragma once

#include "engine/local_date_time.h"
#include "engine/tariff.h"

#include <QSqlQuery>
#include <QString>

#include <optional>

namespace zrt {

class Database;

// The band in force for a dial-up entry, with its company.
struct BandRecord {
    QString connessione;
    QString compagnia;
    QString tipotariffazione;
    Band band;
};

// Finds the band in force for an entry at an instant: the band of the
// entry's associated tariff for that date's day type whose Inizio..Fine
// holds the time strictly. A band with a number out of bounds counts as
// missing. Keeps its statements prepared, so it is cheap to
// run once a second on a long-lived connection.
class BandLookup {
public:
    explicit BandLookup(Database& database);

    std::optional<BandRecord> LookUpBand(const QString& entry, LocalDateTime at);

private:
    std::optional<BandRecord> bandOfStoredName(const QString& connessione, LocalDateTime at);

    Database& database_;
    QSqlQuery bandQuery_;
};

// The tariff a connection of the entry is priced with: the one now
// associated with the entry (by its exact name, else ignoring letter case),
// without its bands that hold a number out of bounds, which count as
// missing. Nothing when the entry has no tariff.
std::optional<Tariff> pricingTariff(Database& database, const QString& entry);

} // namespace zrt
