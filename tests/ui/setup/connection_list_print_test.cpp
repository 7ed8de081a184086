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

const QString kTotal = QStringLiteral("1.234.567");

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A month of rows told apart by their entry, "Linea 001" to "Linea 100".
// Every twentieth row is still open (no end, pulses or cost); rows 25 and 75
// cost nothing.
QList<LogRow> monthRows(int count)
{
    QList<LogRow> rows;
    for (int i = 1; i <= count; ++i) {
        LogRow row;
        row.id = i;
        row.data = QStringLiteral("2026-12-") + twoDigits(1 + (i - 1) % 31);
        row.connessione = QStringLiteral("Linea %1").arg(i, 3, 10, QLatin1Char('0'));
        row.inizio = twoDigits(i % 24) + QLatin1Char(':') + twoDigits(i % 60) + QStringLiteral(":05");
        row.servizio = i % 2 ? QStringLiteral("Telecom Italia 1998") : kServizioNonDisponibile;
        if (i % 20 != 0) {
            row.fine = twoDigits(i % 24) + QLatin1Char(':') + twoDigits(i % 60) + QStringLiteral(":59");
            row.scatti = i % 25 == 0 ? 0 : i * 3;
            row.costo = i % 25 == 0 ? 0 : i * 1013;
        }
        rows.append(row);
    }
    return rows;
}

// The line pdftotext makes of a row: its non-empty cells in column order.
QRegularExpression rowLine(const LogRow& row)
{
    const QLocale italian(QLocale::Italian);
    QStringList cells{QDate::fromString(row.data, Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy")), row.inizio,
                      row.fine};
    if (row.scatti)
        cells << QString::number(*row.scatti);
    if (row.costo && *row.costo != 0)
        cells << italian.toString(*row.costo);
    cells << row.connessione << row.servizio;
    cells.removeAll(QString());
    QStringList escaped;
    for (const QString& cell : cells)
        escaped << QRegularExpression::escape(cell).replace(QStringLiteral("\\ "), QStringLiteral("\\s+"));
    return QRegularExpression(QStringLiteral("^\\s*") + escaped.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*$"),
                              QRegularExpression::MultilineOption);
}

int occurrences(const QString& text, const QRegularExpression& pattern)
{
    int count = 0;
    for (auto match = pattern.globalMatch(text); match.hasNext(); match.next())
        ++count;
    return count;
}

class PrintedConnectionList : public testing::Test {
protected:
    QString pdfPath(const QString& name) const { return folder_.filePath(name); }

    PrintOutcome printToPdf(const ConnectionListReport& report, const QString& path,
                            const QPageSize& pageSize = QPageSize(QPageSize::A4)) const
    {
        return printConnectionList(report, PrintDestination::pdfFile(path, pageSize));
    }

private:
    QTemporaryDir folder_;
};

TEST_F(PrintedConnectionList, HundredRowsContinueOnPagesWithoutHeadings)
{
    const QList<LogRow> rows = monthRows(100);
    const QString path = pdfPath(QStringLiteral("dicembre.pdf"));
    const PrintOutcome outcome = printToPdf({rows, periodText(2026, 12), kTotal}, path);
    ASSERT_EQ(outcome.result, PrintOutcome::Result::Printed) << outcome.message.toStdString();

    const QStringList pages = test::pdfPageTexts(path);
    ASSERT_GE(pages.size(), 2);
    const QRegularExpression title(QStringLiteral("Stampa lista Connessioni ad Internet"));
    const QRegularExpression period(QStringLiteral("Periodo: Dicembre 2026"));
    const QRegularExpression headings(
        QStringLiteral(R"(^\s*Data\s+Ora Inizio\s+Ora Fine\s+Scatti\s+Spesa\s+Con\. Util\.ta\s+Servizio\s*$)"),
        QRegularExpression::MultilineOption);
    EXPECT_EQ(occurrences(pages.first(), title), 1);
    EXPECT_EQ(occurrences(pages.first(), period), 1);
    EXPECT_EQ(occurrences(pages.first(), headings), 1);
    for (qsizetype page = 1; page < pages.size(); ++page) {
        EXPECT_FALSE(pages[page].contains(QStringLiteral("Stampa lista"))) << "page " << page + 1;
        EXPECT_FALSE(pages[page].contains(QStringLiteral("Periodo"))) << "page " << page + 1;
        EXPECT_FALSE(pages[page].contains(QStringLiteral("Ora Inizio"))) << "page " << page + 1;
    }

    // Each row once, in the order given, running on from page to page.
    const QString document = pages.join(QLatin1Char('\f'));
    qsizetype previous = -1;
    for (const LogRow& row : rows) {
        const QRegularExpression line = rowLine(row);
        EXPECT_EQ(occurrences(document, line), 1) << row.connessione.toStdString();
        const qsizetype position = line.match(document).capturedStart();
        EXPECT_GT(position, previous) << row.connessione.toStdString();
        previous = position;
    }
    const QRegularExpression total(QStringLiteral(R"(^\s*Totale\s+1\.234\.567\s*$)"), QRegularExpression::MultilineOption);
    EXPECT_EQ(occurrences(pages.last(), total), 1);
    EXPECT_GT(total.match(document).capturedStart(), previous);
    EXPECT_TRUE(pages.first().contains(QStringLiteral("Linea 001")));
}

// The layout keeps inside the printable area of small and large pages:
// long names are cut short rather than run into the next column or off the
// page, and pulses and costs end where their headings end.
TEST_F(PrintedConnectionList, StaysInsideThePrintableAreaOfEveryPageSize)
{
    QList<LogRow> rows = monthRows(60);
    for (LogRow& row : rows) {
        row.connessione = QStringLiteral("R%1 collegamento di riserva").arg(row.id, 3, 10, QLatin1Char('0'));
        row.servizio = QStringLiteral("Telecom Italia 1998 Tariffa Urbana Professionale Notturna");
        row.fine = QStringLiteral("23:59:59");
        row.scatti = row.id * 7;
        row.costo = row.id * 100003;
    }
    constexpr double kMarginPoints = 10 / 25.4 * 72;
    constexpr double kTolerance = 0.5;
    const QPageSize::PageSizeId sizes[] = {QPageSize::A4, QPageSize::Letter, QPageSize::A5, QPageSize::Legal};
    for (const QPageSize::PageSizeId size : sizes) {
        SCOPED_TRACE(QPageSize::name(size).toStdString());
        const QString path = pdfPath(QPageSize::key(size) + QStringLiteral(".pdf"));
        ASSERT_EQ(printToPdf({rows, periodText(2027, 1), kTotal}, path, QPageSize(size)).result,
                  PrintOutcome::Result::Printed);

        const QList<PdfPage> pages = test::pdfPageWords(path);
        ASSERT_FALSE(pages.isEmpty());
        PdfWord scattiHeading;
        PdfWord spesaHeading;
        QMap<QString, int> rowMarks;
        for (const PdfPage& page : pages) {
            const QRectF printable(QPointF(kMarginPoints, kMarginPoints),
                                   page.size - QSizeF(2 * kMarginPoints, 2 * kMarginPoints));
            QMap<int, QList<PdfWord>> lines;
            for (const PdfWord& word : page.words) {
                EXPECT_TRUE(printable.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(word.box))
                    << word.text.toStdString();
                lines[qRound(word.box.top() * 10)].append(word);
                if (word.text == QStringLiteral("Scatti"))
                    scattiHeading = word;
                if (word.text == QStringLiteral("Spesa"))
                    spesaHeading = word;
            }
            for (QList<PdfWord>& line : lines) {
                std::sort(line.begin(), line.end(),
                          [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
                for (qsizetype i = 1; i < line.size(); ++i)
                    EXPECT_LE(line[i - 1].box.right(), line[i].box.left() + kTolerance)
                        << line[i - 1].text.toStdString() << " runs into " << line[i].text.toStdString();
                if (line.size() > 5 && line[5].text.startsWith(QLatin1Char('R'))) {
                    ++rowMarks[line[5].text];
                    EXPECT_NEAR(line[3].box.right(), scattiHeading.box.right(), kTolerance);
                    EXPECT_NEAR(line[4].box.right(), spesaHeading.box.right(), kTolerance);
                }
            }
        }
        EXPECT_EQ(rowMarks.size(), rows.size());
        for (auto mark = rowMarks.cbegin(); mark != rowMarks.cend(); ++mark)
            EXPECT_EQ(mark.value(), 1) << mark.key().toStdString();
    }
}

TEST_F(PrintedConnectionList, TotalLineShowsTheTotalGroupedAndNothingForZero)
{
    const struct {
        const char* total;
        const char* line;
    } cases[] = {
        {"1.234.567", "Totale 1.234.567"},
        {"12345", "Totale 12.345"},
        {"0", "Totale"},
    };
    for (const auto& c : cases) {
        const QString path = pdfPath(QStringLiteral("totale.pdf"));
        ASSERT_EQ(printToPdf({monthRows(1), periodText(2026, 12), QString::fromLatin1(c.total)}, path).result,
                  PrintOutcome::Result::Printed);
        const QStringList pages = test::pdfPageTexts(path);
        ASSERT_EQ(pages.size(), 1);
        const QStringList lines = pages.first().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(lines.last().simplified(), QString::fromLatin1(c.line)) << c.total;
    }
}

TEST_F(PrintedConnectionList, EmptyMonthPrintsNothing)
{
    const QString path = pdfPath(QStringLiteral("vuoto.pdf"));
    const PrintOutcome outcome = printToPdf({{}, periodText(2026, 2), QStringLiteral("0")}, path);
    EXPECT_EQ(outcome.result, PrintOutcome::Result::NothingToPrint);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("Febbraio 2026"))) << outcome.message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintedConnectionList, FailuresSayWhyAndLeaveNothingBehind)
{
    const QString unwritable = pdfPath(QStringLiteral("missing-folder/lista.pdf"));
    const struct {
        PrintDestination destination;
        const char* message;
    } cases[] = {
        {PrintDestination::printer(QPrinterInfo()), "No printer"},
        {PrintDestination::pdfFile(unwritable), "cannot write the file"},
    };
    for (const auto& c : cases) {
        const PrintOutcome outcome = printConnectionList({monthRows(3), periodText(2026, 12), kTotal}, c.destination);
        EXPECT_EQ(outcome.result, PrintOutcome::Result::Failed);
        EXPECT_TRUE(outcome.message.contains(QString::fromLatin1(c.message))) << outcome.message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST(MonthNames, NameTheTwelveMonthsAndNothingElse)
{
    EXPECT_EQ(monthName(1), QStringLiteral("Gennaio"));
    EXPECT_EQ(monthName(9), QStringLiteral("Settembre"));
    EXPECT_EQ(monthName(12), QStringLiteral("Dicembre"));
    EXPECT_TRUE(monthName(0).isEmpty());
    EXPECT_TRUE(monthName(13).isEmpty());
    EXPECT_EQ(periodText(2026, 12), QStringLiteral("Dicembre 2026"));
}

} // namespace
} // namespace zrt
