#pragma once

#include <QString>

class QWidget;

namespace zrt {

class YearCharts;

// The charts plug-in as built and as installed.
QString installedChartsPluginPath();

// Makes the statistics charts with the plug-in at `pluginPath`. When it
// cannot be loaded the reason is logged and there are no charts (nullptr).
YearCharts* loadYearCharts(const QString& pluginPath, QWidget* parent);

} // namespace zrt
