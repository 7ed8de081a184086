#pragma once

#include <QList>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zrt {

class FlatButton;

// The "other" property page of the flat button: caption, enabled flag,
// caption direction, alignment and style of the first selected button.
class ButtonPropertiesPage : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonPropertiesPage(QWidget* parent = nullptr);

    // Shows the properties of the first control of a new selection.
    void setSelectedControls(const QList<FlatButton*>& selection);

    // True once the user has edited the page since the last selection or apply.
    bool isChanged() const { return changed_; }

    // Sets one property of a control: directly, or through a form
    // designer's undo stack.
    using PropertyWriter = std::function<void(QWidget& control, const char* name, const QVariant& value)>;

    // Writes the page back to the first selected control, property by
    // property: "Caption", "enabled", "CaptionDirection", "Alignment", "Style".
    void apply(const PropertyWriter& write = writeDirectly);
    static void writeDirectly(QWidget& control, const char* name, const QVariant& value);

signals:
    void changed();

private:
    void markChanged();
    void styleChosen(int index);

    QList<QPointer<FlatButton>> selection_;
    QLineEdit* captionEdit_;
    QCheckBox* enabledBox_;
    QComboBox* directionBox_;
    QComboBox* alignmentBox_;
    QComboBox* styleBox_;
    bool changed_ = false;
};

} // namespace zrt
