#include "controls/color_value.h"
#include "controls/segment_display.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/link_label.h"
#include "controls/property_bag.h"
#include "controls/separator.h"
#include "controls/twips.h"

#include <QColor>
#include <QMetaProperty>
#include <QPalette>
#include <QSignalSpy>
#include <QVariant>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(Twips, PerPixelFollowsLogicalDpiAndRoundsHalvesToEven)
{
    const std::pair<int, int> scales[] = {{96, 15}, {120, 12}, {192, 8}, {0, 15}, {-1, 15}};
    for (const auto& [dpi, twips] : scales)
        EXPECT_EQ(twipsPerPixel(dpi), twips) << dpi << " dpi";
    const std::pair<double, int> roundings[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {0.5, 0}};
    for (const auto& [value, rounded] : roundings)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(ColorValue, SystemColoursComeFromThePaletteAndStoredNumbersMaySignTheHighBit)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    EXPECT_EQ(rgbValue(0x12, 0x34, 0x56), 0x563412u); // red in the low byte, as stored
    EXPECT_EQ(toQColor(0x563412u, palette), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(toQColor(buttonFaceColor, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(systemColor(200), palette), palette.color(QPalette::WindowText));
    EXPECT_EQ(colorValueFrom(QVariant(int(0x80000012)), 0), buttonTextColor);
    EXPECT_EQ(colorValueFrom(QVariant(QStringLiteral("blue")), 42), 42u);
}

TEST(PropertyBag, OmitsDefaultsKeepsOrderAndMatchesNamesRegardlessOfCase)
{
    PropertyMap bag;
    bag.write(QStringLiteral("Value"), QStringLiteral("12,50"), QStringLiteral("0"));
    bag.write(QStringLiteral("Altezza"), 75, 75);
    bag.write(QStringLiteral("ForeColor"), 255u, 0u);
    bag.write(QStringLiteral("VALUE"), QStringLiteral("3"));
    EXPECT_EQ(bag.names(), (QStringList{"Value", "ForeColor"}));
    EXPECT_EQ(bag.read(QStringLiteral("value")).toString(), QStringLiteral("3"));
    EXPECT_EQ(bag.read(QStringLiteral("ALTEZZA"), 75).toInt(), 75);
}

template <typename Control> PropertyMap bagOf(const Control& control)
{
    PropertyMap bag;
    control.writeProperties(bag);
    return bag;
}

// Pictures have no equality of their own; compare their pixels.
QVariant comparable(const QVariant& value)
{
    return value.typeId() == QMetaType::QPixmap ? QVariant(value.value<QPixmap>().toImage()) : value;
}

// A control reads entries away from its defaults without announcing
// changes and writes just those back, in the order given; its defaults are
// never written, and an empty bag brings them back.
template <typename Control> void expectRoundTrip(const QList<std::pair<QString, QVariant>>& entries)
{
    SCOPED_TRACE(Control::staticMetaObject.className());
    PropertyMap bag;
    for (const auto& [name, value] : entries)
        bag.write(name, value);
    Control control;
    EXPECT_TRUE(bagOf(control).names().isEmpty());
    QSignalSpy changes(&control, &Control::propertyChanged);
    control.readProperties(bag);
    EXPECT_EQ(changes.count(), 0);
    const PropertyMap written = bagOf(control);
    EXPECT_EQ(written.names(), bag.names());
    for (const auto& [name, value] : entries)
        EXPECT_EQ(comparable(written.read(name)), comparable(value)) << name.toStdString();
    control.readProperties(PropertyMap());
    EXPECT_TRUE(bagOf(control).names().isEmpty());
}

TEST(ControlProperties, RoundTripWithDefaultsOmitted)
{
    QPixmap picture(8, 8);
    picture.fill(Qt::red);
    expectRoundTrip<SegmentDisplay>({{"Altezza", 120}, {"Value", "1.234"}, {"ForeColor", rgbValue(255, 0, 0)}});
    // Styles, directions, alignments and pointers are stored as plain numbers.
    expectRoundTrip<DropDownButton>({{"DropDownValue", true}, {"Caption", "Opzioni"}, {"BackColor", rgbValue(1, 2, 3)},
                               {"CaptionDirection", 1}});
    expectRoundTrip<FlatButton>({{"BackColor", rgbValue(1, 2, 3)}, {"Style", 3},
                                {"ForeColor", rgbValue(4, 5, 6)}, {"Caption", "Chiudi"}, {"Enabled", false},
                                {"Manual", true}, {"Picture", picture}, {"XCaption", 7}, {"YCaption", 8},
                                {"Font", QFont("Liberation Sans", 11, QFont::Bold)},
                                {"CaptionDirection", 3}, {"Alignment", 2}});
    expectRoundTrip<LinkLabel>({{"Style", 2}, {"Hyperlink", "http://www.example.it/"},
                                {"Alignment", 0}, {"Caption", "Sito"}, {"MousePointer", 3}});
    expectRoundTrip<Separator>({{"Style", 1}, {"LineCleearColor", rgbValue(1, 1, 1)},
                                {"LineDarkColor", rgbValue(2, 2, 2)}, {"BackColor", rgbValue(0, 0, 255)}});
}

// Set by its stored name, as the Designer and the property pages do, and
// with a style given as the number it is stored as, a property reaches the
// control, is announced once under that name and is stored unchanged.
template <typename Control> void expectSetByStoredName(const char* name, const QVariant& value)
{
    SCOPED_TRACE(::testing::Message() << Control::staticMetaObject.className() << " " << name);
    Control control;
    QSignalSpy changes(&control, &Control::propertyChanged);
    ASSERT_TRUE(control.setProperty(name, value));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.first().first().toString().compare(QLatin1String(name), Qt::CaseInsensitive), 0);
    EXPECT_EQ(bagOf(control).read(QString::fromLatin1(name)), value);
    control.setProperty(name, value);
    EXPECT_EQ(changes.count(), 1) << "set again to the same value";
}

TEST(ControlProperties, SetByStoredNameWithTheStoredNumber)
{
    expectSetByStoredName<SegmentDisplay>("Value", QStringLiteral("---"));
    expectSetByStoredName<SegmentDisplay>("Altezza", 120);
    expectSetByStoredName<FlatButton>("Style", 1);
    expectSetByStoredName<FlatButton>("Alignment", 2);
    expectSetByStoredName<FlatButton>("CaptionDirection", 3);
    expectSetByStoredName<FlatButton>("manual", true);
    expectSetByStoredName<DropDownButton>("CaptionDirection", 1);
    expectSetByStoredName<DropDownButton>("Alignment", 1);
    expectSetByStoredName<LinkLabel>("Style", 2);
    expectSetByStoredName<LinkLabel>("Alignment", 0);
    expectSetByStoredName<LinkLabel>("MousePointer", 11);
    expectSetByStoredName<Separator>("Style", 1);
}

// The Designer lists a style property's values by name.
TEST(ControlProperties, StylesAreEnumerations)
{
    const std::pair<const QMetaObject*, const char*> styles[] = {
        {&FlatButton::staticMetaObject, "Style"},           {&FlatButton::staticMetaObject, "Alignment"},
        {&FlatButton::staticMetaObject, "CaptionDirection"}, {&DropDownButton::staticMetaObject, "Alignment"},
        {&DropDownButton::staticMetaObject, "CaptionDirection"}, {&LinkLabel::staticMetaObject, "Style"},
        {&LinkLabel::staticMetaObject, "Alignment"},        {&LinkLabel::staticMetaObject, "MousePointer"},
        {&Separator::staticMetaObject, "Style"},
    };
    for (const auto& [meta, name] : styles) {
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        EXPECT_TRUE(property.isEnumType()) << meta->className() << " " << name;
    }
}

} // namespace
} // namespace zrt::test
