#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

class QWidget;

namespace zrt::testing {

QImage render(QWidget& widget);
QColor pixel(const QImage& image, int x, int y);

// Whether any pixel of rect (clipped to the image) has color.
bool anyPixel(const QImage& image, const QRect& rect, const QColor& color);

void enter(QWidget& widget);
void leave(QWidget& widget);
void moveMouse(QWidget& widget, QPoint at);

} // namespace zrt::testing
