#pragma once

#include "controls/color_value.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zrt {

class LinkOpener;
class PropertyBag;

// A hyperlink label: a small icon beside a text that is underlined while
// the mouse is over it. A click opens the hyperlink, or raises Click when
// there is none.
class LinkLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString hyperlink READ hyperlink WRITE setHyperlink)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)

public:
    // Where the icon goes: at the left, at the right, or centred above the text.
    static constexpr int IconLeft = 0;
    static constexpr int IconRight = 1;
    static constexpr int IconAbove = 2;

    explicit LinkLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    QString hyperlink() const { return hyperlink_; }
    void setHyperlink(const QString& address);

    int Style() const { return style_; }
    void setStyle(int style);
    using QWidget::setStyle;

    ColorValue ForeColor() const { return foreColor_; }
    void setForeColor(ColorValue color);

    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    // Kept with the stored properties only; the text follows the style.
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);

    QPixmap MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);

    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    QString Version() const;

    // Where addresses are opened; the desktop's default handler unless set.
    void setLinkOpener(LinkOpener& opener) { opener_ = &opener; }

    bool isUnderlined() const { return hovered_; }
    QRect iconRect() const;
    QRect textRect() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    void DoClick();
    void Refresh() { update(); }

signals:
    void Click();
    void DblClick();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
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
    int style_ = IconLeft;
    ColorValue foreColor_ = buttonTextColor;
    ColorValue backColor_ = silverColor;
    int alignment_ = 2;
    QPixmap mouseIcon_;
    int mousePointer_ = 0;
    QPixmap icon_;
    bool hovered_ = false;
    LinkOpener* opener_;
};

} // namespace zrt
