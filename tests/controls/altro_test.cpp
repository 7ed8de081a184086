#include "controls/altro.h"
#include "controls/fltbutton.h"
#include "controls/info.h"

#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace zrt {
namespace {

class AltroTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.setCaption(QStringLiteral("Chiudi"));
        button.setStyle(FltStyle::Label);
        button.setAlignment(FltAlignment::Right);
        button.setCaptionDirection(FltDirection::Down);
        page.setSelectedControls({&button});
    }

    QLineEdit& caption() { return *page.findChild<QLineEdit*>(QStringLiteral("txtCaption")); }
    QCheckBox& enabled() { return *page.findChild<QCheckBox*>(QStringLiteral("chkEnabled")); }
    QComboBox& list(const char* name) { return *page.findChild<QComboBox*>(QString::fromLatin1(name)); }

    // Chooses an entry the way the user does, which reports it.
    void choose(const char* name, int index)
    {
        list(name).setCurrentIndex(index);
        emit list(name).activated(index);
    }

    fltbutton button;
    Altro page;
};

TEST_F(AltroTest, ShowsTheFirstControlAndWritesBackToIt)
{
    EXPECT_EQ(caption().text(), QStringLiteral("Chiudi"));
    EXPECT_TRUE(enabled().isChecked());
    EXPECT_EQ(list("cboDirezione").currentText(), QStringLiteral("Verticale 180 gradi"));
    EXPECT_EQ(list("cboalignment").currentText(), QStringLiteral("Right"));
    EXPECT_EQ(list("cboStyle").currentText(), QStringLiteral("Label"));

    caption().setText(QStringLiteral("Esci"));
    enabled().setChecked(false);
    choose("cboDirezione", FltDirection::Up);
    choose("cboalignment", FltAlignment::Center);
    choose("cboStyle", FltStyle::Normal);
    page.apply();
    EXPECT_EQ(button.Caption(), QStringLiteral("Esci"));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.CaptionDirection(), FltDirection::Up);
    EXPECT_EQ(button.Alignment(), FltAlignment::Center);
    EXPECT_EQ(button.Style(), FltStyle::Normal);
    EXPECT_FALSE(page.isChanged());

    fltbutton other;
    page.setSelectedControls({&other, &button});
    EXPECT_EQ(caption().text(), QString());
    EXPECT_EQ(list("cboStyle").count(), 2); // the lists are filled once, not on every selection
}

TEST_F(AltroTest, EditsMarkThePageChangedAndOnlyTheLabelStyleTakesAnAlignment)
{
    const std::function<void()> edits[] = {
        [&] { QTest::keyClick(&caption(), Qt::Key_X); }, [&] { enabled().click(); },
        [&] { choose("cboDirezione", 1); }, [&] { choose("cboalignment", 0); },
        [&] { choose("cboStyle", FltStyle::Normal); }};
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        page.setSelectedControls({&button});
        EXPECT_TRUE(list("cboalignment").isEnabled());
        QSignalSpy changes(&page, &Altro::changed);
        edits[i]();
        EXPECT_TRUE(page.isChanged()) << "edit " << i;
        EXPECT_EQ(changes.count(), 1) << "edit " << i;
    }
    EXPECT_FALSE(list("cboalignment").isEnabled()); // the last edit chose the normal style
}

TEST_F(AltroTest, OddStylesAndEmptySelectionsAreLeftAlone)
{
    button.setStyle(FltStyle::PictureRightFlat);
    page.setSelectedControls({&button});
    EXPECT_EQ(list("cboStyle").currentIndex(), -1);
    page.apply();
    EXPECT_EQ(button.Style(), FltStyle::PictureRightFlat);

    page.setSelectedControls({});
    EXPECT_FALSE(page.isEnabled());
    caption().setText(QStringLiteral("Esci"));
    page.apply();
    EXPECT_EQ(button.Caption(), QStringLiteral("Chiudi"));
}

TEST(Info, KeepsItsPictureAtTheBottomLeft)
{
    Info info;
    info.show();
    for (const int height : {200, 260}) {
        info.resize(300, height);
        EXPECT_EQ(info.picture().pos(), QPoint(0, height - info.picture().height()));
    }
}

} // namespace
} // namespace zrt
