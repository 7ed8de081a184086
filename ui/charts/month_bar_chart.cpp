#include "month_bar_chart.h"

#include "chart_locale.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCursor>
#include <QGraphicsLayout>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace zrt {

namespace {

constexpr int kValueTicks = 3;

QStringList shortMonthNames()
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(chartLocale().standaloneMonthName(month, QLocale::ShortFormat));
    return names;
}

QFont smaller(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.8);
    return font;
}

} // namespace

MonthBarChart::MonthBarChart(const QString& objectName, const QString& axisTitle, const QStringList& setNames,
                             ValueText valueText, QWidget* parent)
    : QChartView(parent), setNames_(setNames), valueText_(std::move(valueText)), series_(new QBarSeries),
      monthAxis_(new QBarCategoryAxis), valueAxis_(new QValueAxis)
{
    setObjectName(objectName);
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setLocalizeNumbers(true);
    chart->setLocale(chartLocale());
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(2, 2, 2, 0));
    chart->setBackgroundRoundness(0);
    chart->addSeries(series_);
    for (int set = 0; set < setNames.size(); ++set) {
        auto* barSet = new QBarSet(setNames.at(set));
        connect(barSet, &QBarSet::hovered, this,
                [this, set](bool hovering, int month) { showBarText(hovering, set, month); });
        series_->append(barSet);
    }

    monthAxis_->append(shortMonthNames());
    monthAxis_->setTruncateLabels(false); // the axis cuts "mar" to "m..." though it fits
    chart->addAxis(monthAxis_, Qt::AlignBottom);
    series_->attachAxis(monthAxis_);
    valueAxis_->setTitleText(axisTitle);
    valueAxis_->setTickCount(kValueTicks);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(valueAxis_);
    chart->legend()->setVisible(setNames.size() > 1);
    chart->legend()->setAlignment(Qt::AlignRight); // beside the bars: the page has more width than height
    setChart(chart);
    applyFont();
    fitAxis(0);
}

void MonthBarChart::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFont();
}

// The chart draws its texts in fonts of its own: the widget's, a size smaller.
void MonthBarChart::applyFont()
{
    const QFont labelFont = smaller(font());
    monthAxis_->setLabelsFont(labelFont);
    valueAxis_->setTitleFont(labelFont);
    valueAxis_->setLabelsFont(labelFont);
    chart()->legend()->setFont(labelFont);
}

void MonthBarChart::setValues(const QList<MonthValues>& values)
{
    values_ = values;
    double largest = 0;
    for (int set = 0; set < setNames_.size(); ++set) {
        QList<qreal> bars;
        for (const std::optional<double>& value : values_.value(set)) {
            bars.append(value.value_or(0)); // a bar of no height: nothing drawn
            largest = std::max(largest, value.value_or(0));
        }
        QBarSet* barSet = series_->barSets().at(set);
        barSet->remove(0, barSet->count());
        barSet->append(bars);
    }
    fitAxis(largest);
}

void MonthBarChart::setUnit(const QString& axisTitle, ValueText valueText)
{
    valueAxis_->setTitleText(axisTitle);
    valueText_ = std::move(valueText);
}

QString MonthBarChart::barText(int set, int month) const
{
    const std::optional<double> value = values_.value(set).at(month);
    const QString valueText = value ? valueText_(*value) : tr("sconosciuto");
    const QString monthName = chartLocale().standaloneMonthName(month + 1);
    if (setNames_.size() == 1)
        return tr("%1: %2").arg(monthName, valueText);
    return tr("%1, %2: %3").arg(monthName, setNames_.at(set).toLower(), valueText);
}

void MonthBarChart::showBarText(bool hovering, int set, int month)
{
    if (hovering)
        QToolTip::showText(QCursor::pos(), barText(set, month), this);
    else
        QToolTip::hideText();
}

// Round steps from zero; whole numbers on the axis unless the steps are
// fractions.
void MonthBarChart::fitAxis(double largest)
{
    valueAxis_->setRange(0, largest > 0 ? largest : 1);
    valueAxis_->applyNiceNumbers();
    const double step = (valueAxis_->max() - valueAxis_->min()) / (valueAxis_->tickCount() - 1);
    valueAxis_->setLabelFormat(step == std::floor(step) ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
}

} // namespace zrt
