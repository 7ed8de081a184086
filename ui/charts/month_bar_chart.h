#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QBarCategoryAxis;
class QBarSeries;
class QValueAxis;

namespace zrt {

// One measure of a year as bars by month, small enough for a page of the
// management window. Hovering a bar shows its month and value.
class MonthBarChart : public QChartView {
    Q_OBJECT

public:
    using MonthValues = std::array<std::optional<double>, 12>; // January first
    using ValueText = std::function<QString(double value)>;

    // One bar set per name; more than one set gets a legend.
    MonthBarChart(const QString& objectName, const QString& axisTitle, const QStringList& setNames,
                  ValueText valueText, QWidget* parent = nullptr);

    // One MonthValues per set. An unknown value draws no bar.
    void setValues(const QList<MonthValues>& values);
    void setUnit(const QString& axisTitle, ValueText valueText);

    // What hovering the bar shows, e.g. "marzo: 1.500 Lire".
    QString barText(int set, int month) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFont();
    void showBarText(bool hovering, int set, int month);
    void fitAxis(double largest);

    QStringList setNames_;
    ValueText valueText_;
    QList<MonthValues> values_;
    QBarSeries* series_;
    QBarCategoryAxis* monthAxis_;
    QValueAxis* valueAxis_;
};

} // namespace zrt
