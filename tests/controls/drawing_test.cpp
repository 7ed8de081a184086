#include "controls/clogo.h"
#include "controls/logfont.h"

#include "widgettesting.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::pixel;

QFont arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

TEST(LogFontRecord, HeightFollowsPointsAndResolutionAndTurnedOemFontsFallBackToAnsi)
{
    const struct {
        double points;
        int dpi;
        float rotation;
        int charSet, height, escapement, recordedCharSet;
    } cases[] = {
        {12, 96, 0, ansiCharSet, -16, 0, ansiCharSet},   {8.25, 96, 0, ansiCharSet, -11, 0, ansiCharSet},
        {10, 120, 0, ansiCharSet, -17, 0, ansiCharSet},  {10, 96, 90, oemCharSet, -13, 900, ansiCharSet},
        {10, 96, 360, oemCharSet, -13, 3600, oemCharSet}, {10, 96, 0.4f, oemCharSet, -13, 4, oemCharSet},
        {10, 96, 90, 161, -13, 900, 161},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.points << " pt at " << c.dpi << ", turned " << c.rotation);
        const LogFontRecord record = logFontRecord(arial(c.points), c.charSet, c.rotation, c.dpi);
        EXPECT_EQ(record.height, c.height);
        EXPECT_EQ(record.escapement, c.escapement);
        EXPECT_EQ(record.charSet, c.recordedCharSet);
    }
    // The logo's plain record rounds to whole points first: 8.5 is taken as 8.
    EXPECT_EQ(FillLogFont(arial(8.5), 96).height, -11);
}

TEST(LogFontRecord, FaceNameIsCutToThirtyTwoBytes)
{
    const struct {
        int length, bytes;
        bool terminated;
    } cases[] = {{31, 32, true}, {40, 32, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const LogFontRecord record = logFontRecord(QFont(QString(c.length, u'F')), ansiCharSet, 0, 96);
        EXPECT_EQ(record.faceName.size(), c.bytes);
        EXPECT_EQ(record.faceName.endsWith('\0'), c.terminated);
        EXPECT_EQ(RotatedFont(record).font().family(), QString(std::min(c.length, 32), u'F'));
    }
}

// The label is destroyed first, so the logo also sees the events of a
// label being torn down.
TEST(cLogo, RepaintsItsLabelOnChangeButNeverAtZeroHeight)
{
    cLogo logo;
    QLabel banner;
    banner.resize(30, 120);
    banner.show();
    logo.setStartColor(rgbValue(10, 10, 10));
    logo.setDrawingObject(&banner);
    EXPECT_TRUE(banner.pixmap().isNull());
    logo.setEndColor(rgbValue(0, 0, 128));
    banner.resize(30, 200);
    EXPECT_EQ(pixel(banner.pixmap().toImage(), 0, 199), QColor(10, 10, 10));

    const qint64 drawn = banner.pixmap().cacheKey();
    logo.setEndColor(rgbValue(0, 0, 128));
    banner.resize(30, 0);
    logo.setStartColor(rgbValue(20, 20, 20));
    EXPECT_EQ(banner.pixmap().cacheKey(), drawn);
}

} // namespace
} // namespace zrt
