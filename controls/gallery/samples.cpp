#include "samples.h"

#include "controls/button_properties_page.h"
#include "controls/gradient_logo.h"
#include "controls/color_value.h"
#include "controls/segment_display.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/about_properties_page.h"
#include "controls/link_icon.h"
#include "controls/link_label.h"
#include "controls/separator.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zrt::gallery {
namespace {

QPixmap phonePicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0x80, 0x00, 0x00));
    painter.drawRoundedRect(QRect(1, 6, 13, 8), 2, 2);
    painter.drawRect(QRect(3, 2, 9, 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRect(5, 8, 5, 5));
    return picture;
}

void hover(QWidget* widget)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &enter);
}

void press(QWidget* widget, QPointF at)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void release(QWidget* widget, QPointF at)
{
    QMouseEvent event(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

Sample segmentDisplaySample(QWidget* parent, const char* name, const QString& value, int altezza,
                     ColorValue color = rgbValue(0, 0, 0))
{
    auto* display = new SegmentDisplay(parent);
    display->setFixedSize(display->sizeHint());
    display->setAltezza(altezza);
    display->setForeColor(color);
    display->setValue(value);
    return {QString::fromLatin1(name), display, {}};
}

FlatButton* makeButton(QWidget* parent, const QString& caption, QSize size)
{
    auto* button = new FlatButton(parent);
    button->setCaption(caption);
    button->setFixedSize(size);
    return button;
}

QList<Sample> flatButtonSamples(QWidget* parent)
{
    const QSize wide(90, 24);
    const QSize tall(24, 80);
    auto* flat = makeButton(parent, QStringLiteral("Chiudi"), wide);
    auto* raised = makeButton(parent, QStringLiteral("Chiudi"), wide);
    auto* pressed = makeButton(parent, QStringLiteral("Chiudi"), wide);
    auto* disabled = makeButton(parent, QStringLiteral("Avanti >"), wide);
    disabled->setEnabled(false);
    auto* picture = makeButton(parent, QStringLiteral("Imposta"), wide);
    picture->setButtonStyle(FlatButton::ButtonStyle::PictureLeft);
    picture->setPicture(phonePicture());
    auto* label = makeButton(parent, QStringLiteral("Etichetta"), wide);
    label->setButtonStyle(FlatButton::ButtonStyle::Label);
    label->setAlignment(FlatButton::Alignment::Right);
    auto* up = makeButton(parent, QStringLiteral("Tariffe"), tall);
    up->setCaptionDirection(FlatButton::CaptionDirection::Up);
    auto* down = makeButton(parent, QStringLiteral("Tariffe"), tall);
    down->setCaptionDirection(FlatButton::CaptionDirection::Down);
    auto* upsideDown = makeButton(parent, QStringLiteral("Tariffe"), wide);
    upsideDown->setCaptionDirection(FlatButton::CaptionDirection::UpsideDown);
    auto* clipped = makeButton(parent, QStringLiteral("Una didascalia troppo lunga"), wide);
    return {
        {QStringLiteral("fltbutton-flat"), flat, {}},
        {QStringLiteral("fltbutton-raised"), raised, [raised] { raised->raiseAsHovered(); }},
        {QStringLiteral("fltbutton-pressed"), pressed, [pressed] { press(pressed, {5, 5}); }},
        {QStringLiteral("fltbutton-disabled"), disabled, {}},
        {QStringLiteral("fltbutton-picture"), picture, [picture] { picture->raiseAsHovered(); }},
        {QStringLiteral("fltbutton-label"), label, {}},
        {QStringLiteral("fltbutton-up"), up, [up] { up->raiseAsHovered(); }},
        {QStringLiteral("fltbutton-down"), down, {}},
        {QStringLiteral("fltbutton-180"), upsideDown, {}},
        {QStringLiteral("fltbutton-clipped"), clipped, [clipped] { clipped->raiseAsHovered(); }},
    };
}

DropDownButton* makeDropdown(QWidget* parent)
{
    auto* button = new DropDownButton(parent);
    button->setCaption(QStringLiteral("Opzioni"));
    button->setPicture(phonePicture());
    button->setFixedSize(100, 24);
    return button;
}

QList<Sample> dropdownSamples(QWidget* parent)
{
    auto* up = makeDropdown(parent);
    auto* hovered = makeDropdown(parent);
    auto* dropped = makeDropdown(parent);
    auto* disabled = makeDropdown(parent);
    disabled->setEnabled(false);
    const auto dropDown = [dropped] {
        hover(dropped);
        const QPointF arrow = dropped->arrowRect().center();
        press(dropped, arrow);
        release(dropped, arrow);
    };
    return {
        {QStringLiteral("dropdown-up"), up, {}},
        {QStringLiteral("dropdown-hover"), hovered, [hovered] { hover(hovered); }},
        {QStringLiteral("dropdown-down"), dropped, dropDown},
        {QStringLiteral("dropdown-disabled"), disabled, {}},
    };
}

LinkLabel* makeLink(QWidget* parent, LinkLabel::IconPlacement placement, QSize size)
{
    auto* link = new LinkLabel(parent);
    link->setCaption(QStringLiteral("www.zrtellix.it"));
    link->setIconPlacement(placement);
    link->setForeColor(rgbValue(0, 0, 128));
    link->setFixedSize(size);
    return link;
}

QList<Sample> linkLabelSamples(QWidget* parent)
{
    using Placement = LinkLabel::IconPlacement;
    auto* left = makeLink(parent, Placement::Left, {120, 20});
    auto* hovered = makeLink(parent, Placement::Left, {120, 20});
    auto* right = makeLink(parent, Placement::Right, {120, 20});
    auto* above = makeLink(parent, Placement::Above, {120, 40});
    return {
        {QStringLiteral("linklabel-left"), left, {}},
        {QStringLiteral("linklabel-hover"), hovered, [hovered] { hover(hovered); }},
        {QStringLiteral("linklabel-right"), right, {}},
        {QStringLiteral("linklabel-above"), above, {}},
    };
}

QList<Sample> separatorSamples(QWidget* parent)
{
    auto* horizontal = new Separator(parent);
    horizontal->setFixedWidth(120);
    auto* vertical = new Separator(parent);
    vertical->setOrientation(Separator::Orientation::Vertical);
    vertical->setFixedHeight(40);
    return {
        {QStringLiteral("separator-horizontal"), horizontal, {}},
        {QStringLiteral("separator-vertical"), vertical, {}},
    };
}

QList<Sample> logoSamples(QWidget* parent)
{
    auto* banner = new QLabel(parent);
    banner->setFixedSize(40, 240);
    QFont font(QStringLiteral("Liberation Sans"), 14);
    font.setBold(true);
    banner->setFont(font);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    banner->setPalette(palette);
    auto* logo = new GradientLogo(banner);
    logo->setDrawingObject(banner);
    logo->setCaption(QStringLiteral("ZR Tellix 99"));
    logo->setStartColor(rgbValue(0xC0, 0xC0, 0xC0));
    logo->setEndColor(rgbValue(0x00, 0x00, 0x80));
    return {{QStringLiteral("logo"), banner, {}}};
}

QList<Sample> pageSamples(QWidget* parent)
{
    auto* subject = new FlatButton(parent);
    subject->setCaption(QStringLiteral("Chiudi"));
    subject->setButtonStyle(FlatButton::ButtonStyle::Label);
    subject->hide();
    auto* altro = new ButtonPropertiesPage(parent);
    altro->setSelectedControls({subject});
    auto* info = new AboutPropertiesPage(parent);
    info->setFixedSize(260, 150);
    return {
        {QStringLiteral("page-altro"), altro, {}},
        {QStringLiteral("page-info"), info, {}},
    };
}

} // namespace

QList<SampleGroup> makeSampleGroups(QWidget* parent)
{
    return {
        {QStringLiteral("Digital"),
         {
             segmentDisplaySample(parent, "digital-default", QStringLiteral("0"), SegmentDisplay::defaultAltezza),
             segmentDisplaySample(parent, "digital-cost", QStringLiteral("1.250"), 240),
             segmentDisplaySample(parent, "digital-unknown", QStringLiteral("---"), 240),
             segmentDisplaySample(parent, "digital-euro", QStringLiteral("12,50"), 150),
             segmentDisplaySample(parent, "digital-time", QStringLiteral("12:34:56"), 120,
                           rgbValue(0x80, 0x00, 0x00)),
             segmentDisplaySample(parent, "digital-thin", QStringLiteral("0123456789"), 74),
         }},
        {QStringLiteral("fltbutton"), flatButtonSamples(parent)},
        {QStringLiteral("dropdown"), dropdownSamples(parent)},
        {QStringLiteral("LinkLabel"), linkLabelSamples(parent)},
        {QStringLiteral("Separator"), separatorSamples(parent)},
        {QStringLiteral("cLogo"), logoSamples(parent)},
        {QStringLiteral("Property pages"), pageSamples(parent)},
    };
}

} // namespace zrt::gallery
