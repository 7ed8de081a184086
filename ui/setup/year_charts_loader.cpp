#include "year_charts_loader.h"

#include "ui/common/plugin_path.h"
#include "ui/common/window_log.h"
#include "ui/common/year_charts.h"

#include <QPluginLoader>

namespace zrt {

QString installedChartsPluginPath()
{
    return pluginPath(QStringLiteral("libzrtellix_charts.so"));
}

YearCharts* loadYearCharts(const QString& pluginPath, QWidget* parent)
{
    QPluginLoader loader(pluginPath);
    auto* factory = qobject_cast<YearChartsFactory*>(loader.instance());
    if (!factory) {
        qCWarning(uiLog).noquote() << "The statistics are shown without charts: the charts plug-in" << pluginPath
                                   << "cannot be loaded:" << loader.errorString();
        return nullptr;
    }
    return factory->createCharts(parent);
}

} // namespace zrt
