#pragma once

#include "controls/rotated_font_holder.h"
#include "controls/color_value.h"
#include "controls/flat_button_layout.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zrt {

class PropertyBag;

// The flat button: at rest only its caption and picture on a flat
// background; raised while the mouse is over it, sunken while pressed, flat
// again once the mouse has left. Hosts react to Click.
class FlatButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool manual READ manual WRITE setManual)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int CaptionDirection READ CaptionDirection WRITE setCaptionDirection)
    Q_PROPERTY(int XCaption READ XCaption WRITE setXCaption)
    Q_PROPERTY(int YCaption READ YCaption WRITE setYCaption)

public:
    enum class FrameState { Flat, Raised, Pressed };

    explicit FlatButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    ColorValue ForeColor() const { return foreColor_; }
    void setForeColor(ColorValue color);

    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // When set, a raised button stays raised after the mouse has left.
    bool manual() const { return manual_; }
    void setManual(bool manual);

    // One of FltStyle.
    int Style() const { return style_; }
    void setStyle(int style);
    using QWidget::setStyle;

    // One of FltAlignment; used by the label style only.
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);

    // One of FltDirection.
    int CaptionDirection() const { return captionDirection_; }
    void setCaptionDirection(int direction);

    int XCaption() const { return xCaption_; }
    void setXCaption(int x) { xCaption_ = qint16(x); }
    int YCaption() const { return yCaption_; }
    void setYCaption(int y) { yCaption_ = qint16(y); }

    QString Version() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    void Refresh() { update(); }
    // Raises the button as if the mouse had moved over it, with no button held.
    void Rialza();
    // The same, reporting the left button as held.
    void Abbassa();

signals:
    void Click();
    void MouseMove(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);
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

private:
    void beginHover();
    void setState(FrameState state);
    void changed(const char* name);
    QSize textSize() const;
    void DrawCaption(QPainter& painter, const QRect& box, const CaptionBox& caption);

    QString caption_;
    ColorValue backColor_ = silverColor;
    ColorValue foreColor_ = buttonTextColor;
    QPixmap picture_;
    bool manual_ = false;
    int style_ = FltStyle::Normal;
    int alignment_ = FltAlignment::Left;
    int captionDirection_ = FltDirection::Horizontal;
    qint16 xCaption_ = 0;
    qint16 yCaption_ = 0;

    FrameState state_ = FrameState::Flat;
    bool hovered_ = false;
    RotatedFontHolder logFont_;
};

// A button named for lookups, with its caption.
FlatButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent);

} // namespace zrt
