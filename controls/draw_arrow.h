#pragma once

class QColor;
class QPainter;
class QRect;

namespace zrt {

// The small downward arrow of a drop-down part, centred in area: a
// five-three-one pixel triangle in color, with a one-pixel white shadow along
// its right edge and under its tip when the control is disabled.
void drawArrow(QPainter& painter, const QRect& area, const QColor& color, bool enabled);

} // namespace zrt
