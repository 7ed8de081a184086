#include "controls/link_label.h"

#include "controls/link_icon.h"
#include "controls/link_opener.h"
#include "controls/mouse_args.h"
#include "controls/mouse_pointer.h"
#include "controls/program_version.h"
#include "controls/property_bag.h"
#include "controls/twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace zrt {
namespace {

const QString defaultCaption = QStringLiteral("Caption");

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QWidget(parent), icon_(linkIcon()), opener_(&desktopLinkOpener())
{
    setMouseTracking(true);
}

void LinkLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    changed("Caption");
    updateGeometry();
}

void LinkLabel::setHyperlink(const QString& address)
{
    if (address == hyperlink_)
        return;
    hyperlink_ = address;
    changed("Hyperlink");
}

void LinkLabel::setIconPlacement(IconPlacement placement)
{
    if (placement == iconPlacement_)
        return;
    iconPlacement_ = placement;
    changed("Style");
    updateGeometry();
}

void LinkLabel::setForeColor(ColorValue color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    changed("ForeColor");
}

void LinkLabel::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    changed("BackColor");
}

void LinkLabel::setAlignment(Alignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    changed("Alignment");
}

void LinkLabel::setMouseIcon(const QPixmap& icon)
{
    if (icon.cacheKey() == mouseIcon_.cacheKey())
        return;
    mouseIcon_ = icon;
    applyPointer();
    changed("MouseIcon");
}

void LinkLabel::setMousePointer(MousePointer pointer)
{
    if (pointer == mousePointer_)
        return;
    mousePointer_ = pointer;
    applyPointer();
    changed("MousePointer");
}

QString LinkLabel::version() const
{
    return programVersion();
}

QRect LinkLabel::iconRect() const
{
    const QSize icon = icon_.size();
    const int beside = PixelScale::of(*this).toPixelsY(30) + textHeight() / 2 - icon.height() / 2;
    switch (iconPlacement_) {
    case IconPlacement::Right:
        return {QPoint(width() - icon.width(), beside), icon};
    case IconPlacement::Above:
        return {QPoint(width() / 2 - icon.width() / 2, 0), icon};
    default:
        return {QPoint(0, beside), icon};
    }
}

QRect LinkLabel::textRect() const
{
    const PixelScale scale = PixelScale::of(*this);
    const QSize icon = icon_.size();
    switch (iconPlacement_) {
    case IconPlacement::Right:
        return {0, 0, width() - icon.width() - scale.toPixelsX(60), height()};
    case IconPlacement::Above: {
        const int top = icon.height() + scale.toPixelsY(60);
        return {0, top, width(), height() - top};
    }
    default:
        return {icon.width(), 0, width() - icon.width(), height()};
    }
}

void LinkLabel::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("ForeColor"), foreColor_, buttonTextColor);
    bag.write(QStringLiteral("BackColor"), backColor_, silverColor);
    bag.write(QStringLiteral("Style"), iconPlacement_, IconPlacement::Left);
    bag.write(QStringLiteral("Enabled"), isEnabled(), true);
    bag.write(QStringLiteral("Font"), testAttribute(Qt::WA_SetFont) ? QVariant(font()) : QVariant());
    bag.write(QStringLiteral("Hyperlink"), hyperlink_, QString());
    bag.write(QStringLiteral("Alignment"), alignment_, Alignment::Center);
    bag.write(QStringLiteral("Caption"), caption_, defaultCaption);
    bag.write(QStringLiteral("MouseIcon"), mouseIcon_.isNull() ? QVariant() : QVariant(mouseIcon_));
    bag.write(QStringLiteral("MousePointer"), mousePointer_, MousePointer::Default);
}

void LinkLabel::readProperties(const PropertyBag& bag)
{
    const QSignalBlocker loading(this);
    setForeColor(colorValueFrom(bag.read(QStringLiteral("ForeColor")), buttonTextColor));
    setBackColor(colorValueFrom(bag.read(QStringLiteral("BackColor")), silverColor));
    setIconPlacement(bag.read(QStringLiteral("Style"), IconPlacement::Left));
    setEnabled(bag.read(QStringLiteral("Enabled"), true).toBool());
    setFont(bag.read(QStringLiteral("Font"), QFont()).value<QFont>());
    setHyperlink(bag.read(QStringLiteral("Hyperlink"), QString()).toString());
    setAlignment(bag.read(QStringLiteral("Alignment"), Alignment::Center));
    setCaption(bag.read(QStringLiteral("Caption"), defaultCaption).toString());
    setMouseIcon(bag.read(QStringLiteral("MouseIcon")).value<QPixmap>());
    setMousePointer(bag.read(QStringLiteral("MousePointer"), MousePointer::Default));
}

QSize LinkLabel::sizeHint() const
{
    const QSize text(fontMetrics().horizontalAdvance(caption_) + 1, textHeight());
    const QSize icon = icon_.size();
    const PixelScale scale = PixelScale::of(*this);
    if (iconPlacement_ == IconPlacement::Above)
        return {std::max(text.width(), icon.width()), icon.height() + scale.toPixelsY(60) + text.height()};
    const int gap = iconPlacement_ == IconPlacement::Right ? scale.toPixelsX(60) : 0;
    return {icon.width() + gap + text.width(), std::max(text.height(), iconRect().bottom() + 1)};
}

void LinkLabel::click()
{
    if (hyperlink_.isEmpty()) {
        emit clicked();
        return;
    }
    if (!opener_->open(hyperlink_))
        qWarning("Cannot open the link %s", qPrintable(hyperlink_));
}

void LinkLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(backColor_, palette()));
    painter.drawPixmap(iconRect().topLeft(), icon_);

    QFont textFont = font();
    textFont.setUnderline(textFont.underline() || hovered_);
    painter.setFont(textFont);
    painter.setPen(isEnabled() ? toQColor(foreColor_, palette())
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect(), int(textAlignment() | Qt::TextWordWrap), caption_);
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        changed("Enabled");
    } else if (event->type() == QEvent::FontChange) {
        if (testAttribute(Qt::WA_SetFont))
            changed("Font");
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QWidget::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    setHovered(false);
    QWidget::leaveEvent(event);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(true);
    const MouseArgs args = MouseArgs::of(*event, *this);
    emit mouseMoved(args.buttons, args.modifiers, args.twips);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (!textRect().contains(event->position().toPoint()))
        return;
    const MouseArgs args = MouseArgs::of(*event, *this);
    emit mousePressed(args.buttons, args.modifiers, args.twips);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (textRect().contains(position)) {
        const MouseArgs args = MouseArgs::of(*event, *this);
        emit mouseReleased(args.buttons, args.modifiers, args.twips);
    }
    if (event->button() == Qt::LeftButton && rect().contains(position))
        click();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (textRect().contains(event->position().toPoint()))
        emit doubleClicked();
}

void LinkLabel::setHovered(bool hovered)
{
    if (hovered == hovered_)
        return;
    hovered_ = hovered;
    update();
}

void LinkLabel::applyPointer()
{
    if (const auto cursor = cursorForPointer(mousePointer_, mouseIcon_))
        setCursor(*cursor);
    else
        unsetCursor();
}

void LinkLabel::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    update();
}

int LinkLabel::textHeight() const
{
    return fontMetrics().height();
}

Qt::Alignment LinkLabel::textAlignment() const
{
    switch (iconPlacement_) {
    case IconPlacement::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case IconPlacement::Above:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace zrt
