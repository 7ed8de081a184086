#include "controls/frames.h"

#include "controls/color_value.h"

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace zrt {
namespace {

void drawFrame(QPainter& painter, const QRect& rect, const QColor& topLeft,
               const QColor& bottomRight)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

} // namespace

void drawRaisedFrame(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    drawFrame(painter, rect, toQColor(highlight3DColor, palette), toQColor(shadow3DColor, palette));
}

void drawSunkenFrame(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    drawFrame(painter, rect, toQColor(shadow3DColor, palette), toQColor(highlight3DColor, palette));
}

void drawFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    painter.save();
    QPen pen(palette.color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(3, 3, -4, -4));
    painter.restore();
}

} // namespace zrt
