#include "controls/draw_arrow.h"

#include "controls/twips.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace zrt {
namespace {

struct ArrowRow {
    int colouredFrom;
    int colouredCount;
    int shadow;
};

constexpr ArrowRow arrowRows[] = {{0, 5, 5}, {1, 3, 4}, {2, 1, 3}, {0, 0, 2}};

} // namespace

void drawArrow(QPainter& painter, const QRect& area, const QColor& color, bool enabled)
{
    const int x0 = area.left() + roundHalfEven(area.width() / 2.0 - 2);
    const int y0 = area.top() + roundHalfEven(area.height() / 2.0 - 1);
    int y = y0;
    for (const ArrowRow& row : arrowRows) {
        if (row.colouredCount > 0)
            painter.fillRect(QRect(x0 + row.colouredFrom, y, row.colouredCount, 1), color);
        if (!enabled)
            painter.fillRect(QRect(x0 + row.shadow, y, 1, 1), Qt::white);
        ++y;
    }
}

} // namespace zrt
