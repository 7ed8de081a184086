#include "plugin_page_fetcher.h"

#include "ui/common/plugin_path.h"
#include "ui/common/window_log.h"

#include <QPluginLoader>

namespace zrt {

QString PluginPageFetcher::installedPluginPath()
{
    return pluginPath(QStringLiteral("libzrtellix_network.so"));
}

PluginPageFetcher::PluginPageFetcher(QString pluginPath) : pluginPath_(std::move(pluginPath)) {}

void PluginPageFetcher::fetch(const QUrl& address, Arrival arrived)
{
    if (PageFetcher* fetcher = loadedFetcher())
        fetcher->fetch(address, std::move(arrived));
}

// Loaded once; a plug-in that failed to load is not tried again.
PageFetcher* PluginPageFetcher::loadedFetcher()
{
    if (fetcher_ || loadFailed_)
        return fetcher_.get();
    QPluginLoader loader(pluginPath_);
    auto* factory = qobject_cast<PageFetcherFactory*>(loader.instance());
    if (!factory) {
        loadFailed_ = true;
        qCWarning(uiLog).noquote() << "The news page cannot be fetched: the network plug-in"
                                        << pluginPath_ << "cannot be loaded:" << loader.errorString();
        return nullptr;
    }
    fetcher_ = factory->createFetcher();
    return fetcher_.get();
}

} // namespace zrt
