#pragma once

#include <QTextBrowser>
#include <QUrl>

namespace zrt {

class LinkOpener;
class PageFetcher;

// The news strip below the main window: the local news.htm, or the
// maker's page once fetched. It shows text and pictures and runs nothing;
// a click on a web or mail link hands it to the desktop.
class NewsPanel : public QTextBrowser {
    Q_OBJECT

public:
    NewsPanel(PageFetcher& fetcher, LinkOpener& links, QWidget* parent = nullptr);

    // A missing or unreadable file leaves a short note instead.
    void showLocalPage(const QString& path);
    // Shows the page once it has arrived; if it does not, the page shown
    // stays and the reason goes to the log.
    void fetchPage(const QUrl& address);

    // The address of the page shown.
    QUrl pageUrl() const { return pageUrl_; }

signals:
    // A link "guida:" of the page was clicked.
    void guideRequested();

private:
    void showPage(const QByteArray& html, const QUrl& address);
    void openLink(const QUrl& link);

    PageFetcher& fetcher_;
    LinkOpener& links_;
    QUrl pageUrl_;
};

} // namespace zrt
