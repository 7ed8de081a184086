#include "wizard_fixture.h"

#include "database/association_store.h"

#include <QFile>
#include <QSignalSpy>

#include <gmock/gmock.h>

#include <functional>

namespace zrt::test {
namespace {

const QString kTelecom = QStringLiteral("Telecom Italia");          // per minute
const QString kTelecom1998 = QStringLiteral("Telecom Italia 1998"); // by pulse

// Nothing reaches the file before "OK", which writes the tariff whole.
TEST_F(WizardTest, WalksThroughTheFivePagesAndWritesOnlyAtOK)
{
    const QByteArray before = digest();
    openEditor();
    QSignalSpy saved(window_.get(), &TariffEditor::tariffSaved);
    chooseCompany(kTelecom1998);
    click("fltAvanti");
    type("Text1", QStringLiteral("   "));
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "a tariff needs a description";
    type("Text1", QStringLiteral("Urbana 2001"));
    click("fltAvanti");
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no band yet";
    fillAllDayTypes();
    EXPECT_EQ(button("fltAvanti")->caption(), QStringLiteral("OK"));
    EXPECT_EQ(digest(), before);

    click("fltAvanti");
    EXPECT_FALSE(window_->isVisible());
    const TariffaInfo stored = tariffs().back();
    EXPECT_EQ(stored.descrizione, QStringLiteral("Urbana 2001"));
    EXPECT_EQ(stored.compagnia, kTelecom1998);
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes}) {
        const QList<Fascia> fasce = bands(stored.id, tipo);
        ASSERT_EQ(fasce.size(), 1);
        EXPECT_DOUBLE_EQ(fasce.front().band.durata, 180);
        EXPECT_EQ(fasce.front().band.secondoCosto, std::nullopt);
    }
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.front().front().toInt(), stored.id);
}

// However far the user went, leaving writes nothing: not the new company,
// not the tariff, not its bands.
TEST_F(WizardTest, LeavingBeforeOKLeavesTheFileByteIdentical)
{
    const struct {
        const char* where;
        std::function<void()> walk;
    } cases[] = {
        {"a new company named", [&] {
             click("fltbutton2");
             type("Text3", QStringLiteral("Albacom"));
             click("fltOK");
         }},
        {"on the description", [&] {
             click("fltAvanti");
             type("Text1", QStringLiteral("Mezza"));
         }},
        {"on the last band page, complete", [&] {
             reachFirstBandPage(QStringLiteral("Completa"));
             fillAllDayTypes();
         }},
    };
    const QByteArray before = digest();
    for (const auto& c : cases) {
        for (const bool byWindow : {false, true}) {
            SCOPED_TRACE(std::string(c.where) + (byWindow ? ", window closed" : ", Annulla"));
            openEditor();
            QSignalSpy saved(window_.get(), &TariffEditor::tariffSaved);
            c.walk();
            if (byWindow)
                window_->close();
            else
                click("fltbutton1");
            EXPECT_FALSE(window_->isVisible());
            EXPECT_EQ(saved.count(), 0);
            EXPECT_EQ(digest(), before);
        }
    }
}

// Going back keeps what was typed; the tariff goes to the company chosen
// last, with the bands typed on the first pass.
TEST_F(WizardTest, GoingBackKeepsWhatWasTypedAndTheCompanyChosenLastGetsTheTariff)
{
    openEditor();
    chooseCompany(kTelecom);
    reachFirstBandPage(QStringLiteral("Prima"));
    EXPECT_TRUE(grid()->isColumnHidden(int(BandColumn::Durata))) << "the columns follow the charging method";
    fillAllDayTypes();
    click("fltIndietro");
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the Saturday band is listed again";
    click("fltIndietro");
    click("fltIndietro");
    EXPECT_EQ(lineEdit("Text1")->text(), QStringLiteral("Prima"));

    click("fltIndietro");
    click("fltbutton2");
    type("Text3", QStringLiteral("Wind"));
    click("fltOK");
    reachFirstBandPage(QStringLiteral("Seconda"));
    EXPECT_EQ(cellText(0, BandColumn::CostoMinuto), QStringLiteral("127"));
    click("fltAvanti");
    click("fltAvanti");
    click("fltAvanti");

    const TariffaInfo stored = tariffs().back();
    EXPECT_EQ(stored.compagnia, QStringLiteral("Wind"));
    EXPECT_EQ(stored.tipotariffazione, QStringLiteral("Minuto"));
    EXPECT_EQ(stored.descrizione, QStringLiteral("Seconda"));
    EXPECT_EQ(bands(stored.id, DayType::Fes).size(), 1);
}

// A name already there, in another letter case or with blanks around it,
// is refused with a message: the company on its panel, the description on
// leaving its page, and either again by "OK" when another program wrote it
// meanwhile.
TEST_F(WizardTest, ACompanyOrDescriptionAlreadyThereIsRefused)
{
    openEditor();
    click("fltbutton2");
    type("Text3", QStringLiteral("  telecom ITALIA "));
    click("fltOK");
    ASSERT_EQ(messages_.warnings.size(), 1);
    EXPECT_TRUE(messages_.warnings.back().contains(QStringLiteral("telecom ITALIA")));
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 2);

    click("fltbutton4");
    chooseCompany(kTelecom);
    click("fltAvanti");
    type("Text1", QStringLiteral("URBANA 2000"));
    click("fltAvanti");
    EXPECT_EQ(messages_.warnings.size(), 2);
    EXPECT_EQ(shownPanel(), 1);

    click("fltIndietro");
    click("fltbutton2");
    type("Text3", QStringLiteral("Tiscali"));
    click("fltOK");
    reachFirstBandPage();
    fillAllDayTypes();
    {
        Database other = database();
        TariffStore(other).addCompany(QStringLiteral("TISCALI"), QStringLiteral("Scatto"));
    }
    const QByteArray before = digest();
    click("fltAvanti");
    EXPECT_EQ(messages_.warnings.size(), 3);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(digest(), before);
}

TEST_F(WizardTest, OKRefusesAFaultyTariffListingEveryProblem)
{
    openEditor();
    chooseCompany(kTelecom1998);
    reachFirstBandPage();
    addWholeDay();
    typeIntoCell(0, BandColumn::Fine, QStringLiteral("10:00"));
    click("fltbutton3");
    typeIntoCell(1, BandColumn::Inizio, QStringLiteral("13:00"));
    click("fltAvanti");
    click("fltbutton3");
    click("fltAvanti");
    addWholeDay();
    const QByteArray before = digest();
    click("fltAvanti");

    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(digest(), before);
    ASSERT_EQ(messages_.warnings.size(), 1);
    const QString refusal = messages_.warnings.back();
    for (const char* line : {"Feriali: Manca la fascia dalle 10:00:00 alle 13:00:00",
                             "Feriali: Manca il costo nella fascia 13:00:00–24:00:00",
                             "Prefestivi: Manca la durata dello scatto nella fascia 00:00:00–24:00:00"})
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(line))) << line << " in " << refusal.toStdString();
    EXPECT_FALSE(refusal.contains(QStringLiteral("Festivi:")));
}

// A per-minute tariff takes a reduction minute; the second price is
// optional, an empty one standing for the first price.
TEST_F(WizardTest, TheSecondPriceOfAPerMinuteTariffIsStoredOrLeftEmpty)
{
    openEditor();
    chooseCompany(kTelecom);
    reachFirstBandPage();
    EXPECT_TRUE(grid()->isColumnHidden(int(BandColumn::SecondoCosto))) << "no reduction minute yet";
    lineEdit("txtMin")->selectAll();
    QTest::keyClicks(lineEdit("txtMin"), QStringLiteral("15"));
    EXPECT_FALSE(grid()->isColumnHidden(int(BandColumn::SecondoCosto)));
    EXPECT_EQ(grid()->model()->headerData(int(BandColumn::SecondoCosto), Qt::Horizontal).toString(),
              QStringLiteral("Costo al Min. dopo il 15°(*)"));

    addWholeDay(QStringLiteral("30,60"));
    typeIntoCell(0, BandColumn::SecondoCosto, QStringLiteral("27,60"));
    click("fltAvanti");
    addWholeDay();
    typeIntoCell(0, BandColumn::SecondoCosto, QStringLiteral("-1"));
    EXPECT_THAT(problems().join('\n').toStdString(), testing::HasSubstr("Costo dopo il minuto di riduzione"));
    typeIntoCell(0, BandColumn::SecondoCosto, QString());
    EXPECT_TRUE(problems().isEmpty());
    click("fltAvanti");
    addWholeDay();
    click("fltAvanti");

    const int id = tariffs().back().id;
    const Band fer = bands(id, DayType::Fer).front().band;
    EXPECT_DOUBLE_EQ(fer.durata, 15);
    EXPECT_EQ(fer.secondoCosto, 27.6);
    EXPECT_EQ(bands(id, DayType::Pre).front().band.secondoCosto, std::nullopt);
}

// Opened on a stored tariff, the editor shows it with its company fixed;
// "OK" rewrites it under the same key, so its entries keep it.
TEST_F(WizardTest, ChangingAStoredTariffKeepsItsKeyAndEntries)
{
    {
        Database opened = database();
        AssociationStore(opened).associate(QStringLiteral("Casa"), 2);
    }
    window_ = std::make_unique<TariffEditor>(scratch_.path(), messages_);
    ASSERT_TRUE(window_->openTariff(2));
    window_->show();
    EXPECT_FALSE(comboBox("cboCompagnie")->isEnabled());
    EXPECT_FALSE(button("fltbutton2")->isEnabled());
    EXPECT_EQ(comboBox("cboCompagnie")->currentText(), kTelecom1998);
    click("fltAvanti");
    EXPECT_EQ(lineEdit("Text1")->text(), QStringLiteral("Urbana a scatti"));
    type("Text1", QStringLiteral("Urbana a scatti 1999"));
    click("fltAvanti");
    ASSERT_EQ(grid()->model()->rowCount(), 3);
    EXPECT_TRUE(problems().isEmpty());
    typeIntoCell(1, BandColumn::Durata, QStringLiteral("120"));
    click("fltAvanti");
    click("fltAvanti");
    click("fltAvanti");

    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(tariffs().size(), 2) << "no tariff added";
    EXPECT_EQ(tariffs().back().descrizione, QStringLiteral("Urbana a scatti 1999"));
    EXPECT_DOUBLE_EQ(bands(2, DayType::Fer).at(1).band.durata, 120);
    EXPECT_EQ(bands(2, DayType::Pre).size(), 3);
    Database opened = database();
    EXPECT_EQ(AssociationStore(opened).find(QStringLiteral("Casa"))->idTariffa, 2);
}

TEST_F(WizardTest, FailuresAreToldInItalianAndTheWindowStaysOpen)
{
    openEditor();
    reachFirstBandPage();
    fillAllDayTypes();
    ASSERT_TRUE(QFile::remove(scratch_.path()));
    click("fltAvanti");
    EXPECT_TRUE(window_->isVisible());
    ASSERT_EQ(messages_.warnings.size(), 1);
    EXPECT_TRUE(messages_.warnings.back().contains(QStringLiteral("non è stata salvata")));

    openEditor();
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "an unreadable file still opens the window";
    EXPECT_FALSE(message().isEmpty());
    EXPECT_FALSE(window_->openTariff(2));
}

} // namespace
} // namespace zrt::test
