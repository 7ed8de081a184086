#pragma once

#include "controls/color_value.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace zrt {

class LinkOpener;
class PropertyBag;

// A hyperlink label: a small icon beside a text that is underlined while
// the mouse is over it. A click opens the hyperlink, or emits clicked() when
// there is none.
class LinkLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString hyperlink READ hyperlink WRITE setHyperlink)
    Q_PROPERTY(IconPlacement Style READ iconPlacement WRITE setIconPlacement)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(MousePointer MousePointer READ mousePointer WRITE setMousePointer)

public:
    // Where the icon goes: at the left, at the right, or centred above the
    // text. Stored as these numbers.
    enum class IconPlacement { Left = 0, Right = 1, Above = 2 };
    Q_ENUM(IconPlacement)

    enum class Alignment { Left = 0, Right = 1, Center = 2 };
    Q_ENUM(Alignment)

    // The classic pointer kinds: Default leaves the pointer to the parent,
    // Custom shows the mouse icon, the others are stock shapes.
    enum class MousePointer {
        Default = 0,
        Arrow = 1,
        Cross = 2,
        IBeam = 3,
        Icon = 4,
        Size = 5,
        SizeNESW = 6,
        SizeNS = 7,
        SizeNWSE = 8,
        SizeWE = 9,
        UpArrow = 10,
        Hourglass = 11,
        NoDrop = 12,
        ArrowHourglass = 13,
        ArrowQuestion = 14,
        SizeAll = 15,
        Custom = 99,
    };
    Q_ENUM(MousePointer)

    explicit LinkLabel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    QString hyperlink() const { return hyperlink_; }
    void setHyperlink(const QString& address);

    IconPlacement iconPlacement() const { return iconPlacement_; }
    void setIconPlacement(IconPlacement placement);

    ColorValue foreColor() const { return foreColor_; }
    void setForeColor(ColorValue color);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    // Kept with the stored properties only; the text follows the icon.
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    QPixmap mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);

    MousePointer mousePointer() const { return mousePointer_; }
    void setMousePointer(MousePointer pointer);

    QString version() const;

    // Where addresses are opened; the desktop's default handler unless set.
    void setLinkOpener(LinkOpener& opener) { opener_ = &opener; }

    bool isUnderlined() const { return hovered_; }
    QRect iconRect() const;
    QRect textRect() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    // Opens the hyperlink, or emits clicked() when there is none.
    void click();
    void refresh() { update(); }

signals:
    void clicked();
    void doubleClicked();
    // Positions are in twips within the label, as the classic controls
    // reported them. A press or a release reports the button that changed,
    // a movement the buttons held down.
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);
    void mouseReleased(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setHovered(bool hovered);
    void applyPointer();
    void changed(const char* name);
    int textHeight() const;
    Qt::Alignment textAlignment() const;

    QString caption_ = QStringLiteral("Caption");
    QString hyperlink_;
    IconPlacement iconPlacement_ = IconPlacement::Left;
    ColorValue foreColor_ = buttonTextColor;
    ColorValue backColor_ = silverColor;
    Alignment alignment_ = Alignment::Center;
    QPixmap mouseIcon_;
    MousePointer mousePointer_ = MousePointer::Default;
    QPixmap icon_;
    bool hovered_ = false;
    LinkOpener* opener_;
};

} // namespace zrt
