#include "controls/clogfont.h"
#include "controls/clogo.h"
#include "controls/drawarrow.h"
#include "controls/logfont.h"

#include "widgettesting.h"

#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::pixel;

// The image as text: '#' for black, 'o' for white, '.' for anything else.
QStringList asText(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = pixel(image, x, y);
            row += colour == Qt::black ? u'#' : colour == Qt::white ? u'o' : u'.';
        }
        rows << row;
    }
    return rows;
}

QStringList arrowIn(QSize area, bool enabled)
{
    QImage image(area, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    DrawArrow(painter, image.rect(), Qt::black, enabled);
    return asText(image);
}

TEST(DrawArrow, FiveThreeOneTriangleWithShadowWhenDisabled)
{
    EXPECT_EQ(arrowIn({12, 8}, true), (QStringList{
                                          "............",
                                          "............",
                                          "............",
                                          "....#####...",
                                          ".....###....",
                                          "......#.....",
                                          "............",
                                          "............",
                                      }));
    EXPECT_EQ(arrowIn({12, 8}, false), (QStringList{
                                           "............",
                                           "............",
                                           "............",
                                           "....#####o..",
                                           ".....###o...",
                                           "......#o....",
                                           "......o.....",
                                           "............",
                                       }));
}

TEST(DrawArrow, HalfPixelCentresRoundToEven)
{
    // 13 / 2 - 2 = 4.5 and 11 / 2 - 1 = 4.5 both round to 4.
    const QStringList rows = arrowIn({13, 11}, true);
    EXPECT_EQ(rows[4], QStringLiteral("....#####...."));
}

QFont fontOf(const QString& family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

TEST(LogFontRecord, HeightFollowsPointsAndScreenResolution)
{
    const struct {
        double points;
        int dpi;
        int height;
    } cases[] = {{12, 96, -16}, {8.25, 96, -11}, {9, 96, -12}, {10, 120, -17}, {7.5, 96, -10}};
    for (const auto& c : cases) {
        EXPECT_EQ(logFontRecord(fontOf("Arial", c.points), ansiCharSet, 0, c.dpi).height, c.height)
            << c.points << " pt at " << c.dpi;
    }
}

TEST(LogFontRecord, TurnedOemFontsFallBackToAnsiAndTrueType)
{
    const struct {
        int charSet;
        float rotation;
        int expectedCharSet;
        int precision;
        int escapement;
    } cases[] = {
        {oemCharSet, 90, ansiCharSet, outPrecisionTrueTypeOnly, 900},
        {oemCharSet, 360, oemCharSet, 0, 3600},
        {oemCharSet, 0.4f, oemCharSet, 0, 4},
        {oemCharSet, 270, ansiCharSet, outPrecisionTrueTypeOnly, 2700},
        {161, 90, 161, outPrecisionTrueTypeOnly, 900},
        {ansiCharSet, 0, ansiCharSet, 0, 0},
    };
    for (const auto& c : cases) {
        const LogFontRecord record = logFontRecord(fontOf("Arial", 10), c.charSet, c.rotation, 96);
        EXPECT_EQ(record.charSet, c.expectedCharSet) << c.charSet << " at " << c.rotation;
        EXPECT_EQ(record.outPrecision, c.precision) << c.charSet << " at " << c.rotation;
        EXPECT_EQ(record.escapement, c.escapement) << c.rotation;
        EXPECT_EQ(record.orientation, c.escapement) << c.rotation;
        EXPECT_EQ(record.quality, qualityProof);
    }
}

TEST(LogFontRecord, FaceNameIsCutToThirtyTwoBytes)
{
    const struct {
        int length;
        int bytes;
        bool terminated;
    } cases[] = {{5, 6, true}, {31, 32, true}, {32, 32, false}, {40, 32, false}};
    for (const auto& c : cases) {
        const QString name(c.length, u'F');
        const LogFontRecord record = logFontRecord(fontOf(name, 10), ansiCharSet, 0, 96);
        EXPECT_EQ(record.faceName.size(), c.bytes) << c.length;
        EXPECT_EQ(record.faceName.endsWith('\0'), c.terminated) << c.length;
        EXPECT_EQ(RotatedFont(record).font().family(), QString(std::min(c.length, 32), u'F')) << c.length;
    }
}

TEST(LogFontRecord, PlainRecordForTheLogo)
{
    const LogFontRecord bold = FillLogFont(fontOf("Arial", 12, true), 96);
    EXPECT_EQ(bold.height, -16);
    EXPECT_EQ(bold.weight, 700);
    EXPECT_EQ(bold.escapement, 0);
    EXPECT_EQ(bold.quality, 0);
    EXPECT_EQ(bold.faceName, QByteArray("Arial"));
    EXPECT_EQ(FillLogFont(fontOf("Arial", 8.5), 96).height, -11); // 8.5 rounds to 8 points
    EXPECT_EQ(FillLogFont(fontOf("Arial", 9), 96).weight, 400);
    EXPECT_EQ(FillLogFont(fontOf(QString(40, u'F'), 9), 96).faceName.size(), 32);
}

TEST(CLogFont, HoldsAFontObjectExactlyWhileAFontIsHeld)
{
    CLogFont logFont;
    EXPECT_EQ(logFont.Handle(), nullptr);
    logFont.setRotation(90);
    EXPECT_EQ(logFont.Handle(), nullptr);

    logFont.setLOGFONT(fontOf("Arial", 12), oemCharSet);
    const RotatedFont* handle = logFont.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->record().escapement, 900);
    EXPECT_EQ(handle->record().charSet, ansiCharSet);
    EXPECT_DOUBLE_EQ(handle->angle(), 90);

    logFont.setRotation(90);
    EXPECT_EQ(logFont.Handle(), handle);
    logFont.setRotation(180);
    ASSERT_NE(logFont.Handle(), nullptr);
    EXPECT_EQ(logFont.Handle()->record().escapement, 1800);

    logFont.setLOGFONT(std::nullopt);
    EXPECT_EQ(logFont.Handle(), nullptr);
    EXPECT_FALSE(logFont.LOGFONT().has_value());
}

class LogoTest : public ::testing::Test
{
protected:
    QImage paintBands(int height, ColorValue start, ColorValue end, int width = 4)
    {
        logo.setStartColor(start);
        logo.setEndColor(end);
        QImage image(width, height, QImage::Format_RGB32);
        QPainter painter(&image);
        logo.paint(painter, image.size(), QFont(), Qt::white);
        return image;
    }

    cLogo logo;
};

TEST_F(LogoTest, ShortPicturesGetOnePixelBandsFromTheStartColour)
{
    const QImage image = paintBands(100, rgbValue(0, 0, 0), rgbValue(200, 100, 0));
    const struct {
        int row;
        QColor colour;
    } bands[] = {{99, {0, 0, 0}}, {98, {0, 0, 0}}, {97, {2, 1, 0}}, {96, {4, 2, 0}},
                 {50, {96, 48, 0}}, {0, {196, 98, 0}}};
    for (const auto& band : bands)
        EXPECT_EQ(pixel(image, 2, band.row), band.colour) << "row " << band.row;
}

TEST_F(LogoTest, TallPicturesGetAtMostAboutTwoHundredFiftyFiveBands)
{
    const QImage image = paintBands(600, rgbValue(0, 0, 0), rgbValue(255, 0, 0));
    const struct {
        int row;
        int red;
    } bands[] = {{599, 0}, {596, 0}, {595, 1}, {594, 1}, {593, 2}, {1, 253}, {0, 253}};
    for (const auto& band : bands)
        EXPECT_EQ(pixel(image, 0, band.row), QColor(band.red, 0, 0)) << "row " << band.row;
}

TEST_F(LogoTest, PaintsOnlyWithADrawingObjectAndOnlyOnChange)
{
    QLabel banner;
    banner.resize(30, 120);
    banner.show();
    logo.setStartColor(rgbValue(10, 10, 10));
    logo.setDrawingObject(&banner);
    EXPECT_TRUE(banner.pixmap().isNull());

    logo.setEndColor(rgbValue(0, 0, 128));
    const qint64 drawn = banner.pixmap().cacheKey();
    EXPECT_EQ(banner.pixmap().size(), QSize(30, 120));
    logo.setEndColor(rgbValue(0, 0, 128));
    logo.setStartColor(rgbValue(10, 10, 10));
    EXPECT_EQ(banner.pixmap().cacheKey(), drawn);

    banner.resize(30, 200);
    EXPECT_EQ(banner.pixmap().size(), QSize(30, 200));
    EXPECT_EQ(pixel(banner.pixmap().toImage(), 0, 199), QColor(10, 10, 10));
}

TEST_F(LogoTest, CaptionReadsUpwardsFromNearTheBottom)
{
    logo.setCaption(QStringLiteral("ZR Tellix 99"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    QImage image = paintBands(200, rgbValue(0, 0, 0), rgbValue(0, 0, 0), 30);
    QPainter painter(&image);
    logo.paint(painter, image.size(), font, Qt::white);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_TRUE(ink.isValid());
    EXPECT_LE(ink.bottom(), 200 - 16);
    EXPECT_GT(ink.height(), 50);
    EXPECT_GE(ink.left(), 1);
}

} // namespace
} // namespace zrt
