#pragma once

#include <QByteArray>
#include <QUrl>
#include <QtPlugin>

#include <functional>
#include <memory>

namespace zrt {

// Fetches web pages for the news panel, one at a time. A page that cannot be
// had is logged with its reason and never arrives.
class PageFetcher {
public:
    // A page larger than this is not shown.
    static constexpr qint64 kLargestPage = 512 * 1024;

    using Arrival = std::function<void(const QByteArray& page, const QUrl& address)>;

    virtual ~PageFetcher() = default;

    // Starts fetching the page, giving up the fetch under way, if any.
    virtual void fetch(const QUrl& address, Arrival arrived) = 0;
};

// What the network plug-in offers: fetchers that go out on the network.
class PageFetcherFactory {
public:
    virtual ~PageFetcherFactory() = default;
    virtual std::unique_ptr<PageFetcher> createFetcher() = 0;
};

} // namespace zrt

#define ZRT_PAGE_FETCHER_FACTORY_IID "it.zrtellix.PageFetcherFactory/1.0"
Q_DECLARE_INTERFACE(zrt::PageFetcherFactory, ZRT_PAGE_FETCHER_FACTORY_IID)
