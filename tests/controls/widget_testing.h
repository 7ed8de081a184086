#pragma once

#include <QApplication>
#include <QColor>
#include <QEnterEvent>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <ostream>

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& colour, std::ostream* out) { *out << colour.name().toStdString(); }

namespace zrt::test {

inline QImage render(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
inline QColor pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

// The bounding box of the pixels drawn in color; invalid when there are none.
inline QRect inkBox(const QImage& image, const QColor& color)
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

inline void enter(QWidget& widget)
{
    const QPointF inside(1, 1);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

inline void leave(QWidget& widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

} // namespace zrt::test
