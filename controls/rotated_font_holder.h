#pragma once

#include "controls/log_font.h"

#include <QFont>

#include <memory>
#include <optional>

namespace zrt {

// Owns a font object for drawing text turned by rotation() degrees
// counter-clockwise. The object exists exactly while a font is held, and is
// rebuilt whenever the font or the rotation changes.
class RotatedFontHolder
{
public:
    RotatedFontHolder() = default;
    RotatedFontHolder(const RotatedFontHolder&) = delete;
    RotatedFontHolder& operator=(const RotatedFontHolder&) = delete;

    const std::optional<QFont>& font() const { return font_; }
    // Keeps a copy of font; later changes to the caller's font do not reach it.
    void setFont(const std::optional<QFont>& font, int charSet = ansiCharSet);

    float rotation() const { return rotation_; }
    void setRotation(float degrees);

    // The font object to draw with, owned by this object; null when no font is held.
    const RotatedFont* handle() const { return handle_.get(); }

private:
    void rebuild();

    std::optional<QFont> font_;
    int charSet_ = ansiCharSet;
    float rotation_ = 0;
    std::unique_ptr<RotatedFont> handle_;
};

} // namespace zrt
