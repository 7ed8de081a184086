#include "setup_window_fixture.h"

#include "controls/fltbutton.h"
#include "database/connection_log.h"
#include "ui/setup/log_page.h"

#include <QFileInfo>
#include <QLabel>
#include <QTableView>

namespace zrt::test {
namespace {

class LogPageTest : public SetupWindowTest {
protected:
    LogPageTest() : page_(*child<LogPage>("pnl0")) {}

    void log(const char* startedAt, qint64 costo)
    {
        Database db = database();
        ConnectionLog connections(db);
        const int id = connections.open(QStringLiteral("Casa"), *parseLocalDateTime(startedAt),
                                        QStringLiteral("Telecom Italia"));
        connections.close(id, TimeOfDay{23 * 3600}, {costo, 3, 600});
    }

    int rows() const { return child<QTableView>("DBGrid1")->model()->rowCount(); }
    QString shown() const { return child<QLabel>("lblMese")->text() + ' ' + child<QLabel>("lblAnno")->text(); }
    QString total() const { return child<QLabel>("lblTotSpesa")->text(); }

    LogPage& page_;
};

TEST_F(LogPageTest, TheArrowsStepMonthAndYearAcrossTheYearBoundary)
{
    log("2027-01-15 10:00:00", 500);
    const struct { const char* button; const char* expected; } steps[] = {
        {"fltbutton7", "Gennaio 2027"},  {"fltbutton6", "Dicembre 2026"}, {"fltbutton6", "Novembre 2026"},
        {"fltbutton9", "Novembre 2027"}, {"fltbutton8", "Novembre 2026"},
    };
    page_.showPeriod(2026, 12);
    for (const auto& step : steps) {
        click(child<fltbutton>(step.button));
        EXPECT_EQ(shown(), QString::fromUtf8(step.expected)) << step.button;
        EXPECT_EQ(rows(), shown() == QStringLiteral("Gennaio 2027") ? 1 : 0) << step.expected;
    }
    EXPECT_EQ(total(), QStringLiteral("0"));
}

TEST_F(LogPageTest, StampaPrintsTheMonthShownAfterAReloadAndNothingForAnEmptyMonth)
{
    const QString pdf = settingsFolder_.filePath(QStringLiteral("lista.pdf"));
    page_.setPrintDestination(PrintDestination::pdfFile(pdf));
    page_.showPeriod(2026, 12);
    log("2026-12-07 18:00:00", 2500);
    click(child<fltbutton>("fltbutton13"));
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "the month shown was still empty";
    EXPECT_EQ(messages_.notices.size(), 1);

    window_->reloadLog();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(total(), QStringLiteral("2.500"));
    click(child<fltbutton>("fltbutton13"));
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(messages_.warnings.isEmpty());
    EXPECT_FALSE(child<fltbutton>("fltbutton14")->isVisible());
}

} // namespace
} // namespace zrt::test
