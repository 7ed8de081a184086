#include "ui/main/settings.h"
#include "ui/main/window_placement.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(SettingsFile, StoredTextsAreReadAsTheProgramWroteThem)
{
    const struct { const char* ini; bool newsOn; bool runBefore; bool autostart; } cases[] = {
        {"", true, false, false}, // a first run
        {"[setting]\nNews=0\n[SecondoAvvio]\nValore=-1\nAuto=-1\n", false, true, true},
        {"[setting]\nNews=1\n[SecondoAvvio]\nValore=0\nAuto=0\n", true, false, false},
        {"[setting]\nNews=sì\n[SecondoAvvio]\nValore=boh\nAuto=vero\n", true, false, false},
    };
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zr.ini"));
    for (const auto& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.ini);
        file.close();
        const Settings settings(path);
        EXPECT_EQ(settings.newsOn(), c.newsOn) << c.ini;
        EXPECT_EQ(settings.hasRunBefore(), c.runBefore) << c.ini;
        EXPECT_EQ(settings.autostartOn(), c.autostart) << c.ini;
        EXPECT_EQ(settings.savedLeft(), std::nullopt);
    }
}

TEST(SettingsFile, WrittenValuesSurviveAndStayPrivate)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zr.ini"));
    {
        Settings settings(path);
        settings.setNewsOn(false);
        settings.savePosition(-300, 9000);
        settings.markRunBefore();
        settings.setAutostartOn(true);
        settings.sync();
    }
    const Settings settings(path);
    EXPECT_FALSE(settings.newsOn());
    EXPECT_EQ(QPoint(*settings.savedLeft(), *settings.savedTop()), QPoint(-300, 9000));
    EXPECT_TRUE(settings.hasRunBefore() && settings.autostartOn());
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

TEST(SavedWindowPosition, CorrectsPositionsOffTheScreen)
{
    const QSize window(3000, 690);
    const QSize screen(15360, 11520); // 1024 × 768 pixels
    const struct { const char* name; std::optional<int> left, top; QPoint expected; } cases[] = {
        {"first run: top right", std::nullopt, std::nullopt, {12360, 0}},
        {"saved and visible", 4000, 2000, {4000, 2000}},
        {"right of a smaller screen", 20000, 2000, {12360, 2000}},
        {"left of the screen", -450, 2000, {0, 2000}},
        {"above the screen", 4000, -15, {4000, 0}},
        {"below a smaller screen", 4000, 12000, {4000, 0}},
        {"just inside the right edge", 15360, 0, {15360, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(savedWindowPosition(c.left, c.top, window, screen), c.expected) << c.name;
}

} // namespace
} // namespace zrt
