#include "tests/support/tool_run.h"

#include "printing/connection_list_printer.h"
#include "printing/month_names.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// A month of rows told apart by their entry, "R001" onwards; every
// twentieth row is still open (no end, pulses or cost), and every
// thirteenth was closed with no tariff to price it.
QList<LogRow> monthRows(int count)
{
    QList<LogRow> rows;
    for (int i = 1; i <= count; ++i) {
        LogRow row;
        row.data = QStringLiteral("2026-12-%1").arg(1 + (i - 1) % 31, 2, 10, QLatin1Char('0'));
        row.connessione = QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0'));
        row.inizio = QStringLiteral("09:00:05");
        row.servizio = QStringLiteral("Telecom Italia");
        if (i % 20 != 0)
            row.fine = QStringLiteral("09:30:59");
        if (i % 20 != 0 && i % 13 != 0) {
            row.scatti = i * 3;
            row.costo = i * 100003;
        }
        rows.append(row);
    }
    return rows;
}

// The line pdftotext makes of a row, its spacing collapsed: its non-empty
// cells in column order, unknown pulses and cost as dashes.
QString rowLine(const LogRow& row)
{
    QStringList cells{QDate::fromString(row.data, Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy")), row.inizio};
    if (!row.fine.isEmpty())
        cells << row.fine;
    if (row.costo)
        cells << QString::number(*row.scatti) << QLocale(QLocale::Italian).toString(*row.costo);
    else
        cells << QStringLiteral("— —");
    return (cells << row.connessione << row.servizio).join(QLatin1Char(' '));
}

TEST(PrintedConnectionList, HeadingsOnceThenEveryRowOnceInOrderAndTheTotalOnEveryPageSize)
{
    // The total line groups the total's digits, shows nothing for zero and
    // says how many costs it leaves out.
    const struct { QPageSize::PageSizeId size; int rows; LogTotal total; const char* totalLine; } cases[] = {
        {QPageSize::A4, 100, {1234567, 0}, "Totale 1.234.567"},
        {QPageSize::Letter, 100, {12345, 2}, "Totale 12.345 (2 connessioni senza tariffa)"},
        {QPageSize::A5, 60, {0, 0}, "Totale"},
        {QPageSize::Legal, 1, {7, 1}, "Totale 7 (1 connessione senza tariffa)"},
    };
    const char* headings[] = {"Stampa lista Connessioni ad Internet", "Periodo: Dicembre 2026",
                              "Data Ora Inizio Ora Fine Scatti Spesa Con. Util.ta Servizio"};
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(QPageSize::name(c.size).toStdString());
        const QList<LogRow> rows = monthRows(c.rows);
        const QString path = folder.filePath(QPageSize::key(c.size) + QStringLiteral(".pdf"));
        const PrintOutcome outcome = printConnectionList({rows, periodText(2026, 12), c.total},
                                                         PrintDestination::pdfFile(path, QPageSize(c.size)));
        ASSERT_EQ(outcome.result, PrintOutcome::Result::Printed) << outcome.message.toStdString();

        const test::ToolRun text = test::runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
        ASSERT_TRUE(text.status == 0 && text.out.contains(QLatin1Char('\f'))) << text.err.toStdString();
        QStringList pages = text.out.split(QLatin1Char('\f'));
        pages.removeLast(); // the text after the last page's form feed
        ASSERT_EQ(pages.size() > 1, c.rows > 50) << pages.size() << " pages";
        QStringList lines;
        for (const QString& line : pages.join(QLatin1Char('\n')).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            lines << line.simplified();
        for (const char* heading : headings) {
            EXPECT_EQ(lines.count(QString::fromUtf8(heading)), 1) << heading;
            EXPECT_TRUE(pages.first().simplified().contains(QString::fromUtf8(heading))) << heading;
        }
        qsizetype previous = -1;
        for (const LogRow& row : rows) {
            EXPECT_EQ(lines.count(rowLine(row)), 1) << row.connessione.toStdString();
            EXPECT_GT(lines.indexOf(rowLine(row)), previous) << row.connessione.toStdString();
            previous = lines.indexOf(rowLine(row));
        }
        EXPECT_EQ(lines.last(), QString::fromUtf8(c.totalLine));
    }
}

} // namespace
} // namespace zrt::test
