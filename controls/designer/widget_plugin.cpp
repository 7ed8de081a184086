#include "widget_plugin.h"

#include <QIcon>

namespace zrt::designer {

WidgetPlugin::WidgetPlugin(const QString& className, const QString& header, const QString& toolTip,
                           Factory factory, Initializer initializer, QObject* parent)
    : QObject(parent), className_(className), header_(header), toolTip_(toolTip), factory_(std::move(factory)),
      initializer_(std::move(initializer))
{
}

void WidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (initialized_)
        return;
    initialized_ = true;
    initializer_(core);
}

QString WidgetPlugin::group() const
{
    return QStringLiteral("ZRButtonTool");
}

QIcon WidgetPlugin::icon() const
{
    return {};
}

QString WidgetPlugin::domXml() const
{
    // Designer names new widgets after this; the class name's namespace
    // would make an invalid object name.
    const QString objectName = className_.section(QStringLiteral("::"), -1).toLower();
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>")
        .arg(className_, objectName);
}

} // namespace zrt::designer
