#pragma once

#include "controls/color_value.h"

#include <QString>
#include <QWidget>

namespace zrt {

class PropertyBag;

// A seven-segment display of digits, the dash "-" and the marks "," "." ":",
// right-aligned over a fixed background. Every change of the value, the colour or the
// segment length redraws the whole display.
class SegmentDisplay : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Value READ value WRITE setValue)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int Altezza READ altezza WRITE setAltezza)

public:
    static constexpr int defaultAltezza = 75;
    // The largest size, in twips: the background picture's 191 x 62 pixels at 15 twips.
    static constexpr int maximumWidthTwips = 2865;
    static constexpr int maximumHeightTwips = 930;

    explicit SegmentDisplay(QWidget* parent = nullptr);

    QString value() const { return value_; }
    void setValue(const QString& value);

    ColorValue foreColor() const { return foreColor_; }
    void setForeColor(ColorValue color);

    // Segment length H in twips, kept within a 16-bit integer.
    int altezza() const { return height_; }
    void setAltezza(int twips);

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

signals:
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize maximumSizeInPixels() const;

    QString value_ = QStringLiteral("0");
    ColorValue foreColor_ = rgbValue(0, 0, 0);
    int height_ = defaultAltezza;
};

} // namespace zrt
