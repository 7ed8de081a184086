#include "setup_window_fixture.h"

#include "tests/support/tab_order.h"

#include "controls/drop_down_button.h"
#include "controls/elided_label.h"
#include "controls/flat_button.h"
#include "database/association_store.h"
#include "ui/setup/association_dialog.h"

#include <QMenu>
#include <QTableView>
#include <QTreeWidget>

namespace zrt::test {
namespace {

void expectInOrder(const QStringList& order, const QStringList& reading)
{
    for (qsizetype i = 1; i < reading.size(); ++i) {
        EXPECT_GE(order.indexOf(reading[i - 1]), 0) << reading[i - 1].toStdString();
        EXPECT_LT(order.indexOf(reading[i - 1]), order.indexOf(reading[i]))
            << reading[i - 1].toStdString() << " before " << reading[i].toStdString() << " in "
            << order.join(' ').toStdString();
    }
}

class SetupKeys : public SetupWindowTest {
protected:
    SetupKeys()
    {
        QApplication::setActiveWindow(window_.get());
        window_->choosePage(SetupPage::Associations);
        Database db = database();
        AssociationStore(db).associate(QStringLiteral("Casa"), 1);
        window_->buildAssociationList({QStringLiteral("Casa"), QString(200, QLatin1Char('W'))});
    }

    QTreeWidget* list() { return child<QTreeWidget>("lstconnessioni"); }
    AssociationDialog* dialog() { return window_->findChild<AssociationDialog*>(QStringLiteral("frmmodifica")); }

    void press(QWidget* focused, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(focused->window());
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Opens the association dialog on "Casa" with Enter on the list.
    AssociationDialog* openDialogWithEnter()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        list()->setCurrentItem(list()->topLevelItem(0));
        press(list(), Qt::Key_Return);
        return dialog();
    }

    int storedTariff()
    {
        Database db = database();
        return AssociationStore(db).find(QStringLiteral("Casa")).value().idTariffa;
    }
};

TEST_F(SetupKeys, EnterAndEscapeActAsTheWindowsDefaultAndCancelButtons)
{
    const struct { const char* name; Qt::Key key; bool dialogStays; int stored; } inDialog[] = {
        {"Escape closes, nothing stored", Qt::Key_Escape, false, 1},
        {"Enter is OK", Qt::Key_Return, false, 2},
    };
    for (const auto& c : inDialog) {
        SCOPED_TRACE(c.name);
        AssociationDialog* opened = openDialogWithEnter();
        ASSERT_NE(opened, nullptr) << "Enter on a selected row is Modifica";
        auto* grid = opened->findChild<QTableView*>(QStringLiteral("dbCompagnie"));
        grid->selectRow(1);
        press(grid, c.key);
        EXPECT_EQ(opened->isVisible(), c.dialogStays);
        EXPECT_EQ(storedTariff(), c.stored);
    }

    press(child<DropDownButton>("dpOpzioni"), Qt::Key_Down, Qt::AltModifier);
    auto* pages = window_->findChild<QMenu*>(QStringLiteral("Scelta"));
    EXPECT_TRUE(pages->isVisible()) << "Alt+Down opens the page list";
    pages->hide();

    press(list(), Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible()) << "Escape closes the management window";
}

TEST_F(SetupKeys, TabFollowsTheReadingOrder)
{
    expectInOrder(tabOrder(*window_), {"dpOpzioni", "chkAvvio", "fltbutton2", "fltbutton10", "fltbutton1"});
    expectInOrder(tabOrder(*window_), {"fltbutton6", "fltbutton7", "fltbutton8", "fltbutton9", "DBGrid1",
                                       "fltRicalcola", "fltbutton13"});
    expectInOrder(tabOrder(*window_), {"lstconnessioni", "fltModifica"});
    AssociationDialog* opened = openDialogWithEnter();
    ASSERT_NE(opened, nullptr);
    expectInOrder(tabOrder(*opened), {"dbCompagnie", "fltbutton1", "fltbutton2"});
    EXPECT_FALSE(tabOrder(*opened).contains(QStringLiteral("lbl"))) << "the heading is read, not pressed";
}

// A very long entry name is cut with "…" where it is shown, and the
// buttons beside it keep their size.
TEST_F(SetupKeys, ALongEntryNameIsElidedAndTheButtonsKeepTheirSize)
{
    list()->setCurrentItem(list()->topLevelItem(1));
    auto* footer = child<ElidedLabel>("lblConn");
    auto* modifica = child<FlatButton>("fltModifica");
    EXPECT_TRUE(footer->text().endsWith(QChar(0x2026))) << footer->text().toStdString();
    EXPECT_EQ(modifica->width(), modifica->sizeHint().width());
    EXPECT_LE(footer->geometry().right(), modifica->geometry().left());

    click(modifica);
    AssociationDialog* opened = dialog();
    ASSERT_NE(opened, nullptr);
    auto* heading = opened->findChild<ElidedLabel*>(QStringLiteral("lbl"));
    EXPECT_TRUE(heading->text().endsWith(QChar(0x2026))) << heading->text().toStdString();
    for (const char* name : {"fltbutton1", "fltbutton2"}) {
        auto* button = opened->findChild<FlatButton*>(QLatin1String(name));
        EXPECT_LE(button->geometry().right(), opened->width()) << name;
    }
}

} // namespace
} // namespace zrt::test
