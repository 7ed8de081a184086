#include "fakes.h"

#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"
#include "tests/monitor/fake_clock.h"

#include "ui/main/form1.h"
#include "ui/main/frmintro.h"
#include "ui/main/settings.h"
#include "ui/main/start_up.h"
#include "ui/main/tray_icon.h"
#include "ui/setup/program_identity.h"

#include "database/association_store.h"
#include "database/default_content.h"
#include "database/schema.h"
#include "database/tariff_update.h"
#include "monitor/dialup/sim_dialup.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

namespace zrt::test {
namespace {

TEST(VersionCaption, IsVerOneAndTheRevision)
{
    EXPECT_EQ(versionCaption(QVersionNumber(1, 0, 4)), QStringLiteral("Ver. 1.4"));
    EXPECT_EQ(versionCaption(QVersionNumber(1, 2, 17)), QStringLiteral("Ver. 1.17"));
    EXPECT_EQ(versionCaption(QVersionNumber(1)), QStringLiteral("Ver. 1.0"));
}

// The program started on a data folder of its own, with the simulated
// dialer's phonebook "Casa" and "Ufficio".
class StartUpTest : public testing::Test {
protected:
    StartUpTest()
    {
        std::ofstream(simFolder.path() / "entries") << "Casa\nUfficio\n";
        settings.markRunBefore();
    }

    QString databasePath() const { return dataFolder.filePath(QStringLiteral("zrtell.T99")); }
    void createDatabase() { createDatabaseFile(databasePath(), Content::DefaultTariffs); }

    StartUp& startUp(bool trayAvailable = false)
    {
        program.emplace(dataFolder.path(), StartUpServices{settings, dialUp, clock, autostart, dialogs, links,
                                                           network, trayAvailable});
        return *program;
    }

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dataFolder;
    QTemporaryDir settingsFolder;
    Settings settings{settingsFolder.filePath(QStringLiteral("settings.ini"))};
    TempDir simFolder;
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{{{2026, 12, 7}, {10 * 3600}}};
    FakeAutostart autostart;
    RecordingDialogs dialogs;
    RecordingLinks links;
    FakeNetwork network;
    std::optional<StartUp> program;
};

TEST_F(StartUpTest, TheIntroComesFirstAndTheStepASecondLater)
{
    createDatabase();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));
    StartUp& start = startUp();
    start.begin();
    ASSERT_TRUE(start.intro());
    EXPECT_TRUE(start.intro()->isVisible());
    EXPECT_EQ(start.intro()->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Ver. 1.4"));
    const QTimer& timer = start.intro()->startUpTimer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(timer.isSingleShot()) << "the step is due once";
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_FALSE(start.mainWindow());
}

TEST_F(StartUpTest, TheStepRunsOnceAndHandsOverToTheMainWindow)
{
    createDatabase();
    StartUp& start = startUp();
    start.begin();
    start.runStep();
    Form1* window = start.mainWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    deleteClosedWindows();
    EXPECT_FALSE(start.intro()) << "closed once the main window became active";

    start.runStep();
    EXPECT_EQ(start.mainWindow(), window);

    Database database = Database::open(databasePath());
    AssociationStore associations(database);
    EXPECT_TRUE(associations.find(QStringLiteral("Casa")));
    EXPECT_TRUE(associations.find(QStringLiteral("Ufficio")));
}

TEST_F(StartUpTest, ATickDuringTheUpdateQuestionDoesNotStartAgain)
{
    createDatabase();
    {
        test::ScratchDatabase source;
        Database database = source.open();
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"),
                     dataFolder.filePath(QStringLiteral("telecom.mdb")));
    }
    QFile(dataFolder.filePath(QStringLiteral("nuove.ini"))).open(QIODevice::WriteOnly);
    StartUp& start = startUp();
    dialogs.whileAsking = [&start] { start.runStep(); };
    start.runStep();
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_TRUE(start.mainWindow());
}

TEST_F(StartUpTest, AnOlderDatabaseFileIsUpgradedInPlace)
{
    {
        Database database = Database::create(databasePath());
        database.query(QStringLiteral("DROP TABLE Fasce"));
        database.query(QStringLiteral("CREATE TABLE Fasce (id INTEGER PRIMARY KEY, id_compagnia INTEGER, "
                                      "id_Tariffa INTEGER, tipo TEXT, Inizio TEXT, Fine TEXT, Durata REAL, "
                                      "Costo REAL, CostoAllaRisposta REAL)"));
        database.query(QStringLiteral(
            "INSERT INTO Fasce VALUES (1, 1, 1, 'FER', '00:00:00', '24:00:00', 180, 127, 127)"));
    }
    startUp().runStep();
    Database database = Database::open(databasePath());
    EXPECT_TRUE(fieldExists(database, table::kFasce, QStringLiteral("SecondoCosto")));
    QSqlQuery band = database.query(QStringLiteral("SELECT SecondoCosto, Costo FROM Fasce"));
    ASSERT_TRUE(band.next());
    EXPECT_TRUE(band.value(0).isNull());
    EXPECT_EQ(band.value(1).toInt(), 127);
}

TEST_F(StartUpTest, ADatabaseThatCannotBeUsedIsReportedAndNothingOpens)
{
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
    } cases[] = {
        {"missing", [](const QString&) {}},
        {"not a database",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write("ZR Tellix 99 tariffe\n");
         }},
        {"not ours", [](const QString& path) { Database::createEmpty(path); }},
    };
    for (const auto& c : cases) {
        QFile::remove(databasePath());
        c.make(databasePath());
        dialogs.warnings.clear();
        StartUp& start = startUp();
        QSignalSpy failed(&start, &StartUp::failed);
        start.begin();
        start.runStep();
        EXPECT_EQ(failed.count(), 1) << c.name;
        EXPECT_FALSE(start.mainWindow()) << c.name;
        ASSERT_EQ(dialogs.warnings.size(), 1) << c.name;
        EXPECT_TRUE(dialogs.warnings.first().contains(databasePath())) << c.name;
        deleteClosedWindows();
        EXPECT_FALSE(start.intro()) << c.name;
    }
}

TEST_F(StartUpTest, WithATrayTheWindowWaitsOffScreenForTheIcon)
{
    createDatabase();
    settings.savePosition(1500, 3000);
    StartUp& start = startUp(true);
    start.runStep();
    ASSERT_TRUE(start.tray());
    EXPECT_LT(start.mainWindow()->y(), 0);
    EXPECT_EQ(start.tray()->toolTip(), QStringLiteral("ZR Tellix 99"));

    start.tray()->handleMouseCode(513);
    EXPECT_EQ(start.mainWindow()->pos(), QPoint(100, 200));
}

} // namespace
} // namespace zrt::test
