#include "fakes.h"

#include "ui/main/news_address.h"
#include "ui/main/news_panel.h"
#include "ui/main/plugin_page_fetcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(NewsAddress, FromTheSetting)
{
    const struct {
        const char* setting;
        const char* address; // empty: no page
    } cases[] = {
        {"  ", ""},
        {"www.nevaro.example", "http://www.nevaro.example/news/tellix.asp"},
        {"https://news.example/tellix.asp?v=1", "https://news.example/tellix.asp?v=1"},
        {"file:///etc/passwd", ""},
        {"bad host name", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(newsPageUrl(QString::fromUtf8(c.setting)).toString(), QString::fromUtf8(c.address)) << c.setting;
}

class NewsPanelTest : public testing::Test {
protected:
    void showLocalPage(const QByteArray& html)
    {
        const QString path = folder.filePath(QStringLiteral("news.htm"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(html);
        file.close();
        panel.showLocalPage(path);
    }

    void fetch(const char* address)
    {
        panel.fetchPage(QUrl(QString::fromUtf8(address)));
        QCoreApplication::processEvents();
    }

    QTemporaryDir folder;
    FakeNetwork network;
    NetworkPageFetcher fetcher{network};
    RecordingLinks links;
    NewsPanel panel{fetcher, links};
};

TEST_F(NewsPanelTest, ShowsTheLocalPageInItsOwnCharacterSet)
{
    panel.showLocalPage(folder.filePath(QStringLiteral("missing.htm")));
    EXPECT_EQ(panel.toPlainText(), QStringLiteral("Nessuna notizia disponibile."));
    showLocalPage("<p>Novit\xe0 di gennaio</p>");
    EXPECT_EQ(panel.toPlainText(), QStringLiteral("Novità di gennaio")) << "Latin-1 when no character set is named";
    showLocalPage("<meta charset=\"utf-8\"><p>Novità</p>");
    EXPECT_EQ(panel.toPlainText(), QStringLiteral("Novità"));
}

TEST_F(NewsPanelTest, AFetchedPageReplacesTheLocalOneUnlessItFails)
{
    showLocalPage("<p>Locale</p>");
    network.pages[QStringLiteral("http://big.example/")] = QByteArray(PageFetcher::kLargestPage + 1, 'x');
    network.pages[QStringLiteral("http://news.example/")] = "<p>Remota</p>";
    const struct { const char* address; const char* shown; } cases[] = {
        {"http://down.example/", "Locale"}, {"http://big.example/", "Locale"}, {"http://news.example/", "Remota"}};
    for (const auto& c : cases) {
        fetch(c.address);
        EXPECT_EQ(panel.toPlainText(), QString::fromUtf8(c.shown)) << c.address;
    }
    EXPECT_EQ(panel.pageUrl(), QUrl(QStringLiteral("http://news.example/")));
}

TEST_F(NewsPanelTest, OnlyWebAndMailLinksGoToTheDesktop)
{
    network.pages[QStringLiteral("http://news.example/news/tellix.asp")] = "<a href=\"offerte.asp\">Offerte</a>";
    fetch("http://news.example/news/tellix.asp");
    for (const char* link : {"offerte.asp", "mailto:info@nevaro.example", "file:///etc/passwd", "javascript:alert(1)",
                             "https://www.example.org/"})
        emit panel.anchorClicked(QUrl(QString::fromUtf8(link)));
    EXPECT_EQ(links.opened, (QStringList{"http://news.example/news/offerte.asp", "mailto:info@nevaro.example",
                                         "https://www.example.org/"}));
}

// The program fetches through the network plug-in built beside it; a file
// address stands in for the maker's site.
TEST(PluginPageFetcher, LoadsThePluginOnTheFirstFetchOrLogsWhyNot)
{
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("news.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>Remota</p>");
    file.close();

    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed ? "installed" : "missing");
        PluginPageFetcher fetcher(installed ? PluginPageFetcher::installedPluginPath()
                                            : folder.filePath(QStringLiteral("libnone.so")));
        QByteArray arrived;
        fetcher.fetch(QUrl::fromLocalFile(page), [&](const QByteArray& html, const QUrl&) { arrived = html; });
        const QDeadlineTimer deadline(5000);
        while (installed && arrived.isEmpty() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_EQ(arrived, installed ? QByteArray("<p>Remota</p>") : QByteArray());
    }
}

} // namespace
} // namespace zrt::test
