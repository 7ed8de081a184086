// The statistics page's charts live in this plug-in, loaded the first time
// the page is shown: the charts library stays out of the memory of a
// program that sits idle all day.
#include "statistics_charts.h"

namespace zrt {

class ChartsPlugin : public QObject, public YearChartsFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZRT_YEAR_CHARTS_FACTORY_IID)
    Q_INTERFACES(zrt::YearChartsFactory)

public:
    YearCharts* createCharts(QWidget* parent) override { return new StatisticsCharts(parent); }
};

} // namespace zrt

#include "charts_plugin.moc"
