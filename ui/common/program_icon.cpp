#include "program_icon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace zrt {

namespace {

void paintTile(QPainter& painter, qreal size)
{
    QLinearGradient navy(0, 0, 0, size);
    navy.setColorAt(0, QColor(0x30, 0x58, 0xC0));
    navy.setColorAt(1, QColor(0x00, 0x00, 0x80));
    painter.setPen(QPen(QColor(0x00, 0x00, 0x48), 1));
    painter.setBrush(navy);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * 0.18, size * 0.18);
}

void paintText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize, const QColor& color)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTile(painter, size);
    paintText(painter, QRectF(0, size * 0.06, size, size * 0.5), QStringLiteral("ZR"), size * 0.44, Qt::white);

    const QRectF display(size * 0.16, size * 0.58, size * 0.68, size * 0.28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB4, 0xC4, 0xA4));
    painter.drawRect(display);
    paintText(painter, display, QStringLiteral("99"), size * 0.26, QColor(0x20, 0x20, 0x20));
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}

} // namespace zrt
