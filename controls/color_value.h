#pragma once

#include <QtGlobal>

class QColor;
class QPalette;
class QVariant;

namespace zrt {

// A colour as the controls store it: either a plain colour
// (red + 256 * green + 65536 * blue) or, with the high bit set, a system
// colour whose low byte is the index of the system colour. System colours
// are resolved through the widget's palette when drawn.
using ColorValue = quint32;

constexpr ColorValue rgbValue(int red, int green, int blue)
{
    return ColorValue(red & 0xFF) | ColorValue(green & 0xFF) << 8 | ColorValue(blue & 0xFF) << 16;
}

constexpr ColorValue systemColor(int index) { return 0x80000000u | ColorValue(index & 0xFF); }

constexpr bool isSystemColor(ColorValue value) { return (value & 0x80000000u) != 0; }

namespace SystemColorIndex {
inline constexpr int ButtonFace = 15;
inline constexpr int ButtonShadow = 16;
inline constexpr int ButtonText = 18;
inline constexpr int ButtonHighlight = 20;
} // namespace SystemColorIndex

inline constexpr ColorValue buttonFaceColor = systemColor(SystemColorIndex::ButtonFace);
inline constexpr ColorValue buttonTextColor = systemColor(SystemColorIndex::ButtonText);
inline constexpr ColorValue highlight3DColor = systemColor(SystemColorIndex::ButtonHighlight);
inline constexpr ColorValue shadow3DColor = systemColor(SystemColorIndex::ButtonShadow);
inline constexpr ColorValue silverColor = rgbValue(192, 192, 192);
inline constexpr ColorValue greyColor = rgbValue(128, 128, 128);
inline constexpr ColorValue whiteColor = rgbValue(255, 255, 255);

QColor toQColor(ColorValue value, const QPalette& palette);

// The plain colour value of a QColor (its alpha is dropped).
ColorValue fromQColor(const QColor& color);

// A colour read back from stored properties, which may hold it as a signed
// or an unsigned 32-bit number; fallback when it holds no number.
ColorValue colorValueFrom(const QVariant& stored, ColorValue fallback);

} // namespace zrt
