// The program's only use of the network, the maker's news page, lives in this
// plug-in, loaded the first time the page is asked for: the network library
// and what it brings along stay out of the memory of a program that sits
// idle all day.
#include "network_page_fetcher.h"

#include <QNetworkAccessManager>

namespace zrt {

namespace {

// A fetcher with a network access of its own.
class OwnNetworkFetcher final : public PageFetcher {
public:
    OwnNetworkFetcher() : fetcher_(network_) {}

    void fetch(const QUrl& address, Arrival arrived) override { fetcher_.fetch(address, std::move(arrived)); }

private:
    QNetworkAccessManager network_;
    NetworkPageFetcher fetcher_;
};

} // namespace

class NetworkPlugin : public QObject, public PageFetcherFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZRT_PAGE_FETCHER_FACTORY_IID)
    Q_INTERFACES(zrt::PageFetcherFactory)

public:
    std::unique_ptr<PageFetcher> createFetcher() override { return std::make_unique<OwnNetworkFetcher>(); }
};

} // namespace zrt

#include "network_plugin.moc"
