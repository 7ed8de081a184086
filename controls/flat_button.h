#pragma once

#include "controls/color_value.h"
#include "controls/rotated_font_holder.h"

#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

class QKeyEvent;

namespace zrt {

class PropertyBag;
struct CaptionBox;

// The flat button: at rest only its caption and picture on a flat
// background; raised while the mouse is over it, sunken while pressed, flat
// again once the mouse has left. It takes the keyboard focus, shows it with
// a dotted frame, and Space or Enter click it. Hosts react to clicked().
class FlatButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool manual READ isManual WRITE setManual)
    Q_PROPERTY(ButtonStyle Style READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(CaptionDirection CaptionDirection READ captionDirection WRITE setCaptionDirection)
    Q_PROPERTY(int XCaption READ xCaption WRITE setXCaption)
    Q_PROPERTY(int YCaption READ yCaption WRITE setYCaption)

public:
    // How picture and caption are laid out; stored as these numbers.
    enum class ButtonStyle {
        Normal = 0,       // caption centred
        Label = 1,        // caption placed by alignment, picture above; no frames
        PictureLeft = 2,  // picture, then caption
        PictureRight = 3, // caption, then picture
        PictureLeftFlat = 4,  // as PictureLeft, without frames
        PictureRightFlat = 5, // as PictureRight, without frames
    };
    Q_ENUM(ButtonStyle)

    // Where the label style puts its caption, along the text's direction.
    enum class Alignment { Left = 0, Right = 1, Center = 2 };
    Q_ENUM(Alignment)

    enum class CaptionDirection {
        Horizontal = 0,
        Up = 1, // turned 90 degrees, reads upwards
        UpsideDown = 2,
        Down = 3, // turned 270 degrees, reads downwards
    };
    Q_ENUM(CaptionDirection)

    enum class FrameState { Flat, Raised, Pressed };

    explicit FlatButton(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    ColorValue foreColor() const { return foreColor_; }
    void setForeColor(ColorValue color);

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // When set, a raised button stays raised after the mouse has left.
    bool isManual() const { return manual_; }
    void setManual(bool manual);

    ButtonStyle buttonStyle() const { return style_; }
    void setButtonStyle(ButtonStyle style);

    // Used by the label style only.
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);

    CaptionDirection captionDirection() const { return captionDirection_; }
    void setCaptionDirection(CaptionDirection direction);

    int xCaption() const { return xCaption_; }
    void setXCaption(int x) { xCaption_ = qint16(x); }
    int yCaption() const { return yCaption_; }
    void setYCaption(int y) { yCaption_ = qint16(y); }

    // Draws the focus frame for a host that has the focus in its place.
    void setHostFocused(bool focused);

    QString version() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    void refresh() { update(); }
    // Raises the button as if the mouse had moved over it with the buttons
    // held down, reporting that movement at (0, 0).
    void raiseAsHovered(Qt::MouseButtons held = Qt::NoButton);

signals:
    void clicked();
    // Positions are in twips within the button, as the classic controls
    // reported them. A press or a release reports the button that changed,
    // a movement the buttons held down.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF twips);
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
    void keyPressEvent(QKeyEvent* event) override;

private:
    void beginHover();
    void setState(FrameState state);
    void changed(const char* name);
    QSize textSize() const;
    void drawCaption(QPainter& painter, const QRect& box, const CaptionBox& caption);

    QString caption_;
    ColorValue backColor_ = silverColor;
    ColorValue foreColor_ = buttonTextColor;
    QPixmap picture_;
    bool manual_ = false;
    ButtonStyle style_ = ButtonStyle::Normal;
    Alignment alignment_ = Alignment::Left;
    CaptionDirection captionDirection_ = CaptionDirection::Horizontal;
    qint16 xCaption_ = 0;
    qint16 yCaption_ = 0;

    FrameState state_ = FrameState::Flat;
    bool hovered_ = false;
    bool hostFocused_ = false;
    RotatedFontHolder logFont_;
};

// Whether a key press clicks a button that has the focus.
bool isClickKey(const QKeyEvent& event);

// A button named for lookups, with its caption.
FlatButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent);

} // namespace zrt
