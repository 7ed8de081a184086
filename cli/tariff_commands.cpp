#include "arguments.h"
#include "commands.h"
#include "database_access.h"
#include "tool_text.h"

#include "database/association_store.h"
#include "database/band_lookup_query.h"
#include "database/database_error.h"
#include "database/default_content.h"
#include "database/tariff_store.h"
#include "database/text_escaping.h"
#include "database/vat_store.h"
#include "engine/currency.h"
#include "engine/day_type.h"
#include "engine/italian_number.h"
#include "engine/pricing.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace zrt::cli {

namespace {

constexpr int kMaxSeconds = 10 * 366 * 86400;

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

LocalDateTime requiredInstant(const Arguments& arguments, const QString& name)
{
    const std::optional<LocalDateTime> instant = parseLocalDateTime(arguments.required(name).toStdString());
    if (!instant)
        throw UsageError(ToolText::tr("--%1 must be \"YYYY-MM-DD HH:MM:SS\"").arg(name));
    return *instant;
}

// Up to four decimals, with no dangling comma on whole numbers: "17,7", "127".
QString amountText(double lire)
{
    QString amount = QString::fromStdString(formatItalian(lire, pattern::kEuroSmall));
    if (amount.endsWith(QLatin1Char(',')))
        amount.chop(1);
    return amount;
}

void printBand(QTextStream& out, const Band& band)
{
    out << "  " << text(dayTypeCode(band.tipo)) << ' ' << timeText(band.inizio) << '-' << timeText(band.fine)
        << "  Durata " << amountText(band.durata) << "  Costo " << amountText(band.costo) << "  SecondoCosto "
        << (band.secondoCosto ? amountText(*band.secondoCosto) : QStringLiteral("-")) << "  CostoAllaRisposta "
        << amountText(band.costoAllaRisposta) << '\n';
}

} // namespace

int runInit(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db")}, {QStringLiteral("empty")}, 0});
    const QString path = arguments.required(QStringLiteral("db"));
    const bool empty = arguments.has(QStringLiteral("empty"));
    createDatabaseFile(path, empty ? Content::Empty : Content::DefaultTariffs);
    console.out << (empty ? ToolText::tr("Created %1 (empty)") : ToolText::tr("Created %1 with the default tariffs"))
                           .arg(path)
                << '\n';
    return 0;
}

int runDayType(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{}, {}, 1});
    const std::optional<Date> date = parseIsoDate(arguments.positionals().first().toStdString());
    if (!date)
        throw UsageError(ToolText::tr("the date must be a real date written YYYY-MM-DD"));
    console.out << text(dayTypeCode(dayTypeOf(*date))) << '\n';
    return 0;
}

int runBand(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("entry"), QStringLiteral("at")}, {}, 0});
    const QString entry = arguments.required(QStringLiteral("entry"));
    const LocalDateTime at = requiredInstant(arguments, QStringLiteral("at"));
    Database database = openExisting(databasePath(arguments));
    const std::optional<BandRecord> record = BandLookup(database).LookUpBand(entry, at);
    if (!record) {
        console.out << ToolText::tr("No band in force for \"%1\" at %2")
                           .arg(terminalSafe(entry), text(formatLocalDateTime(at)))
                    << '\n';
        return 1;
    }
    console.out << terminalSafe(record->compagnia) << " (" << terminalSafe(record->tipotariffazione) << ")\n";
    printBand(console.out, record->band);
    return 0;
}

int runCost(const QStringList& words, Console& console)
{
    const Arguments arguments(
        words, {{QStringLiteral("db"), QStringLiteral("entry"), QStringLiteral("start"), QStringLiteral("seconds")}, {}, 0});
    const QString entry = arguments.required(QStringLiteral("entry"));
    const LocalDateTime start = requiredInstant(arguments, QStringLiteral("start"));
    const int seconds = arguments.requiredInteger(QStringLiteral("seconds"), 0, kMaxSeconds);

    Database database = openExisting(databasePath(arguments));
    const std::optional<Associazione> association = AssociationStore(database).find(entry);
    if (!association) {
        console.err << "zrtellixctl: "
                    << ToolText::tr("\"%1\" is not associated with any tariff").arg(terminalSafe(entry)) << '\n';
        return 1;
    }
    const std::optional<Tariff> tariff = pricingTariff(database, association->connessione);
    const int vat = VatStore(database).read();
    const std::optional<MeterReading> reading = tariff ? priceConnection(*tariff, start, seconds, vat) : std::nullopt;
    if (!reading) {
        console.err << "zrtellixctl: "
                    << ToolText::tr("tariff %1 of \"%2\" has no usable band to charge by")
                           .arg(QString::number(association->idTariffa), terminalSafe(entry))
                    << '\n';
        return 1;
    }
    const QJsonObject result{
        {QStringLiteral("entry"), association->connessione},
        {QStringLiteral("compagnia"), text(tariff->compagnia)},
        {QStringLiteral("tipotariffazione"), text(tariff->tipotariffazione)},
        {QStringLiteral("start"), text(formatLocalDateTime(start))},
        {QStringLiteral("seconds"), static_cast<qint64>(reading->elapsedSeconds)},
        {QStringLiteral("pulses"), static_cast<qint64>(reading->pulses)},
        {QStringLiteral("vat"), vat},
        {QStringLiteral("cost_lire"), reading->costLire},
        {QStringLiteral("display_lire"), text(meterCostText(reading->costLire, Currency::Lire))},
        {QStringLiteral("display_euro"), text(meterCostText(reading->costLire, Currency::Euro))},
    };
    console.out << QJsonDocument(result).toJson(QJsonDocument::Compact) << '\n';
    return 0;
}

int runTariffs(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db")}, {}, 0});
    Database database = openExisting(databasePath(arguments));
    TariffStore store(database);
    for (const Compagnia& compagnia : store.companies()) {
        console.out << "Compagnia " << compagnia.id << ": " << terminalSafe(compagnia.nome) << " ("
                    << terminalSafe(compagnia.tipotariffazione) << ")\n";
        for (const TariffaInfo& tariffa : store.tariffs()) {
            if (tariffa.idCompagnia != compagnia.id)
                continue;
            console.out << " Tariffa " << tariffa.id << ": " << terminalSafe(tariffa.descrizione) << '\n';
            for (DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
                for (const Fascia& fascia : store.bands(tariffa.id, tipo))
                    printBand(console.out, fascia.band);
            }
        }
    }
    console.out << "IVA " << VatStore(database).read() << "%\n";
    return 0;
}

} // namespace zrt::cli
