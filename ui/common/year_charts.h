#pragma once

#include "database/connection_statistics.h"
#include "engine/currency.h"

#include <QTabWidget>
#include <QtPlugin>

namespace zrt {

// A year's figures drawn as bar charts by month, one chart to a tab. The
// page that shows them may add tabs of its own.
class YearCharts : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

    // The spending in the currency the strip shows.
    virtual void showStatistics(const YearStatistics& statistics, Currency currency) = 0;
    // Figures that could not be read: no bars at all.
    virtual void clearStatistics() = 0;
};

// What the charts plug-in offers.
class YearChartsFactory {
public:
    virtual ~YearChartsFactory() = default;
    virtual YearCharts* createCharts(QWidget* parent) = 0;
};

} // namespace zrt

#define ZRT_YEAR_CHARTS_FACTORY_IID "it.zrtellix.YearChartsFactory/2.0"
Q_DECLARE_INTERFACE(zrt::YearChartsFactory, ZRT_YEAR_CHARTS_FACTORY_IID)
