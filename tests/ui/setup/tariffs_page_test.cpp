#include "setup_window_fixture.h"

#include "controls/flat_button.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "ui/setup/tariffs_page.h"
#include "ui/wizard/tariff_editor.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

namespace zrt::test {
namespace {

class TariffsPageTest : public SetupWindowTest {
protected:
    TariffsPageTest() { window_->choosePage(SetupPage::Tariffs); }

    QTableView* bands() { return child<QTableView>("dbTariffe"); }

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
    click(child<FlatButton>("fltbutton5"));
    const QList<TariffEditor*> editors = window_->findChildren<TariffEditor*>();
    ASSERT_EQ(editors.size(), 1);

    Database db = database();
    const int added = TariffStore(db).addTariff(2, QStringLiteral("Interurbana"));
    emit editors.first()->tariffsChanged();
    emit editors.first()->tariffConfirmed(added);
    EXPECT_EQ(window_->findChild<TariffsPage*>()->selectedTariff()->descrizione, QStringLiteral("Interurbana"));
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

} // namespace
} // namespace zrt::test
