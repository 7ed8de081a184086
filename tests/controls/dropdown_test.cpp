#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "controls/propertybag.h"

#include "widgettesting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zrt {
namespace {

using testing::pixel;
using testing::render;

const QColor bright(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor silver(192, 192, 192);

class DropdownTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.resize(100, 24);
        button.setCaption(QStringLiteral("Opzioni"));
        button.show();
    }

    QPoint arrow() const { return button.arrowRect().center(); }
    QPoint mainPart() const { return {1, 1}; }

    dropdown button;
    QSignalSpy opens{&button, &dropdown::DropDownOpen};
    QSignalSpy closes{&button, &dropdown::DropDownClose};
    QSignalSpy clicks{&button, &dropdown::Click};
};

TEST_F(DropdownTest, PartsAreLaidOutAroundATwelvePixelArrow)
{
    EXPECT_EQ(button.arrowRect(), QRect(100 - 12 - 1, 3, 12, 24 - 6));
    EXPECT_EQ(button.flt().geometry(), QRect(3, 1, 100 - 12 - 9, 24 - 3));
    EXPECT_EQ(button.mainFrameRect(), QRect(0, 0, 87, 24));
    EXPECT_EQ(button.arrowFrameRect(), QRect(87, 0, 13, 24));
}

TEST_F(DropdownTest, ArrowClicksOpenThenClose)
{
    QTest::mouseClick(&button, Qt::LeftButton, {}, arrow());
    EXPECT_TRUE(button.DropDownValue());
    EXPECT_EQ(opens.count(), 1);
    EXPECT_EQ(closes.count(), 0);

    QTest::mouseClick(&button, Qt::LeftButton, {}, arrow());
    EXPECT_FALSE(button.DropDownValue());
    EXPECT_EQ(opens.count(), 1);
    EXPECT_EQ(closes.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(DropdownTest, CloseDropDownRaisesNoEvent)
{
    button.CloseDropDown();
    EXPECT_FALSE(button.DropDownValue());

    QTest::mouseClick(&button, Qt::LeftButton, {}, arrow());
    button.CloseDropDown();
    EXPECT_FALSE(button.DropDownValue());
    EXPECT_EQ(opens.count(), 1);
    EXPECT_EQ(closes.count(), 0);
}

TEST_F(DropdownTest, MainPartClicksLeaveTheValueAlone)
{
    QTest::mouseClick(&button.flt(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&button, Qt::LeftButton, {}, mainPart());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(button.DropDownValue());
    EXPECT_EQ(opens.count() + closes.count(), 0);
}

TEST_F(DropdownTest, ReleaseAwayFromTheArrowUndoesThePress)
{
    QTest::mousePress(&button, Qt::LeftButton, {}, arrow());
    EXPECT_TRUE(button.DropDownValue());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(button.DropDownValue());
    EXPECT_EQ(opens.count() + closes.count() + clicks.count(), 0);
}

TEST_F(DropdownTest, FramesShowHoverAndTheDroppedArrow)
{
    const int arrowLeft = button.arrowFrameRect().left();
    QImage image = render(button);
    EXPECT_EQ(pixel(image, 40, 0), silver);

    testing::enter(button);
    image = render(button);
    EXPECT_EQ(pixel(image, 40, 0), bright);
    EXPECT_EQ(pixel(image, arrowLeft - 1, 12), shadow);
    EXPECT_EQ(pixel(image, arrowLeft, 12), bright);
    EXPECT_EQ(pixel(image, 99, 12), shadow);

    QTest::mouseClick(&button, Qt::LeftButton, {}, arrow());
    image = render(button);
    EXPECT_EQ(pixel(image, arrowLeft, 12), shadow);
    EXPECT_EQ(pixel(image, 99, 12), bright);

    testing::leave(button);
    image = render(button);
    EXPECT_EQ(pixel(image, 40, 0), silver);
    EXPECT_EQ(pixel(image, arrowLeft, 12), shadow);
}

TEST_F(DropdownTest, ArrowIsGreyAndShadowedWhenDisabled)
{
    const QRect area = button.arrowRect();
    const QPoint tip(area.left() + 6 - 2, area.top() + area.height() / 2 - 1);
    EXPECT_EQ(pixel(render(button), tip.x(), tip.y()), QColor(0, 0, 0));
    button.setEnabled(false);
    const QImage image = render(button);
    EXPECT_EQ(pixel(image, tip.x(), tip.y()), shadow);
    EXPECT_EQ(pixel(image, tip.x() + 5, tip.y()), bright);
}

TEST_F(DropdownTest, PropertiesRoundTripWithDefaultsOmitted)
{
    PropertyMap untouched;
    dropdown().writeProperties(untouched);
    EXPECT_TRUE(untouched.names().isEmpty());

    button.setDropDownValue(true);
    button.setBackColor(rgbValue(10, 20, 30));
    button.setCaptionDirection(FltDirection::Up);
    PropertyMap bag;
    button.writeProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"DropDownValue", "Caption", "BackColor", "CaptionDirection"}));

    dropdown restored;
    restored.readProperties(bag);
    EXPECT_TRUE(restored.DropDownValue());
    EXPECT_EQ(restored.Caption(), QStringLiteral("Opzioni"));
    EXPECT_EQ(restored.flt().BackColor(), rgbValue(10, 20, 30));
    EXPECT_EQ(restored.flt().CaptionDirection(), FltDirection::Up);
}

} // namespace
} // namespace zrt
