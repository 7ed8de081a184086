#include "property_pages_dialog.h"

#include "controls/about_properties_page.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/separator.h"

#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zrt::designer {

namespace {

const QString kButtonPage = QStringLiteral("Altro");
const QString kAboutPage = QStringLiteral("Info");

} // namespace

QStringList ownPropertyPagesOf(const QWidget& control)
{
    if (qobject_cast<const FlatButton*>(&control))
        return {kButtonPage, kAboutPage};
    if (qobject_cast<const DropDownButton*>(&control) || qobject_cast<const Separator*>(&control))
        return {kAboutPage};
    return {};
}

PropertyPagesDialog::PropertyPagesDialog(QWidget& control, QDesignerFormWindowInterface* form, QWidget* parent)
    : QDialog(parent), form_(form), pageNames_(ownPropertyPagesOf(control))
{
    setWindowTitle(tr("Proprietà di %1").arg(control.objectName()));
    auto* tabs = new QTabWidget(this);
    for (const QString& name : pageNames_) {
        if (name == kButtonPage) {
            buttonPage_ = new ButtonPropertiesPage(tabs);
            buttonPage_->setSelectedControls({qobject_cast<FlatButton*>(&control)});
            tabs->addTab(buttonPage_, name);
        } else {
            tabs->addTab(new AboutPropertiesPage(tabs), name);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    buttons->button(QDialogButtonBox::Apply)->setText(tr("Applica"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &PropertyPagesDialog::apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void PropertyPagesDialog::apply()
{
    if (!buttonPage_)
        return;
    if (!form_) {
        buttonPage_->apply();
        return;
    }
    form_->beginCommand(tr("Modifica proprietà"));
    buttonPage_->apply([this](QWidget& control, const char* name, const QVariant& value) {
        form_->cursor()->setWidgetProperty(&control, QString::fromLatin1(name), value);
    });
    form_->endCommand();
}

} // namespace zrt::designer
