#include "wizard_fixture.h"

namespace zrt::test {
namespace {

// The editor on the weekday page of a new pulse tariff with two bands,
// 00:00-08:00 (pulse 340 s) and 08:00-24:00, the second one current.
class BandGridTest : public WizardTest {
protected:
    void SetUp() override
    {
        openEditor();
        chooseCompany(QStringLiteral("Telecom Italia 1998"));
        reachFirstBandPage();
        addWholeDay();
        typeIntoCell(0, BandColumn::Durata, QStringLiteral("340"));
        typeIntoCell(0, BandColumn::Fine, QStringLiteral("08:00"), Qt::Key_Return);
        click("fltbutton3");
    }

    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int column = 0; column < kBandColumnCount; ++column) {
            if (!grid()->isColumnHidden(column))
                texts << cellText(row, BandColumn(column));
        }
        return texts;
    }
};

// The new band starts where the last one ends, runs to the next band or
// to the end of the day, and takes the last pulse length, never a zero.
TEST_F(BandGridTest, AggiungiContinuesTheDayWithThePulseLengthOfTheBandBefore)
{
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    EXPECT_EQ(rowTexts(1), (QStringList{"08:00", "24:00", "340", "", ""}));

    typeIntoCell(1, BandColumn::Fine, QStringLiteral("18:30"));
    typeIntoCell(0, BandColumn::Inizio, QStringLiteral("12:00"));
    click("fltbutton3");
    EXPECT_EQ(rowTexts(2), (QStringList{"18:30", "24:00", "340", "", ""}));
    typeIntoCell(2, BandColumn::Fine, QStringLiteral("24:00"));
    click("fltbutton3");
    EXPECT_EQ(rowTexts(3).mid(0, 2), (QStringList{"00:00", "08:00"})) << "to where the next band begins";

    typeIntoCell(3, BandColumn::Durata, QString());
    click("fltbutton3");
    EXPECT_EQ(cellText(4, BandColumn::Durata), QString()) << "left empty when the band before has none";
}

// Each edit updates the list under the grid with the day type's problems.
TEST_F(BandGridTest, TheProblemsOfTheDayTypeAreListedAsTheUserTypes)
{
    const struct {
        int row;
        BandColumn column;
        const char* text;
        QStringList problems;
    } edits[] = {
        {1, BandColumn::CostoScatto, "127", {"Manca il costo alla risposta nella fascia 08:00:00–24:00:00"}},
        {1, BandColumn::CostoRisposta, "0", {}},
        {1, BandColumn::Inizio, "10:00", {"Manca la fascia dalle 08:00:00 alle 10:00:00"}},
        {1, BandColumn::Fine, "07:00",
         {"Manca la fascia dalle 08:00:00 alle 24:00:00", "La fascia 10:00:00–07:00:00 finisce prima di iniziare"}},
        {1, BandColumn::Fine, "24:00", {"Manca la fascia dalle 08:00:00 alle 10:00:00"}},
        {1, BandColumn::Inizio, "06:00", {"Le fasce si sovrappongono dalle 06:00:00 alle 08:00:00"}},
        {1, BandColumn::Inizio, "08:00", {}},
        {0, BandColumn::Durata, "0", {"Durata dello scatto non valida: 0 (almeno 1 secondo) nella fascia "
                                      "00:00:00–08:00:00"}},
        {0, BandColumn::Durata, "", {"Manca la durata dello scatto nella fascia 00:00:00–08:00:00"}},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.text);
        typeIntoCell(edit.row, edit.column, QString::fromUtf8(edit.text));
        EXPECT_EQ(problems(), edit.problems);
    }
}

TEST_F(BandGridTest, ARefusedCellKeepsThePreviousValueAndShowsAHintUntilAGoodOne)
{
    const struct { BandColumn column; const char* text; const char* kept; } refused[] = {
        {BandColumn::Fine, "24:00:01", "08:00"},
        {BandColumn::CostoScatto, "30.60", "127"},
    };
    for (const auto& c : refused) {
        typeIntoCell(0, c.column, QString::fromUtf8(c.text));
        EXPECT_EQ(cellText(0, c.column), QString::fromUtf8(c.kept));
        EXPECT_FALSE(message().isEmpty()) << c.text;
    }
    typeIntoCell(0, BandColumn::CostoRisposta, cellText(0, BandColumn::CostoRisposta));
    EXPECT_TRUE(message().isEmpty()) << "a good value clears the hint, even the value already there";
}

TEST_F(BandGridTest, DeletingRemovesTheCurrentBand)
{
    selectCell(0, BandColumn::CostoScatto);
    QTest::keyClick(grid(), Qt::Key_Delete);
    ASSERT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_EQ(cellText(0, BandColumn::Inizio), QStringLiteral("08:00"));

    selectCell(0, BandColumn::Inizio);
    click("fltElimina");
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    EXPECT_EQ(problems(), QStringList{"Manca la fascia dalle 00:00:00 alle 24:00:00"});
}

// The flat buttons take no focus, so the text of a cell still open must be
// taken by the page change, and the day type's bands stay with it.
TEST_F(BandGridTest, TheNextPageTakesACellStillBeingTypedAndBackShowsItAgain)
{
    selectCell(1, BandColumn::CostoRisposta);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto* editor = grid()->indexWidget(cell(1, BandColumn::CostoRisposta));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("100"));

    click("fltAvanti");
    EXPECT_EQ(find<QLabel>("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni PREFESTIVI (sab)"));
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    click("fltIndietro");
    EXPECT_EQ(cellText(1, BandColumn::CostoRisposta), QStringLiteral("100"));
}

} // namespace
} // namespace zrt::test
