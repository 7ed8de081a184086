#pragma once

#include "controls/color_value.h"

#include <QWidget>

namespace zrt {

class PropertyBag;

// An etched divider: a dark and a bright one-pixel line side by side,
// across a control that is 4 pixels high (horizontal) or 4 pixels wide
// (vertical).
class Separator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Orientation Style READ orientation WRITE setOrientation)
    Q_PROPERTY(uint LineCleearColor READ lightLineColor WRITE setLightLineColor)
    Q_PROPERTY(uint LineDarkColor READ darkLineColor WRITE setDarkLineColor)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)

public:
    // Stored as these numbers; any stored number but 0 lays it vertically.
    enum class Orientation { Horizontal = 0, Vertical = 1 };
    Q_ENUM(Orientation)

    static constexpr int thicknessPixels = 4;

    explicit Separator(QWidget* parent = nullptr);

    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation orientation);

    ColorValue lightLineColor() const { return lightColor_; }
    void setLightLineColor(ColorValue color);

    ColorValue darkLineColor() const { return darkColor_; }
    void setDarkLineColor(ColorValue color);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    bool isHorizontal() const { return orientation_ == Orientation::Horizontal; }

    // The dark and the bright line, each from p1 up to, not including, p2.
    QLine darkLine() const;
    QLine lightLine() const;

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

    Orientation orientation_ = Orientation::Horizontal;
    ColorValue lightColor_ = whiteColor;
    ColorValue darkColor_ = greyColor;
    ColorValue backColor_ = buttonFaceColor;
};

} // namespace zrt
