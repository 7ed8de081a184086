#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/connection_log.h"
#include "ui/setup/statistics_page.h"

#include <QLabel>
#include <QTableWidget>

namespace zrt::test {
namespace {

class StatisticsPageTest : public SetupWindowTest {
protected:
    StatisticsPageTest() : page_(*child<StatisticsPage>("pnl3")) {}

    // A call of ten minutes: priced at `costo`, or with none when nothing priced it.
    void log(const char* startedAt, std::optional<qint64> costo, const char* entry)
    {
        Database db = database();
        ConnectionLog connections(db);
        const StoredFigures figures = costo ? StoredFigures(LogFigures{*costo, 3, 600}) : StoredFigures::unpriced(600);
        const qint64 id = connections.open(LogRowStart{QString::fromUtf8(entry), *parseLocalDateTime(startedAt),
                                                       QStringLiteral("Telecom Italia"), std::nullopt, std::nullopt},
                                           figures);
        connections.close(id, TimeOfDay{23 * 3600}, figures);
    }

    QStringList row(const char* table, int row) const
    {
        const QTableWidget* grid = child<QTableWidget>(table);
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells.append(grid->item(row, column)->text());
        return cells;
    }

    int rows(const char* table) const { return child<QTableWidget>(table)->rowCount(); }

    StatisticsPage& page_;
};

TEST_F(StatisticsPageTest, ShowsTheYearByMonthEntryAndDayType)
{
    log("2026-03-02 10:00:00", 1500, "Casa");    // a Monday
    log("2026-03-07 10:00:00", std::nullopt, "Casa"); // a Saturday
    log("2026-12-25 10:00:00", 200, "Ufficio");  // Christmas
    log("2025-03-02 10:00:00", 9999, "Casa");
    page_.showYear(2026);

    ASSERT_EQ(rows("grdMesi"), 13);
    const struct {
        int row;
        QStringList cells;
    } expectedMonths[] = {
        {0, {"gennaio", "0", "00:00:00", "0", "0"}},
        {2, {"marzo", "2", "00:20:00", "1.500", "1"}},
        {11, {"dicembre", "1", "00:10:00", "200", "0"}},
        {12, {"Totale", "3", "00:30:00", "1.700", "1"}},
    };
    for (const auto& expected : expectedMonths)
        EXPECT_EQ(row("grdMesi", expected.row), expected.cells);
    const QList<QStringList> expectedTotals = {
        {"Casa", "2", "00:20:00", "1.500", "1"},   {"Ufficio", "1", "00:10:00", "200", "0"},
        {"Feriali", "1", "00:10:00", "1.500", "0"}, {"Prefestivi", "1", "00:10:00", "0", "1"},
        {"Festivi", "1", "00:10:00", "200", "0"},
    };
    ASSERT_EQ(rows("grdTotali"), expectedTotals.size());
    for (int index = 0; index < expectedTotals.size(); ++index)
        EXPECT_EQ(row("grdTotali", index), expectedTotals.at(index));
}

TEST_F(StatisticsPageTest, TheArrowsStepTheYear)
{
    log("2025-03-02 10:00:00", 9999, "Casa");
    page_.showYear(2026);
    const struct {
        const char* button;
        const char* year;
        const char* total;
    } steps[] = {
        {"fltAnnoPrecedente", "2025", "9.999"},
        {"fltAnnoPrecedente", "2024", "0"},
        {"fltAnnoSeguente", "2025", "9.999"},
    };
    for (const auto& step : steps) {
        click(child<FlatButton>(step.button));
        EXPECT_EQ(child<QLabel>("lblAnnoStatistiche")->text(), QString::fromLatin1(step.year));
        EXPECT_EQ(row("grdMesi", 12).at(3), QString::fromLatin1(step.total)) << step.year;
    }
}

} // namespace
} // namespace zrt::test
