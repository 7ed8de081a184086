#include "news_panel.h"

#include "news_address.h"
#include "windows_log.h"

#include "controls/linkopener.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>

namespace zrt {

namespace {

constexpr int kFetchTimeoutMs = 20000;
constexpr int kMostRedirects = 5;

const QString kNoNews = QStringLiteral("<p align=\"center\">Nessuna notizia disponibile.</p>");

// Pages in a character set that cannot be decoded, mostly old ones in
// Latin-1 that name none, are read as Latin-1.
QString decodedPage(const QByteArray& html)
{
    QStringDecoder decoder(QStringConverter::encodingForHtml(html).value_or(QStringConverter::Latin1));
    const QString text = decoder.decode(html);
    return decoder.hasError() ? QString::fromLatin1(html) : text;
}

void logTooLarge(const QUrl& address)
{
    qCWarning(windowsLog) << "the news page" << address.toDisplayString() << "is larger than"
                          << NewsPanel::kLargestPage << "bytes and is not shown";
}

} // namespace

NewsPanel::NewsPanel(QNetworkAccessManager& network, LinkOpener& links, QWidget* parent)
    : QTextBrowser(parent), network_(network), links_(links)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NewsPanel::openLink);
}

void NewsPanel::showLocalPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPage) {
        setHtml(kNoNews);
        pageUrl_ = QUrl();
        return;
    }
    const QFileInfo info(path);
    setSearchPaths({info.absolutePath()});
    showPage(file.readAll(), QUrl::fromLocalFile(info.absoluteFilePath()));
}

void NewsPanel::fetchPage(const QUrl& address)
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
    connect(reply, &QNetworkReply::finished, this, [this, reply] { pageArrived(reply); });
}

void NewsPanel::showPage(const QByteArray& html, const QUrl& address)
{
    setHtml(decodedPage(html));
    pageUrl_ = address;
}

void NewsPanel::stopWhenTooLarge(qint64 received)
{
    if (!pending_ || received <= kLargestPage)
        return;
    logTooLarge(pending_->url());
    pending_->abort();
}

void NewsPanel::pageArrived(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != pending_)
        return; // a later fetch took its place
    pending_ = nullptr;
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        qCWarning(windowsLog) << "the news page" << reply->url().toDisplayString()
                              << "could not be fetched:" << reply->errorString();
        return;
    }
    const QByteArray page = reply->read(kLargestPage + 1);
    if (page.size() > kLargestPage) {
        logTooLarge(reply->url());
        return;
    }
    showPage(page, reply->url());
}

void NewsPanel::openLink(const QUrl& link)
{
    const QUrl target = pageUrl_.resolved(link);
    if (!isOpenableNewsLink(target)) {
        qCInfo(windowsLog) << "the news link" << target.toDisplayString() << "is not opened";
        return;
    }
    if (!links_.open(target.toString()))
        qCWarning(windowsLog) << "the desktop could not open" << target.toDisplayString();
}

} // namespace zrt
