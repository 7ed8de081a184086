#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <ostream>

class QWidget;

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& colour, std::ostream* out) { *out << colour.name().toStdString(); }

namespace zrt::testing {

QImage render(QWidget& widget);
QColor pixel(const QImage& image, int x, int y);

// The bounding box of the pixels drawn in color; invalid when there are none.
QRect inkBox(const QImage& image, const QColor& color);

void enter(QWidget& widget);
void leave(QWidget& widget);
void moveMouse(QWidget& widget, QPoint at);

} // namespace zrt::testing
