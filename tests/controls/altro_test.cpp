#include "controls/altro.h"
#include "controls/fltbutton.h"
#include "controls/info.h"

#include "widgettesting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

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

    template <typename T> T& child(const char* name)
    {
        return *page.findChild<T*>(QString::fromLatin1(name));
    }

    // Chooses an entry the way the user does, which reports it.
    void choose(const char* list, int index)
    {
        child<QComboBox>(list).setCurrentIndex(index);
        emit child<QComboBox>(list).activated(index);
    }

    fltbutton button;
    fltbutton other;
    Altro page;
};

TEST_F(AltroTest, SelectionShowsTheFirstControl)
{
    EXPECT_EQ(child<QLineEdit>("txtCaption").text(), QStringLiteral("Chiudi"));
    EXPECT_TRUE(child<QCheckBox>("chkEnabled").isChecked());
    EXPECT_EQ(child<QComboBox>("cboDirezione").currentText(), QStringLiteral("Verticale 180 gradi"));
    EXPECT_EQ(child<QComboBox>("cboalignment").currentText(), QStringLiteral("Right"));
    EXPECT_EQ(child<QComboBox>("cboStyle").currentText(), QStringLiteral("Label"));
    EXPECT_TRUE(child<QComboBox>("cboalignment").isEnabled());
    EXPECT_FALSE(page.isChanged());

    page.setSelectedControls({&other, &button});
    EXPECT_EQ(child<QComboBox>("cboStyle").currentText(), QStringLiteral("Normal"));
    EXPECT_FALSE(child<QComboBox>("cboalignment").isEnabled());
    EXPECT_EQ(child<QComboBox>("cboStyle").count(), 2);
}

TEST_F(AltroTest, ChoosingNormalDisablesAlignmentAndMarksChanged)
{
    QSignalSpy changes(&page, &Altro::changed);
    choose("cboStyle", FltStyle::Normal);
    EXPECT_FALSE(child<QComboBox>("cboalignment").isEnabled());
    EXPECT_TRUE(page.isChanged());
    choose("cboStyle", FltStyle::Label);
    EXPECT_TRUE(child<QComboBox>("cboalignment").isEnabled());
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(AltroTest, EditsMarkThePageChanged)
{
    const std::function<void()> edits[] = {
        [&] { QTest::keyClick(&child<QLineEdit>("txtCaption"), Qt::Key_X); },
        [&] { child<QCheckBox>("chkEnabled").click(); },
        [&] { choose("cboDirezione", 1); },
        [&] { choose("cboalignment", 0); },
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        page.setSelectedControls({&button});
        edits[i]();
        EXPECT_TRUE(page.isChanged()) << "edit " << i;
    }
}

TEST_F(AltroTest, ApplyWritesThePageToTheFirstControl)
{
    page.apply();
    EXPECT_EQ(button.Caption(), QStringLiteral("Chiudi"));
    EXPECT_TRUE(button.isEnabled());
    EXPECT_EQ(button.CaptionDirection(), FltDirection::Down);
    EXPECT_EQ(button.Alignment(), FltAlignment::Right);
    EXPECT_EQ(button.Style(), FltStyle::Label);

    child<QLineEdit>("txtCaption").setText(QStringLiteral("Esci"));
    child<QCheckBox>("chkEnabled").setChecked(false);
    choose("cboDirezione", FltDirection::Up);
    choose("cboStyle", FltStyle::Normal);
    page.apply();
    EXPECT_EQ(button.Caption(), QStringLiteral("Esci"));
    EXPECT_FALSE(button.isEnabled());
    EXPECT_EQ(button.CaptionDirection(), FltDirection::Up);
    EXPECT_EQ(button.Style(), FltStyle::Normal);
    EXPECT_FALSE(page.isChanged());
}

TEST_F(AltroTest, StylesWithoutAnEntryAreLeftAlone)
{
    button.setStyle(FltStyle::PictureRightFlat);
    page.setSelectedControls({&button});
    EXPECT_EQ(child<QComboBox>("cboStyle").currentIndex(), -1);
    page.apply();
    EXPECT_EQ(button.Style(), FltStyle::PictureRightFlat);
}

TEST_F(AltroTest, EmptySelectionDisablesThePage)
{
    page.setSelectedControls({});
    EXPECT_FALSE(page.isEnabled());
    page.apply();
    EXPECT_EQ(button.Caption(), QStringLiteral("Chiudi"));
}

TEST(Info, KeepsItsPictureAtTheBottomLeft)
{
    Info info;
    info.resize(300, 200);
    info.show();
    EXPECT_EQ(info.picture().pos(), QPoint(0, 200 - info.picture().height()));
    info.resize(300, 260);
    EXPECT_EQ(info.picture().pos(), QPoint(0, 260 - info.picture().height()));
    const QList<QLabel*> labels = info.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == QStringLiteral("Versione 1.0"); }));
}

} // namespace
} // namespace zrt
