#pragma once

#include "controls/color_value.h"
#include "controls/flat_button.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zrt {

class PropertyBag;

// A split button: a flat main part and, at its right, a narrow arrow part
// that opens and closes it. The host opens its menu or panel on
// dropDownOpened(), closes it on dropDownClosed(), and may force the button
// up with closeDropDown(). With the keyboard focus, Alt+Down, F4 or Space
// open it and Enter clicks the main part.
class DropDownButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool DropDownValue READ isDropDownOpen WRITE setDropDownOpen)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(zrt::FlatButton::CaptionDirection CaptionDirection READ captionDirection WRITE setCaptionDirection)
    Q_PROPERTY(zrt::FlatButton::Alignment Alignment READ alignment WRITE setAlignment)

public:
    static constexpr int arrowWidth = 12;

    explicit DropDownButton(QWidget* parent = nullptr);

    // True while the arrow part is down. Setting it emits neither
    // dropDownOpened() nor dropDownClosed().
    bool isDropDownOpen() const { return dropped_; }
    void setDropDownOpen(bool dropped);

    QString caption() const;
    void setCaption(const QString& caption);

    QPixmap picture() const;
    void setPicture(const QPixmap& picture);

    ColorValue foreColor() const;
    void setForeColor(ColorValue color);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    FlatButton::CaptionDirection captionDirection() const;
    void setCaptionDirection(FlatButton::CaptionDirection direction);

    FlatButton::Alignment alignment() const;
    void setAlignment(FlatButton::Alignment alignment);

    // The main part's inner button.
    FlatButton& innerButton() const { return *button_; }

    // The arrow part, and the frames around the two parts.
    QRect arrowRect() const;
    QRect arrowFrameRect() const;
    QRect mainFrameRect() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    // Puts a dropped-down button up again without emitting dropDownClosed().
    void closeDropDown();

signals:
    void dropDownOpened();
    void dropDownClosed();
    void clicked();
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void changed(const char* name);

    FlatButton* button_;
    ColorValue backColor_ = silverColor;
    bool dropped_ = false;
    bool hovered_ = false;
    bool pressedOnArrow_ = false;
};

} // namespace zrt
