#pragma once

#include "database/connection_statistics.h"
#include "engine/currency.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;
class QVBoxLayout;

namespace zrt {

class YearCharts;

// The "Statistiche" page: a year's calls, time online and spending by month,
// and its totals by dial-up entry and by day type. The year is stepped with
// "<" and ">"; the log is read when the page is first shown. The months are
// drawn as charts by the charts plug-in, loaded then too, with their table
// in a tab beside them; without the plug-in the table alone shows them.
class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    StatisticsPage(QString databasePath, QString chartsPluginPath, QWidget* parent = nullptr);

    void showYear(int year);
    int year() const { return year_; }
    // The currency of the spending chart: the one the strip shows.
    void setCurrency(Currency currency);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadCharts();
    void showStatistics(const std::optional<YearStatistics>& statistics);

    QString databasePath_;
    QString chartsPluginPath_;
    int year_;
    Currency currency_ = Currency::Lire;
    bool shown_ = false;
    QLabel* yearLabel_;
    QLabel* readFailedLabel_;
    QTableWidget* monthsTable_;
    QTableWidget* totalsTable_;
    QVBoxLayout* layout_;
    YearCharts* charts_ = nullptr;
};

} // namespace zrt
