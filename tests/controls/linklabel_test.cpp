#include "controls/linklabel.h"
#include "controls/linkopener.h"

#include "widgettesting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zrt {
namespace {

struct RecordingOpener : LinkOpener {
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
        label.resize(150, 60);
        label.setLinkOpener(opener);
    }

    void clickAt(QPoint at) { QTest::mouseClick(&label, Qt::LeftButton, {}, at); }
    QPoint text() const { return label.textRect().center(); }
    QPoint icon() const { return label.iconRect().center(); }

    RecordingOpener opener;
    LinkLabel label;
    QSignalSpy clicks{&label, &LinkLabel::Click};
};

TEST_F(LinkLabelTest, ClickRaisesClickOnlyWithoutAHyperlink)
{
    clickAt(text());
    clickAt(icon());
    label.DoClick();
    EXPECT_EQ(clicks.count(), 3);

    label.setHyperlink(QStringLiteral("http://www.example.it/"));
    clickAt(text());
    label.DoClick();
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_EQ(opener.opened, QStringList(2, QStringLiteral("http://www.example.it/")));
}

TEST_F(LinkLabelTest, FailedOpenIsLoggedNotRaised)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtWarningMsg)
                warnings << message;
        });
    opener.succeeds = false;
    label.setHyperlink(QStringLiteral("mailto:info@example.it"));
    label.DoClick();
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList{"Cannot open the link mailto:info@example.it"});
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(LinkLabelTest, UnderlinedWhileTheMouseIsOver)
{
    testing::moveMouse(label, {30, 5});
    EXPECT_TRUE(label.isUnderlined());
    testing::leave(label);
    EXPECT_FALSE(label.isUnderlined());
    testing::enter(label);
    EXPECT_TRUE(label.isUnderlined());
}

TEST_F(LinkLabelTest, MouseSignalsComeFromTheTextWhateverTheStyle)
{
    QSignalSpy downs(&label, &LinkLabel::MouseDown);
    QSignalSpy doubles(&label, &LinkLabel::DblClick);
    for (const int style : {LinkLabel::IconLeft, LinkLabel::IconRight, LinkLabel::IconAbove}) {
        label.setStyle(style);
        QTest::mousePress(&label, Qt::LeftButton, {}, icon());
        QTest::mouseDClick(&label, Qt::LeftButton, {}, icon());
        QTest::mousePress(&label, Qt::LeftButton, {}, text());
        EXPECT_EQ(downs.count(), 1) << "style " << style;
        QTest::mouseDClick(&label, Qt::LeftButton, {}, text());
        EXPECT_EQ(doubles.count(), 1) << "style " << style;
        downs.clear();
        doubles.clear();
    }
}

} // namespace
} // namespace zrt
