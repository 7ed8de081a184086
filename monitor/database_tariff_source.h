#pragma once

#include "tariff_source.h"

#include <optional>

namespace zrt {

class Database;
class MonitorDatabase;

// The tariffs, associations and VAT rate of the database file. They are
// read again whenever another connection to the file (of this program or
// another) has changed it since the last reading, so a change counts at
// once; otherwise the terms last read are given without touching the
// tables. Changes made through the same MonitorDatabase go unnoticed: it
// is the monitor's, which writes only the log and the default association
// of an entry the phonebook gained while the program ran, so that entry's
// calls are priced from their first second.
class DatabaseTariffSource final : public TariffSource {
public:
    explicit DatabaseTariffSource(MonitorDatabase& database) : database_(database) {}

    PricingTerms termsFor(const QString& entry) override;

private:
    struct Reading {
        QString entry;
        int generation = 0;
        qint64 dataVersion = 0;
        PricingTerms terms;
    };

    static PricingTerms readTerms(Database& database, const QString& entry);

    MonitorDatabase& database_;
    std::optional<Reading> last_;
};

} // namespace zrt
