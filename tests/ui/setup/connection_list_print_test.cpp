#include "tests/ui/setup/pdf_text.h"

#include "ui/setup/connection_list_printer.h"
#include "ui/setup/month_names.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

using test::PdfPage;
using test::PdfWord;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A month of rows told apart by their entry's first word, "R001" onwards.
// Odd rows have names too long for their columns; every twentieth row is
// still open (no end, pulses or cost); rows 25 and 75 cost nothing.
QList<LogRow> monthRows(int count)
{
    QList<LogRow> rows;
    for (int i = 1; i <= count; ++i) {
        LogRow row;
        row.id = i;
        row.data = QStringLiteral("2026-12-") + twoDigits(1 + (i - 1) % 31);
        row.connessione = QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0'));
        row.inizio = twoDigits(i % 24) + QLatin1Char(':') + twoDigits(i % 60) + QStringLiteral(":05");
        row.servizio = kServizioNonDisponibile;
        if (i % 2) {
            row.connessione += QStringLiteral(" collegamento di riserva");
            row.servizio = QStringLiteral("Telecom Italia 1998 Tariffa Urbana Professionale Notturna");
        }
        if (i % 20 != 0) {
            row.fine = twoDigits(i % 24) + QLatin1Char(':') + twoDigits(i % 60) + QStringLiteral(":59");
            row.scatti = i % 25 == 0 ? 0 : i * 3;
            row.costo = i % 25 == 0 ? 0 : i * 100003;
        }
        rows.append(row);
    }
    return rows;
}

// The line pdftotext makes of a row: its non-empty cells in column order.
// A long name and its service are cut short, so only their start is known.
QRegularExpression rowLine(const LogRow& row)
{
    QStringList cells{QDate::fromString(row.data, Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy")), row.inizio,
                      row.fine};
    if (row.scatti)
        cells << QString::number(*row.scatti);
    if (row.costo && *row.costo != 0)
        cells << QLocale(QLocale::Italian).toString(*row.costo);
    const bool cutShort = row.id % 2;
    cells << (cutShort ? row.connessione.section(QLatin1Char(' '), 0, 0) : row.connessione);
    if (!cutShort)
        cells << row.servizio;
    cells.removeAll(QString());
    QStringList escaped;
    for (const QString& cell : cells)
        escaped << QRegularExpression::escape(cell).replace(QStringLiteral("\\ "), QStringLiteral("\\s+"));
    return QRegularExpression(QStringLiteral("^\\s*") + escaped.join(QStringLiteral("\\s+")) +
                                  (cutShort ? QStringLiteral("\\s.*$") : QStringLiteral("\\s*$")),
                              QRegularExpression::MultilineOption);
}

int occurrences(const QString& text, const QString& pattern)
{
    int count = 0;
    for (auto match = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
         match.hasNext(); match.next())
        ++count;
    return count;
}

// Every word inside the printable area and clear of its neighbours;
// pulses and costs end where their headings end.
void expectLaidOutInColumns(const QList<PdfPage>& pages)
{
    constexpr double kMargin = 10 / 25.4 * 72;
    constexpr double kTolerance = 0.5;
    PdfWord scatti;
    PdfWord spesa;
    for (const PdfPage& page : pages) {
        const QRectF printable = QRectF(QPointF(), page.size).adjusted(kMargin, kMargin, -kMargin, -kMargin);
        QMap<int, QList<PdfWord>> lines;
        for (const PdfWord& word : page.words) {
            EXPECT_TRUE(printable.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(word.box))
                << word.text.toStdString();
            lines[qRound(word.box.top() * 10)].append(word);
            if (word.text == QStringLiteral("Scatti"))
                scatti = word;
            if (word.text == QStringLiteral("Spesa"))
                spesa = word;
        }
        static const QRegularExpression number(QStringLiteral("^[\\d.]+$"));
        for (QList<PdfWord>& line : lines) {
            std::sort(line.begin(), line.end(),
                      [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
            for (qsizetype i = 1; i < line.size(); ++i)
                EXPECT_LE(line[i - 1].box.right(), line[i].box.left() + kTolerance)
                    << line[i - 1].text.toStdString() << " runs into " << line[i].text.toStdString();
            if (line.size() > 4 && line[2].text.contains(QLatin1Char(':'))) { // a row with its end
                EXPECT_NEAR(line[3].box.right(), scatti.box.right(), kTolerance);
                if (number.match(line[4].text).hasMatch()) {
                    EXPECT_NEAR(line[4].box.right(), spesa.box.right(), kTolerance);
                }
            }
        }
    }
}

class PrintedConnectionList : public testing::Test {
protected:
    QTemporaryDir folder_;
};

TEST_F(PrintedConnectionList, HeadingsOnceThenEveryRowOnceInOrderAndTheTotalInsideEveryPageSize)
{
    // The total line groups the total's digits and shows nothing for zero.
    const struct { QPageSize::PageSizeId size; int rows; const char* total; const char* totalLine; } cases[] = {
        {QPageSize::A4, 100, "1.234.567", "Totale 1.234.567"},
        {QPageSize::Letter, 100, "12345", "Totale 12.345"},
        {QPageSize::A5, 60, "0", "Totale"},
        {QPageSize::Legal, 1, "7", "Totale 7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QPageSize::name(c.size).toStdString());
        const QList<LogRow> rows = monthRows(c.rows);
        const QString path = folder_.filePath(QPageSize::key(c.size) + QStringLiteral(".pdf"));
        const PrintOutcome outcome = printConnectionList({rows, periodText(2026, 12), QString::fromLatin1(c.total)},
                                                         PrintDestination::pdfFile(path, QPageSize(c.size)));
        ASSERT_EQ(outcome.result, PrintOutcome::Result::Printed) << outcome.message.toStdString();

        const QStringList pages = test::pdfPageTexts(path);
        ASSERT_EQ(pages.size() > 1, c.rows > 50) << pages.size() << " pages";
        EXPECT_EQ(occurrences(pages.first(), QStringLiteral("Stampa lista Connessioni ad Internet")), 1);
        EXPECT_EQ(occurrences(pages.first(), QStringLiteral("Periodo: Dicembre 2026")), 1);
        EXPECT_EQ(occurrences(pages.first(), QStringLiteral(R"(^\s*Data\s+Ora Inizio\s+Ora Fine\s+Scatti\s+)"
                                                            R"(Spesa\s+Con\. Util\.ta\s+Servizio\s*$)")),
                  1);
        const QString later = pages.mid(1).join(QLatin1Char('\f'));
        EXPECT_FALSE(later.contains(QStringLiteral("Stampa lista")) || later.contains(QStringLiteral("Periodo")) ||
                     later.contains(QStringLiteral("Ora Inizio")));

        const QString document = pages.join(QLatin1Char('\f'));
        qsizetype previous = -1;
        for (const LogRow& row : rows) {
            const QRegularExpression line = rowLine(row);
            EXPECT_EQ(occurrences(document, line.pattern()), 1) << row.connessione.toStdString();
            const qsizetype position = line.match(document).capturedStart();
            EXPECT_GT(position, previous) << row.connessione.toStdString();
            previous = position;
        }
        EXPECT_EQ(pages.last().split(QLatin1Char('\n'), Qt::SkipEmptyParts).last().simplified(),
                  QString::fromLatin1(c.totalLine));
        expectLaidOutInColumns(test::pdfPageWords(path));
    }
}

TEST_F(PrintedConnectionList, AnEmptyMonthOrAFailureSaysWhyAndLeavesNothingBehind)
{
    const QString path = folder_.filePath(QStringLiteral("lista.pdf"));
    const QString unwritable = folder_.filePath(QStringLiteral("missing-folder/lista.pdf"));
    const struct { int rows; PrintDestination to; PrintOutcome::Result result; const char* message; } cases[] = {
        {0, PrintDestination::pdfFile(path), PrintOutcome::Result::NothingToPrint, "Febbraio 2026"},
        {3, PrintDestination::printer(QPrinterInfo()), PrintOutcome::Result::Failed, "No printer"},
        {3, PrintDestination::pdfFile(unwritable), PrintOutcome::Result::Failed, "cannot write the file"},
    };
    for (const auto& c : cases) {
        const PrintOutcome outcome =
            printConnectionList({monthRows(c.rows), periodText(2026, 2), QStringLiteral("0")}, c.to);
        EXPECT_EQ(outcome.result, c.result) << c.message;
        EXPECT_TRUE(outcome.message.contains(QString::fromLatin1(c.message))) << outcome.message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(unwritable));
}

} // namespace
} // namespace zrt
