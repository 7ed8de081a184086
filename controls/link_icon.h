#pragma once

class QPixmap;

namespace zrt {

inline constexpr int linkIconSize = 16;

// The small globe shown beside a link label's text.
QPixmap linkIcon();

} // namespace zrt
