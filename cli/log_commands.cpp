#include "arguments.h"
#include "commands.h"
#include "database_access.h"
#include "tool_text.h"

#include "database/association_store.h"
#include "database/connection_log.h"
#include "database/connection_statistics.h"
#include "database/spending_limit_store.h"
#include "database/tariff_store.h"
#include "database/text_escaping.h"
#include "database/vat_store.h"
#include "engine/byte_amount.h"
#include "engine/elapsed_time.h"
#include "engine/italian_number.h"

#include <QDate>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

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

// A cost the log does not know, or cannot believe, is left empty.
QString costText(const std::optional<qint64>& costo)
{
    return costo && isCredibleCost(*costo) ? groupedLire(*costo) : QString();
}

QString csvCost(const std::optional<qint64>& costo)
{
    return costo && isCredibleCost(*costo) ? QString::number(*costo) : QString();
}

// A count of bytes the log does not know, or that is below zero, is left
// empty.
std::optional<qint64> knownCount(const std::optional<qint64>& bytes)
{
    return bytes && *bytes >= 0 ? bytes : std::nullopt;
}

// "12,4 MB", or nothing when the traffic is unknown.
QString trafficText(const std::optional<qint64>& bytes)
{
    return bytes ? QString::fromStdString(byteAmountText(*bytes)) : QString();
}

// What a period's calls received and sent together, when both are known.
std::optional<qint64> periodTraffic(const CallFigures& figures)
{
    if (!figures.bytesReceived || !figures.bytesSent)
        return std::nullopt;
    return saturatingSum(*figures.bytesReceived, *figures.bytesSent);
}

// "2 connections without a tariff", or nothing when every cost is known.
QString unpricedText(const LogTotal& total)
{
    if (total.unpriced == 0)
        return {};
    return total.unpriced == 1 ? ToolText::tr("1 connection without a tariff")
                               : ToolText::tr("%1 connections without a tariff").arg(total.unpriced);
}

// " (2 connections without a tariff)" after a total that leaves them out.
QString unpricedNote(const LogTotal& total)
{
    return total.unpriced == 0 ? QString() : QStringLiteral(" (%1)").arg(unpricedText(total));
}

// "50.000 Lire, usato il 42,5%", or "nessuno".
QString limitText(const LogTotal& total, const std::optional<qint64>& limit)
{
    if (!limit)
        return QStringLiteral("nessuno");
    return QStringLiteral("%1 Lire, usato il %2%")
        .arg(groupedLire(*limit), QLocale(QLocale::Italian).toString(limitUsedPercent(total.lire, *limit), 'f', 1));
}

// "2001-03-05" is shown as the short date "05/03/2001".
QString shortDate(const QString& isoDate)
{
    const QDate date = QDate::fromString(isoDate, Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : isoDate;
}

void printCsv(QTextStream& out, const QList<LogRow>& rows, const LogTotal& total)
{
    out << "data,inizio,fine,scatti,costo,connessione,servizio,byte_ricevuti,byte_inviati\n";
    for (const LogRow& row : rows) {
        const QStringList fields{csvField(row.data),       csvField(row.inizio),
                                 csvField(row.fine),       optionalText(row.scatti),
                                 csvCost(row.costo),       csvField(row.connessione),
                                 csvField(row.servizio),   optionalText(knownCount(row.byteRicevuti)),
                                 optionalText(knownCount(row.byteInviati))};
        out << fields.join(QLatin1Char(',')) << '\n';
    }
    out << "Totale,,,," << total.lire << ',' << unpricedText(total) << ",,,\n";
}

void printTable(QTextStream& out, const QList<LogRow>& rows, const LogTotal& total)
{
    out << "Data       Ora Inizio Ora Fine Scatti     Spesa   Traffico Connessione / Servizio\n";
    for (const LogRow& row : rows) {
        out << terminalSafe(shortDate(row.data)) << ' ' << terminalSafe(row.inizio).leftJustified(10) << ' '
            << terminalSafe(row.fine).leftJustified(8) << ' ' << optionalText(row.scatti).rightJustified(6) << ' '
            << costText(row.costo).rightJustified(9) << ' ' << trafficText(trafficBytes(row)).rightJustified(10)
            << ' ' << terminalSafe(row.connessione) << " / "
            << terminalSafe(row.servizio) << '\n';
    }
    out << "Totale Spesa nel periodo: " << groupedLire(total.lire) << unpricedNote(total) << '\n';
}

QJsonValue jsonNumber(const std::optional<qint64>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonValue jsonText(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject connectionJson(const LogRow& row)
{
    return {{QStringLiteral("date"), row.data},
            {QStringLiteral("start"), row.inizio},
            {QStringLiteral("end"), jsonText(row.fine)},
            {QStringLiteral("seconds"), jsonNumber(row.secondi)},
            {QStringLiteral("pulses"), jsonNumber(row.scatti)},
            {QStringLiteral("cost_lire"),
             row.costo && isCredibleCost(*row.costo) ? QJsonValue(*row.costo) : QJsonValue()},
            {QStringLiteral("entry"), row.connessione},
            {QStringLiteral("company"), row.servizio},
            {QStringLiteral("bytes_received"), jsonNumber(knownCount(row.byteRicevuti))},
            {QStringLiteral("bytes_sent"), jsonNumber(knownCount(row.byteInviati))}};
}

void printJson(QTextStream& out, const QJsonObject& object)
{
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void printLogJson(QTextStream& out, const QList<LogRow>& rows, const LogTotal& total)
{
    QJsonArray connections;
    for (const LogRow& row : rows)
        connections.append(connectionJson(row));
    printJson(out, {{QStringLiteral("connections"), connections},
                    {QStringLiteral("total_lire"), total.lire},
                    {QStringLiteral("unpriced_calls"), total.unpriced}});
}

struct Month {
    int year;
    int month;
};

Month requiredMonth(const Arguments& arguments)
{
    return {arguments.requiredInteger(QStringLiteral("year"), 1, 9998),
            arguments.requiredInteger(QStringLiteral("month"), 1, 12)};
}

void printFiguresLine(QTextStream& out, const QString& label, const CallFigures& figures)
{
    const QString online = QString::fromStdString(elapsedTimeText(figures.seconds));
    out << terminalSafe(label).leftJustified(20) << ' ' << QString::number(figures.calls).rightJustified(8) << ' '
        << online.rightJustified(12) << ' ' << groupedLire(figures.lire).rightJustified(15) << ' '
        << QString::number(figures.unpriced).rightJustified(11) << ' '
        << trafficText(periodTraffic(figures)).rightJustified(12) << '\n';
}

void printStatisticsTable(QTextStream& out, const YearStatistics& statistics)
{
    const QString header = QStringLiteral("%1 Chiamate        Durata           Lire Senza costo     Traffico\n");
    out << header.arg(QStringLiteral("Mese").leftJustified(20));
    for (int month = 1; month <= 12; ++month)
        printFiguresLine(out, QLocale(QLocale::Italian).standaloneMonthName(month), statistics.month(month));
    printFiguresLine(out, QStringLiteral("Totale %1").arg(statistics.year), statistics.total());
    out << '\n' << header.arg(QStringLiteral("Connessione").leftJustified(20));
    for (const EntryFigures& entry : statistics.entries)
        printFiguresLine(out, entry.connessione, entry.figures);
    out << '\n' << header.arg(QStringLiteral("Tipo di giorno").leftJustified(20));
    for (DayType type : {DayType::Fer, DayType::Pre, DayType::Fes})
        printFiguresLine(out, QString::fromLatin1(dayTypeCode(type)), statistics.dayType(type));
}

QJsonObject figuresJson(const CallFigures& figures)
{
    return {{QStringLiteral("calls"), figures.calls},
            {QStringLiteral("seconds"), figures.seconds},
            {QStringLiteral("cost_lire"), figures.lire},
            {QStringLiteral("unpriced_calls"), figures.unpriced}};
}

void printStatisticsJson(QTextStream& out, const YearStatistics& statistics)
{
    QJsonArray months;
    for (int month = 1; month <= 12; ++month) {
        QJsonObject object = figuresJson(statistics.month(month));
        object.insert(QStringLiteral("month"), month);
        object.insert(QStringLiteral("bytes_received"), jsonNumber(statistics.month(month).bytesReceived));
        object.insert(QStringLiteral("bytes_sent"), jsonNumber(statistics.month(month).bytesSent));
        months.append(object);
    }
    QJsonArray entries;
    for (const EntryFigures& entry : statistics.entries) {
        QJsonObject object = figuresJson(entry.figures);
        object.insert(QStringLiteral("entry"), entry.connessione);
        entries.append(object);
    }
    QJsonObject dayTypes;
    for (DayType type : {DayType::Fer, DayType::Pre, DayType::Fes})
        dayTypes.insert(QString::fromLatin1(dayTypeCode(type)), figuresJson(statistics.dayType(type)));
    printJson(out, {{QStringLiteral("year"), statistics.year},
                    {QStringLiteral("months"), months},
                    {QStringLiteral("entries"), entries},
                    {QStringLiteral("day_types"), dayTypes}});
}

} // namespace

int runStats(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("year")}, {QStringLiteral("json")}, 0});
    const int year = arguments.requiredInteger(QStringLiteral("year"), 1, 9998);
    const Database database = openExisting(databasePath(arguments));
    const YearStatistics statistics = yearStatistics(database, year);
    if (arguments.has(QStringLiteral("json")))
        printStatisticsJson(console.out, statistics);
    else
        printStatisticsTable(console.out, statistics);
    return 0;
}

int runLog(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("year"), QStringLiteral("month")},
                                      {QStringLiteral("csv"), QStringLiteral("json")}, 0});
    if (arguments.has(QStringLiteral("csv")) && arguments.has(QStringLiteral("json")))
        throw UsageError(ToolText::tr("--csv and --json cannot be given together"));
    const Month period = requiredMonth(arguments);
    Database database = openExisting(databasePath(arguments));
    const ConnectionLog log(database);
    const QList<LogRow> rows = log.month(period.year, period.month);
    const LogTotal total = log.monthTotal(period.year, period.month);
    if (arguments.has(QStringLiteral("csv")))
        printCsv(console.out, rows, total);
    else if (arguments.has(QStringLiteral("json")))
        printLogJson(console.out, rows, total);
    else
        printTable(console.out, rows, total);
    return 0;
}

int runReprice(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db"), QStringLiteral("year"), QStringLiteral("month")}, {}, 0});
    const Month period = requiredMonth(arguments);
    Database database = openForWriting(databasePath(arguments));
    const RepriceOutcome outcome = ConnectionLog(database).repriceMonth(period.year, period.month);
    console.out << ToolText::tr("%1 connections repriced, %2 still without a tariff")
                       .arg(outcome.repriced)
                       .arg(outcome.stillUnpriced)
                << '\n';
    return 0;
}

int runStatus(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db")}, {QStringLiteral("json")}, 0});
    const QString path = databasePath(arguments);
    Database database = openExisting(path);
    const QDate today = QDate::currentDate();
    const std::optional<qint64> limit = SpendingLimitStore(database).limit();
    if (arguments.has(QStringLiteral("json"))) {
        const ConnectionLog log(database);
        const LogTotal total = log.monthTotal(today.year(), today.month());
        printJson(console.out, {{QStringLiteral("data_dir"), QFileInfo(path).absolutePath()},
                                {QStringLiteral("database"), QFileInfo(path).absoluteFilePath()},
                                {QStringLiteral("vat"), VatStore(database).read()},
                                {QStringLiteral("month_calls"), qint64(log.month(today.year(), today.month()).size())},
                                {QStringLiteral("month_total_lire"), total.lire},
                                {QStringLiteral("month_unpriced_calls"), total.unpriced},
                                {QStringLiteral("limit_lire"), jsonNumber(limit)},
                                {QStringLiteral("limit_used_percent"),
                                 limit ? QJsonValue(limitUsedPercent(total.lire, *limit)) : QJsonValue()}});
        return 0;
    }
    TariffStore tariffs(database);

    console.out << "ZR Tellix 99\n"
                << "Database:      " << terminalSafe(path) << '\n'
                << "IVA:           " << VatStore(database).read() << "%\n"
                << "Compagnie:     " << tariffs.companies().size() << '\n'
                << "Tariffe:       " << tariffs.tariffs().size() << '\n';
    for (const Associazione& association : AssociationStore(database).all()) {
        console.out << "Connessione:   " << terminalSafe(association.connessione) << " -> tariffa "
                    << association.idTariffa << '\n';
    }
    const ConnectionLog log(database);
    const LogTotal total = log.monthTotal(today.year(), today.month());
    console.out << "Questo mese:   " << log.month(today.year(), today.month()).size() << " connessioni, "
                << groupedLire(total.lire) << " Lire" << unpricedNote(total) << '\n';
    console.out << "Limite:        " << limitText(total, limit) << '\n';
    return 0;
}

} // namespace zrt::cli
