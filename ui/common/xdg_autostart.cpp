#include "xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(autostartLog, "zrtellix.autostart")

const QString kEntryFileName = QStringLiteral("zrtellix.desktop");

// Desktop entry Exec values quote arguments with double quotes and escape
// the characters that stay special inside them.
QString quotedExec(const QString& path)
{
    QString escaped;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool writeEntry(const QString& folder, const QString& path, const QString& text)
{
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool removeEntry(const QString& path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace

QString autostartDesktopEntry(const QString& name, const QString& executablePath)
{
    QString singleLineName = name;
    singleLineName.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Cost meter for dial-up connections\n"
                          "Exec=%2\n"
                          "Icon=zrtellix\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(singleLineName, quotedExec(executablePath));
}

XdgAutostart::XdgAutostart(QString machineFolder, QString userFolder)
    : machineFolder_(std::move(machineFolder)), userFolder_(std::move(userFolder))
{
}

XdgAutostart XdgAutostart::forThisSystem()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return XdgAutostart(QStringLiteral("/etc/xdg/autostart"), configHome + QStringLiteral("/autostart"));
}

QString XdgAutostart::machineEntry() const
{
    return machineFolder_ + QLatin1Char('/') + kEntryFileName;
}

QString XdgAutostart::userEntry() const
{
    return userFolder_ + QLatin1Char('/') + kEntryFileName;
}

AutostartOutcome XdgAutostart::switchOn(const QString& name, const QString& executablePath)
{
    const QString entry = autostartDesktopEntry(name, executablePath);
    if (writeEntry(machineFolder_, machineEntry(), entry)) {
        removeEntry(userEntry());
        return AutostartOutcome::MachineWide;
    }
    qCInfo(autostartLog) << "cannot write" << machineEntry() << "- starting with this user's session only";
    if (writeEntry(userFolder_, userEntry(), entry))
        return AutostartOutcome::PerUser;
    qCWarning(autostartLog) << "cannot write" << userEntry();
    return AutostartOutcome::Failed;
}

// Both entries go: a per-user entry written in place of the machine-wide
// one must not keep the program starting once the user switched it off.
bool XdgAutostart::switchOff()
{
    bool removed = true;
    for (const QString& entry : {userEntry(), machineEntry()}) {
        if (!removeEntry(entry)) {
            qCWarning(autostartLog) << "cannot remove" << entry;
            removed = false;
        }
    }
    return removed;
}

bool XdgAutostart::isOn() const
{
    return QFileInfo::exists(machineEntry()) || QFileInfo::exists(userEntry());
}

} // namespace zrt
