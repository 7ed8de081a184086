#include "tests/ui/main/fakes.h"

#include "ui/main/news_panel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

// A page that tries everything a browser would run or fetch by itself.
const QByteArray kHostilePage = R"html(<html><head>
<meta http-equiv="refresh" content="0; url=http://refresh.example/">
<link rel="stylesheet" href="http://style.example/a.css">
<script>document.write('scritto'); window.location = 'http://script.example/';</script>
</head><body onload="window.open('http://onload.example/')">
<p>Notizie di gennaio</p>
<img src="http://pixel.example/p.gif" width="1" height="1">
<iframe src="http://frame.example/"></iframe>
<p><a href="javascript:window.open('http://js.example/')">Offerta speciale</a></p>
<p><a href="https://www.example.org/offerte">Offerte del mese</a></p>
</body></html>)html";

TEST(NewsSafety, APageRunsAndFetchesNothingAndItsLinksOpenOnlyWhenClicked)
{
    QTemporaryDir folder;
    QFile page(folder.filePath(QStringLiteral("news.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) && page.write(kHostilePage) == kHostilePage.size());
    page.close();
    FakeNetwork network;
    NetworkPageFetcher fetcher{network};
    RecordingLinks links;
    NewsPanel panel{fetcher, links};
    panel.resize(500, 300);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.showLocalPage(page.fileName());
    QCoreApplication::processEvents();

    EXPECT_TRUE(panel.toPlainText().contains(QStringLiteral("Notizie di gennaio")));
    EXPECT_FALSE(panel.toPlainText().contains(QStringLiteral("scritto")));
    EXPECT_FALSE(panel.toPlainText().contains(QStringLiteral("window.location")));

    // The middle of a link's text, in the panel's viewport.
    const auto pointOf = [&](const QString& text) {
        QTextCursor cursor = panel.document()->find(text);
        cursor.setPosition(cursor.selectionStart() + static_cast<int>(text.size()) / 2);
        return panel.cursorRect(cursor).center();
    };
    const QPoint script = pointOf(QStringLiteral("Offerta speciale"));
    const QPoint web = pointOf(QStringLiteral("Offerte del mese"));
    QTest::mouseMove(panel.viewport(), script);
    QTest::mouseMove(panel.viewport(), web);
    EXPECT_TRUE(links.opened.isEmpty()) << "not on showing or hovering";

    QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, script);
    EXPECT_TRUE(links.opened.isEmpty()) << "a script link is never opened";

    QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, web);
    EXPECT_EQ(links.opened, QStringList{QStringLiteral("https://www.example.org/offerte")});
    EXPECT_TRUE(network.requested.isEmpty()) << network.requested.join(' ').toStdString();
}

} // namespace
} // namespace zrt::test
