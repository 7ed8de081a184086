#include "controls/color_value.h"

#include <QColor>
#include <QPalette>
#include <QVariant>

#include <array>

namespace zrt {
namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours by index, each mapped to the palette role that plays
// the same part.
constexpr std::array<SystemRole, 25> systemRoles{{
    {QPalette::Active, QPalette::Mid},               // scroll bar
    {QPalette::Active, QPalette::Dark},              // desktop
    {QPalette::Active, QPalette::Highlight},         // active caption
    {QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {QPalette::Active, QPalette::Window},            // menu
    {QPalette::Active, QPalette::Base},              // window
    {QPalette::Active, QPalette::Shadow},            // window frame
    {QPalette::Active, QPalette::WindowText},        // menu text
    {QPalette::Active, QPalette::Text},              // window text
    {QPalette::Active, QPalette::HighlightedText},   // caption text
    {QPalette::Active, QPalette::Button},            // active border
    {QPalette::Inactive, QPalette::Button},          // inactive border
    {QPalette::Active, QPalette::Dark},              // application workspace
    {QPalette::Active, QPalette::Highlight},         // highlight
    {QPalette::Active, QPalette::HighlightedText},   // highlighted text
    {QPalette::Active, QPalette::Button},            // button face
    {QPalette::Active, QPalette::Dark},              // button shadow
    {QPalette::Disabled, QPalette::Text},            // grey text
    {QPalette::Active, QPalette::ButtonText},        // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light},             // button highlight
    {QPalette::Active, QPalette::Shadow},            // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // info text
    {QPalette::Active, QPalette::ToolTipBase},       // info background
}};

} // namespace

QColor toQColor(ColorValue value, const QPalette& palette)
{
    if (!isSystemColor(value))
        return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
    const std::size_t index = value & 0xFF;
    if (index >= systemRoles.size())
        return palette.color(QPalette::WindowText);
    return palette.color(systemRoles[index].group, systemRoles[index].role);
}

ColorValue fromQColor(const QColor& color)
{
    return rgbValue(color.red(), color.green(), color.blue());
}

ColorValue colorValueFrom(const QVariant& stored, ColorValue fallback)
{
    bool isNumber = false;
    const qlonglong number = stored.toLongLong(&isNumber);
    return isNumber ? ColorValue(number & 0xFFFFFFFF) : fallback;
}

} // namespace zrt
