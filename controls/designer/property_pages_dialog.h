#pragma once

#include "controls/button_properties_page.h"

#include <QDialog>
#include <QStringList>

class QDesignerFormWindowInterface;

namespace zrt::designer {

// The library's own property pages a control offers, by name, in the order
// they are shown: "Altro" (the flat button's caption, state and style) and
// "Info" (about the library). The font, colour and picture pages are the
// form designer's own property editor.
QStringList ownPropertyPagesOf(const QWidget& control);

// The own property pages of one control, in tabs. "OK" and "Applica" write
// the edited page back: on a form, through its cursor as one command that
// undo takes back; without one, to the control directly.
class PropertyPagesDialog : public QDialog
{
    Q_OBJECT

public:
    PropertyPagesDialog(QWidget& control, QDesignerFormWindowInterface* form, QWidget* parent = nullptr);

    const QStringList& pageNames() const { return pageNames_; }
    void apply();

private:
    QDesignerFormWindowInterface* form_;
    ButtonPropertiesPage* buttonPage_ = nullptr;
    QStringList pageNames_;
};

} // namespace zrt::designer
