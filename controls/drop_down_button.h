#pragma once

#include "controls/color_value.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zrt {

class PropertyBag;
class FlatButton;

// A split button: a flat main part and, at its right, a narrow arrow part
// that toggles DropDownValue. The host opens its menu or panel on
// DropDownOpen, closes it on DropDownClose, and may force the button up
// with CloseDropDown.
class DropDownButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool DropDownValue READ DropDownValue WRITE setDropDownValue)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int CaptionDirection READ CaptionDirection WRITE setCaptionDirection)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)

public:
    static constexpr int arrowWidth = 12;

    explicit DropDownButton(QWidget* parent = nullptr);

    bool DropDownValue() const { return dropped_; }
    void setDropDownValue(bool dropped);

    QString Caption() const;
    void setCaption(const QString& caption);

    QPixmap Picture() const;
    void setPicture(const QPixmap& picture);

    ColorValue ForeColor() const;
    void setForeColor(ColorValue color);

    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    int CaptionDirection() const;
    void setCaptionDirection(int direction);

    int Alignment() const;
    void setAlignment(int alignment);

    // The main part's inner button.
    FlatButton& flt() const { return *button_; }

    // The arrow part, and the frames around the two parts.
    QRect arrowRect() const;
    QRect arrowFrameRect() const;
    QRect mainFrameRect() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    QSize sizeHint() const override;

public slots:
    // Puts a dropped-down button up again without raising an event.
    void CloseDropDown();

signals:
    void DropDownOpen();
    void DropDownClose();
    void Click();
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void changed(const char* name);

    FlatButton* button_;
    ColorValue backColor_ = silverColor;
    bool dropped_ = false;
    bool hovered_ = false;
    bool pressedOnArrow_ = false;
};

} // namespace zrt
