#include "widgettesting.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace zrt::testing {

QImage render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor pixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QRect inkBox(const QImage& image, const QColor& color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixel(image, x, y) == color)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void enter(QWidget& widget)
{
    const QPointF inside(1, 1);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void moveMouse(QWidget& widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace zrt::testing
