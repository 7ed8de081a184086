#pragma once

#include "controls/twips.h"

#include <QRect>
#include <QSize>

namespace zrt {

// Window layouts are given in twips and placed in the screen's pixels.
inline QRect pixelRect(const QRect& twips, const PixelScale& scale)
{
    return {scale.toPixelsX(twips.x()), scale.toPixelsY(twips.y()), scale.toPixelsX(twips.width()),
            scale.toPixelsY(twips.height())};
}

inline QSize pixelSize(const QSize& twips, const PixelScale& scale)
{
    return {scale.toPixelsX(twips.width()), scale.toPixelsY(twips.height())};
}

inline QSize twipsSize(const QSize& pixels, const PixelScale& scale)
{
    return {pixels.width() * scale.px, pixels.height() * scale.py};
}

} // namespace zrt
