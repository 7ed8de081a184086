#include "ui/setup/xdg_autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt {
namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void touch(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

class Autostart : public testing::Test {
protected:
    QString machineFolder() const { return root_.filePath(QStringLiteral("etc/xdg/autostart")); }
    QString userFolder() const { return root_.filePath(QStringLiteral("home/.config/autostart")); }
    // A machine folder that cannot be created, as for a user without rights.
    QString lockedFolder()
    {
        touch(root_.filePath(QStringLiteral("etc-is-a-file")));
        return root_.filePath(QStringLiteral("etc-is-a-file/autostart"));
    }

    QTemporaryDir root_;
};

TEST_F(Autostart, SwitchingOnWritesAnEntryThatStartsTheProgram)
{
    XdgAutostart autostart(machineFolder(), userFolder());
    ASSERT_EQ(autostart.switchOn(kAutostartName, QStringLiteral("/opt/zr tellix/zrtellix")),
              AutostartOutcome::MachineWide);
    EXPECT_EQ(readAll(autostart.machineEntry()),
              autostartDesktopEntry(kAutostartName, QStringLiteral("/opt/zr tellix/zrtellix")));
}

TEST_F(Autostart, OnAndOffAcrossRights)
{
    const struct {
        const char* name;
        bool machineWritable;
        AutostartOutcome expected;
        bool machineEntry;
        bool userEntry;
    } cases[] = {
        {"with rights", true, AutostartOutcome::MachineWide, true, false},
        {"without rights", false, AutostartOutcome::PerUser, false, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QString machine = c.machineWritable ? root.filePath(QStringLiteral("etc/xdg/autostart"))
                                                  : root.filePath(QStringLiteral("etc-is-a-file/autostart"));
        touch(root.filePath(QStringLiteral("etc-is-a-file")));
        XdgAutostart autostart(machine, root.filePath(QStringLiteral("config/autostart")));
        QDir().mkpath(root.filePath(QStringLiteral("config/autostart")));
        touch(autostart.userEntry()); // an older per-user entry

        EXPECT_EQ(autostart.switchOn(kAutostartName, QStringLiteral("/usr/bin/zrtellix")), c.expected) << c.name;
        EXPECT_EQ(QFile::exists(autostart.machineEntry()), c.machineEntry) << c.name;
        EXPECT_EQ(QFile::exists(autostart.userEntry()), c.userEntry) << c.name;
        EXPECT_TRUE(autostart.isOn()) << c.name;

        EXPECT_TRUE(autostart.switchOff()) << c.name;
        EXPECT_FALSE(autostart.isOn()) << c.name << ": switching off leaves no entry behind";
    }
}

TEST_F(Autostart, NowhereToWriteIsReportedAsFailure)
{
    touch(root_.filePath(QStringLiteral("config-is-a-file")));
    XdgAutostart autostart(lockedFolder(), root_.filePath(QStringLiteral("config-is-a-file/autostart")));
    EXPECT_EQ(autostart.switchOn(kAutostartName, QStringLiteral("/usr/bin/zrtellix")), AutostartOutcome::Failed);
    EXPECT_FALSE(autostart.isOn());
}

TEST(AutostartEntry, QuotesTheProgramPath)
{
    const QString entry = autostartDesktopEntry(kAutostartName, QStringLiteral("/opt/my \"zr\" $HOME/100%/zrtellix"));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Name=ZR Tellix 99\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/opt/my \\\"zr\\\" \\$HOME/100%%/zrtellix\"\n")))
        << entry.toStdString();
}

} // namespace
} // namespace zrt
