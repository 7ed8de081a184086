#pragma once

#include <QCursor>

#include <optional>

class QPixmap;

namespace zrt {

// The classic mouse pointer kinds: 0 leaves the pointer to the parent,
// 1 to 15 are the stock shapes, 99 is the control's own icon.
inline constexpr int customMousePointer = 99;

// The cursor for a pointer kind, or none for the default kind and for a
// custom kind without an icon.
std::optional<QCursor> cursorForPointer(int mousePointer, const QPixmap& mouseIcon);

} // namespace zrt
