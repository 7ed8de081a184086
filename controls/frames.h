#pragma once

class QPainter;
class QPalette;
class QRect;

namespace zrt {

// One-pixel 3-D frames along the inside of rect: raised has the bright edge
// colour along the top and left and the shadow colour along the bottom and
// right; sunken has them the other way round.
void drawRaisedFrame(QPainter& painter, const QRect& rect, const QPalette& palette);
void drawSunkenFrame(QPainter& painter, const QRect& rect, const QPalette& palette);
// The dotted rectangle of a control that has the keyboard focus, drawn
// inset within rect so that it stays clear of the 3-D frames.
void drawFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette);

} // namespace zrt
