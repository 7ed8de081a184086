#include "controls/separator.h"

#include "controls/property_bag.h"

#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>

namespace zrt {
namespace {

// An axis-aligned line from p1 up to, not including, p2.
void drawLine(QPainter& painter, const QLine& line, const QColor& color)
{
    painter.fillRect(QRect(line.p1(), QSize(std::max(1, line.dx()), std::max(1, line.dy()))), color);
}

} // namespace

Separator::Separator(QWidget* parent) : QWidget(parent)
{
    applyThickness();
}

void Separator::setOrientation(Orientation orientation)
{
    if (orientation == orientation_)
        return;
    const bool wasHorizontal = isHorizontal();
    orientation_ = orientation;
    if (wasHorizontal != isHorizontal())
        applyThickness();
    changed("Style");
}

void Separator::setLightLineColor(ColorValue color)
{
    if (color == lightColor_)
        return;
    lightColor_ = color;
    changed("LineCleearColor");
}

void Separator::setDarkLineColor(ColorValue color)
{
    if (color == darkColor_)
        return;
    darkColor_ = color;
    changed("LineDarkColor");
}

void Separator::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    changed("BackColor");
}

QLine Separator::darkLine() const
{
    if (isHorizontal())
        return {1, 1, width() - 1, 1};
    return {1, 1, 1, height() - 1};
}

QLine Separator::lightLine() const
{
    if (isHorizontal())
        return {1, 2, width() - 1, 2};
    return {2, 1, 2, height() - 1};
}

void Separator::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Style"), orientation_, Orientation::Horizontal);
    bag.write(QStringLiteral("LineCleearColor"), lightColor_, whiteColor);
    bag.write(QStringLiteral("LineDarkColor"), darkColor_, greyColor);
    bag.write(QStringLiteral("BackColor"), backColor_, buttonFaceColor);
}

void Separator::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setOrientation(bag.read(QStringLiteral("Style"), Orientation::Horizontal));
    setLightLineColor(colorValueFrom(bag.read(QStringLiteral("LineCleearColor")), whiteColor));
    setDarkLineColor(colorValueFrom(bag.read(QStringLiteral("LineDarkColor")), greyColor));
    setBackColor(colorValueFrom(bag.read(QStringLiteral("BackColor")), buttonFaceColor));
}

QSize Separator::sizeHint() const
{
    return isHorizontal() ? QSize(100, thicknessPixels) : QSize(thicknessPixels, 100);
}

void Separator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor_, palette()));
    drawLine(painter, darkLine(), toQColor(darkColor_, palette()));
    drawLine(painter, lightLine(), toQColor(lightColor_, palette()));
}

void Separator::applyThickness()
{
    if (isHorizontal()) {
        setMinimumSize(0, thicknessPixels);
        setMaximumSize(QWIDGETSIZE_MAX, thicknessPixels);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setMinimumSize(thicknessPixels, 0);
        setMaximumSize(thicknessPixels, QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    updateGeometry();
}

void Separator::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    update();
}

} // namespace zrt
