#pragma once

#include <QAction>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

namespace zrt::designer {

// The entry "Modifica proprietà…" of a control's context menu in Qt
// Designer: it opens the control's own property pages and writes what they
// change through the form's cursor, so that undo takes it back in one step.
class PropertyPagesTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    PropertyPagesTaskMenu(QWidget& control, QObject* parent);

    QAction* preferredEditAction() const override { return editAction_; }
    QList<QAction*> taskActions() const override { return {editAction_}; }

private:
    void editProperties();

    QWidget& control_;
    QAction* editAction_;
};

// Gives the task menu to each control of the library that has property
// pages of its own.
class PropertyPagesTaskMenuFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit PropertyPagesTaskMenuFactory(QExtensionManager* parent = nullptr) : QExtensionFactory(parent) {}

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

} // namespace zrt::designer
