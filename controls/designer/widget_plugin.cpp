#include "widget_plugin.h"

#include <QIcon>

namespace zrt::designer {

WidgetPlugin::WidgetPlugin(const QString& className, const QString& header, const QString& toolTip,
                           Factory factory, QObject* parent)
    : QObject(parent), className_(className), header_(header), toolTip_(toolTip), factory_(std::move(factory))
{
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
