#include "controls/rotated_font_holder.h"

#include "controls/twips.h"

namespace zrt {

void RotatedFontHolder::setFont(const std::optional<QFont>& font, int charSet)
{
    font_ = font;
    charSet_ = charSet;
    rebuild();
}

void RotatedFontHolder::setRotation(float degrees)
{
    if (degrees == rotation_)
        return;
    rotation_ = degrees;
    rebuild();
}

void RotatedFontHolder::rebuild()
{
    handle_.reset();
    if (font_)
        handle_ = std::make_unique<RotatedFont>(
            logFontRecord(*font_, charSet_, rotation_, screenLogicalDpiY()));
}

} // namespace zrt
