#include "controls/gradient_logo.h"

#include "controls/log_font.h"
#include "controls/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace zrt {
namespace {

constexpr int bandsAtMost = 255;
constexpr int captionLeft = 1;
constexpr int captionAboveBottom = 16;

int blend(int start, int end, int done, int total)
{
    return start + roundHalfEven(double(done) * (end - start) / total);
}

QColor blend(const QColor& start, const QColor& end, int done, int total)
{
    return {blend(start.red(), end.red(), done, total), blend(start.green(), end.green(), done, total),
            blend(start.blue(), end.blue(), done, total)};
}

} // namespace

GradientLogo::GradientLogo(QObject* parent)
    : QObject(parent), startRgb_(toQColor(startColor_, QGuiApplication::palette())),
      endRgb_(toQColor(endColor_, QGuiApplication::palette()))
{
}

void GradientLogo::setDrawingObject(QLabel* label)
{
    if (drawingObject_)
        drawingObject_->removeEventFilter(this);
    drawingObject_ = label;
    if (label)
        label->installEventFilter(this);
}

void GradientLogo::setStartColor(ColorValue color)
{
    if (color == startColor_)
        return;
    startColor_ = color;
    startRgb_ = toQColor(color, QGuiApplication::palette());
    draw();
}

void GradientLogo::setEndColor(ColorValue color)
{
    if (color == endColor_)
        return;
    endColor_ = color;
    endRgb_ = toQColor(color, QGuiApplication::palette());
    draw();
}

void GradientLogo::draw()
{
    if (!drawingObject_ || drawingObject_->width() <= 0 || drawingObject_->height() <= 0)
        return;
    const qreal ratio = drawingObject_->devicePixelRatioF();
    QPixmap banner(drawingObject_->size() * ratio);
    banner.setDevicePixelRatio(ratio);
    QPainter painter(&banner);
    paint(painter, drawingObject_->size(), drawingObject_->font(),
          drawingObject_->palette().color(drawingObject_->foregroundRole()));
    painter.end();
    drawingObject_->setPixmap(banner);
}

void GradientLogo::paint(QPainter& painter, const QSize& size, const QFont& font, const QColor& textColor) const
{
    const int h = size.height();
    const int w = size.width();
    if (h <= 0 || w <= 0)
        return;
    const int step = std::max(1, h / bandsAtMost);
    QColor colour = startRgb_;
    int bandBottom = h;
    for (int y = h; y >= 0; y -= step) {
        painter.fillRect(QRect(0, bandBottom - step, w, step), colour);
        bandBottom -= step;
        colour = blend(startRgb_, endRgb_, h - y, h);
    }

    LogFontRecord record = plainLogFontRecord(font, screenLogicalDpiY());
    record.escapement = 900;
    painter.setPen(textColor);
    RotatedFont(record).drawText(painter, QPointF(captionLeft, h - captionAboveBottom), caption_);
}

bool GradientLogo::eventFilter(QObject* watched, QEvent* event)
{
    // The type is tested first: the picture area also sends events while it
    // is being destroyed, when it may no longer be looked at as a QLabel.
    if (event->type() == QEvent::Resize && watched == drawingObject_)
        draw();
    return QObject::eventFilter(watched, event);
}

} // namespace zrt
