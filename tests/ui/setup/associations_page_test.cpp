#include "setup_window_fixture.h"

#include "controls/fltbutton.h"
#include "database/association_store.h"
#include "ui/setup/frmmodifica.h"

#include <QHeaderView>
#include <QLabel>
#include <QSqlQuery>
#include <QTableView>
#include <QTreeWidget>

namespace zrt::test {
namespace {

const QStringList kEntries{QStringLiteral("Casa"), QStringLiteral("Ufficio")};

class AssociationList : public SetupWindowTest {
protected:
    AssociationList() { window_->choosePage(SetupPage::Associations); }

    QTreeWidget* list() { return child<QTreeWidget>("lstconnessioni"); }

    QStringList row(int index)
    {
        const QTreeWidgetItem* item = list()->topLevelItem(index);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList{};
    }

    void associate(const QString& entry, int idTariffa)
    {
        Database db = database();
        AssociationStore(db).associate(entry, idTariffa);
    }

    int tariffOf(const QString& entry)
    {
        Database db = database();
        const std::optional<Associazione> found = AssociationStore(db).find(entry);
        return found ? found->idTariffa : 0;
    }

    frmmodifica* openDialogFor(int index)
    {
        list()->setCurrentItem(list()->topLevelItem(index));
        click(child<fltbutton>("fltModifica"));
        return child<frmmodifica>("frmmodifica");
    }
};

TEST_F(AssociationList, NewEntriesGetTariffOneOnceAndKeepTheirOrder)
{
    associate(QStringLiteral("Ufficio"), 2);
    window_->buildAssociationList(kEntries);
    window_->buildAssociationList(kEntries);

    EXPECT_EQ(row(0), (QStringList{"Casa", "Urbana 2000", "Telecom Italia"}));
    EXPECT_EQ(row(1), (QStringList{"Ufficio", "Urbana a scatti", "Telecom Italia 1998"}));
    Database db = database();
    EXPECT_EQ(AssociationStore(db).all().size(), 2);
}

TEST_F(AssociationList, AnAssociationWithAMissingTariffSaysSo)
{
    associate(QStringLiteral("Casa"), 2);
    associate(QStringLiteral("Ufficio"), 77);
    window_->buildAssociationList(kEntries);
    EXPECT_EQ(row(1), (QStringList{"Ufficio", "(tariffa mancante)", ""}));
}

TEST_F(AssociationList, NoEntriesNoRows)
{
    window_->buildAssociationList({});
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_FALSE(child<fltbutton>("fltModifica")->isEnabled());
}

TEST_F(AssociationList, SelectingAnEntryEnablesModificaAndSurvivesARebuild)
{
    window_->buildAssociationList(kEntries);
    list()->setCurrentItem(list()->topLevelItem(1));
    EXPECT_EQ(child<QLabel>("lblConn")->text(), QStringLiteral("Selezionato:  Ufficio"));
    EXPECT_TRUE(child<fltbutton>("fltModifica")->isEnabled());

    list()->header()->resizeSection(0, 57);
    window_->buildAssociationList(kEntries);
    EXPECT_EQ(list()->currentItem()->text(0), QStringLiteral("Ufficio"));
    EXPECT_EQ(list()->header()->sectionSize(0), 57) << "the user's column width stays";

    window_->buildAssociationList({QStringLiteral("Casa")});
    EXPECT_FALSE(child<fltbutton>("fltModifica")->isEnabled()) << "the selected entry is gone";
}

TEST_F(AssociationList, OkStoresTheChosenTariffAndTheListShowsIt)
{
    window_->buildAssociationList(kEntries);
    frmmodifica* dialog = openDialogFor(1);
    ASSERT_NE(dialog, nullptr);
    auto* grid = dialog->findChild<QTableView*>(QStringLiteral("dbCompagnie"));
    EXPECT_EQ(grid->currentIndex().row(), 0) << "opens on the current tariff";

    grid->selectRow(1);
    click(dialog->findChild<fltbutton*>(QStringLiteral("fltbutton1")));

    EXPECT_EQ(tariffOf(QStringLiteral("Ufficio")), 2);
    EXPECT_EQ(tariffOf(QStringLiteral("Casa")), 1);
    EXPECT_EQ(row(1), (QStringList{"Ufficio", "Urbana a scatti", "Telecom Italia 1998"}));
}

TEST_F(AssociationList, AnnullaChangesNothing)
{
    window_->buildAssociationList(kEntries);
    frmmodifica* dialog = openDialogFor(0);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QTableView*>(QStringLiteral("dbCompagnie"))->selectRow(1);
    click(dialog->findChild<fltbutton*>(QStringLiteral("fltbutton2")));

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(tariffOf(QStringLiteral("Casa")), 1);
}

TEST_F(AssociationList, OkRecreatesAnAssociationThatVanished)
{
    window_->buildAssociationList(kEntries);
    frmmodifica* dialog = openDialogFor(0);
    ASSERT_NE(dialog, nullptr);
    {
        Database db = database();
        db.query(QStringLiteral("DELETE FROM \"Associazioni Connessioni\" WHERE connessione = ?"),
                 {QStringLiteral("Casa")});
    }
    dialog->findChild<QTableView*>(QStringLiteral("dbCompagnie"))->selectRow(1);
    click(dialog->findChild<fltbutton*>(QStringLiteral("fltbutton1")));
    EXPECT_EQ(tariffOf(QStringLiteral("Casa")), 2);
}

} // namespace
} // namespace zrt::test
