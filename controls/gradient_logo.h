#pragma once

#include "controls/color_value.h"

#include <QColor>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

class QFont;
class QPainter;
class QSize;

namespace zrt {

// Paints a vertical colour gradient into a picture area, from the start
// colour at the bottom towards the end colour at the top, with the caption over it turned
// to read upwards. Repaints when a colour changes and when the picture area
// is resized.
class GradientLogo : public QObject
{
    Q_OBJECT

public:
    explicit GradientLogo(QObject* parent = nullptr);

    // Setting the caption does not repaint.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // The picture area painted into; setting it does not repaint.
    QLabel* drawingObject() const { return drawingObject_; }
    void setDrawingObject(QLabel* label);

    ColorValue startColor() const { return startColor_; }
    void setStartColor(ColorValue color);

    ColorValue endColor() const { return endColor_; }
    void setEndColor(ColorValue color);

    // Paints the banner into the picture area, if there is one.
    void draw();

    // Paints the banner for a picture area of size, writing the caption in
    // font and textColor.
    void paint(QPainter& painter, const QSize& size, const QFont& font, const QColor& textColor) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString caption_;
    QPointer<QLabel> drawingObject_;
    ColorValue startColor_ = rgbValue(0, 0, 0);
    ColorValue endColor_ = buttonFaceColor;
    QColor startRgb_;
    QColor endRgb_;
};

} // namespace zrt
