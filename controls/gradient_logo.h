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

// Paints a vertical colour gradient into a picture area, from StartColor at
// the bottom towards EndColor at the top, with the caption over it turned
// to read upwards. Repaints when a colour changes and when the picture area
// is resized.
class GradientLogo : public QObject
{
    Q_OBJECT

public:
    explicit GradientLogo(QObject* parent = nullptr);

    // Setting the caption does not repaint.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }

    // The picture area painted into; setting it does not repaint.
    QLabel* DrawingObject() const { return drawingObject_; }
    void setDrawingObject(QLabel* label);

    ColorValue StartColor() const { return startColor_; }
    void setStartColor(ColorValue color);

    ColorValue EndColor() const { return endColor_; }
    void setEndColor(ColorValue color);

    void Draw();

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
