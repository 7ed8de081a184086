#include "controls/designer/property_pages_dialog.h"
#include "controls/designer/property_pages_task_menu.h"

#include "controls/drop_down_button.h"
#include "controls/flat_button.h"
#include "controls/link_label.h"
#include "controls/segment_display.h"
#include "controls/separator.h"

#include <QLineEdit>
#include <QtDesigner/QExtensionManager>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zrt::test {
namespace {

struct ControlPages {
    const char* control;
    std::function<QWidget*()> make;
    QStringList pages; // the library's own; none means no task menu
};

void PrintTo(const ControlPages& control, std::ostream* out) { *out << control.control; }

class DesignerPages : public testing::TestWithParam<ControlPages> {};

TEST_P(DesignerPages, EachControlGetsATaskMenuWithItsOwnPages)
{
    QExtensionManager manager;
    manager.registerExtensions(new designer::PropertyPagesTaskMenuFactory(&manager),
                               Q_TYPEID(QDesignerTaskMenuExtension));
    const std::unique_ptr<QWidget> control(GetParam().make());

    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(&manager, control.get());
    ASSERT_EQ(menu != nullptr, !GetParam().pages.isEmpty());
    if (!menu)
        return;
    ASSERT_EQ(menu->taskActions().size(), 1);
    EXPECT_EQ(menu->taskActions().front()->text(), QStringLiteral("Modifica proprietà…"));
    EXPECT_EQ(menu->preferredEditAction(), menu->taskActions().front());
    EXPECT_EQ(designer::PropertyPagesDialog(*control, nullptr).pageNames(), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, DesignerPages,
    testing::Values(ControlPages{"FlatButton", [] { return new FlatButton; }, {"Altro", "Info"}},
                    ControlPages{"DropDownButton", [] { return new DropDownButton; }, {"Info"}},
                    ControlPages{"Separator", [] { return new Separator; }, {"Info"}},
                    ControlPages{"LinkLabel", [] { return new LinkLabel; }, {}},
                    ControlPages{"SegmentDisplay", [] { return new SegmentDisplay; }, {}}),
    [](const testing::TestParamInfo<ControlPages>& control) { return std::string(control.param.control); });

TEST(DesignerPagesDialog, OutsideAFormWritesToTheControlDirectly)
{
    FlatButton button;
    button.setCaption(QStringLiteral("Prima"));
    designer::PropertyPagesDialog dialog(button, nullptr);
    dialog.findChild<QLineEdit*>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Dopo"));
    dialog.apply();
    EXPECT_EQ(button.caption(), QStringLiteral("Dopo"));
}

} // namespace
} // namespace zrt::test
