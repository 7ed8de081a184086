#include "controls/button_properties_page.h"
#include "controls/flat_button.h"
#include "controls/about_properties_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace zrt::test {
namespace {

class AltroTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.setCaption(QStringLiteral("Chiudi"));
        button.setButtonStyle(FlatButton::ButtonStyle::Label);
        button.setAlignment(FlatButton::Alignment::Right);
        button.setCaptionDirection(FlatButton::CaptionDirection::Down);
        page.setSelectedControls({&button});
    }

    QLineEdit& caption() { return *page.findChild<QLineEdit*>(QStringLiteral("txtCaption")); }
    QCheckBox& enabled() { return *page.findChild<QCheckBox*>(QStringLiteral("chkEnabled")); }
    QComboBox& list(const char* name) { return *page.findChild<QComboBox*>(QString::fromLatin1(name)); }

    // Chooses the entry for value the way the user does, which reports it.
    template <typename Enum> void choose(const char* name, Enum value)
    {
        const int index = static_cast<int>(value);
        list(name).setCurrentIndex(index);
        emit list(name).activated(index);
    }

    FlatButton button;
    ButtonPropertiesPage page;
};

TEST_F(AltroTest, ShowsTheFirstSelectedControlWithListsFilledOnce)
{
    EXPECT_EQ(caption().text(), QStringLiteral("Chiudi"));
    EXPECT_TRUE(enabled().isChecked());
    EXPECT_EQ(list("cboDirezione").currentText(), QStringLiteral("Verticale 180 gradi"));
    EXPECT_EQ(list("cboalignment").currentText(), QStringLiteral("Right"));
    EXPECT_EQ(list("cboStyle").currentText(), QStringLiteral("Label"));

    FlatButton other;
    page.setSelectedControls({&other, &button});
    EXPECT_EQ(caption().text(), QString());
    EXPECT_EQ(list("cboStyle").count(), 2); // not filled again on every selection
}

TEST_F(AltroTest, EachEditMarksThePageChangedAndIsWrittenBackOnApply)
{
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> edits[] = {
        {"caption", [&] { QTest::keyClick(&caption(), Qt::Key_X); },
         [&] { return button.caption() == caption().text(); }},
        {"enabled", [&] { enabled().click(); }, [&] { return !button.isEnabled(); }},
        {"direction", [&] { choose("cboDirezione", FlatButton::CaptionDirection::Up); },
         [&] { return button.captionDirection() == FlatButton::CaptionDirection::Up; }},
        {"alignment", [&] { choose("cboalignment", FlatButton::Alignment::Center); },
         [&] { return button.alignment() == FlatButton::Alignment::Center; }},
        {"style", [&] { choose("cboStyle", FlatButton::ButtonStyle::Normal); },
         [&] { return button.buttonStyle() == FlatButton::ButtonStyle::Normal; }},
    };
    for (const auto& [name, edit, written] : edits) {
        SCOPED_TRACE(name);
        page.setSelectedControls({&button});
        QSignalSpy changes(&page, &ButtonPropertiesPage::changed);
        edit();
        EXPECT_TRUE(page.isChanged());
        EXPECT_EQ(changes.count(), 1);
        page.apply();
        EXPECT_TRUE(written());
        EXPECT_FALSE(page.isChanged());
    }
    EXPECT_FALSE(list("cboalignment").isEnabled()) << "only the label style takes an alignment";
}

TEST_F(AltroTest, OddStylesAndEmptySelectionsAreLeftAlone)
{
    button.setButtonStyle(FlatButton::ButtonStyle::PictureRightFlat);
    page.setSelectedControls({&button});
    EXPECT_EQ(list("cboStyle").currentIndex(), -1);
    page.apply();
    EXPECT_EQ(button.buttonStyle(), FlatButton::ButtonStyle::PictureRightFlat);

    page.setSelectedControls({});
    EXPECT_FALSE(page.isEnabled());
    caption().setText(QStringLiteral("Esci"));
    page.apply();
    EXPECT_EQ(button.caption(), QStringLiteral("Chiudi"));
}

TEST(AboutPropertiesPage, KeepsItsPictureAtTheBottomLeft)
{
    AboutPropertiesPage info;
    info.show();
    for (const int height : {200, 260}) {
        info.resize(300, height);
        EXPECT_EQ(info.picture().pos(), QPoint(0, height - info.picture().height()));
    }
}

} // namespace
} // namespace zrt::test
