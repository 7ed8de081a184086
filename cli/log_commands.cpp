#include "arguments.h"
#include "commands.h"
#include "database_access.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/data_folder.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "engine/italian_number.h"

#include <QDate>

namespace zrt::cli {

namespace {

QString groupedLire(qint64 lire)
{
    return QString::fromStdString(formatItalian(static_cast<double>(lire), pattern::kLire));
}

QString optionalText(const std::optional<qint64>& value)
{
    return value ? QString::number(*value) : QString();
}

// "2001-03-05" is shown as the short date "05/03/2001".
QString shortDate(const QString& isoDate)
{
    const QDate date = QDate::fromString(isoDate, Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : isoDate;
}

QString csvField(const QString& value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void printCsv(QTextStream& out, const QList<LogRow>& rows, qint64 total)
{
    out << "data,inizio,fine,scatti,costo,connessione,servizio\n";
    for (const LogRow& row : rows) {
        const QStringList fields{row.data, row.inizio, row.fine, optionalText(row.scatti), optionalText(row.costo),
                                 row.connessione, row.servizio};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << csvField(field);
        out << quoted.join(QLatin1Char(',')) << '\n';
    }
    out << "Totale,,,," << total << ",,\n";
}

void printTable(QTextStream& out, const QList<LogRow>& rows, qint64 total)
{
    out << "Data       Ora Inizio Ora Fine Scatti     Spesa Connessione / Servizio\n";
    for (const LogRow& row : rows) {
        out << shortDate(row.data) << ' ' << row.inizio.leftJustified(10) << ' ' << row.fine.leftJustified(8) << ' '
            << optionalText(row.scatti).rightJustified(6) << ' '
            << (row.costo ? groupedLire(*row.costo) : QString()).rightJustified(9) << ' ' << row.connessione << " / "
            << row.servizio << '\n';
    }
    out << "Totale Spesa nel periodo: " << groupedLire(total) << '\n';
}

} // namespace

int runLog(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("year"), QStringLiteral("month")},
                                      {QStringLiteral("csv")}, 0});
    const int year = arguments.requiredInteger(QStringLiteral("year"), 1, 9998);
    const int month = arguments.requiredInteger(QStringLiteral("month"), 1, 12);
    Database database = openExisting(databasePath(arguments));
    const ConnectionLog log(database);
    const QList<LogRow> rows = log.month(year, month);
    const qint64 total = log.monthTotal(year, month);
    if (arguments.has(QStringLiteral("csv")))
        printCsv(console.out, rows, total);
    else
        printTable(console.out, rows, total);
    return 0;
}

int runStatus(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db")}, {}, 0});
    const QString path = databasePath(arguments);
    Database database = openExisting(path);
    const QDate today = QDate::currentDate();
    TariffStore tariffs(database);

    console.out << "ZR Tellix 99\n"
                << "Database:      " << path << '\n'
                << "IVA:           " << VatStore(database).read() << "%\n"
                << "Compagnie:     " << tariffs.companies().size() << '\n'
                << "Tariffe:       " << tariffs.tariffs().size() << '\n';
    for (const Associazione& association : AssociationStore(database).all())
        console.out << "Connessione:   " << association.connessione << " -> tariffa " << association.idTariffa << '\n';
    const ConnectionLog log(database);
    console.out << "Questo mese:   " << log.month(today.year(), today.month()).size() << " connessioni, "
                << groupedLire(log.monthTotal(today.year(), today.month())) << " Lire\n";
    return 0;
}

} // namespace zrt::cli
