#pragma once

#include "ui/common/year_charts.h"

namespace zrt {

class MonthBarChart;

// The year's spending in Lire or Euro, time online in hours, calls and traffic,
// each a tab of bars by month.
class StatisticsCharts final : public YearCharts {
    Q_OBJECT

public:
    explicit StatisticsCharts(QWidget* parent = nullptr);

    void showStatistics(const YearStatistics& statistics, Currency currency) override;
    void clearStatistics() override;

private:
    MonthBarChart* addChart(const QString& tab, MonthBarChart* chart);

    MonthBarChart* spendingChart_;
    MonthBarChart* hoursChart_;
    MonthBarChart* callsChart_;
    MonthBarChart* trafficChart_;
};

} // namespace zrt
