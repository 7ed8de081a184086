#include "controls/drop_down_button.h"

#include "controls/draw_arrow.h"
#include "controls/frames.h"
#include "controls/property_bag.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace zrt {
namespace {

const QColor disabledArrowColor(128, 128, 128);

} // namespace

DropDownButton::DropDownButton(QWidget* parent) : QWidget(parent), button_(new FlatButton(this))
{
    button_->setButtonStyle(FlatButton::ButtonStyle::PictureLeftFlat);
    // The focus is the whole button's: its keys open the arrow part too.
    button_->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    connect(button_, &FlatButton::clicked, this, &DropDownButton::clicked);
}

void DropDownButton::setDropDownOpen(bool dropped)
{
    if (dropped == dropped_)
        return;
    dropped_ = dropped;
    changed("DropDownValue");
}

QString DropDownButton::caption() const { return button_->caption(); }

void DropDownButton::setCaption(const QString& caption)
{
    if (caption == this->caption())
        return;
    button_->setCaption(caption);
    changed("Caption");
    updateGeometry();
}

QPixmap DropDownButton::picture() const { return button_->picture(); }

void DropDownButton::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == this->picture().cacheKey())
        return;
    button_->setPicture(picture);
    changed("Picture");
    updateGeometry();
}

ColorValue DropDownButton::foreColor() const { return button_->foreColor(); }

void DropDownButton::setForeColor(ColorValue color)
{
    if (color == foreColor())
        return;
    button_->setForeColor(color);
    changed("ForeColor");
}

void DropDownButton::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    button_->setBackColor(color);
    changed("BackColor");
}

FlatButton::CaptionDirection DropDownButton::captionDirection() const
{
    return button_->captionDirection();
}

void DropDownButton::setCaptionDirection(FlatButton::CaptionDirection direction)
{
    if (direction == captionDirection())
        return;
    button_->setCaptionDirection(direction);
    changed("CaptionDirection");
}

FlatButton::Alignment DropDownButton::alignment() const { return button_->alignment(); }

void DropDownButton::setAlignment(FlatButton::Alignment alignment)
{
    if (alignment == this->alignment())
        return;
    button_->setAlignment(alignment);
    changed("Alignment");
}

QRect DropDownButton::arrowRect() const
{
    return {width() - arrowWidth - 1, 3, arrowWidth, height() - 6};
}

QRect DropDownButton::arrowFrameRect() const
{
    const int left = arrowRect().left();
    return {left, 0, width() - left, height()};
}

QRect DropDownButton::mainFrameRect() const
{
    return {0, 0, arrowRect().left(), height()};
}

void DropDownButton::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("DropDownValue"), dropped_, false);
    bag.write(QStringLiteral("Caption"), caption(), QString());
    bag.write(QStringLiteral("Picture"), picture().isNull() ? QVariant() : QVariant(picture()));
    bag.write(QStringLiteral("Font"), testAttribute(Qt::WA_SetFont) ? QVariant(font()) : QVariant());
    bag.write(QStringLiteral("ForeColor"), foreColor(), buttonTextColor);
    bag.write(QStringLiteral("BackColor"), backColor_, silverColor);
    bag.write(QStringLiteral("CaptionDirection"), captionDirection(), FlatButton::CaptionDirection::Horizontal);
    bag.write(QStringLiteral("Alignment"), alignment(), FlatButton::Alignment::Left);
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
}

void DropDownButton::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setDropDownOpen(bag.read(QStringLiteral("DropDownValue"), false).toBool());
    setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    setPicture(bag.read(QStringLiteral("Picture")).value<QPixmap>());
    setFont(bag.read(QStringLiteral("Font"), QFont()).value<QFont>());
    setForeColor(colorValueFrom(bag.read(QStringLiteral("ForeColor")), buttonTextColor));
    setBackColor(colorValueFrom(bag.read(QStringLiteral("BackColor")), silverColor));
    setCaptionDirection(bag.read(QStringLiteral("CaptionDirection"), FlatButton::CaptionDirection::Horizontal));
    setAlignment(bag.read(QStringLiteral("Alignment"), FlatButton::Alignment::Left));
    setEnabled(bag.read(QStringLiteral("Enabled"), true).toBool());
}

QSize DropDownButton::sizeHint() const
{
    return button_->sizeHint() + QSize(arrowWidth + 12, 3);
}

void DropDownButton::closeDropDown()
{
    if (!dropped_)
        return;
    dropped_ = false;
    hovered_ = underMouse();
    update();
}

void DropDownButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor_, palette()));
    const QColor arrowColor = isEnabled() ? toQColor(foreColor(), palette()) : disabledArrowColor;
    drawArrow(painter, arrowRect(), arrowColor, isEnabled());

    if (hovered_)
        drawRaisedFrame(painter, mainFrameRect(), palette());
    if (dropped_)
        drawSunkenFrame(painter, arrowFrameRect(), palette());
    else if (hovered_)
        drawRaisedFrame(painter, arrowFrameRect(), palette());
}

void DropDownButton::resizeEvent(QResizeEvent*)
{
    button_->setGeometry(3, 1, width() - arrowWidth - 9, height() - 3);
}

void DropDownButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        changed("Enabled");
    else if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont))
        changed("Font");
    QWidget::changeEvent(event);
}

void DropDownButton::enterEvent(QEnterEvent* event)
{
    if (!dropped_) {
        hovered_ = true;
        update();
    }
    QWidget::enterEvent(event);
}

void DropDownButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QWidget::leaveEvent(event);
}

void DropDownButton::mousePressEvent(QMouseEvent* event)
{
    pressedOnArrow_ = event->button() == Qt::LeftButton
                      && arrowFrameRect().contains(event->position().toPoint());
    if (!pressedOnArrow_)
        return;
    dropped_ = !dropped_;
    hovered_ = true;
    update();
}

void DropDownButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint position = event->position().toPoint();
    if (!pressedOnArrow_) {
        if (rect().contains(position))
            emit clicked();
        return;
    }
    pressedOnArrow_ = false;
    if (!arrowFrameRect().contains(position)) {
        // Released away from the arrow: no click, so the host is not told
        // and the button must not stay toggled behind its back.
        dropped_ = !dropped_;
        update();
    } else if (dropped_) {
        emit dropDownOpened();
    } else {
        emit dropDownClosed();
    }
}

void DropDownButton::keyPressEvent(QKeyEvent* event)
{
    const bool opens = event->key() == Qt::Key_F4 || event->key() == Qt::Key_Space
                       || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
    if (opens && !dropped_) {
        dropped_ = true;
        update();
        emit dropDownOpened();
    } else if (isClickKey(*event) && !opens) {
        emit clicked();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DropDownButton::focusInEvent(QFocusEvent* event)
{
    button_->setHostFocused(true);
    QWidget::focusInEvent(event);
}

void DropDownButton::focusOutEvent(QFocusEvent* event)
{
    button_->setHostFocused(false);
    QWidget::focusOutEvent(event);
}

void DropDownButton::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    update();
}

} // namespace zrt
