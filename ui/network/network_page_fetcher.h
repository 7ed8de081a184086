#pragma once

#include "ui/common/page_fetcher.h"

#include <QObject>
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

namespace zrt {

// Fetches pages over HTTP(S) with a time limit, a few redirects at the most
// and no page larger than kLargestPage.
class NetworkPageFetcher : public QObject, public PageFetcher {
    Q_OBJECT

public:
    explicit NetworkPageFetcher(QNetworkAccessManager& network);

    void fetch(const QUrl& address, Arrival arrived) override;

private:
    void stopWhenTooLarge(qint64 received);
    void replyFinished(QNetworkReply* reply, const Arrival& arrived);

    QNetworkAccessManager& network_;
    QPointer<QNetworkReply> pending_;
};

} // namespace zrt
