#include "controls_plugin.h"

#include "widget_plugin.h"

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
    widgets_ = {
        new WidgetPlugin(QStringLiteral("zrt::SegmentDisplay"), QStringLiteral("controls/segment_display.h"),
                         QStringLiteral("Seven-segment display"), factoryOf<SegmentDisplay>(), this),
        new WidgetPlugin(QStringLiteral("zrt::FlatButton"), QStringLiteral("controls/flat_button.h"),
                         QStringLiteral("Flat button"), factoryOf<FlatButton>(), this),
        new WidgetPlugin(QStringLiteral("zrt::DropDownButton"), QStringLiteral("controls/drop_down_button.h"),
                         QStringLiteral("Drop-down button"), factoryOf<DropDownButton>(), this),
        new WidgetPlugin(QStringLiteral("zrt::LinkLabel"), QStringLiteral("controls/link_label.h"),
                         QStringLiteral("Hyperlink label"), factoryOf<LinkLabel>(), this),
        new WidgetPlugin(QStringLiteral("zrt::Separator"), QStringLiteral("controls/separator.h"),
                         QStringLiteral("Etched separator"), factoryOf<Separator>(), this),
    };
}

} // namespace zrt::designer
