#include "main_window_fixture.h"

#include "ui/main/frmintro.h"
#include "ui/main/start_up.h"
#include "ui/main/tray_codes.h"
#include "ui/main/tray_icon.h"

#include "database/default_content.h"
#include "database/schema.h"
#include "database/tariff_update.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <optional>

namespace zrt::test {
namespace {

// The program started on its data folder, after its first run.
class StartUpTest : public DesktopTest {
protected:
    StartUpTest() { settings.markRunBefore(); }

    QString databasePath() const { return dataFile("zrtell.T99"); }
    void createDatabase() { createDatabaseFile(databasePath(), Content::DefaultTariffs); }

    StartUp& startUp(bool trayAvailable = false)
    {
        program.emplace(dataFolder.path(), StartUpServices{settings, dialUp, clock, autostart, dialogs, links,
                                                           news, trayAvailable});
        return *program;
    }

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::optional<StartUp> program;
};

TEST_F(StartUpTest, TheIntroComesFirstAndTheStepOnceASecondLater)
{
    createDatabase();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));
    StartUp& start = startUp();
    start.begin();
    ASSERT_TRUE(start.intro());
    EXPECT_EQ(start.intro()->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Ver. 1.4"));
    const QTimer& timer = start.intro()->startUpTimer();
    EXPECT_TRUE(timer.isActive() && timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_FALSE(start.mainWindow());

    start.runStep();
    Form1* window = start.mainWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    deleteClosedWindows();
    EXPECT_FALSE(start.intro()) << "closed once the main window became active";
    start.runStep();
    EXPECT_EQ(start.mainWindow(), window);

    Database database = Database::open(databasePath());
    EXPECT_TRUE(AssociationStore(database).find(QStringLiteral("Ufficio"))) << "every entry gets a tariff";
}

TEST_F(StartUpTest, ATickDuringTheUpdateQuestionDoesNotStartAgain)
{
    createDatabase();
    {
        ScratchDatabase source;
        Database database = source.open();
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"), dataFile("telecom.mdb"));
    }
    writeFile(dataFile("nuove.ini"), {});
    StartUp& start = startUp();
    dialogs.whileAsking = [&start] { start.runStep(); };
    start.runStep();
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_TRUE(start.mainWindow());
}

TEST_F(StartUpTest, AnOlderDatabaseFileIsUpgradedInPlace)
{
    createDatabase();
    Database(Database::open(databasePath())).query(QStringLiteral("ALTER TABLE Fasce DROP COLUMN SecondoCosto"));
    startUp().runStep();
    Database database = Database::open(databasePath());
    EXPECT_TRUE(fieldExists(database, table::kFasce, QStringLiteral("SecondoCosto")));
}

TEST_F(StartUpTest, ADatabaseThatCannotBeUsedIsReportedAndNothingOpens)
{
    const struct { const char* name; std::function<void(const QString&)> make; } cases[] = {
        {"missing", [](const QString&) {}},
        {"not a database", [](const QString& path) { writeFile(path, "ZR Tellix 99 tariffe\n"); }},
        {"not ours", [](const QString& path) { Database::createEmpty(path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(databasePath());
        c.make(databasePath());
        dialogs.warnings.clear();
        StartUp& start = startUp();
        QSignalSpy failed(&start, &StartUp::failed);
        start.begin();
        start.runStep();
        EXPECT_EQ(failed.count(), 1);
        EXPECT_FALSE(start.mainWindow());
        ASSERT_EQ(dialogs.warnings.size(), 1);
        EXPECT_TRUE(dialogs.warnings.first().contains(databasePath()));
        deleteClosedWindows();
        EXPECT_FALSE(start.intro());
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
    start.tray()->handleMouseCode(kTrayLeftButtonDown);
    EXPECT_EQ(start.mainWindow()->pos(), QPoint(100, 200));
}

} // namespace
} // namespace zrt::test
