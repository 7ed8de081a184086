#include "network_page_fetcher.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcNews, "zrtellix.news")

constexpr int kFetchTimeoutMs = 20000;
constexpr int kMostRedirects = 5;

void logTooLarge(const QUrl& address)
{
    qCWarning(lcNews) << "the news page" << address.toDisplayString() << "is larger than"
                      << PageFetcher::kLargestPage << "bytes and is not shown";
}

} // namespace

NetworkPageFetcher::NetworkPageFetcher(QNetworkAccessManager& network) : network_(network) {}

void NetworkPageFetcher::fetch(const QUrl& address, Arrival arrived)
{
    if (pending_)
        pending_->abort();
    QNetworkRequest request(address);
    request.setTransferTimeout(kFetchTimeoutMs);
    request.setMaximumRedirectsAllowed(kMostRedirects);
    QNetworkReply* reply = network_.get(request);
    pending_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64) { stopWhenTooLarge(received); });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, arrived = std::move(arrived)] { replyFinished(reply, arrived); });
}

void NetworkPageFetcher::stopWhenTooLarge(qint64 received)
{
    if (!pending_ || received <= kLargestPage)
        return;
    logTooLarge(pending_->url());
    pending_->abort();
}

void NetworkPageFetcher::replyFinished(QNetworkReply* reply, const Arrival& arrived)
{
    reply->deleteLater();
    if (reply != pending_)
        return; // a later fetch took its place
    pending_ = nullptr;
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        qCWarning(lcNews) << "the news page" << reply->url().toDisplayString()
                          << "could not be fetched:" << reply->errorString();
        return;
    }
    const QByteArray page = reply->read(kLargestPage + 1);
    if (page.size() > kLargestPage) {
        logTooLarge(reply->url());
        return;
    }
    arrived(page, reply->url());
}

} // namespace zrt
