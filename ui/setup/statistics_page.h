#pragma once

#include "database/connection_statistics.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

namespace zrt {

// The "Statistiche" page: a year's calls, time online and spending by month,
// and its totals by dial-up entry and by day type. The year is stepped with
// "<" and ">"; the log is read when the page is first shown.
class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsPage(QString databasePath, QWidget* parent = nullptr);

    void showYear(int year);
    int year() const { return year_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showStatistics(const std::optional<YearStatistics>& statistics);

    QString databasePath_;
    int year_;
    bool shown_ = false;
    QLabel* yearLabel_;
    QLabel* readFailedLabel_;
    QTableWidget* monthsTable_;
    QTableWidget* totalsTable_;
};

} // namespace zrt
