#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/association_store.h"
#include "ui/setup/association_dialog.h"

#include <QHeaderView>
#include <QTableView>
#include <QTreeWidget>

namespace zrt::test {
namespace {

const QStringList kEntries{QStringLiteral("Casa"), QStringLiteral("Ufficio"), QStringLiteral("Modem")};

class AssociationList : public SetupWindowTest {
protected:
    AssociationList()
    {
        window_->choosePage(SetupPage::Associations);
        Database db = database();
        AssociationStore(db).associate(QStringLiteral("Ufficio"), 2);
        AssociationStore(db).associate(QStringLiteral("Modem"), 77);
    }

    QTreeWidget* list() { return child<QTreeWidget>("lstconnessioni"); }

    QStringList row(int index)
    {
        const QTreeWidgetItem* item = list()->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }
};

TEST_F(AssociationList, NewEntriesGetTariffOneOnceAndAMissingTariffIsShown)
{
    window_->buildAssociationList(kEntries);
    window_->buildAssociationList(kEntries);

    EXPECT_EQ(row(0), (QStringList{"Casa", "Urbana 2000", "Telecom Italia"}));
    EXPECT_EQ(row(1), (QStringList{"Ufficio", "Urbana a scatti", "Telecom Italia 1998"}));
    EXPECT_EQ(row(2), (QStringList{"Modem", "(tariffa mancante)", ""}));
    Database db = database();
    EXPECT_EQ(AssociationStore(db).all().size(), 3);
}

TEST_F(AssociationList, TheSelectionAndColumnWidthsSurviveARebuildWhileTheEntryIsThere)
{
    window_->buildAssociationList(kEntries);
    list()->setCurrentItem(list()->topLevelItem(1));
    EXPECT_TRUE(child<FlatButton>("fltModifica")->isEnabled());

    list()->header()->resizeSection(0, 57);
    window_->buildAssociationList(kEntries);
    EXPECT_EQ(list()->currentItem()->text(0), QStringLiteral("Ufficio"));
    EXPECT_EQ(list()->header()->sectionSize(0), 57) << "the user's column width stays";

    window_->buildAssociationList({QStringLiteral("Casa")});
    EXPECT_FALSE(child<FlatButton>("fltModifica")->isEnabled()) << "the selected entry is gone";
}

// The dialog opens on the entry's tariff; the second tariff is chosen and
// the dialog ended with OK or Annulla, maybe after the association vanished.
TEST_F(AssociationList, TheDialogStoresTheChosenTariffOnlyOnOk)
{
    const struct { const char* name; const char* button; bool vanished; int stored; } cases[] = {
        {"ok", "fltbutton1", false, 2},
        {"annulla", "fltbutton2", false, 1},
        {"ok after the association vanished", "fltbutton1", true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the dialog closed before
        database().query(
            QStringLiteral("UPDATE \"Associazioni Connessioni\" SET id_tariffa = 1 WHERE connessione = 'Casa'"));
        window_->buildAssociationList(kEntries);
        list()->setCurrentItem(list()->topLevelItem(0));
        click(child<FlatButton>("fltModifica"));
        auto* dialog = child<AssociationDialog>("frmmodifica");
        ASSERT_NE(dialog, nullptr);
        auto* grid = dialog->findChild<QTableView*>(QStringLiteral("dbCompagnie"));
        EXPECT_EQ(grid->currentIndex().row(), 0);
        if (c.vanished)
            database().query(QStringLiteral("DELETE FROM \"Associazioni Connessioni\" WHERE connessione = 'Casa'"));
        grid->selectRow(1);
        click(dialog->findChild<FlatButton*>(QLatin1String(c.button)));

        EXPECT_FALSE(dialog->isVisible());
        Database db = database();
        EXPECT_EQ(AssociationStore(db).find(QStringLiteral("Casa")).value().idTariffa, c.stored);
    }
}

} // namespace
} // namespace zrt::test
