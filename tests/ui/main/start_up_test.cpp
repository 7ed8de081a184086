#include "main_window_fixture.h"

#include "ui/main/intro_window.h"
#include "ui/main/start_up.h"
#include "ui/main/tariff_update_offer.h"
#include "ui/main/tray_codes.h"
#include "ui/main/tray_icon.h"

#include "database/default_content.h"
#include "database/tariff_update.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QSignalSpy>
#include <QTreeWidget>

#include <optional>

namespace zrt::test {
namespace {

// The program started on its data folder, after its first run, with the
// shipped tariffs in its database.
class StartUpTest : public DesktopTest {
protected:
    StartUpTest()
    {
        settings.markRunBefore();
        createDatabaseFile(databasePath(), Content::DefaultTariffs);
    }

    QString databasePath() const { return dataFile("zrtell.T99"); }
    void query(const QString& sql) { Database(Database::open(databasePath())).query(sql); }

    StartUp& startUp()
    {
        program.emplace(dataFolder.path(),
                        StartUpServices{settings, dialUp, clock, autostart, dialogs, links, news, false});
        return *program;
    }

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // An update of the shipped pulse company, announced by "tariffe.ini".
    void deliverUpdate()
    {
        ScratchDatabase source;
        Database database = source.open();
        exportUpdate(database, QStringLiteral("Telecom Italia 1998"), dataFile("telecom.mdb"));
        touch(dataFile("tariffe.ini"));
    }

    UpdateOutcome offer()
    {
        Database database = Database::open(databasePath());
        return offerTariffUpdate(database, dataFolder.path(), settings, dialogs);
    }

    std::optional<StartUp> program;
};

// An entry made in the phonebook while the program runs is listed, with the
// default tariff, the next time the management window opens.
TEST_F(StartUpTest, OpeningSetupListsTheEntriesOfThePhonebookAsItIsNow)
{
    writeSim("entries", "Casa\n");
    StartUp& start = startUp();
    start.begin();
    start.runStep();
    writeSim("entries", "Casa\nNuova\n");
    emit start.mainWindow()->setupRequested(false);

    QTreeWidget* list = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!list)
            list = top->findChild<QTreeWidget*>(QStringLiteral("lstconnessioni"));
    }
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Nuova"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("Urbana 2000"));
}

TEST_F(StartUpTest, TheIntroComesFirstAndTheStepRunsOnce)
{
    StartUp& start = startUp();
    start.begin();
    ASSERT_TRUE(start.intro());
    start.runStep();
    MainWindow* window = start.mainWindow();
    ASSERT_TRUE(window);
    deleteClosedWindows();
    EXPECT_FALSE(start.intro()) << "closed once the main window is loaded";
    start.runStep();
    EXPECT_EQ(start.mainWindow(), window);
}

// With a tray the strip starts hidden, unless another start asked for it
// meanwhile, before or after the start-up step.
TEST_F(StartUpTest, TheStripComesToTheFrontWhenAskedEvenBeforeItIsLoaded)
{
    enum class Asked { Never, BeforeTheStep, AfterTheStep };
    const struct { const char* name; Asked asked; bool shown; } cases[] = {
        {"never asked", Asked::Never, false},
        {"asked during the intro", Asked::BeforeTheStep, true},
        {"asked later", Asked::AfterTheStep, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        program.emplace(dataFolder.path(), StartUpServices{settings, dialUp, clock, autostart, dialogs, links, news, true});
        program->begin();
        if (c.asked == Asked::BeforeTheStep)
            program->bringToFront();
        program->runStep();
        if (c.asked == Asked::AfterTheStep)
            program->bringToFront();
        EXPECT_EQ(program->mainWindow()->isVisible(), c.shown);
        program.reset();
        deleteClosedWindows();
    }
}

TEST_F(StartUpTest, ATickDuringTheUpdateQuestionDoesNotStartAgain)
{
    deliverUpdate();
    StartUp& start = startUp();
    dialogs.whileAsking = [&start] { start.runStep(); };
    start.runStep();
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_TRUE(start.mainWindow());
}

TEST_F(StartUpTest, ADatabaseThatCannotBeUsedIsReportedAndNothingOpens)
{
    QFile::remove(databasePath());
    StartUp& start = startUp();
    QSignalSpy failed(&start, &StartUp::failed);
    start.begin();
    start.runStep();
    EXPECT_EQ(failed.count(), 1);
    EXPECT_FALSE(start.mainWindow());
    EXPECT_TRUE(dialogs.warnings.value(0).contains(databasePath()));
    deleteClosedWindows();
    EXPECT_FALSE(start.intro());
}

using UpdateOffer = StartUpTest;

// A copy stopped part way leaves the database as it was and keeps the offer.
TEST_F(UpdateOffer, AskedUntilCopiedWholeThenRemovesOnlyItsMarker)
{
    deliverUpdate();
    touch(dataFile("zz-altro.ini"));
    EXPECT_EQ(offer(), UpdateOutcome::Declined);

    dialogs.answer = true;
    query(QStringLiteral("CREATE TRIGGER disk_full BEFORE INSERT ON Fasce WHEN (SELECT count(*) FROM Fasce) > 14 "
                         "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const QByteArray before = fileDigest(databasePath());
    EXPECT_EQ(offer(), UpdateOutcome::Failed);
    EXPECT_EQ(fileDigest(databasePath()), before);
    EXPECT_TRUE(dialogs.warnings.value(0).contains(QStringLiteral("il database è rimasto com'era")));

    query(QStringLiteral("DROP TRIGGER disk_full"));
    EXPECT_EQ(offer(), UpdateOutcome::Applied);
    EXPECT_FALSE(QFile::exists(dataFile("tariffe.ini")));
    EXPECT_TRUE(QFile::exists(dataFile("zz-altro.ini"))) << "only the marker that announced the update goes";
    QFile::remove(dataFile("zz-altro.ini"));
    EXPECT_EQ(offer(), UpdateOutcome::NotOffered);
}

TEST_F(UpdateOffer, AnUnusableUpdateIsReportedOnceAndNeverAsked)
{
    deliverUpdate();
    const QString update = dataFile("telecom.mdb");
    QFile(update).resize(QFileInfo(update).size() / 2);
    dialogs.answer = true;
    EXPECT_EQ(offer(), UpdateOutcome::Unusable);
    EXPECT_EQ(offer(), UpdateOutcome::Unusable);
    EXPECT_EQ(dialogs.warnings.size(), 1) << "reported once";
    EXPECT_EQ(dialogs.questions, 0);
}

// A code that arrives while one is handled is ignored; the next one after
// is not.
TEST(TrayIcon, LeftPressAsksForTheWindowRightReleaseForTheMenuOneCodeAtATime)
{
    TrayIcon tray{QIcon()};
    QSignalSpy menu(&tray, &TrayIcon::menuRequested);
    int shown = 0;
    QObject::connect(&tray, &TrayIcon::showWindowRequested, &tray, [&] {
        ++shown;
        tray.handleMouseCode(kTrayLeftButtonDown);
    });
    for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick,
                              QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        tray.handleMouseCode(trayMouseCode(reason));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(menu.count(), 1);
    tray.handleMouseCode(kTrayLeftButtonDown);
    EXPECT_EQ(shown, 2);
}

} // namespace
} // namespace zrt::test
