#include "controlsplugin.h"

#include "widgetplugin.h"

#include "controls/digital.h"
#include "controls/dropdown.h"
#include "controls/fltbutton.h"
#include "controls/linklabel.h"
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
        new WidgetPlugin(QStringLiteral("zrt::Digital"), QStringLiteral("controls/digital.h"),
                         QStringLiteral("Seven-segment display"), factoryOf<Digital>(), this),
        new WidgetPlugin(QStringLiteral("zrt::fltbutton"), QStringLiteral("controls/fltbutton.h"),
                         QStringLiteral("Flat button"), factoryOf<fltbutton>(), this),
        new WidgetPlugin(QStringLiteral("zrt::dropdown"), QStringLiteral("controls/dropdown.h"),
                         QStringLiteral("Drop-down button"), factoryOf<dropdown>(), this),
        new WidgetPlugin(QStringLiteral("zrt::LinkLabel"), QStringLiteral("controls/linklabel.h"),
                         QStringLiteral("Hyperlink label"), factoryOf<LinkLabel>(), this),
        new WidgetPlugin(QStringLiteral("zrt::Separator"), QStringLiteral("controls/separator.h"),
                         QStringLiteral("Etched separator"), factoryOf<Separator>(), this),
    };
}

} // namespace zrt::designer
