#include "controls/linkopener.h"
#include "controls/linklabel.h"
#include "controls/propertybag.h"

#include "widgettesting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zrt {
namespace {

class RecordingOpener : public LinkOpener
{
public:
    bool open(const QString& address) override
    {
        opened << address;
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};

class LinkLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        label.resize(150, 20);
        label.setLinkOpener(opener);
    }

    void clickText() { QTest::mouseClick(&label, Qt::LeftButton, {}, label.textRect().center()); }

    RecordingOpener opener;
    LinkLabel label;
    QSignalSpy clicks{&label, &LinkLabel::Click};
};

TEST_F(LinkLabelTest, ClickRaisesClickOnlyWithoutAHyperlink)
{
    clickText();
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.iconRect().center());
    label.DoClick();
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_TRUE(opener.opened.isEmpty());

    label.setHyperlink(QStringLiteral("http://www.example.it/"));
    clickText();
    label.DoClick();
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(opener.opened, QStringList(2, QStringLiteral("http://www.example.it/")));
}

TEST_F(LinkLabelTest, FailedOpenIsLoggedNotRaised)
{
    opener.succeeds = false;
    label.setHyperlink(QStringLiteral("mailto:info@example.it"));
    QTest::ignoreMessage(QtWarningMsg, "Cannot open the link mailto:info@example.it");
    clickText();
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(LinkLabelTest, UnderlinedWhileTheMouseIsOver)
{
    EXPECT_FALSE(label.isUnderlined());
    testing::moveMouse(label, {30, 5});
    EXPECT_TRUE(label.isUnderlined());
    testing::moveMouse(label, {40, 8});
    EXPECT_TRUE(label.isUnderlined());
    testing::leave(label);
    EXPECT_FALSE(label.isUnderlined());
}

TEST_F(LinkLabelTest, MouseSignalsComeFromTheText)
{
    QSignalSpy downs(&label, &LinkLabel::MouseDown);
    QSignalSpy doubles(&label, &LinkLabel::DblClick);
    QTest::mousePress(&label, Qt::LeftButton, {}, label.iconRect().center());
    EXPECT_EQ(downs.count(), 0);
    QTest::mousePress(&label, Qt::LeftButton, {}, label.textRect().center());
    EXPECT_EQ(downs.count(), 1);
    QTest::mouseDClick(&label, Qt::LeftButton, {}, label.textRect().center());
    EXPECT_EQ(doubles.count(), 1);
}

TEST_F(LinkLabelTest, StyleLaysOutIconAndText)
{
    label.resize(150, 60);
    const int textHeight = label.fontMetrics().height();
    const struct {
        int style;
        QRect icon;
        QRect text;
    } cases[] = {
        {LinkLabel::IconLeft, {0, 2 + textHeight / 2 - 8, 16, 16}, {16, 0, 134, 60}},
        {LinkLabel::IconRight, {134, 2 + textHeight / 2 - 8, 16, 16}, {0, 0, 130, 60}},
        {LinkLabel::IconAbove, {67, 0, 16, 16}, {0, 20, 150, 40}},
    };
    for (const auto& c : cases) {
        label.setStyle(c.style);
        EXPECT_EQ(label.iconRect(), c.icon) << "style " << c.style;
        EXPECT_EQ(label.textRect(), c.text) << "style " << c.style;
    }
}

TEST_F(LinkLabelTest, PropertiesRoundTripWithDefaultsOmitted)
{
    PropertyMap untouched;
    LinkLabel().writeProperties(untouched);
    EXPECT_TRUE(untouched.names().isEmpty());

    label.setCaption(QStringLiteral("Sito"));
    label.setHyperlink(QStringLiteral("http://www.example.it/"));
    label.setStyle(LinkLabel::IconAbove);
    label.setAlignment(0);
    label.setMousePointer(3);
    PropertyMap bag;
    label.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"Style", "Hyperlink", "Alignment", "Caption", "MousePointer"}));

    LinkLabel restored;
    restored.readProperties(bag);
    EXPECT_EQ(restored.Caption(), QStringLiteral("Sito"));
    EXPECT_EQ(restored.hyperlink(), QStringLiteral("http://www.example.it/"));
    EXPECT_EQ(restored.Style(), LinkLabel::IconAbove);
    EXPECT_EQ(restored.Alignment(), 0);
    EXPECT_EQ(restored.cursor().shape(), Qt::IBeamCursor);
}

} // namespace
} // namespace zrt
