#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace zrt {

class LinkOpener;

// The news strip below the main window: the local news.htm, or the
// maker's page once fetched. It shows text and pictures and runs nothing;
// a click on a web or mail link hands it to the desktop.
class NewsPanel : public QTextBrowser {
    Q_OBJECT

public:
    // A page larger than this is not shown.
    static constexpr qint64 kLargestPage = 512 * 1024;

    NewsPanel(QNetworkAccessManager& network, LinkOpener& links, QWidget* parent = nullptr);

    // A missing or unreadable file leaves a short note instead.
    void showLocalPage(const QString& path);
    // Shows the page once it has arrived; if it does not, the page shown
    // stays and the reason goes to the log.
    void fetchPage(const QUrl& address);

    // The address of the page shown.
    QUrl pageUrl() const { return pageUrl_; }

private:
    void showPage(const QByteArray& html, const QUrl& address);
    void stopWhenTooLarge(qint64 received);
    void pageArrived(QNetworkReply* reply);
    void openLink(const QUrl& link);

    QNetworkAccessManager& network_;
    LinkOpener& links_;
    QPointer<QNetworkReply> pending_;
    QUrl pageUrl_;
};

} // namespace zrt
