#pragma once

#include "controls/link_label.h"

#include <QCursor>

#include <optional>

class QPixmap;

namespace zrt {

// The cursor for a pointer kind; none for the default kind, for a stored
// number that names no kind and for a custom kind without an icon.
std::optional<QCursor> cursorForPointer(LinkLabel::MousePointer pointer, const QPixmap& mouseIcon);

} // namespace zrt
