#include "wizard_fixture.h"

#include <QFile>
#include <QSignalSpy>

namespace zrt::test {
namespace {

const QString kTelecom = QStringLiteral("Telecom Italia");          // per minute
const QString kTelecom1998 = QStringLiteral("Telecom Italia 1998"); // by pulse

TEST_F(WizardTest, WalksThroughTheFivePagesAndHandsTheTariffOver)
{
    openEditor();
    QSignalSpy confirmed(window_.get(), &TariffEditor::tariffConfirmed);
    click("fltAvanti");
    type("Text1", QStringLiteral("   "));
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "a tariff needs a description";
    type("Text1", QStringLiteral("Urbana 2001"));
    click("fltAvanti");
    for (int page = 0; page < 3; ++page) {
        EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no band yet";
        click("fltbutton3");
        click("fltAvanti");
    }

    EXPECT_FALSE(window_->isVisible());
    const TariffaInfo saved = tariffs().back();
    EXPECT_EQ(saved.descrizione, QStringLiteral("Urbana 2001"));
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes})
        EXPECT_EQ(bands(saved.id, tipo).size(), 1);
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.front().front().toInt(), saved.id);
}

// Going back keeps what was typed; the tariff made on the first pass is
// kept, not made again, and its bands follow it to the company chosen on
// the second.
TEST_F(WizardTest, GoingBackKeepsWhatWasTypedAndOneTariffThatMovesWithItsBands)
{
    openEditor();
    chooseCompany(kTelecom1998);
    reachFirstBandPage(QStringLiteral("Prima"));
    for (int page = 0; page < 2; ++page) {
        click("fltbutton3");
        click("fltAvanti");
    }
    const int key = tariffs().back().id;
    click("fltIndietro");
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the Saturday band is listed again";
    click("fltIndietro");
    click("fltIndietro");
    EXPECT_EQ(lineEdit("Text1")->text(), QStringLiteral("Prima"));
    lineEdit("Text1")->clear();
    EXPECT_EQ(tariffs().back().descrizione, QStringLiteral("Prima")) << "written only going forward";

    click("fltIndietro");
    chooseCompany(kTelecom);
    reachFirstBandPage(QStringLiteral("Seconda"));
    EXPECT_TRUE(grid()->isColumnHidden(int(BandColumn::Durata))) << "the columns follow the charging method";
    const TariffaInfo saved = tariffs().back();
    EXPECT_EQ(saved.id, key);
    EXPECT_EQ(saved.descrizione, QStringLiteral("Seconda"));
    const QList<Fascia> fer = bands(key, DayType::Fer);
    ASSERT_EQ(fer.size(), 1);
    EXPECT_EQ(fer.front().idCompagnia, saved.idCompagnia) << "the band follows its tariff's company";
}

class EmptyWizardTest : public WizardTest {
protected:
    EmptyWizardTest() : WizardTest(Content::Empty) {}
};

// A cancelled new company writes nothing; a saved one is selected and
// used for the tariff.
TEST_F(EmptyWizardTest, WithoutCompaniesForwardWaitsForANewOneAndACancelledOneWritesNothing)
{
    openEditor();
    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 0);
    click("fltbutton2");
    type("Text3", QStringLiteral("Albacom"));
    click("fltbutton4");
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);

    click("fltbutton2");
    type("Text3", QStringLiteral("Infostrada"));
    comboBox("cboTar")->setCurrentText(QStringLiteral("Scatto"));
    click("fltOK");
    Database opened = database();
    const QList<Compagnia> companies = TariffStore(opened).companies();
    ASSERT_EQ(companies.size(), 1);
    EXPECT_EQ(companies.front().tipotariffazione, QStringLiteral("Scatto"));
    reachFirstBandPage();
    EXPECT_EQ(tariffs().back().idCompagnia, companies.front().id);
}

TEST_F(WizardTest, FailuresReachTheMessageLine)
{
    openEditor();
    reachFirstBandPage();
    ASSERT_TRUE(QFile::remove(scratch_.path()));
    click("fltbutton3");
    EXPECT_TRUE(message().contains(QStringLiteral("does not exist"))) << message().toStdString();
    click("fltIndietro");
    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 1) << "the tariff could not be saved";

    openEditor();
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "an unreadable file still opens the window";
}

} // namespace
} // namespace zrt::test
