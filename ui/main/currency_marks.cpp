#include "currency_marks.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace zrt {

namespace {

struct CoinColours {
    QColor light;
    QColor dark;
    QColor rim;
    QColor sign;
};

const CoinColours kLira{{0xF4, 0xD8, 0x90}, {0xB0, 0x80, 0x30}, {0x70, 0x50, 0x18}, {0x50, 0x34, 0x08}};
const CoinColours kEuro{{0x60, 0x80, 0xE0}, {0x10, 0x28, 0x90}, {0x08, 0x18, 0x60}, {0xFF, 0xD8, 0x40}};

QPixmap paintCoin(int size, const CoinColours& colours, const QString& sign)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient face(size * 0.35, size * 0.3, size * 0.75);
    face.setColorAt(0, colours.light);
    face.setColorAt(1, colours.dark);
    painter.setBrush(face);
    painter.setPen(QPen(colours.rim, 1));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(size * 0.62)));
    painter.setFont(font);
    painter.setPen(colours.sign);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, sign);
    return pixmap;
}

// The Lira sign drawn as an "L" crossed twice, which every font can show.
void crossTheL(QPixmap& coin)
{
    const qreal size = coin.width();
    QPainter painter(&coin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLira.sign, qMax(1.0, size / 14)));
    for (qreal y : {size * 0.47, size * 0.58})
        painter.drawLine(QPointF(size * 0.26, y), QPointF(size * 0.56, y));
}

} // namespace

QPixmap liraMark(int size)
{
    QPixmap coin = paintCoin(size, kLira, QStringLiteral("L"));
    crossTheL(coin);
    return coin;
}

QPixmap euroMark(int size)
{
    return paintCoin(size, kEuro, QString(QChar(0x20AC)));
}

} // namespace zrt
