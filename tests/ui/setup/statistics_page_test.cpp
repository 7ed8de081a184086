#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/connection_log.h"
#include "ui/common/year_charts.h"
#include "ui/setup/statistics_page.h"
#include "ui/setup/year_charts_loader.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QTableWidget>
#include <QToolTip>

#include <memory>

namespace zrt::test {
namespace {

QBarSet* barSet(const QChartView* view, int set)
{
    const auto* series = qobject_cast<const QBarSeries*>(view->chart()->series().value(0));
    return series ? series->barSets().value(set) : nullptr;
}

QList<qreal> barValues(const QChartView* view, int set)
{
    QList<qreal> values;
    if (const QBarSet* bars = barSet(view, set))
        for (int month = 0; month < bars->count(); ++month)
            values.append(bars->at(month));
    return values;
}

// What the chart shows as the mouse comes over the bar.
QString hoverText(const QChartView* view, int set, int month)
{
    QBarSet* bars = barSet(view, set);
    if (!bars)
        return {};
    emit bars->hovered(true, month);
    return QToolTip::text();
}

QStringList tabTitles(const QTabWidget* tabs)
{
    QStringList titles;
    for (int index = 0; index < tabs->count(); ++index)
        titles.append(tabs->tabText(index));
    return titles;
}

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

class StatisticsChartsTest : public StatisticsPageTest {
protected:
    StatisticsChartsTest()
    {
        log("2026-03-02 10:00:00", 1500, "Casa");
        log("2026-03-07 10:00:00", std::nullopt, "Casa");
        log("2026-12-25 10:00:00", 200, "Ufficio");
        window_->choosePage(SetupPage::Statistics);
        page_.showYear(2026);
    }

    const QChartView* chart(const char* name) const { return child<QChartView>(name); }
};

TEST_F(StatisticsChartsTest, DrawTheMonthsWithTheTableInTheLastTab)
{
    const auto* tabs = child<QTabWidget>("tabStatistiche");
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->isVisible());
    EXPECT_EQ(tabTitles(tabs), (QStringList{"Spesa", "Durata", "Chiamate", "Traffico", "Tabella"}));
    EXPECT_EQ(tabs->widget(4), child<QTableWidget>("grdMesi"));
    EXPECT_EQ(rows("grdMesi"), 13);

    const QList<qreal> none(12, 0.0);
    const auto only = [&](std::initializer_list<std::pair<int, qreal>> months) {
        QList<qreal> values = none;
        for (const auto& [month, value] : months)
            values[month - 1] = value;
        return values;
    };
    const struct {
        const char* chart;
        int set;
        QList<qreal> values;
    } expected[] = {
        {"chartSpesa", 0, only({{3, 1500}, {12, 200}})},
        {"chartDurata", 0, only({{3, 1200.0 / 3600}, {12, 600.0 / 3600}})},
        {"chartChiamate", 0, only({{3, 2}, {12, 1}})},
        {"chartTraffico", 0, none}, // counted by no call: no bars
        {"chartTraffico", 1, none},
    };
    for (const auto& chart : expected) {
        const QList<qreal> values = barValues(this->chart(chart.chart), chart.set);
        ASSERT_EQ(values.size(), 12) << chart.chart;
        for (int month = 0; month < 12; ++month)
            EXPECT_NEAR(values.at(month), chart.values.at(month), 1e-9) << chart.chart << " month " << month + 1;
    }
}

TEST_F(StatisticsChartsTest, HoveringABarShowsItsMonthAndValue)
{
    const struct {
        const char* chart;
        int set;
        int month;
        const char* text;
    } bars[] = {
        {"chartSpesa", 0, 2, "marzo: 1.500 Lire"},
        {"chartSpesa", 0, 0, "gennaio: 0 Lire"},
        {"chartDurata", 0, 2, "marzo: 0 h 20 min"},
        {"chartChiamate", 0, 2, "marzo: 2 chiamate"},
        {"chartChiamate", 0, 11, "dicembre: 1 chiamata"},
        {"chartTraffico", 0, 2, "marzo, ricevuti: sconosciuto"},
        {"chartTraffico", 1, 11, "dicembre, inviati: sconosciuto"},
    };
    for (const auto& bar : bars)
        EXPECT_EQ(hoverText(chart(bar.chart), bar.set, bar.month), QString::fromUtf8(bar.text)) << bar.chart;
}

// With the strip in Euro the spending is drawn in Euro, and back in Lire.
TEST_F(StatisticsChartsTest, TheSpendingFollowsTheStripsCurrency)
{
    const struct {
        Currency currency;
        qreal march;
        const char* text;
    } cases[] = {
        {Currency::Euro, 1500 / kLirePerEuro, "marzo: 0,77 Euro"},
        {Currency::Lire, 1500, "marzo: 1.500 Lire"},
    };
    for (const auto& c : cases) {
        window_->setCurrency(c.currency);
        EXPECT_NEAR(barValues(chart("chartSpesa"), 0).at(2), c.march, 1e-9);
        EXPECT_EQ(hoverText(chart("chartSpesa"), 0, 2), QString::fromUtf8(c.text));
    }
}

TEST(StatisticsCharts, DrawTheTrafficCountedAndNoBarWhereItIsUnknown)
{
    std::unique_ptr<YearCharts> charts(loadYearCharts(installedChartsPluginPath(), nullptr));
    ASSERT_NE(charts, nullptr);
    YearStatistics statistics;
    statistics.year = 2026;
    statistics.months[2].bytesReceived = 1'500'000;
    statistics.months[2].bytesSent = 250'000;
    statistics.months[3].bytesReceived = 2'000'000; // what was sent is not known
    charts->showStatistics(statistics, Currency::Lire);

    const auto* traffic = charts->findChild<QChartView*>(QStringLiteral("chartTraffico"));
    ASSERT_NE(traffic, nullptr);
    EXPECT_EQ(barValues(traffic, 0), (QList<qreal>{0, 0, 1.5, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(barValues(traffic, 1), (QList<qreal>{0, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(hoverText(traffic, 0, 2), QStringLiteral("marzo, ricevuti: 1,5 MB"));
    EXPECT_EQ(hoverText(traffic, 1, 2), QStringLiteral("marzo, inviati: 250,0 kB"));
    EXPECT_EQ(hoverText(traffic, 1, 3), QStringLiteral("aprile, inviati: sconosciuto"));
}

TEST(StatisticsPageWithoutCharts, ShowsTheFiguresAsTables)
{
    const ScratchDatabase scratch;
    StatisticsPage page(scratch.path(), QStringLiteral("/nonexistent/libzrtellix_charts.so"));
    page.show();

    EXPECT_EQ(page.findChild<YearCharts*>(), nullptr);
    const auto* months = page.findChild<QTableWidget*>(QStringLiteral("grdMesi"));
    ASSERT_NE(months, nullptr);
    EXPECT_TRUE(months->isVisible());
    EXPECT_EQ(months->rowCount(), 13);
    EXPECT_TRUE(page.findChild<QTableWidget*>(QStringLiteral("grdTotali"))->isVisible());
}

} // namespace
} // namespace zrt::test
