#include "wizard_fixture.h"

#include "controls/fltbutton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace zrt::test {
namespace {

TimeOfDay at(const char* text)
{
    return *parseTimeOfDay(text);
}

// The editor on the weekday page of a new pulse tariff with two bands,
// 00:00-08:00 and 08:00-24:00.
class BandGridTest : public WizardTest {
protected:
    void SetUp() override
    {
        openEditor();
        chooseCompany(QStringLiteral("Telecom Italia 1998"));
        reachFirstBandPage();
        tariff_ = lastTariffKey();
        click("fltbutton3");
        typeIntoCell(0, BandColumn::Fine, QStringLiteral("08:00"), Qt::Key_Return);
        click("fltbutton3");
    }

    Fascia stored(int row) const { return bands(tariff_, DayType::Fer).at(row); }

    int tariff_ = 0;
};

TEST_F(BandGridTest, AddedBandsContinueTheDay)
{
    ASSERT_EQ(grid()->model()->rowCount(), 2);
    EXPECT_EQ(cellText(1, BandColumn::Inizio), QStringLiteral("08:00"));
    EXPECT_EQ(cellText(1, BandColumn::Fine), QStringLiteral("24:00"));
    EXPECT_EQ(stored(1).band.inizio, at("08:00"));
    EXPECT_EQ(grid()->currentIndex().row(), 1) << "the new band is the current row";
}

TEST_F(BandGridTest, ARowIsWrittenWhenTheGridLeavesIt)
{
    typeIntoCell(1, BandColumn::Inizio, QStringLiteral("08:30"));
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("1.234,50"));
    EXPECT_EQ(cellText(1, BandColumn::Inizio), QStringLiteral("08:30"));
    EXPECT_EQ(cellText(1, BandColumn::CostoScatto), QStringLiteral("1.234,5"));
    EXPECT_EQ(stored(1).band.inizio, at("08:00")) << "still on the row";

    selectCell(0, BandColumn::Inizio);
    EXPECT_EQ(stored(1).band.inizio, at("08:30"));
    EXPECT_DOUBLE_EQ(stored(1).band.costo, 1234.5);
}

TEST_F(BandGridTest, ReturnWritesTheRowAtOnce)
{
    typeIntoCell(1, BandColumn::Durata, QStringLiteral("180"), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(stored(1).band.durata, 180);
}

struct TypedCell {
    BandColumn column;
    const char* text;
    const char* shown;
};

class RefusedInGrid : public BandGridTest, public ::testing::WithParamInterface<TypedCell> {};

TEST_P(RefusedInGrid, KeepsThePreviousValueAndShowsAHint)
{
    const Fascia before = stored(0);
    typeIntoCell(0, GetParam().column, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(cellText(0, GetParam().column), QString::fromUtf8(GetParam().shown));
    EXPECT_FALSE(message().isEmpty());

    selectCell(1, BandColumn::Inizio);
    const Fascia after = stored(0);
    EXPECT_EQ(after.band.inizio, before.band.inizio);
    EXPECT_EQ(after.band.fine, before.band.fine);
    EXPECT_DOUBLE_EQ(after.band.durata, before.band.durata);
    EXPECT_DOUBLE_EQ(after.band.costo, before.band.costo);

    typeIntoCell(0, BandColumn::CostoRisposta, QStringLiteral("127"));
    EXPECT_TRUE(message().isEmpty()) << "a good value clears the hint";
}

INSTANTIATE_TEST_SUITE_P(Cells, RefusedInGrid,
                         ::testing::Values(TypedCell{BandColumn::Fine, "24:00:01", "08:00"},
                                           TypedCell{BandColumn::Durata, "0", "0"},
                                           TypedCell{BandColumn::CostoScatto, "30.60", "0"},
                                           TypedCell{BandColumn::CostoRisposta, "-1", "0"}));

TEST_F(BandGridTest, TheDeleteKeyRemovesTheCurrentBand)
{
    const int kept = stored(1).id;
    selectCell(0, BandColumn::CostoScatto);
    QTest::keyClick(grid(), Qt::Key_Delete);
    ASSERT_EQ(grid()->model()->rowCount(), 1);
    ASSERT_EQ(bands(tariff_, DayType::Fer).size(), 1);
    EXPECT_EQ(stored(0).id, kept);
}

TEST_F(BandGridTest, DeletingTheRowBeingEditedDropsItsEdits)
{
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("127"));
    click("fltElimina");
    EXPECT_EQ(bands(tariff_, DayType::Fer).size(), 1);
    EXPECT_TRUE(message().isEmpty());
}

TEST_F(BandGridTest, TheNextPageTakesACellStillBeingTyped)
{
    const QModelIndex index = grid()->model()->index(1, static_cast<int>(BandColumn::CostoRisposta));
    selectCell(1, BandColumn::CostoRisposta);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = grid()->indexWidget(index);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("100"));

    click("fltAvanti");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni PREFESTIVI (sab)"));
    EXPECT_DOUBLE_EQ(stored(1).band.costoAllaRisposta, 100);
}

TEST_F(BandGridTest, ClosingWritesTheRowAndReportsTheChange)
{
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    QSignalSpy confirmed(window_.get(), &frmCambiaTariffa::tariffConfirmed);
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("127"));
    click("fltbutton1");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_DOUBLE_EQ(stored(1).band.costo, 127);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(confirmed.count(), 0) << "left before the end";
}

TEST_F(BandGridTest, ARowThatCannotBeWrittenGoesBackAndKeepsTheWindowOpenOnce)
{
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("127"));
    {
        Database opened = database();
        opened.query(QStringLiteral("DELETE FROM Fasce WHERE rowid = ?"), {stored(1).id});
    }
    click("fltbutton1");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(message().contains(QStringLiteral("no longer exists"))) << message().toStdString();
    EXPECT_EQ(cellText(1, BandColumn::CostoScatto), QStringLiteral("0"));

    click("fltbutton1");
    EXPECT_FALSE(window_->isVisible());
}

class MinuteBandGridTest : public WizardTest {};

TEST_F(MinuteBandGridTest, APerMinuteBandKeepsTheReductionMinute)
{
    openEditor();
    chooseCompany(QStringLiteral("Telecom Italia"));
    reachFirstBandPage();
    const int tariff = lastTariffKey();
    click("fltbutton3");
    {
        Database opened = database();
        opened.query(QStringLiteral("UPDATE Fasce SET Durata = 15 WHERE id_Tariffa = ?"), {tariff});
    }
    typeIntoCell(0, BandColumn::CostoMinuto, QStringLiteral("30,60"), Qt::Key_Return);

    const Band band = bands(tariff, DayType::Fer).front().band;
    EXPECT_DOUBLE_EQ(band.costo, 30.6);
    EXPECT_DOUBLE_EQ(band.durata, 15) << "set on the band page meanwhile, not the editor's to change";
    click("fltbutton3");
    EXPECT_DOUBLE_EQ(bands(tariff, DayType::Fer).back().band.durata, 15);
}

} // namespace
} // namespace zrt::test
