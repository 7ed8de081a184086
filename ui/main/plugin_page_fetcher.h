#pragma once

#include "ui/common/page_fetcher.h"

#include <QString>

namespace zrt {

// Fetches pages through the network plug-in, loaded on the first fetch. When
// the plug-in cannot be loaded the reason is logged and no page arrives.
class PluginPageFetcher final : public PageFetcher {
public:
    // The plug-in as built and as installed: lib/zrtellix beside the
    // program's bin folder.
    static QString installedPluginPath();

    explicit PluginPageFetcher(QString pluginPath = installedPluginPath());

    void fetch(const QUrl& address, Arrival arrived) override;

private:
    PageFetcher* loadedFetcher();

    QString pluginPath_;
    std::unique_ptr<PageFetcher> fetcher_;
    bool loadFailed_ = false;
};

} // namespace zrt
