#include "ui/common/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A folder that cannot be created, as for a user without rights, is one
// below a plain file.
TEST(XdgAutostart, WritesWhereItMayAndSwitchingOffLeavesNoEntryBehind)
{
    const struct { const char* name; bool machineWritable; bool userWritable; AutostartOutcome expected; } cases[] = {
        {"with rights", true, true, AutostartOutcome::MachineWide},
        {"without rights", false, true, AutostartOutcome::PerUser},
        {"nowhere to write", false, false, AutostartOutcome::Failed},
    };
    const QString program = QStringLiteral("/opt/zr tellix/zrtellix");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        QFile(root.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        const auto folder = [&](bool writable, const char* name) {
            return root.filePath(QLatin1String(writable ? "" : "file/") + QLatin1String(name));
        };
        XdgAutostart autostart(folder(c.machineWritable, "etc/xdg/autostart"),
                               folder(c.userWritable, "config/autostart"));
        if (c.userWritable) {
            QDir().mkpath(folder(true, "config/autostart"));
            QFile(autostart.userEntry()).open(QIODevice::WriteOnly); // an older per-user entry
        }

        EXPECT_EQ(autostart.switchOn(kAutostartName, program), c.expected);
        const QString written = c.machineWritable ? autostart.machineEntry() : autostart.userEntry();
        EXPECT_EQ(readAll(written), c.userWritable ? autostartDesktopEntry(kAutostartName, program) : QString());
        EXPECT_EQ(QFile::exists(autostart.userEntry()), c.expected == AutostartOutcome::PerUser);
        EXPECT_EQ(autostart.isOn(), c.userWritable);

        EXPECT_TRUE(autostart.switchOff());
        EXPECT_FALSE(autostart.isOn());
    }
}

TEST(AutostartEntry, QuotesTheProgramPath)
{
    const QString entry = autostartDesktopEntry(kAutostartName, QStringLiteral("/opt/my \"zr\" $HOME/100%/zrtellix"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/opt/my \\\"zr\\\" \\$HOME/100%%/zrtellix\"\n")))
        << entry.toStdString();
}

} // namespace
} // namespace zrt::test
