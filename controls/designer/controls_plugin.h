#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace zrt::designer {

// The library's controls for Qt Designer.
class ControlsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ControlsPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    void registerTaskMenus(QDesignerFormEditorInterface* core);

    QList<QDesignerCustomWidgetInterface*> widgets_;
    QDesignerFormEditorInterface* taskMenusCore_ = nullptr;
};

} // namespace zrt::designer
