#include "database_tariff_source.h"

#include "monitor_database.h"

#include "database/association_store.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"

namespace zrt {

namespace {

// Changes whenever another connection commits to the file; our own
// connection writes only the log.
qint64 dataVersion(const Database& database)
{
    QSqlQuery version = database.query(QStringLiteral("PRAGMA data_version"));
    return version.next() ? version.value(0).toLongLong() : -1;
}

} // namespace

PricingTerms DatabaseTariffSource::termsFor(const QString& entry)
{
    Database& database = database_.get();
    const int generation = database_.generation();
    const qint64 version = dataVersion(database);
    if (last_ && last_->entry == entry && last_->generation == generation && last_->dataVersion == version)
        return last_->terms;
    PricingTerms terms = readTerms(database, entry);
    last_ = Reading{entry, generation, version, terms};
    return terms;
}

PricingTerms DatabaseTariffSource::readTerms(Database& database, const QString& entry)
{
    AssociationStore associations(database);
    std::optional<Associazione> association = associations.find(entry);
    if (!association && associations.ensureAssociated({entry}) > 0)
        association = associations.find(entry);
    PricingTerms terms;
    if (association)
        terms.tariff = TariffStore(database).tariff(association->idTariffa);
    terms.vatRate = VatStore(database).read();
    return terms;
}

} // namespace zrt
