#include "statistics_charts.h"

#include "chart_locale.h"
#include "month_bar_chart.h"

#include <cmath>

namespace zrt {

namespace {

constexpr double kSecondsPerHour = 3600;
constexpr double kBytesPerMegabyte = 1000 * 1000;

QString lireText(double lire)
{
    return StatisticsCharts::tr("%1 Lire").arg(chartLocale().toString(static_cast<qint64>(lire)));
}

QString euroText(double euro)
{
    return StatisticsCharts::tr("%1 Euro").arg(chartLocale().toString(euro, 'f', 2));
}

QString hoursText(double hours)
{
    const auto minutes = static_cast<qint64>(std::llround(hours * 60));
    return StatisticsCharts::tr("%1 h %2 min").arg(chartLocale().toString(minutes / 60)).arg(minutes % 60);
}

QString callsText(double calls)
{
    const auto count = static_cast<qint64>(calls);
    if (count == 1)
        return StatisticsCharts::tr("1 chiamata");
    return StatisticsCharts::tr("%1 chiamate").arg(chartLocale().toString(count));
}

QString megabytesText(double megabytes)
{
    return chartLocale().formattedDataSize(std::llround(megabytes * kBytesPerMegabyte), 1, QLocale::DataSizeSIFormat);
}

// The months' figures, one value a month.
template <typename Value>
MonthBarChart::MonthValues monthly(const YearStatistics& statistics, Value value)
{
    MonthBarChart::MonthValues values;
    for (int month = 1; month <= 12; ++month)
        values.at(month - 1) = value(statistics.month(month));
    return values;
}

std::optional<double> megabytes(const std::optional<qint64>& bytes)
{
    if (!bytes)
        return std::nullopt;
    return *bytes / kBytesPerMegabyte;
}

} // namespace

StatisticsCharts::StatisticsCharts(QWidget* parent)
    : YearCharts(parent),
      spendingChart_(addChart(tr("Spesa"), new MonthBarChart(QStringLiteral("chartSpesa"), tr("Lire"), {tr("Spesa")},
                                                             lireText, this))),
      hoursChart_(addChart(tr("Durata"), new MonthBarChart(QStringLiteral("chartDurata"), tr("Ore"), {tr("Durata")},
                                                           hoursText, this))),
      callsChart_(addChart(tr("Chiamate"), new MonthBarChart(QStringLiteral("chartChiamate"), tr("Chiamate"),
                                                             {tr("Chiamate")}, callsText, this))),
      trafficChart_(addChart(tr("Traffico"), new MonthBarChart(QStringLiteral("chartTraffico"), tr("MB"),
                                                               {tr("Ricevuti"), tr("Inviati")}, megabytesText, this)))
{
    setObjectName(QStringLiteral("tabStatistiche"));
}

MonthBarChart* StatisticsCharts::addChart(const QString& tab, MonthBarChart* chart)
{
    addTab(chart, tab);
    return chart;
}

void StatisticsCharts::showStatistics(const YearStatistics& statistics, Currency currency)
{
    const bool lire = currency == Currency::Lire;
    spendingChart_->setUnit(lire ? tr("Lire") : tr("Euro"), lire ? lireText : euroText);
    const double perLira = lire ? 1 : 1 / kLirePerEuro;
    spendingChart_->setValues({monthly(statistics, [perLira](const CallFigures& figures) {
        return std::optional<double>(static_cast<double>(figures.lire) * perLira);
    })});
    hoursChart_->setValues({monthly(statistics, [](const CallFigures& figures) {
        return std::optional<double>(figures.seconds / kSecondsPerHour);
    })});
    callsChart_->setValues({monthly(statistics, [](const CallFigures& figures) {
        return std::optional<double>(static_cast<double>(figures.calls));
    })});
    trafficChart_->setValues(
        {monthly(statistics, [](const CallFigures& figures) { return megabytes(figures.bytesReceived); }),
         monthly(statistics, [](const CallFigures& figures) { return megabytes(figures.bytesSent); })});
}

void StatisticsCharts::clearStatistics()
{
    for (MonthBarChart* chart : {spendingChart_, hoursChart_, callsChart_, trafficChart_})
        chart->setValues({});
}

} // namespace zrt
