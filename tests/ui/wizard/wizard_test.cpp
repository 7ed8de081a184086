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
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    QSignalSpy confirmed(window_.get(), &frmCambiaTariffa::tariffConfirmed);
    click("fltAvanti");
    EXPECT_EQ(label("lblCompagnia")->text(), kTelecom);
    type("Text1", QStringLiteral("Urbana 2001"));
    click("fltAvanti");

    const struct { const char* heading; const char* forward; } bandPages[] = {
        {"Tariffe giorni FERIALI (lun-ven)", "Avanti >"},
        {"Tariffe giorni PREFESTIVI (sab)", "Avanti >"},
        {"Tariffe giorni FESTIVI (dom)", "OK"},
    };
    for (const auto& page : bandPages) {
        SCOPED_TRACE(page.heading);
        EXPECT_EQ(label("LBLfASCIA")->text(), QString::fromUtf8(page.heading));
        EXPECT_EQ(button("fltAvanti")->Caption(), QString::fromUtf8(page.forward));
        EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no band yet";
        click("fltbutton3");
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

TEST_F(WizardTest, GoingBackRetracesThePagesKeepingWhatWasTyped)
{
    openEditor();
    reachFirstBandPage();
    for (int page = 0; page < 2; ++page) {
        click("fltbutton3");
        click("fltAvanti");
    }
    click("fltIndietro");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni PREFESTIVI (sab)"));
    EXPECT_EQ(button("fltAvanti")->Caption(), QStringLiteral("Avanti >"));
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the Saturday band is listed again";
    click("fltIndietro");
    click("fltIndietro");
    EXPECT_EQ(lineEdit("Text1")->text(), QStringLiteral("Urbana"));
    EXPECT_TRUE(button("fltAvanti")->isEnabled()) << "the description is still there";
    lineEdit("Text1")->clear();
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    EXPECT_EQ(tariffs().back().descrizione, QStringLiteral("Urbana")) << "written only going forward";
    click("fltIndietro");
    EXPECT_EQ(shownPanel(), 0);
    EXPECT_FALSE(button("fltIndietro")->isEnabled());
}

TEST_F(WizardTest, ForwardWaitsForADescriptionAndABand)
{
    openEditor();
    click("fltAvanti");
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "a tariff needs a description";
    type("Text1", QStringLiteral("   "));
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    type("Text1", QStringLiteral("Urbana"));
    click("fltAvanti");
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "no weekday band yet";
    click("fltbutton3");
    click("fltbutton3");
    click("fltElimina");
    EXPECT_TRUE(button("fltAvanti")->isEnabled());
    click("fltElimina");
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    click("fltAvanti");
    EXPECT_EQ(label("LBLfASCIA")->text(), QStringLiteral("Tariffe giorni FERIALI (lun-ven)")) << "a disabled button";
}

// The tariff made on the first pass is kept, not made again, and its bands
// follow it to the company chosen on the second; the columns follow the
// company's charging method.
TEST_F(WizardTest, PassingTheFirstBandPageTwiceKeepsOneTariffAndMovesItsBands)
{
    openEditor();
    const qsizetype before = tariffs().size();
    chooseCompany(kTelecom1998);
    reachFirstBandPage(QStringLiteral("Prima"));
    EXPECT_EQ(shownColumnCaptions(),
              (QStringList{"Inizio", "Fine", "Durata (sec)", "Costo Scatto (*)", "Costo Risposta (*)"}));
    click("fltbutton3");
    const int key = tariffs().back().id;

    click("fltIndietro");
    click("fltIndietro");
    chooseCompany(kTelecom);
    reachFirstBandPage(QStringLiteral("Seconda"));
    EXPECT_EQ(shownColumnCaptions(), (QStringList{"Inizio", "Fine", "Costo al Minuto (*)", "Costo Risposta (*)"}));
    EXPECT_EQ(label("Label5")->text(), kTelecom);

    EXPECT_EQ(tariffs().size(), before + 1);
    const TariffaInfo saved = tariffs().back();
    EXPECT_EQ(saved.id, key);
    EXPECT_EQ(saved.descrizione, QStringLiteral("Seconda"));
    EXPECT_EQ(saved.compagnia, kTelecom);
    const QList<Fascia> fer = bands(key, DayType::Fer);
    ASSERT_EQ(fer.size(), 1);
    EXPECT_EQ(fer.front().idCompagnia, saved.idCompagnia) << "the band follows its tariff's company";
}

TEST_F(WizardTest, PreselectionTakesTheLastCompanyOfExactlyThatName)
{
    {
        Database opened = database();
        TariffStore(opened).addCompany(kTelecom, QStringLiteral("Scatto"));
    }
    const struct { const char* name; int row; } cases[] = {
        {"Wind", 0}, {"Telecom", 0}, {"Telecom Italia 1998", 1}, {"Telecom Italia", 2}};
    for (const auto& c : cases) {
        openEditor();
        window_->selectCompany(QString::fromUtf8(c.name));
        EXPECT_EQ(comboBox("cboCompagnie")->currentIndex(), c.row) << c.name;
    }
    click("fltAvanti");
    EXPECT_EQ(label("lblCompagnia")->text(), kTelecom);
}

TEST_F(WizardTest, ANewCompanyIsSavedSelectedAndUsedForTheTariff)
{
    openEditor();
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    click("fltbutton2");
    ASSERT_TRUE(find<QWidget>("Picture1")->isVisible());
    EXPECT_EQ(comboBox("cboTar")->currentText(), QStringLiteral("Minuto"));
    EXPECT_FALSE(button("fltOK")->isEnabled());
    type("Text3", QStringLiteral("Infostrada"));
    comboBox("cboTar")->setCurrentText(QStringLiteral("Scatto"));
    click("fltOK");

    EXPECT_FALSE(find<QWidget>("Picture1")->isVisible());
    EXPECT_EQ(comboBox("cboCompagnie")->currentText(), QStringLiteral("Infostrada"));
    Database opened = database();
    const Compagnia added = TariffStore(opened).companies().back();
    EXPECT_EQ(added.nome, QStringLiteral("Infostrada"));
    EXPECT_EQ(added.tipotariffazione, QStringLiteral("Scatto"));

    click("fltbutton2");
    EXPECT_EQ(lineEdit("Text3")->text(), QStringLiteral("0"));
    EXPECT_EQ(comboBox("cboTar")->currentText(), QStringLiteral("Minuto")) << "the panel starts per minute again";
    click("fltbutton4");
    reachFirstBandPage();
    EXPECT_EQ(tariffs().back().idCompagnia, added.id);
    window_->close();
    EXPECT_EQ(changed.count(), 1);
}

class EmptyWizardTest : public WizardTest {
protected:
    EmptyWizardTest() : WizardTest(Content::Empty) {}
};

TEST_F(EmptyWizardTest, WithoutCompaniesForwardWaitsForANewOneAndACancelledOneWritesNothing)
{
    openEditor();
    QSignalSpy changed(window_.get(), &frmCambiaTariffa::tariffsChanged);
    EXPECT_FALSE(button("fltAvanti")->isEnabled());
    click("fltAvanti");
    EXPECT_EQ(shownPanel(), 0);
    click("fltbutton2");
    type("Text3", QStringLiteral("Albacom"));
    click("fltbutton4");
    EXPECT_FALSE(find<QWidget>("Picture1")->isVisible());
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);
    click("fltbutton1");
    EXPECT_EQ(changed.count(), 0) << "nothing was written";

    openEditor();
    click("fltbutton2");
    type("Text3", QStringLiteral("Wind"));
    click("fltOK");
    reachFirstBandPage();
    EXPECT_EQ(tariffs().size(), 1);
}

TEST_F(WizardTest, FailuresReachTheMessageLine)
{
    ASSERT_TRUE(QFile::copy(scratch_.path(), scratch_.path() + QStringLiteral(".kept")));
    ASSERT_TRUE(QFile::remove(scratch_.path()));
    openEditor();
    EXPECT_EQ(comboBox("cboCompagnie")->count(), 0);
    EXPECT_TRUE(message().contains(QStringLiteral("does not exist")));
    EXPECT_FALSE(button("fltAvanti")->isEnabled()) << "an unreadable file still opens the window";

    ASSERT_TRUE(QFile::rename(scratch_.path() + QStringLiteral(".kept"), scratch_.path()));
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

} // namespace
} // namespace zrt::test
