#include "setup_window_fixture.h"

#include "controls/fltbutton.h"
#include "database/tariff_store.h"
#include "database/vat_store.h"
#include "ui/setup/tariffs_page.h"
#include "ui/wizard/frmcambiatariffa.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

namespace zrt::test {
namespace {

constexpr int kPerMinute = 0; // row of "Urbana 2000" in the tariff list
constexpr int kPulse = 1;     // row of "Urbana a scatti"

class TariffsPageTest : public SetupWindowTest {
protected:
    TariffsPageTest() { window_->choosePage(SetupPage::Tariffs); }

    QTableView* bands() { return child<QTableView>("dbTariffe"); }
    void selectTariff(int row) { child<QTableView>("dbCompagnie")->selectRow(row); }
    QString cell(int row, int column) { return bands()->model()->index(row, column).data().toString(); }

    QStringList shownCaptions()
    {
        QStringList captions;
        for (int column = 0; column < bands()->model()->columnCount(); ++column) {
            if (!bands()->isColumnHidden(column))
                captions.append(bands()->model()->headerData(column, Qt::Horizontal).toString());
        }
        return captions;
    }

    QList<double> storedDurations(int idTariffa)
    {
        Database db = database();
        QList<double> result;
        for (DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
            for (const Fascia& fascia : TariffStore(db).bands(idTariffa, tipo))
                result.append(fascia.band.durata);
        }
        return result;
    }

    void typeMinute(const QString& keys)
    {
        QLineEdit* box = child<QLineEdit>("txtMin");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
    }
};

TEST_F(TariffsPageTest, PulseAndPerMinuteTariffsShowTheirOwnColumns)
{
    selectTariff(kPulse);
    EXPECT_EQ(shownCaptions(),
              (QStringList{"Inizio", "Fine", "Durata (sec)", "Costo Scatto (*)", "Costo Risposta (*)"}));
    EXPECT_FALSE(child<QWidget>("fraMin")->isVisible());
    EXPECT_EQ(child<QLabel>("lblGriglia")->text(), QStringLiteral("Telecom Italia 1998--->Urbana a scatti"));
    EXPECT_EQ((QStringList{cell(1, 0), cell(1, 1), cell(1, 2), cell(1, 3)}),
              (QStringList{"08:00", "18:30", "180", "127"}));

    selectTariff(kPerMinute);
    EXPECT_EQ(shownCaptions(), (QStringList{"Inizio", "Fine", "Costo al Min. fino al 15°(*)",
                                            "Costo al Min. dopo il 15°(*)", "Costo Risposta (*)"}));
    EXPECT_TRUE(child<QWidget>("fraMin")->isVisible());
    EXPECT_EQ(child<QLineEdit>("txtMin")->text(), QStringLiteral("15"));
    EXPECT_EQ((QStringList{cell(1, 4), cell(1, 5)}), (QStringList{"30,6", "27,6"}));

    selectTariff(kPulse);
    EXPECT_EQ(shownCaptions().size(), 5) << "no second-price column for pulses";
}

TEST_F(TariffsPageTest, EachDayTypeHasItsColourAndItsBandsInOrder)
{
    const struct { QColor colour; QStringList starts; } cases[] = {
        {QColor(255, 192, 192), {"00:00", "08:00", "18:30"}},
        {QColor(255, 224, 192), {"00:00", "08:00", "13:00"}},
        {QColor(192, 255, 192), {"00:00"}},
    };
    for (int index = 0; index < 3; ++index) {
        child<QComboBox>("cboFascia")->setCurrentIndex(index);
        QStringList starts;
        for (int row = 0; row < bands()->model()->rowCount(); ++row)
            starts.append(cell(row, 0));
        EXPECT_EQ(starts, cases[index].starts) << index;
        EXPECT_EQ(bands()->palette().color(QPalette::Base), cases[index].colour);
        EXPECT_EQ(child<QComboBox>("cboFascia")->palette().color(QPalette::Button), cases[index].colour);
    }
}

TEST_F(TariffsPageTest, TheReductionMinuteTakesDigitsRenamesThePriceColumnsAndReachesEveryBand)
{
    const QList<double> pulsePeriods = storedDurations(2);
    typeMinute(QStringLiteral("x3,"));
    EXPECT_EQ(child<QLineEdit>("txtMin")->text(), QStringLiteral("3"));
    EXPECT_EQ(shownCaptions().mid(2, 2),
              (QStringList{"Costo al Min. fino al 3°(*)", "Costo al Min. dopo il 3°(*)"}));
    EXPECT_EQ(storedDurations(1), QList<double>(7, 3.0));
    EXPECT_EQ(storedDurations(2), pulsePeriods);

    typeMinute(QString());
    EXPECT_EQ(child<QLineEdit>("txtMin")->text(), QStringLiteral("0"));
    EXPECT_EQ(shownCaptions().mid(2, 1), QStringList{"Costo al Minuto (*)"});
    EXPECT_TRUE(bands()->isColumnHidden(5));
    EXPECT_EQ(storedDurations(1), QList<double>(7, 0.0));
}

TEST_F(TariffsPageTest, AggiungiOpensOneTariffEditorAndItsNewTariffIsSelected)
{
    click(child<fltbutton>("fltbutton5"));
    click(child<fltbutton>("fltbutton5"));
    const QList<frmCambiaTariffa*> editors = window_->findChildren<frmCambiaTariffa*>();
    ASSERT_EQ(editors.size(), 1);
    EXPECT_TRUE(editors.first()->isVisible());

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
    QSignalSpy changes(window_.get(), &frmSetup::vatChanged);
    QLineEdit* box = child<QLineEdit>("txtIva");
    const struct { const char* typed; int stored; bool refused; } cases[] = {
        {"abc", 20, true}, {"", 20, true}, {"150", 20, true}, {"-4", 20, true},
        {"20,6", 21, false}, {"0", 0, false}, {"33", 33, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype warnings = messages_.warnings.size();
        const qsizetype changed = changes.size();
        click(child<fltbutton>("fltbutton11"));
        EXPECT_EQ(child<fltbutton>("fltbutton11")->Caption(), QStringLiteral("OK"));
        box->setText(QString::fromUtf8(c.typed));
        click(child<fltbutton>("fltbutton11"));

        Database db = database();
        EXPECT_EQ(VatStore(db).read(), c.stored);
        EXPECT_EQ(messages_.warnings.size() - warnings, c.refused ? 1 : 0);
        EXPECT_EQ(changes.size() - changed, c.refused ? 0 : 1);
        EXPECT_EQ(box->isEnabled(), c.refused);
        if (c.refused)
            click(child<fltbutton>("fltbutton12"));
        EXPECT_EQ(box->text(), QString::number(c.stored));
        EXPECT_FALSE(box->isEnabled());
        EXPECT_FALSE(child<fltbutton>("fltbutton12")->isVisible());
    }
}

} // namespace
} // namespace zrt::test
