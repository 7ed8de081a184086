#include "controls/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zrt {

int twipsPerPixel(int logicalDpi)
{
    if (logicalDpi <= 0)
        return twipsPerPixel(96);
    return std::max(1, roundHalfEven(double(twipsPerInch) / logicalDpi));
}

int screenLogicalDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? roundHalfEven(screen->logicalDotsPerInchY()) : 96;
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

PixelScale PixelScale::of(const QWidget& widget)
{
    return {twipsPerPixel(widget.logicalDpiX()), twipsPerPixel(widget.logicalDpiY())};
}

PixelScale PixelScale::ofScreen()
{
    const int perPixel = twipsPerPixel(screenLogicalDpiY());
    return {perPixel, perPixel};
}

} // namespace zrt
