#include "controls/clogfont.h"

#include "controls/twips.h"

namespace zrt {

void CLogFont::setLOGFONT(const std::optional<QFont>& font, int charSet)
{
    font_ = font;
    charSet_ = charSet;
    rebuild();
}

void CLogFont::setRotation(float degrees)
{
    if (degrees == rotation_)
        return;
    rotation_ = degrees;
    rebuild();
}

void CLogFont::rebuild()
{
    handle_.reset();
    if (font_)
        handle_ = std::make_unique<RotatedFont>(
            logFontRecord(*font_, charSet_, rotation_, screenLogicalDpiY()));
}

} // namespace zrt
