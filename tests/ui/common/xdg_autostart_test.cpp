#include "ui/common/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zrt::test {
namespace {

const QString kProgram = QStringLiteral("/opt/zr tellix/zrtellix");

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

// Both autostart folders below a temporary root; a folder that cannot be
// created, as for a user without rights, is one below a plain file.
struct Folders {
    explicit Folders(bool userWritable = true)
    {
        write(root.filePath(QStringLiteral("file")), {});
        userFolder = root.filePath(QLatin1String(userWritable ? "" : "file/") + QLatin1String("config/autostart"));
    }
    XdgAutostart autostart(const QStringList& options = {}) const { return {machineFolder, userFolder, options}; }

    QTemporaryDir root;
    QString machineFolder = root.filePath(QStringLiteral("etc/xdg/autostart"));
    QString userFolder;
};

TEST(XdgAutostart, SwitchesOnForThisUserOnlyWhateverTheRights)
{
    for (const bool userWritable : {true, false}) {
        SCOPED_TRACE(userWritable ? "user folder writable" : "user folder not writable");
        const Folders folders(userWritable);
        QDir().mkpath(folders.machineFolder);
        XdgAutostart autostart = folders.autostart();

        EXPECT_EQ(autostart.switchOn(kAutostartName, kProgram), userWritable);
        EXPECT_FALSE(QFile::exists(autostart.machineEntry())) << "never written for every user";
        EXPECT_EQ(readAll(autostart.userEntry()), userWritable ? autostartDesktopEntry(kAutostartName, kProgram) : QString());
        EXPECT_EQ(autostart.isOn(), userWritable);
    }
}

// What is in /etc/xdg/autostart when the user switches autostart off.
TEST(XdgAutostart, SwitchingOffRemovesTheMachineEntryOnlyWhenThisProgramWroteItAndTheUserMay)
{
    const QString generated = autostartDesktopEntry(QStringLiteral("Old name"), QStringLiteral("/usr/bin/zrtellix"));
    QString edited = generated;
    edited.replace(QStringLiteral("Terminal=false"), QStringLiteral("Terminal=true"));
    const bool root = ::geteuid() == 0;
    const struct { const char* name; QString machineText; bool folderWritable; bool machineLeft; bool switchedOff; } cases[] = {
        {"no machine entry", {}, true, false, true},
        {"written by the program", generated, true, false, true},
        {"edited by the administrator", edited, true, true, true},
        {"written by the program, folder read-only", generated, false, !root, root},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Folders folders;
        XdgAutostart autostart = folders.autostart();
        ASSERT_TRUE(autostart.switchOn(kAutostartName, kProgram));
        if (!c.machineText.isEmpty())
            write(autostart.machineEntry(), c.machineText);
        QDir().mkpath(folders.machineFolder);
        ::chmod(QFile::encodeName(folders.machineFolder).constData(), c.folderWritable ? 0700 : 0500);

        EXPECT_EQ(autostart.switchOff(), c.switchedOff);
        EXPECT_FALSE(QFile::exists(autostart.userEntry()));
        EXPECT_EQ(QFile::exists(autostart.machineEntry()), c.machineLeft);
        EXPECT_EQ(autostart.isOn(), c.machineLeft && c.machineText == generated);
        ::chmod(QFile::encodeName(folders.machineFolder).constData(), 0700);
    }
}

TEST(AutostartEntry, ExecQuotesThePathAndTheOptionsTheProgramStartedWith)
{
    const struct { QString path; QStringList options; QString exec; } cases[] = {
        {kProgram, {}, QStringLiteral(R"("/opt/zr tellix/zrtellix")")},
        {QStringLiteral("/opt/my \"zr\" $HOME/100%/zrtellix"), {},
         QStringLiteral(R"("/opt/my \"zr\" \$HOME/100%%/zrtellix")")},
        {QStringLiteral("/usr/bin/zrtellix"),
         {QStringLiteral("--dialup"), QStringLiteral("sim:/tmp/a b"), QStringLiteral("--data-dir"),
          QStringLiteral("/home/x/`dati`\\")},
         QStringLiteral(R"("/usr/bin/zrtellix" "--dialup" "sim:/tmp/a b" "--data-dir" "/home/x/\`dati\`\\")")},
    };
    for (const auto& c : cases) {
        const QString entry = autostartDesktopEntry(kAutostartName, c.path, c.options);
        EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + c.exec + QLatin1Char('\n'))) << entry.toStdString();
        EXPECT_TRUE(isAutostartDesktopEntry(entry));
    }
}

TEST(AutostartEntry, OnlyAnEntryAsTheProgramWritesItIsRecognised)
{
    const QString generated = autostartDesktopEntry(QStringLiteral("Any"), kProgram, {QStringLiteral("--show")});
    const struct { const char* name; QString text; bool recognised; } cases[] = {
        {"as written", generated, true},
        {"a line added", generated + QStringLiteral("Hidden=true\n"), false},
        {"a line changed", QString(generated).replace(QStringLiteral("Icon=zrtellix"), QStringLiteral("Icon=x")), false},
        {"a line removed", QString(generated).remove(QStringLiteral("Terminal=false\n")), false},
        {"empty", {}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isAutostartDesktopEntry(c.text), c.recognised) << c.name;
}

} // namespace
} // namespace zrt::test
