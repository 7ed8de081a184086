#include "controls/segment_display.h"

#include "controls/segment_background.h"
#include "controls/segment_geometry.h"
#include "controls/property_bag.h"
#include "controls/twips.h"

#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>
#include <limits>

namespace zrt {
namespace {

const QString defaultValue = QStringLiteral("0");
constexpr ColorValue defaultForeColor = rgbValue(0, 0, 0);

// A one-pixel line from `from` up to, not including, `to`.
void drawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color)
{
    if (from.y() == to.y()) {
        const int left = std::min(from.x(), to.x() + 1);
        painter.fillRect(QRect(left, from.y(), std::abs(to.x() - from.x()), 1), color);
    } else if (from.x() == to.x()) {
        const int top = std::min(from.y(), to.y() + 1);
        painter.fillRect(QRect(from.x(), top, 1, std::abs(to.y() - from.y())), color);
    } else {
        painter.setPen(color);
        painter.drawLine(from, to);
    }
}

int toSixteenBits(int value)
{
    return std::clamp(value, int(std::numeric_limits<qint16>::min()),
                      int(std::numeric_limits<qint16>::max()));
}

} // namespace

SegmentDisplay::SegmentDisplay(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMaximumSize(maximumSizeInPixels());
}

void SegmentDisplay::setValue(const QString& value)
{
    if (value == value_)
        return;
    value_ = value;
    emit propertyChanged(QStringLiteral("Value"));
    update();
}

void SegmentDisplay::setForeColor(ColorValue color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    emit propertyChanged(QStringLiteral("ForeColor"));
    update();
}

void SegmentDisplay::setAltezza(int twips)
{
    if (toSixteenBits(twips) == height_)
        return;
    height_ = toSixteenBits(twips);
    emit propertyChanged(QStringLiteral("Altezza"));
    update();
}

void SegmentDisplay::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Altezza"), height_, defaultAltezza);
    bag.write(QStringLiteral("Value"), value_, defaultValue);
    bag.write(QStringLiteral("ForeColor"), foreColor_, defaultForeColor);
}

void SegmentDisplay::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setForeColor(colorValueFrom(bag.read(QStringLiteral("ForeColor")), defaultForeColor));
    setAltezza(bag.read(QStringLiteral("Altezza"), defaultAltezza).toInt());
    setValue(bag.read(QStringLiteral("value"), defaultValue).toString());
}

QSize SegmentDisplay::sizeHint() const
{
    return {segmentBackgroundWidth, segmentBackgroundHeight};
}

void SegmentDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    paintSegmentBackground(painter);

    const PixelScale scale = PixelScale::of(*this);
    const QColor color = toQColor(foreColor_, palette());
    const auto toPixels = [&](QPointF twips) {
        return QPoint(scale.toPixelsX(twips.x()), scale.toPixelsY(twips.y()));
    };
    for (const QLineF& stroke : segmentStrokes(value_, height_, width() * scale.px, scale))
        drawPixelLine(painter, toPixels(stroke.p1()), toPixels(stroke.p2()), color);
}

void SegmentDisplay::resizeEvent(QResizeEvent*)
{
    // The screen, and with it the size of a twip, may have changed.
    setMaximumSize(maximumSizeInPixels());
}

QSize SegmentDisplay::maximumSizeInPixels() const
{
    const PixelScale scale = PixelScale::of(*this);
    return {scale.toPixelsX(maximumWidthTwips), scale.toPixelsY(maximumHeightTwips)};
}

} // namespace zrt
