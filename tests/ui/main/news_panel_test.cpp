#include "fakes.h"

#include "ui/main/news_address.h"
#include "ui/main/news_panel.h"

#include <QCoreApplication>
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
    RecordingLinks links;
    NewsPanel panel{network, links};
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
    network.pages[QStringLiteral("http://big.example/")] = QByteArray(NewsPanel::kLargestPage + 1, 'x');
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

} // namespace
} // namespace zrt::test
