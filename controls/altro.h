#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zrt {

class fltbutton;

// The "other" property page of the flat button: caption, enabled flag,
// caption direction, alignment and style of the first selected button.
class Altro : public QWidget
{
    Q_OBJECT

public:
    explicit Altro(QWidget* parent = nullptr);

    // Shows the properties of the first control of a new selection.
    void setSelectedControls(const QList<fltbutton*>& selection);

    // True once the user has edited the page since the last selection or apply.
    bool isChanged() const { return changed_; }

    // Writes the page back to the first selected control.
    void apply();

signals:
    void changed();

private:
    void markChanged();
    void styleChosen(int index);

    QList<QPointer<fltbutton>> selection_;
    QLineEdit* txtCaption_;
    QCheckBox* chkEnabled_;
    QComboBox* cboDirezione_;
    QComboBox* cboalignment_;
    QComboBox* cboStyle_;
    bool changed_ = false;
};

} // namespace zrt
