#include "main_window_fixture.h"

#include "ui/common/news_address.h"
#include "ui/main/local_news.h"
#include "ui/main/news_panel.h"
#include "ui/main/plugin_page_fetcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(NewsAddress, FromTheSetting)
{
    // An empty address: no page.
    const struct { const char* setting; const char* address; } cases[] = {
        {"www.nevaro.example", "http://www.nevaro.example/news/tellix.asp"},
        {"https://news.example/tellix.asp?v=1", "https://news.example/tellix.asp?v=1"},
        {"file:///etc/passwd", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(newsPageUrl(QString::fromUtf8(c.setting)).toString(), QString::fromUtf8(c.address)) << c.setting;
}

QString writePage(const QTemporaryDir& folder, const QByteArray& html)
{
    const QString path = folder.filePath(QStringLiteral("news.htm"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html);
    return path;
}

class NewsPanelTest : public DesktopTest {
protected:
    NewsPanel panel{news, links};
};

// The local page names no character set, so it is read as Latin-1. Only
// web and mail links of the page shown go to the desktop.
TEST_F(NewsPanelTest, AFetchedPageReplacesTheLocalOneUnlessItFails)
{
    panel.showLocalPage(writePage(dataFolder, "<p>Novit\xe0</p>"));
    network.pages[QStringLiteral("http://big.example/")] = QByteArray(PageFetcher::kLargestPage + 1, 'x');
    network.pages[QStringLiteral("http://news.example/news/tellix.asp")] = "<p>Remota</p>";
    const struct { const char* address; const char* shown; } cases[] = {{"http://down.example/", "Novità"},
        {"http://big.example/", "Novità"}, {"http://news.example/news/tellix.asp", "Remota"}};
    for (const auto& c : cases) {
        panel.fetchPage(QUrl(QString::fromUtf8(c.address)));
        QCoreApplication::processEvents();
        EXPECT_EQ(panel.toPlainText(), QString::fromUtf8(c.shown)) << c.address;
    }
    QSignalSpy guideRequests(&panel, &NewsPanel::guideRequested);
    for (const char* link : {"offerte.asp", "mailto:info@nevaro.example", "file:///etc/passwd", "guida:"})
        emit panel.anchorClicked(QUrl(QString::fromUtf8(link)));
    EXPECT_EQ(links.opened, (QStringList{"http://news.example/news/offerte.asp", "mailto:info@nevaro.example"}));
    EXPECT_EQ(guideRequests.size(), 1) << "the guide's link opens the guide, not the desktop's browser";
}

// The program fetches through the network plug-in built beside it; a file
// address stands in for the maker's site.
TEST(PluginPageFetcher, LoadsThePluginOnTheFirstFetchOrLogsWhyNot)
{
    QTemporaryDir folder;
    const QString page = writePage(folder, "<p>Remota</p>");
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

// A data folder without news.htm gets the installed page; a page already
// there is never replaced, and with nothing installed nothing is made.
TEST(LocalNews, TheInstalledPageIsCopiedOnlyWhereThereIsNone)
{
    QTemporaryDir installed;
    const QString shipped = installed.filePath(QStringLiteral("news.htm"));
    {
        QFile file(shipped);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<p>installata</p>");
    }
    const struct { const char* name; const char* already; bool installedToo; const char* expected; } cases[] = {
        {"new folder", nullptr, true, "<p>installata</p>"},
        {"own page", "<p>mia</p>", true, "<p>mia</p>"},
        {"nothing installed", nullptr, false, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("news.htm"));
        if (c.already) {
            QFile file(page);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.already);
        }
        EXPECT_EQ(localNewsPage(folder.path(), c.installedToo ? shipped : QString()), page);
        QFile file(page);
        EXPECT_EQ(file.open(QIODevice::ReadOnly), c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(file.readAll(), QByteArray(c.expected));
        }
    }
}

} // namespace
} // namespace zrt::test
