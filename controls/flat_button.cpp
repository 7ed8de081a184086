#include "controls/flat_button.h"

#include "controls/flat_button_layout.h"
#include "controls/frames.h"
#include "controls/mouse_args.h"
#include "controls/program_version.h"
#include "controls/property_bag.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

#include <cmath>

namespace zrt {
namespace {

const QColor disabledTextColor(128, 128, 128);
const QColor disabledShadowColor(255, 255, 255);

QSize logicalSize(const QPixmap& pixmap) { return pixmap.deviceIndependentSize().toSize(); }

} // namespace

FlatButton::FlatButton(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    logFont_.setFont(font());
}

void FlatButton::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    changed("Caption");
    updateGeometry();
}

void FlatButton::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    changed("BackColor");
}

void FlatButton::setForeColor(ColorValue color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    changed("ForeColor");
}

void FlatButton::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    changed("Picture");
    updateGeometry();
}

void FlatButton::setManual(bool manual)
{
    if (manual == manual_)
        return;
    manual_ = manual;
    changed("Manual");
    if (!manual_ && hovered_ && !underMouse()) {
        hovered_ = false;
        setState(FrameState::Flat);
    }
}

void FlatButton::setButtonStyle(ButtonStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    // A label is read, not pressed: Tab passes it by.
    setFocusPolicy(style == ButtonStyle::Label ? Qt::NoFocus : Qt::StrongFocus);
    changed("Style");
    updateGeometry();
}

void FlatButton::setAlignment(Alignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    changed("Alignment");
}

void FlatButton::setCaptionDirection(CaptionDirection direction)
{
    if (direction == captionDirection_)
        return;
    captionDirection_ = direction;
    changed("CaptionDirection");
    updateGeometry();
}

QString FlatButton::version() const
{
    return programVersion();
}

void FlatButton::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("BackColor"), backColor_, silverColor);
    bag.write(QStringLiteral("Style"), style_, ButtonStyle::Normal);
    bag.write(QStringLiteral("ForeColor"), foreColor_, buttonTextColor);
    bag.write(QStringLiteral("Caption"), caption_, QString());
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
    bag.write(QStringLiteral("Manual"), manual_, false);
    bag.write(QStringLiteral("Picture"), picture_.isNull() ? QVariant() : QVariant(picture_));
    bag.write(QStringLiteral("XCaption"), int(xCaption_), 0);
    bag.write(QStringLiteral("YCaption"), int(yCaption_), 0);
    bag.write(QStringLiteral("Font"), testAttribute(Qt::WA_SetFont) ? QVariant(font()) : QVariant());
    bag.write(QStringLiteral("CaptionDirection"), captionDirection_, CaptionDirection::Horizontal);
    bag.write(QStringLiteral("Alignment"), alignment_, Alignment::Left);
}

void FlatButton::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setBackColor(colorValueFrom(bag.read(QStringLiteral("BackColor")), silverColor));
    setFont(bag.read(QStringLiteral("Font"), QFont()).value<QFont>());
    setCaptionDirection(bag.read(QStringLiteral("CaptionDirection"), CaptionDirection::Horizontal));
    setButtonStyle(bag.read(QStringLiteral("Style"), ButtonStyle::Normal));
    setAlignment(bag.read(QStringLiteral("Alignment"), Alignment::Left));
    setXCaption(bag.read(QStringLiteral("XCaption"), 0).toInt());
    setYCaption(bag.read(QStringLiteral("YCaption"), 0).toInt());
    setForeColor(colorValueFrom(bag.read(QStringLiteral("ForeColor")), buttonTextColor));
    setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    setPicture(bag.read(QStringLiteral("Picture")).value<QPixmap>());
    setEnabled(bag.read(QStringLiteral("Enabled"), true).toBool());
    setManual(bag.read(QStringLiteral("Manual"), false).toBool());
}

QSize FlatButton::sizeHint() const
{
    QSize text;
    if (!caption_.isEmpty()) {
        text = textSize() + QSize(1, 1);
        if (isTurned(captionDirection_))
            text.transpose();
    }
    const QSize picture = picture_.isNull() ? QSize(0, 0) : logicalSize(picture_);
    QSize content = text.isValid() ? text : picture;
    if (text.isValid() && !picture_.isNull()) {
        content = style_ == ButtonStyle::Label
                      ? QSize(std::max(text.width(), picture.width()), picture.height() + 3 + text.height())
                      : QSize(picture.width() + 3 + text.width(), std::max(text.height(), picture.height()));
    }
    return content + QSize(12, 8);
}

void FlatButton::raiseAsHovered(Qt::MouseButtons held)
{
    emit mouseMoved(held, Qt::NoModifier, QPointF());
    beginHover();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor_, palette()));

    const QSize inner = size();
    if (!picture_.isNull() && caption_.isEmpty()) {
        const QSize picture = logicalSize(picture_);
        painter.drawPixmap(QPoint((inner.width() - picture.width()) / 2,
                                  (inner.height() - picture.height()) / 2),
                           picture_);
    } else if (!caption_.isEmpty()) {
        const CaptionBox caption = captionBox(textSize(), inner, captionDirection_);
        QRect box(captionPosition(style_, alignment_, captionDirection_, caption.size, inner), caption.size);
        if (!picture_.isNull()) {
            const PictureAndCaption placed =
                placePictureAndCaption(style_, logicalSize(picture_), caption.size, inner);
            painter.drawPixmap(placed.picture.topLeft(), picture_);
            box = placed.caption;
        }
        drawCaption(painter, box, caption);
    }

    if (hasFocus() || hostFocused_)
        drawFocusFrame(painter, rect(), palette());
    if (!styleShowsFrames(style_))
        return;
    if (state_ == FrameState::Raised)
        drawRaisedFrame(painter, rect(), palette());
    else if (state_ == FrameState::Pressed)
        drawSunkenFrame(painter, rect(), palette());
}

void FlatButton::drawCaption(QPainter& painter, const QRect& box, const CaptionBox& caption)
{
    logFont_.setRotation(caption.angle);
    const RotatedFont* rotated = logFont_.handle();
    painter.save();
    painter.setClipRect(box);
    painter.translate(box.topLeft());
    if (isEnabled()) {
        painter.setPen(toQColor(foreColor_, palette()));
        rotated->drawText(painter, caption.origin, caption_);
    } else {
        painter.setPen(disabledShadowColor);
        rotated->drawText(painter, caption.origin + QPoint(1, 1), caption_);
        painter.setPen(disabledTextColor);
        rotated->drawText(painter, caption.origin, caption_);
    }
    painter.restore();
}

QSize FlatButton::textSize() const
{
    const QFontMetrics metrics(logFont_.handle()->font());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

void FlatButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        hovered_ = false;
        state_ = FrameState::Flat;
        changed("Enabled");
    } else if (event->type() == QEvent::FontChange) {
        logFont_.setFont(font());
        if (testAttribute(Qt::WA_SetFont))
            changed("Font");
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    beginHover();
    QWidget::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    if (!manual_) {
        hovered_ = false;
        setState(FrameState::Flat);
    }
    QWidget::leaveEvent(event);
}

void FlatButton::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs args = MouseArgs::of(*event, *this);
    emit mouseMoved(args.buttons, args.modifiers, args.twips);
    beginHover();
}

void FlatButton::mousePressEvent(QMouseEvent* event)
{
    const MouseArgs args = MouseArgs::of(*event, *this);
    emit mousePressed(args.buttons, args.modifiers, args.twips);
    if (styleShowsFrames(style_))
        setState(FrameState::Pressed);
}

void FlatButton::mouseReleaseEvent(QMouseEvent* event)
{
    const MouseArgs args = MouseArgs::of(*event, *this);
    emit mouseReleased(args.buttons, args.modifiers, args.twips);
    if (styleShowsFrames(style_))
        setState(FrameState::Raised);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void FlatButton::setHostFocused(bool focused)
{
    hostFocused_ = focused;
    update();
}

void FlatButton::keyPressEvent(QKeyEvent* event)
{
    if (!isClickKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void FlatButton::beginHover()
{
    if (!styleShowsFrames(style_) || hovered_ || state_ != FrameState::Flat)
        return;
    hovered_ = true;
    setState(FrameState::Raised);
}

void FlatButton::setState(FrameState state)
{
    if (state == state_)
        return;
    state_ = state;
    update();
}

void FlatButton::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    update();
}

bool isClickKey(const QKeyEvent& event)
{
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

FlatButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(objectName);
    button->setCaption(caption);
    return button;
}

} // namespace zrt
