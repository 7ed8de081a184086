#include "controls_plugin.h"

#include "property_pages_task_menu.h"
#include "widget_plugin.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include "controls/segment_display.h"
#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/link_label.h"
#include "controls/separator.h"

namespace zrt::designer {
namespace {

template <typename Control> WidgetPlugin::Factory factoryOf()
{
    return [](QWidget* parent) { return new Control(parent); };
}

} // namespace

ControlsPlugin::ControlsPlugin(QObject* parent) : QObject(parent)
{
    const WidgetPlugin::Initializer initialize = [this](QDesignerFormEditorInterface* core) {
        registerTaskMenus(core);
    };
    widgets_ = {
        new WidgetPlugin(QStringLiteral("zrt::SegmentDisplay"), QStringLiteral("controls/segment_display.h"),
                         QStringLiteral("Seven-segment display"), factoryOf<SegmentDisplay>(), initialize, this),
        new WidgetPlugin(QStringLiteral("zrt::FlatButton"), QStringLiteral("controls/flat_button.h"),
                         QStringLiteral("Flat button"), factoryOf<FlatButton>(), initialize, this),
        new WidgetPlugin(QStringLiteral("zrt::DropDownButton"), QStringLiteral("controls/drop_down_button.h"),
                         QStringLiteral("Drop-down button"), factoryOf<DropDownButton>(), initialize, this),
        new WidgetPlugin(QStringLiteral("zrt::LinkLabel"), QStringLiteral("controls/link_label.h"),
                         QStringLiteral("Hyperlink label"), factoryOf<LinkLabel>(), initialize, this),
        new WidgetPlugin(QStringLiteral("zrt::Separator"), QStringLiteral("controls/separator.h"),
                         QStringLiteral("Etched separator"), factoryOf<Separator>(), initialize, this),
    };
}

// Once for the whole library, however many of its controls Designer loads.
void ControlsPlugin::registerTaskMenus(QDesignerFormEditorInterface* core)
{
    if (!core || core == taskMenusCore_)
        return;
    taskMenusCore_ = core;
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new PropertyPagesTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

} // namespace zrt::designer
