#include "page_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace zrt {

namespace {

constexpr qreal kGrid = 16;
const QColor kInk(0x40, 0x40, 0x40);
const QColor kPaper(Qt::white);
const QColor kInfoBlue(0x1c, 0x5f, 0xb8);

// A sheet of paper with a folded corner.
void drawSheet(QPainter& painter)
{
    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(10.5, 0.5);
    sheet.lineTo(13.5, 3.5);
    sheet.lineTo(13.5, 15.5);
    sheet.lineTo(2.5, 15.5);
    sheet.closeSubpath();
    painter.setPen(kInk);
    painter.setBrush(kPaper);
    painter.drawPath(sheet);
    painter.drawPolyline(QPolygonF{{10.5, 0.5}, {10.5, 3.5}, {13.5, 3.5}});
}

// The log: a sheet with one line a connection.
void drawList(QPainter& painter)
{
    drawSheet(painter);
    painter.setPen(QPen(kInk, 1));
    for (qreal y = 5.5; y < 15; y += 2)
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

// The tariffs: a sheet ruled into a table of bands.
void drawTable(QPainter& painter)
{
    drawSheet(painter);
    painter.setPen(QPen(kInfoBlue, 1));
    for (qreal y = 5.5; y < 15; y += 3)
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    painter.drawLine(QPointF(7.5, 5.5), QPointF(7.5, 14.5));
}

// The dial-up entries: two computers joined by a line.
void drawConnection(QPainter& painter)
{
    painter.setPen(kInk);
    painter.setBrush(kInfoBlue.lighter(160));
    painter.drawRect(QRectF(0.5, 1.5, 6, 5));
    painter.drawRect(QRectF(9.5, 9.5, 6, 5));
    painter.setPen(QPen(kInk, 1.5));
    painter.drawPolyline(QPolygonF{{3.5, 6.5}, {3.5, 12}, {9.5, 12}});
}

// Options: three sliders, each with its knob somewhere else.
void drawSliders(QPainter& painter)
{
    const qreal knobs[] = {10.5, 4.5, 8.5};
    for (int row = 0; row < 3; ++row) {
        const qreal y = 3.5 + row * 4.5;
        painter.setPen(QPen(kInk, 1));
        painter.drawLine(QPointF(1.5, y), QPointF(14.5, y));
        painter.setBrush(kInfoBlue);
        painter.drawRect(QRectF(knobs[row] - 1.5, y - 2, 3, 4));
    }
}

// Information: a white "i" in a blue disc.
void drawInformation(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInfoBlue);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    painter.setBrush(kPaper);
    painter.drawEllipse(QRectF(6.75, 3, 2.5, 2.5));
    painter.drawRoundedRect(QRectF(6.9, 6.5, 2.2, 6.5), 0.6, 0.6);
}

} // namespace

QPixmap pageIcon(SetupPage page, int size)
{
    if (page == SetupPage::Statistics)
        return {};
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    switch (page) {
    case SetupPage::Log: drawList(painter); break;
    case SetupPage::Associations: drawConnection(painter); break;
    case SetupPage::Tariffs: drawTable(painter); break;
    case SetupPage::Options: drawSliders(painter); break;
    case SetupPage::About: drawInformation(painter); break;
    case SetupPage::Statistics: break;
    }
    return icon;
}

} // namespace zrt
