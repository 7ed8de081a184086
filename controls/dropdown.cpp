#include "controls/dropdown.h"

#include "controls/drawarrow.h"
#include "controls/fltbutton.h"
#include "controls/frames.h"
#include "controls/propertybag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace zrt {
namespace {

const QColor disabledArrowColor(128, 128, 128);

} // namespace

dropdown::dropdown(QWidget* parent) : QWidget(parent), flt_(new fltbutton(this))
{
    flt_->setStyle(FltStyle::PictureLeftFlat);
    connect(flt_, &fltbutton::Click, this, &dropdown::Click);
}

void dropdown::setDropDownValue(bool dropped)
{
    if (dropped == dropped_)
        return;
    dropped_ = dropped;
    changed("DropDownValue");
}

QString dropdown::Caption() const { return flt_->Caption(); }

void dropdown::setCaption(const QString& caption)
{
    if (caption == Caption())
        return;
    flt_->setCaption(caption);
    changed("Caption");
    updateGeometry();
}

QPixmap dropdown::Picture() const { return flt_->Picture(); }

void dropdown::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == Picture().cacheKey())
        return;
    flt_->setPicture(picture);
    changed("Picture");
    updateGeometry();
}

ColorValue dropdown::ForeColor() const { return flt_->ForeColor(); }

void dropdown::setForeColor(ColorValue color)
{
    if (color == ForeColor())
        return;
    flt_->setForeColor(color);
    changed("ForeColor");
}

void dropdown::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    flt_->setBackColor(color);
    changed("BackColor");
}

int dropdown::CaptionDirection() const { return flt_->CaptionDirection(); }

void dropdown::setCaptionDirection(int direction)
{
    if (direction == CaptionDirection())
        return;
    flt_->setCaptionDirection(direction);
    changed("CaptionDirection");
}

int dropdown::Alignment() const { return flt_->Alignment(); }

void dropdown::setAlignment(int alignment)
{
    if (alignment == Alignment())
        return;
    flt_->setAlignment(alignment);
    changed("Alignment");
}

QRect dropdown::arrowRect() const
{
    return {width() - arrowWidth - 1, 3, arrowWidth, height() - 6};
}

QRect dropdown::arrowFrameRect() const
{
    const int left = arrowRect().left();
    return {left, 0, width() - left, height()};
}

QRect dropdown::mainFrameRect() const
{
    return {0, 0, arrowRect().left(), height()};
}

void dropdown::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("DropDownValue"), dropped_, false);
    bag.write(QStringLiteral("Caption"), Caption(), QString());
    bag.write(QStringLiteral("Picture"), Picture().isNull() ? QVariant() : QVariant(Picture()));
    bag.write(QStringLiteral("Font"), testAttribute(Qt::WA_SetFont) ? QVariant(font()) : QVariant());
    bag.write(QStringLiteral("ForeColor"), ForeColor(), buttonTextColor);
    bag.write(QStringLiteral("BackColor"), backColor_, silverColor);
    bag.write(QStringLiteral("CaptionDirection"), CaptionDirection(), FltDirection::Horizontal);
    bag.write(QStringLiteral("Alignment"), Alignment(), FltAlignment::Left);
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
}

void dropdown::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setDropDownValue(bag.read(QStringLiteral("DropDownValue"), false).toBool());
    setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    setPicture(bag.read(QStringLiteral("Picture")).value<QPixmap>());
    setFont(bag.read(QStringLiteral("Font"), QFont()).value<QFont>());
    setForeColor(colorValueFrom(bag.read(QStringLiteral("ForeColor")), buttonTextColor));
    setBackColor(colorValueFrom(bag.read(QStringLiteral("BackColor")), silverColor));
    setCaptionDirection(bag.read(QStringLiteral("CaptionDirection"), 0).toInt());
    setAlignment(bag.read(QStringLiteral("Alignment"), 0).toInt());
    setEnabled(bag.read(QStringLiteral("Enabled"), true).toBool());
}

QSize dropdown::sizeHint() const
{
    return flt_->sizeHint() + QSize(arrowWidth + 12, 3);
}

void dropdown::CloseDropDown()
{
    if (!dropped_)
        return;
    dropped_ = false;
    hovered_ = underMouse();
    update();
}

void dropdown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor_, palette()));
    const QColor arrowColor = isEnabled() ? toQColor(ForeColor(), palette()) : disabledArrowColor;
    DrawArrow(painter, arrowRect(), arrowColor, isEnabled());

    if (hovered_)
        drawRaisedFrame(painter, mainFrameRect(), palette());
    if (dropped_)
        drawSunkenFrame(painter, arrowFrameRect(), palette());
    else if (hovered_)
        drawRaisedFrame(painter, arrowFrameRect(), palette());
}

void dropdown::resizeEvent(QResizeEvent*)
{
    flt_->setGeometry(3, 1, width() - arrowWidth - 9, height() - 3);
}

void dropdown::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        changed("Enabled");
    else if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont))
        changed("Font");
    QWidget::changeEvent(event);
}

void dropdown::enterEvent(QEnterEvent* event)
{
    if (!dropped_) {
        hovered_ = true;
        update();
    }
    QWidget::enterEvent(event);
}

void dropdown::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QWidget::leaveEvent(event);
}

void dropdown::mousePressEvent(QMouseEvent* event)
{
    pressedOnArrow_ = event->button() == Qt::LeftButton
                      && arrowFrameRect().contains(event->position().toPoint());
    if (!pressedOnArrow_)
        return;
    dropped_ = !dropped_;
    hovered_ = true;
    update();
}

void dropdown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint position = event->position().toPoint();
    if (!pressedOnArrow_) {
        if (rect().contains(position))
            emit Click();
        return;
    }
    pressedOnArrow_ = false;
    if (!arrowFrameRect().contains(position)) {
        // Released away from the arrow: no click, so the host is not told
        // and the button must not stay toggled behind its back.
        dropped_ = !dropped_;
        update();
    } else if (dropped_) {
        emit DropDownOpen();
    } else {
        emit DropDownClose();
    }
}

void dropdown::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    update();
}

} // namespace zrt
