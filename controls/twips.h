#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zrt {

// Lengths of the controls are given in twips, 1440 to the inch. One screen
// pixel is 15 twips at 96 DPI; the value is read anew from the screen the
// widget is on, so the geometry scales on high-DPI screens.
inline constexpr int twipsPerInch = 1440;

int twipsPerPixel(int logicalDpi);

// Logical DPI of the primary screen, 96 when there is none.
int screenLogicalDpiY();

// Rounds halves to the nearest even integer (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double value);

// Size of one screen pixel in twips, horizontally (px) and vertically (py).
struct PixelScale {
    int px = 15;
    int py = 15;

    static PixelScale of(const QWidget& widget);
    static PixelScale ofScreen();

    int toPixelsX(double twips) const { return roundHalfEven(twips / px); }
    int toPixelsY(double twips) const { return roundHalfEven(twips / py); }
    QRect toPixels(const QRect& twips) const
    {
        return {toPixelsX(twips.x()), toPixelsY(twips.y()), toPixelsX(twips.width()), toPixelsY(twips.height())};
    }
    QSize toPixels(const QSize& twips) const { return {toPixelsX(twips.width()), toPixelsY(twips.height())}; }
    QSize toTwips(const QSize& pixels) const { return {pixels.width() * px, pixels.height() * py}; }
};

} // namespace zrt
