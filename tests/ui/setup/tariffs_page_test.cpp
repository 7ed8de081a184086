#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/association_store.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "ui/setup/band_view_model.h"
#include "ui/setup/tariff_list_model.h"
#include "ui/setup/tariffs_page.h"
#include "ui/wizard/band_cells.h"
#include "ui/wizard/tariff_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

namespace zrt::test {
namespace {

class TariffsPageTest : public SetupWindowTest {
protected:
    TariffsPageTest() { window_->choosePage(SetupPage::Tariffs); }

    QTableView* bands() { return child<QTableView>("dbTariffe"); }
    TariffsPage* page() { return window_->findChild<TariffsPage*>(); }

    QStringList shownCaptions()
    {
        QStringList captions;
        for (int column = 0; column < bands()->model()->columnCount(); ++column) {
            if (!bands()->isColumnHidden(column))
                captions.append(bands()->model()->headerData(column, Qt::Horizontal).toString());
        }
        return captions;
    }
};

// Without a reduction minute a per-minute tariff has a single price.
TEST_F(TariffsPageTest, TheReductionMinuteTakesDigitsRenamesThePriceColumnsAndIsStored)
{
    QLineEdit* box = child<QLineEdit>("txtMin");
    const struct { const char* typed; const char* kept; const char* firstPrice; } cases[] = {
        {"x3,", "3", "Costo al Min. fino al 3°(*)"}, {"", "0", "Costo al Minuto (*)"}};
    for (const auto& c : cases) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.kept));
        EXPECT_EQ(shownCaptions().at(2), QString::fromUtf8(c.firstPrice));
        Database db = database();
        EXPECT_EQ(TariffStore(db).bands(1, DayType::Fes).front().band.durata, box->text().toDouble());
    }
}

TEST_F(TariffsPageTest, AggiungiOpensOneTariffEditorAndItsNewTariffIsSelected)
{
    click(child<FlatButton>("fltbutton5"));
    click(child<FlatButton>("fltModificaTariffa"));
    const QList<TariffEditor*> editors = window_->findChildren<TariffEditor*>();
    ASSERT_EQ(editors.size(), 1);
    EXPECT_TRUE(child<QComboBox>("cboCompagnie")->isEnabled()) << "a new tariff, not the selected one";

    Database db = database();
    const int added = TariffStore(db).addTariff(2, QStringLiteral("Interurbana"));
    emit editors.first()->tariffSaved(added);
    EXPECT_EQ(page()->selectedTariff()->descrizione, QStringLiteral("Interurbana"));
}

// "Modifica ..." opens the editor on the selected tariff; a second price
// typed there is stored and shown in the band grid once the editor is done.
TEST_F(TariffsPageTest, ModificaChangesTheSelectedTariffAndItsSecondPriceShowsInTheGrid)
{
    page()->selectTariff(1);
    click(child<FlatButton>("fltModificaTariffa"));
    auto* editor = window_->findChild<TariffEditor*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->findChild<QComboBox*>(QStringLiteral("cboCompagnie"))->isEnabled());
    auto* next = editor->findChild<FlatButton*>(QStringLiteral("fltAvanti"));
    click(next);
    click(next);
    auto* grid = editor->findChild<QTableView*>(QStringLiteral("dbTariffe"));
    const QModelIndex secondPrice = grid->model()->index(1, int(BandColumn::SecondoCosto));
    ASSERT_TRUE(grid->model()->setData(secondPrice, QStringLiteral("25,5")));
    click(next);
    click(next);
    click(next);

    EXPECT_FALSE(editor->isVisible());
    Database db = database();
    EXPECT_EQ(TariffStore(db).bands(1, DayType::Fer).at(1).band.secondoCosto, 25.5);
    EXPECT_EQ(page()->selectedTariff()->id, 1);
    EXPECT_TRUE(shownCaptions().contains(QStringLiteral("Costo al Min. dopo il 15°(*)")));
    EXPECT_EQ(bands()->model()->index(1, BandViewModel::SecondoCostoColumn).data().toString(), QStringLiteral("25,5"));
}

// Elimina asks first, and says why when a tariff cannot go; the last
// tariff of a company takes the company with it.
TEST_F(TariffsPageTest, EliminaRefusesTheDefaultTariffAndOnesInUseAndDeletesOthersWhenConfirmed)
{
    {
        Database db = database();
        AssociationStore(db).associate(QStringLiteral("Casa"), 2);
    }
    page()->reloadTariffs();
    messages_.answer = true;
    const struct { int idTariffa; const char* named; } refused[] = {{1, "Urbana 2000"}, {2, "Casa"}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.idTariffa);
        page()->selectTariff(c.idTariffa);
        click(child<FlatButton>("fltEliminaTariffa"));
        EXPECT_EQ(messages_.questions, 0) << "refused before asking";
        EXPECT_TRUE(messages_.warnings.last().contains(QString::fromUtf8(c.named)));
        EXPECT_EQ(child<QTableView>("dbCompagnie")->model()->rowCount(), 2);
    }

    {
        Database db = database();
        AssociationStore(db).associate(QStringLiteral("Casa"), 1);
    }
    messages_.answer = false;
    page()->selectTariff(2);
    click(child<FlatButton>("fltEliminaTariffa"));
    EXPECT_EQ(messages_.questions, 1);
    EXPECT_EQ(child<QTableView>("dbCompagnie")->model()->rowCount(), 2) << "the user said no";

    messages_.answer = true;
    click(child<FlatButton>("fltEliminaTariffa"));
    EXPECT_EQ(child<QTableView>("dbCompagnie")->model()->rowCount(), 1);
    Database db = database();
    EXPECT_FALSE(TariffStore(db).company(2)) << "its last tariff gone, the company goes too";
    EXPECT_EQ(messages_.warnings.size(), 2);
}

// A tariff with problems carries a warning and lists them in its tooltip.
TEST_F(TariffsPageTest, TheListMarksATariffWithProblems)
{
    {
        Database db = database();
        db.query(QStringLiteral("UPDATE Fasce SET Fine = '10:00:00' WHERE id_Tariffa = 2 AND tipo = 'PRE' "
                                "AND Inizio = '08:00:00'"));
    }
    page()->reloadTariffs();
    const QAbstractItemModel* list = child<QTableView>("dbCompagnie")->model();
    for (const int row : {0, 1}) {
        const bool faulty = list->index(row, TariffListModel::TariffaColumn).data().toString()
                            == QStringLiteral("Urbana a scatti");
        SCOPED_TRACE(row);
        EXPECT_EQ(list->index(row, TariffListModel::TariffaColumn).data(Qt::DecorationRole).isValid(), faulty);
        EXPECT_EQ(list->index(row, TariffListModel::CompagniaColumn).data(Qt::ToolTipRole).toString().contains(
                      QStringLiteral("Prefestivi: Manca la fascia dalle 10:00:00 alle 13:00:00")),
                  faulty);
    }
}

// Modifica opens the rate for editing; OK stores a whole percentage or
// refuses the text, which stays for editing until Annulla shows the rate
// stored again.
TEST_F(TariffsPageTest, TheVatRateTakesOnlyAWholePercentage)
{
    QSignalSpy changes(window_.get(), &ManagementWindow::vatChanged);
    QLineEdit* box = child<QLineEdit>("txtIva");
    const struct { const char* typed; int stored; bool refused; } cases[] = {
        {"abc", 20, true}, {"150", 20, true}, {"20,6", 20, true}, {"20.9", 20, true}, {"9999999999", 20, true},
        {"", 20, true}, {" 21 ", 21, false}, {"0", 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype warnings = messages_.warnings.size();
        const qsizetype changed = changes.size();
        click(child<FlatButton>("fltbutton11"));
        box->setText(QString::fromUtf8(c.typed));
        click(child<FlatButton>("fltbutton11"));

        Database db = database();
        EXPECT_EQ(VatStore(db).read(), c.stored);
        EXPECT_EQ(messages_.warnings.size() - warnings, c.refused ? 1 : 0);
        EXPECT_EQ(changes.size() - changed, c.refused ? 0 : 1);
        EXPECT_EQ(box->isEnabled(), c.refused);
        if (c.refused)
            click(child<FlatButton>("fltbutton12"));
        EXPECT_EQ(box->text(), QString::number(c.stored));
        EXPECT_FALSE(box->isEnabled());
    }
}

// A rate changed elsewhere (the command-line tool, another window) shows
// when the window is next activated, and is what "Annulla" goes back to; a
// rate being typed is left alone.
TEST_F(TariffsPageTest, TheVatRateChangedElsewhereShowsOnActivation)
{
    QSignalSpy changes(window_.get(), &ManagementWindow::vatChanged);
    QLineEdit* box = child<QLineEdit>("txtIva");
    const auto storeElsewhere = [this](int rate) {
        Database db = database();
        VatStore(db).write(rate);
    };

    storeElsewhere(10);
    activate();
    EXPECT_EQ(box->text(), QStringLiteral("10"));
    EXPECT_EQ(changes.size(), 1);

    click(child<FlatButton>("fltbutton11"));
    box->setText(QStringLiteral("3"));
    storeElsewhere(4);
    activate();
    EXPECT_EQ(box->text(), QStringLiteral("3")) << "what is being typed stays";
    click(child<FlatButton>("fltbutton12"));
    EXPECT_EQ(box->text(), QStringLiteral("4"));
    EXPECT_EQ(changes.size(), 2);
}

} // namespace
} // namespace zrt::test
