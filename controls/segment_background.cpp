#include "controls/segment_background.h"

#include <QLinearGradient>
#include <QPainter>

namespace zrt {

void paintSegmentBackground(QPainter& painter)
{
    const QRect panel(0, 0, segmentBackgroundWidth, segmentBackgroundHeight);
    QLinearGradient glass(panel.topLeft(), panel.bottomLeft());
    glass.setColorAt(0, QColor(0xB4, 0xC4, 0xA4));
    glass.setColorAt(1, QColor(0x9C, 0xAE, 0x8C));
    painter.fillRect(panel, glass);

    const QColor shadow(0x80, 0x80, 0x80);
    const QColor light(0xFF, 0xFF, 0xFF);
    painter.fillRect(QRect(0, 0, panel.width() - 1, 1), shadow);
    painter.fillRect(QRect(0, 0, 1, panel.height() - 1), shadow);
    painter.fillRect(QRect(0, panel.bottom(), panel.width(), 1), light);
    painter.fillRect(QRect(panel.right(), 0, 1, panel.height()), light);
}

} // namespace zrt
