#include "property_pages_task_menu.h"

#include "property_pages_dialog.h"

#include <QtDesigner/QDesignerFormWindowInterface>

namespace zrt::designer {

PropertyPagesTaskMenu::PropertyPagesTaskMenu(QWidget& control, QObject* parent)
    : QObject(parent), control_(control), editAction_(new QAction(tr("Modifica proprietà…"), this))
{
    connect(editAction_, &QAction::triggered, this, &PropertyPagesTaskMenu::editProperties);
}

void PropertyPagesTaskMenu::editProperties()
{
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(&control_);
    PropertyPagesDialog(control_, form, form).exec();
}

QObject* PropertyPagesTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const
{
    auto* control = qobject_cast<QWidget*>(object);
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension) || !control || ownPropertyPagesOf(*control).isEmpty())
        return nullptr;
    return new PropertyPagesTaskMenu(*control, parent);
}

} // namespace zrt::designer
