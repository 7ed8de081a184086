#include "news_address.h"

namespace zrt {

namespace {

const QString kNewsPagePath = QStringLiteral("/news/tellix.asp");

bool isWebPage(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

QUrl newsPageUrl(const QString& setting)
{
    const QString text = setting.trimmed();
    if (text.isEmpty())
        return {};
    if (text.contains(QLatin1String("://"))) {
        const QUrl url(text, QUrl::StrictMode);
        return isWebPage(url) ? url : QUrl();
    }
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(text, QUrl::StrictMode);
    url.setPath(kNewsPagePath);
    return isWebPage(url) ? url : QUrl();
}

bool isOpenableNewsLink(const QUrl& link)
{
    return isWebPage(link) || (link.scheme() == QLatin1String("mailto") && !link.path().isEmpty());
}

} // namespace zrt
