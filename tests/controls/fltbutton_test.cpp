#include "controls/fltbutton.h"
#include "controls/propertybag.h"

#include "widgettesting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::anyPixel;
using testing::pixel;
using testing::render;
using State = fltbutton::FrameState;

const QColor bright(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor silver(192, 192, 192);
const QColor black(0, 0, 0);

// The bounding box of the pixels drawn in color.
QRect inkBox(const QImage& image, const QColor& color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixel(image, x, y) == color)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class FltbuttonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.resize(80, 24);
        button.setCaption(QStringLiteral("Chiudi"));
    }

    // The frame, read from the top-left and bottom-right corners' edges.
    std::pair<QColor, QColor> frameColours()
    {
        const QImage image = render(button);
        return {pixel(image, 5, 0), pixel(image, 5, image.height() - 1)};
    }

    fltbutton button;
};

TEST(FltbuttonLayout, CaptionBoxIsClippedSixPixelsInsideTheButton)
{
    const QSize inner(60, 20);
    const struct {
        QSize text;
        int direction;
        QSize box;
        QPoint origin;
    } cases[] = {
        {{30, 12}, FltDirection::Horizontal, {31, 13}, {0, 0}},
        {{60, 12}, FltDirection::Horizontal, {54, 13}, {0, 0}},
        {{90, 25}, FltDirection::Horizontal, {54, 14}, {0, 0}},
        {{10, 12}, FltDirection::Up, {13, 11}, {0, 10}},
        {{30, 12}, FltDirection::Up, {13, 14}, {0, 30}},
        {{30, 12}, FltDirection::UpsideDown, {31, 13}, {30, 12}},
        {{10, 12}, FltDirection::Down, {13, 11}, {12, 0}},
    };
    for (const auto& c : cases) {
        const CaptionBox box = captionBox(c.text, inner, c.direction);
        EXPECT_EQ(box.size, c.box) << c.text.width() << " direction " << c.direction;
        EXPECT_EQ(box.origin, c.origin) << c.text.width() << " direction " << c.direction;
    }
}

TEST(FltbuttonLayout, LabelStylePlacesTheCaptionByAlignmentAndDirection)
{
    const QSize inner(100, 50);
    const QSize box(20, 10);
    const struct {
        int alignment;
        int direction;
        QPoint position;
    } cases[] = {
        {FltAlignment::Left, FltDirection::Horizontal, {3, 20}},
        {FltAlignment::Right, FltDirection::Horizontal, {77, 20}},
        {FltAlignment::Left, FltDirection::Up, {40, 39}},
        {FltAlignment::Right, FltDirection::Up, {40, 3}},
        {FltAlignment::Left, FltDirection::UpsideDown, {77, 20}},
        {FltAlignment::Left, FltDirection::Down, {40, 3}},
        {FltAlignment::Right, FltDirection::Down, {40, 39}},
        {FltAlignment::Center, FltDirection::Down, {40, 20}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(captionPosition(FltStyle::Label, c.alignment, c.direction, box, inner), c.position)
            << "alignment " << c.alignment << " direction " << c.direction;
    }
    EXPECT_EQ(captionPosition(FltStyle::Normal, FltAlignment::Left, 0, box, inner), QPoint(40, 20));
}

TEST(FltbuttonLayout, PictureStylesPlacePictureAndCaptionSideBySide)
{
    const QSize inner(100, 30);
    const PictureAndCaption left = placePictureAndCaption(FltStyle::PictureLeft, {16, 16}, {40, 14}, inner);
    EXPECT_EQ(left.picture, QRect(2, 7, 16, 16));
    EXPECT_EQ(left.caption, QRect(21, 8, 40, 14));
    const PictureAndCaption right = placePictureAndCaption(FltStyle::PictureRightFlat, {16, 16}, {40, 14}, inner);
    EXPECT_EQ(right.caption, QRect(2, 8, 40, 14));
    EXPECT_EQ(right.picture, QRect(45, 7, 16, 16));
    const PictureAndCaption above = placePictureAndCaption(FltStyle::Label, {16, 16}, {40, 14}, inner);
    EXPECT_EQ(above.picture, QRect(42, 3, 16, 16));
    EXPECT_EQ(above.caption, QRect(30, 22, 40, 14));
}

TEST_F(FltbuttonTest, RaisedFrameIsLightTopLeftAndSunkenSwapsIt)
{
    EXPECT_EQ(frameColours(), std::make_pair(silver, silver));

    button.Rialza();
    EXPECT_EQ(button.state(), State::Raised);
    const QImage raised = render(button);
    EXPECT_EQ(pixel(raised, 0, 0), bright);
    EXPECT_EQ(pixel(raised, 0, 12), bright);
    EXPECT_EQ(pixel(raised, 40, 0), bright);
    EXPECT_EQ(pixel(raised, 79, 12), shadow);
    EXPECT_EQ(pixel(raised, 40, 23), shadow);
    EXPECT_EQ(pixel(raised, 79, 0), shadow);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.state(), State::Pressed);
    const QImage sunken = render(button);
    EXPECT_EQ(pixel(sunken, 0, 12), shadow);
    EXPECT_EQ(pixel(sunken, 40, 0), shadow);
    EXPECT_EQ(pixel(sunken, 79, 12), bright);
    EXPECT_EQ(pixel(sunken, 40, 23), bright);

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.state(), State::Raised);
}

TEST_F(FltbuttonTest, RepaintWhilePressedKeepsFrameAndCaption)
{
    const QRect inside(1, 1, 78, 22);
    const QImage before = render(button).copy(inside);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    render(button);
    const QImage pressed = render(button);
    EXPECT_EQ(pixel(pressed, 0, 12), shadow);
    EXPECT_EQ(pressed.copy(inside), before);
}

TEST_F(FltbuttonTest, HoverEndsWhenTheMouseLeavesUnlessManual)
{
    testing::enter(button);
    EXPECT_EQ(button.state(), State::Raised);
    testing::leave(button);
    EXPECT_EQ(button.state(), State::Flat);
    EXPECT_EQ(frameColours(), std::make_pair(silver, silver));

    button.setManual(true);
    testing::moveMouse(button, {5, 5});
    testing::leave(button);
    EXPECT_EQ(button.state(), State::Raised);
    EXPECT_EQ(frameColours(), std::make_pair(bright, shadow));
}

TEST_F(FltbuttonTest, FramelessStylesNeverFrame)
{
    const std::function<void(fltbutton&)> actions[] = {
        [](fltbutton& b) { b.Rialza(); },
        [](fltbutton& b) { b.Abbassa(); },
        [](fltbutton& b) { testing::enter(b); },
        [](fltbutton& b) { testing::moveMouse(b, {5, 5}); },
        [](fltbutton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5)); },
        [](fltbutton& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5)); },
    };
    for (const int style : {FltStyle::Label, FltStyle::PictureLeftFlat, FltStyle::PictureRightFlat}) {
        for (const auto& action : actions) {
            fltbutton frameless;
            frameless.resize(80, 24);
            frameless.setStyle(style);
            action(frameless);
            EXPECT_EQ(frameless.state(), State::Flat) << "style " << style;
            const QImage image = render(frameless);
            EXPECT_EQ(pixel(image, 0, 12), silver) << "style " << style;
            EXPECT_EQ(pixel(image, 79, 12), silver) << "style " << style;
        }
    }
}

TEST_F(FltbuttonTest, DisabledCaptionIsEmbossed)
{
    button.setEnabled(false);
    const QImage image = render(button);
    EXPECT_FALSE(anyPixel(image, image.rect(), black));
    const QRect text = inkBox(image, shadow);
    ASSERT_TRUE(text.isValid());
    // Every grey pixel that nothing covers down-right casts a white shadow there.
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            if (pixel(image, x, y) == shadow && pixel(image, x + 1, y + 1) != shadow) {
                EXPECT_EQ(pixel(image, x + 1, y + 1), bright) << x << "," << y;
            }
        }
    }
}

TEST_F(FltbuttonTest, CaptionWiderThanTheButtonIsClippedSixPixelsNarrower)
{
    button.resize(60, 24);
    button.setCaption(QStringLiteral("Una didascalia molto lunga"));
    const QRect text = inkBox(render(button), black);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.left(), 3);
    EXPECT_LE(text.right(), 60 - 3 - 1);
    EXPECT_GT(text.width(), 40);
}

TEST_F(FltbuttonTest, TurnedCaptionRunsAlongTheHeight)
{
    const QRect across = inkBox(render(button), black);
    button.resize(24, 80);
    button.setCaptionDirection(FltDirection::Up);
    const QRect upwards = inkBox(render(button), black);
    ASSERT_TRUE(across.isValid() && upwards.isValid());
    EXPECT_NEAR(upwards.height(), across.width(), 1);
    EXPECT_NEAR(upwards.width(), across.height(), 1);
}

TEST_F(FltbuttonTest, EnabledChangeFlattensTheButton)
{
    button.Rialza();
    button.setEnabled(false);
    EXPECT_EQ(button.state(), State::Flat);
}

TEST_F(FltbuttonTest, ClickFollowsPressAndReleaseInside)
{
    QSignalSpy clicks(&button, &fltbutton::Click);
    QSignalSpy downs(&button, &fltbutton::MouseDown);
    QSignalSpy ups(&button, &fltbutton::MouseUp);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 6));
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.first().at(0).toInt(), 1);
    EXPECT_EQ(downs.first().at(1).toInt(), 1);
    EXPECT_FLOAT_EQ(downs.first().at(2).toFloat(), 4 * 15);
    EXPECT_EQ(ups.count(), 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(4, 6));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 6));
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(4, 6));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FltbuttonTest, PropertiesRoundTripWithDefaultsOmitted)
{
    PropertyMap untouched;
    fltbutton().writeProperties(untouched);
    EXPECT_TRUE(untouched.names().isEmpty());

    QPixmap picture(8, 8);
    picture.fill(Qt::red);
    QFont font(QStringLiteral("Liberation Sans"), 11);
    font.setBold(true);
    button.setBackColor(rgbValue(1, 2, 3));
    button.setStyle(FltStyle::PictureRight);
    button.setForeColor(rgbValue(4, 5, 6));
    button.setEnabled(false);
    button.setManual(true);
    button.setPicture(picture);
    button.setXCaption(7);
    button.setYCaption(8);
    button.setFont(font);
    button.setCaptionDirection(FltDirection::Down);
    button.setAlignment(FltAlignment::Center);
    PropertyMap bag;
    button.writeProperties(bag);
    EXPECT_EQ(bag.names(),
              (QStringList{"BackColor", "Style", "ForeColor", "Caption", "Enabled", "Manual", "Picture",
                           "XCaption", "YCaption", "Font", "CaptionDirection", "Alignment"}));

    fltbutton restored;
    QSignalSpy changes(&restored, &fltbutton::propertyChanged);
    restored.readProperties(bag);
    EXPECT_EQ(changes.count(), 0);
    PropertyMap again;
    restored.writeProperties(again);
    EXPECT_EQ(again.names(), bag.names());
    for (const QString& name : bag.names()) {
        if (name != QLatin1String("Picture")) {
            EXPECT_EQ(again.read(name), bag.read(name)) << name.toStdString();
        }
    }
    EXPECT_EQ(restored.Picture().toImage(), picture.toImage());
}

} // namespace
} // namespace zrt
