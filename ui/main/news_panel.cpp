#include "news_panel.h"

#include "ui/common/news_address.h"
#include "ui/common/page_fetcher.h"
#include "ui/common/window_log.h"

#include "controls/link_opener.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStringDecoder>

namespace zrt {

namespace {

// Pages in a character set that cannot be decoded, mostly old ones in
// Latin-1 that name none, are read as Latin-1.
QString decodedPage(const QByteArray& html)
{
    QStringDecoder decoder(QStringConverter::encodingForHtml(html).value_or(QStringConverter::Latin1));
    const QString text = decoder.decode(html);
    return decoder.hasError() ? QString::fromLatin1(html) : text;
}

} // namespace

NewsPanel::NewsPanel(PageFetcher& fetcher, LinkOpener& links, QWidget* parent)
    : QTextBrowser(parent), fetcher_(fetcher), links_(links)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &NewsPanel::openLink);
}

void NewsPanel::showLocalPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > PageFetcher::kLargestPage) {
        setHtml(QStringLiteral("<p align=\"center\">%1</p>").arg(tr("Nessuna notizia disponibile.")));
        pageUrl_ = QUrl();
        return;
    }
    const QFileInfo info(path);
    setSearchPaths({info.absolutePath()});
    showPage(file.readAll(), QUrl::fromLocalFile(info.absoluteFilePath()));
}

void NewsPanel::fetchPage(const QUrl& address)
{
    fetcher_.fetch(address, [panel = QPointer(this)](const QByteArray& page, const QUrl& from) {
        if (panel)
            panel->showPage(page, from);
    });
}

void NewsPanel::showPage(const QByteArray& html, const QUrl& address)
{
    setHtml(decodedPage(html));
    pageUrl_ = address;
}

void NewsPanel::openLink(const QUrl& link)
{
    if (link.scheme() == QLatin1String("guida")) {
        emit guideRequested();
        return;
    }
    const QUrl target = pageUrl_.resolved(link);
    if (!isOpenableNewsLink(target)) {
        qCInfo(uiLog) << "the news link" << target.toDisplayString() << "is not opened";
        return;
    }
    if (!links_.open(target.toString()))
        qCWarning(uiLog) << "the desktop could not open" << target.toDisplayString();
}

} // namespace zrt
