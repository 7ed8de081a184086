#include "controls/clogo.h"
#include "controls/drawarrow.h"
#include "controls/logfont.h"
#include "controls/separator.h"

#include "widgettesting.h"

#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace zrt {
namespace {

using testing::pixel;

QStringList arrowIn(QSize area, bool enabled)
{
    QImage image(area, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    DrawArrow(painter, image.rect(), Qt::black, enabled);
    return testing::asText(image, image.rect(), Qt::black, Qt::white);
}

TEST(DrawArrow, FiveThreeOneTriangleWithShadowWhenDisabled)
{
    const struct {
        QSize area;
        bool enabled;
        int top;
        QStringList rows;
    } cases[] = {
        {{12, 8}, true, 3, {"....#####...", ".....###....", "......#.....", "............"}},
        {{12, 8}, false, 3, {"....#####o..", ".....###o...", "......#o....", "......o....."}},
        // 13 / 2 - 2 = 4.5 and 11 / 2 - 1 = 4.5 both round to 4.
        {{13, 11}, true, 4, {"....#####....", ".....###.....", "......#......", "............."}},
    };
    for (const auto& c : cases) {
        const QStringList rows = arrowIn(c.area, c.enabled);
        EXPECT_EQ(rows.mid(c.top, 4), c.rows) << c.area.width() << " wide, enabled " << c.enabled;
        EXPECT_EQ(rows.join(QString()).count(u'#'), 9) << c.area.width() << " wide, enabled " << c.enabled;
    }
}

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
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
        {10, 120, 0, ansiCharSet, -17, 0, ansiCharSet},  {7.5, 96, 0, ansiCharSet, -10, 0, ansiCharSet},
        {10, 96, 90, oemCharSet, -13, 900, ansiCharSet}, {10, 96, 360, oemCharSet, -13, 3600, oemCharSet},
        {10, 96, 0.4f, oemCharSet, -13, 4, oemCharSet},  {10, 96, 90, 161, -13, 900, 161},
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
    EXPECT_EQ(FillLogFont(arial(12, true), 96).weight, 700);
    EXPECT_EQ(FillLogFont(arial(12), 96).weight, 400);
}

TEST(LogFontRecord, FaceNameIsCutToThirtyTwoBytes)
{
    const struct {
        int length, bytes;
        bool terminated;
    } cases[] = {{5, 6, true}, {31, 32, true}, {32, 32, false}, {40, 32, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const LogFontRecord record = logFontRecord(QFont(QString(c.length, u'F')), ansiCharSet, 0, 96);
        EXPECT_EQ(record.faceName.size(), c.bytes);
        EXPECT_EQ(record.faceName.endsWith('\0'), c.terminated);
        EXPECT_EQ(RotatedFont(record).font().family(), QString(std::min(c.length, 32), u'F'));
    }
}

QImage paintLogo(const cLogo& logo, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    QPainter painter(&image);
    logo.paint(painter, size, font, Qt::white);
    return image;
}

TEST(cLogo, BandsRunUpFromTheStartColourInAtMostAboutTwoHundredFiftyFiveSteps)
{
    const struct {
        int height;
        ColorValue end;
        std::vector<std::pair<int, QColor>> rows;
    } cases[] = {
        {100, rgbValue(200, 100, 0), {{99, {0, 0, 0}}, {98, {0, 0, 0}}, {97, {2, 1, 0}}, {0, {196, 98, 0}}}},
        {600, rgbValue(255, 0, 0), {{596, {0, 0, 0}}, {595, {1, 0, 0}}, {593, {2, 0, 0}}, {0, {253, 0, 0}}}},
    };
    for (const auto& c : cases) {
        cLogo logo;
        logo.setEndColor(c.end);
        const QImage image = paintLogo(logo, {4, c.height});
        for (const auto& [row, colour] : c.rows)
            EXPECT_EQ(pixel(image, 2, row), colour) << c.height << " high, row " << row;
    }
}

TEST(cLogo, CaptionReadsUpwardsFromNearTheBottom)
{
    cLogo logo;
    logo.setCaption(QStringLiteral("ZR Tellix 99"));
    logo.setEndColor(rgbValue(0, 0, 0));
    const QImage ink = paintLogo(logo, {30, 200}).convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    const QRect caption = testing::inkBox(ink.convertToFormat(QImage::Format_RGB32), Qt::white);
    ASSERT_TRUE(caption.isValid());
    EXPECT_LE(caption.bottom(), 200 - 16);
    EXPECT_GT(caption.height(), 50);
    EXPECT_GE(caption.left(), 1);
}

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

TEST(Separator, IsFourPixelsAcrossWithTheDarkLineAboveOrLeft)
{
    const QColor blue(0, 0, 255);
    const QColor dark(128, 128, 128);
    const QColor light(255, 255, 255);
    const struct {
        int style;
        QSize requested, size;
        std::vector<std::pair<QPoint, QColor>> samples;
    } cases[] = {
        {0, {50, 30}, {50, 4},
         {{{0, 1}, blue}, {{1, 1}, dark}, {{48, 1}, dark}, {{49, 1}, blue}, {{1, 2}, light}, {{9, 3}, blue}}},
        {1, {200, 40}, {4, 40},
         {{{1, 0}, blue}, {{1, 1}, dark}, {{2, 20}, light}, {{2, 39}, blue}, {{3, 20}, blue}}},
    };
    for (const auto& c : cases) {
        Separator separator;
        separator.setBackColor(rgbValue(0, 0, 255));
        separator.setStyle(c.style);
        separator.resize(c.requested);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(separator.size(), c.size);
        const QImage image = testing::render(separator);
        for (const auto& [at, colour] : c.samples)
            EXPECT_EQ(pixel(image, at.x(), at.y()), colour) << at.x() << "," << at.y();
    }
}

} // namespace
} // namespace zrt
