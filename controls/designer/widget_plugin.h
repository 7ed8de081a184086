#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

namespace zrt::designer {

// Offers one control of the library in Qt Designer's widget box.
class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    using Factory = std::function<QWidget*(QWidget* parent)>;
    // Runs when Designer first loads the control.
    using Initializer = std::function<void(QDesignerFormEditorInterface* core)>;

    WidgetPlugin(const QString& className, const QString& header, const QString& toolTip,
                 Factory factory, Initializer initializer, QObject* parent);

    QString name() const override { return className_; }
    QString group() const override;
    QString toolTip() const override { return toolTip_; }
    QString whatsThis() const override { return toolTip_; }
    QString includeFile() const override { return header_; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return factory_(parent); }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QString className_;
    QString header_;
    QString toolTip_;
    Factory factory_;
    Initializer initializer_;
    bool initialized_ = false;
};

} // namespace zrt::designer
