#include "controls/link_icon.h"

#include <QPainter>
#include <QPixmap>

namespace zrt {

QPixmap linkIcon()
{
    QPixmap icon(linkIconSize, linkIconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QRect globe(1, 1, 13, 13);
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.setBrush(QColor(0x00, 0x80, 0x80));
    painter.drawEllipse(globe);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(0xC0, 0xFF, 0xFF));
    painter.drawEllipse(QRect(5, 1, 5, 13));
    painter.drawLine(2, 5, 13, 5);
    painter.drawLine(2, 10, 13, 10);
    painter.drawLine(7, 2, 7, 13);
    return icon;
}

} // namespace zrt
