#pragma once

#include "controls/color_value.h"

#include <QWidget>

namespace zrt {

class PropertyBag;

// An etched divider: a dark and a bright one-pixel line side by side,
// across a control that is 4 pixels high (style 0) or 4 pixels wide (any
// other style).
class Separator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(uint LineCleearColor READ LineCleearColor WRITE setLineCleearColor)
    Q_PROPERTY(uint LineDarkColor READ LineDarkColor WRITE setLineDarkColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)

public:
    static constexpr int Horizontal = 0;
    static constexpr int thicknessPixels = 4;

    explicit Separator(QWidget* parent = nullptr);

    int Style() const { return style_; }
    void setStyle(int style);
    using QWidget::setStyle;

    ColorValue LineCleearColor() const { return lightColor_; }
    void setLineCleearColor(ColorValue color);

    ColorValue LineDarkColor() const { return darkColor_; }
    void setLineDarkColor(ColorValue color);

    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    bool isHorizontal() const { return style_ == Horizontal; }

    // The dark and the bright line, each from p1 up to, not including, p2.
    QLine lineScura() const;
    QLine lineChiara() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

signals:
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyThickness();
    void changed(const char* name);

    int style_ = Horizontal;
    ColorValue lightColor_ = whiteColor;
    ColorValue darkColor_ = greyColor;
    ColorValue backColor_ = buttonFaceColor;
};

} // namespace zrt
