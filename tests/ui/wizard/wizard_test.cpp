#include "wizard_fixture.h"

#include "controls/fltbutton.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace zrt::test {
namespace {

const QString kTelecom = QStringLiteral("Telecom Italia");        // per minute
const QString kTelecom1998 = QStringLiteral("Telecom Italia 1998"); // by pulse

struct PageLook {
    int panel;
    const char* heading;
    const char* forwardCaption;
};

TEST_F(WizardTest, WalksThroughTheFivePagesAndHandsTheTariffOver)
{
    openEditor();
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    QSignalSpy confirmed(window_.get(), &frmCambiaTariffa::tariffConfirmed);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Crea tariffa..."));
    EXPECT_EQ(shownPanel(), 0);
    EXPECT_FALSE(button("fltIndietro")->isEnabled());
    EXPECT_TRUE(button("fltAvanti")->isEnabled());

    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 1);
    EXPECT_EQ(label("lblCompagnia")->text(), kTelecom);
    EXPECT_TRUE(button("fltIndietro")->isEnabled());
    type("Text1", QStringLiteral("Urbana 2001"));
    click("fltAvanti");

    const std::vector<PageLook> bandPages{{2, "Tariffe giorni FERIALI (lun-ven)", "Avanti >"},
                                          {2, "Tariffe giorni PREFESTIVI (sab)", "Avanti >"},
                                          {2, "Tariffe giorni FESTIVI (dom)", "OK"}};
    for (const PageLook& page : bandPages) {
        SCOPED_TRACE(page.heading);
        EXPECT_EQ(shownPanel(), page.panel);
        EXPECT_EQ(label("LBLfASCIA")->text(), QString::fromUtf8(page.heading));
        EXPECT_EQ(label("Label5")->text(), kTelecom);
        EXPECT_EQ(button("fltAvanti")->Caption(), QString::fromUtf8(page.forwardCaption));
        EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no band yet";
        click("fltbutton3");
        EXPECT_TRUE(button("fltAvanti")->isEnabled());
        click("fltAvanti");
    }

    EXPECT_FALSE(window_->isVisible());
    const TariffaInfo saved = tariffs().back();
    EXPECT_EQ(saved.descrizione, QStringLiteral("Urbana 2001"));
    EXPECT_EQ(saved.compagnia, kTelecom);
    for (const DayType tipo : {DayType::Fer, DayType::Pre, DayType::Fes})
        EXPECT_EQ(bands(saved.id, tipo).size(), 1);
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.front().front().toInt(), saved.id);
}

TEST_F(WizardTest, GoingBackRetracesThePages)
{
    openEditor();
    reachFirstBandPage();
    for (int page = 0; page < 2; ++page) {
        click("fltbutton3");
        click("fltAvanti");
    }
    ASSERT_EQ(button("fltAvanti")->Caption(), QStringLiteral("OK"));

    click("fltIndietro");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni PREFESTIVI (sab)"));
    EXPECT_EQ(button("fltAvanti")->Caption(), QStringLiteral("Avanti >"));
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the Saturday band is listed again";
    click("fltIndietro");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni FERIALI (lun-ven)"));
    click("fltIndietro");
    EXPECT_EQ(shownPanel(), 1);
    EXPECT_EQ(lineEdit("Text1")->text(), QStringLiteral("Urbana"));
    click("fltIndietro");
    EXPECT_EQ(shownPanel(), 0);
    EXPECT_FALSE(button("fltIndietro")->isEnabled());
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
}

TEST_F(WizardTest, PassingTheFirstBandPageTwiceKeepsOneTariffAndMovesItsBands)
{
    openEditor();
    const int before = static_cast<int>(tariffs().size());
    chooseCompany(kTelecom1998);
    reachFirstBandPage(QStringLiteral("Prima"));
    click("fltbutton3");
    const int key = lastTariffKey();

    click("fltIndietro");
    click("fltIndietro");
    chooseCompany(kTelecom);
    click("fltAvanti");
    type("Text1", QStringLiteral("Seconda"));
    click("fltAvanti");

    EXPECT_EQ(tariffs().size(), before + 1);
    const TariffaInfo saved = tariffs().back();
    EXPECT_EQ(saved.id, key);
    EXPECT_EQ(saved.descrizione, QStringLiteral("Seconda"));
    EXPECT_EQ(saved.compagnia, kTelecom);
    const QList<Fascia> fer = bands(key, DayType::Fer);
    ASSERT_EQ(fer.size(), 1);
    EXPECT_EQ(fer.front().idCompagnia, saved.idCompagnia) << "the band follows its tariff's company";
    EXPECT_EQ(label("Label5")->text(), kTelecom);
}

TEST_F(WizardTest, ForwardFollowsTheDescriptionOnItsPage)
{
    openEditor();
    click("fltAvanti");
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "a tariff needs a description";
    type("Text1", QStringLiteral("   "));
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    type("Text1", QStringLiteral("Urbana"));
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
    click("fltAvanti");
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no weekday band yet";

    click("fltIndietro");
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the description is still there";
    lineEdit("Text1")->clear();
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    EXPECT_EQ(tariffs().back().descrizione, QStringLiteral("Urbana"));
}

TEST_F(WizardTest, ForwardFollowsTheBandCount)
{
    openEditor();
    reachFirstBandPage();
    click("fltbutton3");
    click("fltbutton3");
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
    click("fltElimina");
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
    click("fltElimina");
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    click("fltAvanti");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni FERIALI (lun-ven)")) << "a disabled button";
}

struct CompanyColumns {
    const char* company;
    QStringList captions;
};

class ColumnsTest : public WizardTest, public ::testing::WithParamInterface<CompanyColumns> {};

TEST_P(ColumnsTest, FollowTheCompanysChargingMethod)
{
    openEditor();
    chooseCompany(QString::fromUtf8(GetParam().company));
    reachFirstBandPage();
    EXPECT_EQ(shownColumnCaptions(), GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    Companies, ColumnsTest,
    ::testing::Values(CompanyColumns{"Telecom Italia 1998",
                                     {"Inizio", "Fine", "Durata (sec)", "Costo Scatto (*)", "Costo Risposta (*)"}},
                      CompanyColumns{"Telecom Italia", {"Inizio", "Fine", "Costo al Minuto (*)", "Costo Risposta (*)"}}));

struct Preselection {
    const char* name;
    std::vector<const char*> extraCompanies;
    const char* shownName;
    int selectedRow;
};

class PreselectionTest : public WizardTest, public ::testing::WithParamInterface<Preselection> {};

TEST_P(PreselectionTest, SelectsTheLastCompanyOfThatName)
{
    {
        Database opened = database();
        for (const char* extra : GetParam().extraCompanies)
            TariffStore(opened).addCompany(QString::fromUtf8(extra), QStringLiteral("Scatto"));
    }
    openEditor();
    window_->selectCompany(QString::fromUtf8(GetParam().shownName));
    EXPECT_EQ(comboBox("cboCompagnie")->currentIndex(), GetParam().selectedRow);
    click("fltAvanti");
    EXPECT_EQ(label("lblCompagnia")->text(), comboBox("cboCompagnie")->currentText());
}

INSTANTIATE_TEST_SUITE_P(Names, PreselectionTest,
                         ::testing::Values(Preselection{"Match", {}, "Telecom Italia 1998", 1},
                                           Preselection{"NoMatch", {}, "Wind", 0},
                                           Preselection{"NotAPrefixMatch", {}, "Telecom", 0},
                                           Preselection{"LaterTwinWins", {"Telecom Italia"}, "Telecom Italia", 2}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(WizardTest, NewCompanyIsSavedSelectedAndUsedForTheTariff)
{
    openEditor();
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    click("fltbutton2");
    ASSERT_TRUE(window_->findChild<QWidget*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_EQ(comboBox("cboTar")->currentText(), QStringLiteral("Minuto"));
    EXPECT_FALSE(button("fltOK")->isEnabled());
    type("Text3", QStringLiteral("Infostrada"));
    EXPECT_TRUE(button("fltOK")->isEnabled());
    comboBox("cboTar")->setCurrentIndex(comboBox("cboTar")->findText(QStringLiteral("Scatto")));
    click("fltOK");

    EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_EQ(comboBox("cboCompagnie")->currentText(), QStringLiteral("Infostrada"));
    Database opened = database();
    const Compagnia added = TariffStore(opened).companies().back();
    EXPECT_EQ(added.nome, QStringLiteral("Infostrada"));
    EXPECT_EQ(added.tipotariffazione, QStringLiteral("Scatto"));

    click("fltbutton2");
    EXPECT_EQ(lineEdit("Text3")->text(), QStringLiteral("0"));
    EXPECT_TRUE(button("fltOK")->isEnabled());
    EXPECT_EQ(comboBox("cboTar")->currentText(), QStringLiteral("Minuto")) << "the panel starts per minute again";
    click("fltbutton4");

    reachFirstBandPage();
    EXPECT_EQ(tariffs().back().idCompagnia, added.id);
    EXPECT_TRUE(shownColumnCaptions().contains(QStringLiteral("Durata (sec)")));

    window_->close();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(WizardTest, NewCompanyCancelledWritesNothing)
{
    openEditor();
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    click("fltbutton2");
    type("Text3", QStringLiteral("Albacom"));
    click("fltbutton4");

    EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("Picture1"))->isVisible());
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 2);
    Database opened = database();
    EXPECT_EQ(TariffStore(opened).companies().size(), 2);
    click("fltbutton1");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(changed.count(), 0) << "nothing was written";
}

class EmptyWizardTest : public WizardTest {
protected:
    EmptyWizardTest() : WizardTest(Content::Empty) {}
};

TEST_F(EmptyWizardTest, WithoutCompaniesForwardWaitsForANewOne)
{
    openEditor();
    EXPECT_EQ(comboBox("cboCompagnie")->currentIndex(), -1);
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 0);

    click("fltbutton2");
    type("Text3", QStringLiteral("Wind"));
    click("fltOK");
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
    reachFirstBandPage();
    EXPECT_EQ(tariffs().size(), 1);
}

TEST_F(WizardTest, FailuresReachTheMessageLine)
{
    openEditor();
    reachFirstBandPage();
    ASSERT_TRUE(QFile::remove(scratch_.path()));

    click("fltbutton3");
    EXPECT_TRUE(message().contains(QStringLiteral("does not exist"))) << message().toStdString();
    EXPECT_EQ(grid()->model()->rowCount(), 0);

    click("fltIndietro");
    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 1) << "the tariff could not be saved";
    EXPECT_FALSE(message().isEmpty());
}

TEST_F(WizardTest, AnUnreadableFileStillOpensTheWindow)
{
    ASSERT_TRUE(QFile::remove(scratch_.path()));
    openEditor();
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);
    EXPECT_TRUE(message().contains(QStringLiteral("does not exist")));
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
}

} // namespace
} // namespace zrt::test
