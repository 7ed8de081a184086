#include "wizard_fixture.h"

#include "tests/support/tab_order.h"

#include <QApplication>

namespace zrt::test {
namespace {

class EditorKeys : public WizardTest {
protected:
    EditorKeys()
    {
        openEditor();
        QApplication::setActiveWindow(window_.get());
    }

    void press(const char* focusedName, Qt::Key key)
    {
        auto* focused = find<QWidget>(focusedName);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), key);
    }
};

// Enter is "Avanti >" wherever the field with the focus leaves it alone;
// Escape is "Annulla".
TEST_F(EditorKeys, EnterGoesForwardAndEscapeLeaves)
{
    press("cboCompagnie", Qt::Key_Return);
    EXPECT_EQ(shownPanel(), 1) << "Enter on the company list";
    press("Text1", Qt::Key_Return);
    EXPECT_EQ(shownPanel(), 1) << "no description yet: Avanti > is disabled";
    type("Text1", QStringLiteral("Urbana"));
    press("Text1", Qt::Key_Enter);
    EXPECT_EQ(shownPanel(), 2) << "Enter on the keypad";
    press("fltIndietro", Qt::Key_Return);
    EXPECT_EQ(shownPanel(), 1) << "a focused button keeps Enter for itself";
    press("Text1", Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(EditorKeys, TabReachesTheButtonsAfterThePageFields)
{
    const QStringList order = tabOrder(*window_);
    const char* const reading[] = {"cboCompagnie", "Text1", "dbTariffe", "fltIndietro", "fltAvanti", "fltbutton1"};
    for (std::size_t i = 1; i < std::size(reading); ++i) {
        EXPECT_LT(order.indexOf(QLatin1String(reading[i - 1])), order.indexOf(QLatin1String(reading[i])))
            << reading[i - 1] << " before " << reading[i] << " in " << order.join(' ').toStdString();
    }
}

} // namespace
} // namespace zrt::test
