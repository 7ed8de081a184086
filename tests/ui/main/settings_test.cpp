#include "ui/main/settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

class SettingsFile : public testing::Test {
protected:
    void write(const QByteArray& ini)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
    }
    QString path() const { return folder_.filePath(QStringLiteral("zr.ini")); }

    QTemporaryDir folder_;
};

TEST_F(SettingsFile, DefaultsOfAFirstRun)
{
    const Settings settings(path());
    EXPECT_TRUE(settings.newsOn());
    EXPECT_FALSE(settings.hasRunBefore());
    EXPECT_FALSE(settings.autostartOn()) << "a missing Auto reads as off";
    EXPECT_FALSE(settings.savedLeft());
    EXPECT_TRUE(settings.newsUrl().isEmpty());
}

TEST_F(SettingsFile, StoredTextsAreReadAsTheProgramWroteThem)
{
    const struct {
        const char* ini;
        bool newsOn;
        bool runBefore;
        bool autostart;
    } cases[] = {
        {"[setting]\nNews=0\n[SecondoAvvio]\nValore=-1\nAuto=-1\n", false, true, true},
        {"[setting]\nNews=1\n[SecondoAvvio]\nValore=0\nAuto=0\n", true, false, false},
        {"[setting]\nNews=sì\n[SecondoAvvio]\nValore=boh\nAuto=vero\n", true, false, false},
    };
    for (const auto& c : cases) {
        write(c.ini);
        const Settings settings(path());
        EXPECT_EQ(settings.newsOn(), c.newsOn) << c.ini;
        EXPECT_EQ(settings.hasRunBefore(), c.runBefore) << c.ini;
        EXPECT_EQ(settings.autostartOn(), c.autostart) << c.ini;
    }
}

TEST_F(SettingsFile, WrittenValuesSurviveAndStayPrivate)
{
    {
        Settings settings(path());
        settings.setNewsOn(false);
        settings.savePosition(-300, 9000);
        settings.markRunBefore();
        settings.setAutostartOn(true);
        settings.sync();
    }
    const Settings settings(path());
    EXPECT_FALSE(settings.newsOn());
    EXPECT_EQ(settings.savedLeft(), -300);
    EXPECT_EQ(settings.savedTop(), 9000);
    EXPECT_TRUE(settings.hasRunBefore());
    EXPECT_TRUE(settings.autostartOn());
    EXPECT_EQ(QFile::permissions(path()) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

} // namespace
} // namespace zrt
