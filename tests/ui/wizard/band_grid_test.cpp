#include "wizard_fixture.h"

#include <QSignalSpy>

namespace zrt::test {
namespace {

// The editor on the weekday page of a new pulse tariff with two bands,
// 00:00-08:00 and 08:00-24:00, the second one current.
class BandGridTest : public WizardTest {
protected:
    void SetUp() override
    {
        openEditor();
        chooseCompany(QStringLiteral("Telecom Italia 1998"));
        reachFirstBandPage();
        tariff_ = tariffs().back().id;
        click("fltbutton3");
        typeIntoCell(0, BandColumn::Fine, QStringLiteral("08:00"), Qt::Key_Return);
        click("fltbutton3");
    }

    Fascia stored(int row) const { return bands(tariff_, DayType::Fer).at(row); }

    int tariff_ = 0;
};

TEST_F(BandGridTest, AnAddedBandContinuesTheDayAndARowIsWrittenWhenTheGridLeavesItOrOnReturn)
{
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    EXPECT_EQ(cellText(1, BandColumn::Fine), QStringLiteral("24:00"));
    EXPECT_EQ(stored(1).band.inizio, *parseTimeOfDay("08:00"));

    typeIntoCell(1, BandColumn::Inizio, QStringLiteral("08:30"));
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("1.234,50"));
    EXPECT_EQ(stored(1).band.inizio, *parseTimeOfDay("08:00")) << "still on the row";
    selectCell(0, BandColumn::Inizio);
    EXPECT_EQ(stored(1).band.inizio, *parseTimeOfDay("08:30"));
    EXPECT_DOUBLE_EQ(stored(1).band.costo, 1234.5);

    typeIntoCell(0, BandColumn::Durata, QStringLiteral("180"), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(stored(0).band.durata, 180);
}

TEST_F(BandGridTest, ARefusedCellKeepsThePreviousValueAndShowsAHintUntilAGoodOne)
{
    typeIntoCell(0, BandColumn::Fine, QStringLiteral("24:00:01"));
    EXPECT_EQ(cellText(0, BandColumn::Fine), QStringLiteral("08:00"));
    EXPECT_FALSE(message().isEmpty());
    selectCell(1, BandColumn::Inizio);
    EXPECT_EQ(stored(0).band.fine, *parseTimeOfDay("08:00"));

    typeIntoCell(0, BandColumn::CostoRisposta, cellText(0, BandColumn::CostoRisposta));
    EXPECT_TRUE(message().isEmpty()) << "a good value clears the hint, even the value already there";
}

TEST_F(BandGridTest, DeletingRemovesTheCurrentBandAndDropsItsEdits)
{
    const int kept = stored(1).id;
    selectCell(0, BandColumn::CostoScatto);
    QTest::keyClick(grid(), Qt::Key_Delete);
    ASSERT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_EQ(stored(0).id, kept);

    typeIntoCell(0, BandColumn::CostoScatto, QStringLiteral("127"));
    click("fltElimina");
    EXPECT_TRUE(bands(tariff_, DayType::Fer).isEmpty());
    EXPECT_TRUE(message().isEmpty()) << "the edits went with the row";
}

TEST_F(BandGridTest, TheNextPageTakesACellStillBeingTyped)
{
    selectCell(1, BandColumn::CostoRisposta);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = grid()->indexWidget(cell(1, BandColumn::CostoRisposta));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("100"));

    click("fltAvanti");
    EXPECT_EQ(find<QLabel>("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni PREFESTIVI (sab)"));
    EXPECT_DOUBLE_EQ(stored(1).band.costoAllaRisposta, 100);
}

// A row that cannot be written goes back and keeps the window open, once;
// closing again writes the row being edited and reports the change.
TEST_F(BandGridTest, ClosingWritesTheRowBeingEditedOrStaysOpenWhenItCannot)
{
    QSignalSpy changed(window_.get(), &TariffEditor::tariffsChanged);
    QSignalSpy confirmed(window_.get(), &TariffEditor::tariffConfirmed);
    typeIntoCell(1, BandColumn::CostoScatto, QStringLiteral("127"));
    database().query(QStringLiteral("DELETE FROM Fasce WHERE rowid = ?"), {stored(1).id});
    click("fltbutton1");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(message().contains(QStringLiteral("no longer exists"))) << message().toStdString();
    EXPECT_EQ(cellText(1, BandColumn::CostoScatto), QStringLiteral("0")) << "the row went back";

    typeIntoCell(0, BandColumn::CostoScatto, QStringLiteral("127"));
    click("fltbutton1");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_DOUBLE_EQ(stored(0).band.costo, 127);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(confirmed.count(), 0) << "left before the end";
}

TEST_F(WizardTest, APerMinuteBandKeepsTheReductionMinuteSetMeanwhile)
{
    openEditor();
    reachFirstBandPage();
    const int tariff = tariffs().back().id;
    click("fltbutton3");
    database().query(QStringLiteral("UPDATE Fasce SET Durata = 15 WHERE id_Tariffa = ?"), {tariff});
    typeIntoCell(0, BandColumn::CostoMinuto, QStringLiteral("30,60"), Qt::Key_Return);

    const Band band = bands(tariff, DayType::Fer).front().band;
    EXPECT_DOUBLE_EQ(band.costo, 30.6);
    EXPECT_DOUBLE_EQ(band.durata, 15) << "set on the band page meanwhile, not the editor's to change";
}

} // namespace
} // namespace zrt::test
