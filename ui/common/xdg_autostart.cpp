#include "xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(autostartLog, "zrtellix.autostart")

const QString kEntryFileName = QStringLiteral("zrtellix.desktop");

// The keys whose values differ from one written entry to another.
const QStringList kVaryingKeys = {QStringLiteral("Name="), QStringLiteral("Exec=")};

// Desktop entry Exec values quote arguments with double quotes and escape
// the characters that stay special inside them.
QString quotedArgument(const QString& argument)
{
    QString escaped;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString execLine(const QString& executablePath, const QStringList& programOptions)
{
    QStringList words{quotedArgument(executablePath)};
    for (const QString& option : programOptions)
        words.append(quotedArgument(option));
    return words.join(QLatin1Char(' '));
}

QString readEntry(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(4096)) : QString();
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

QString autostartDesktopEntry(const QString& name, const QString& executablePath, const QStringList& programOptions)
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
        .arg(singleLineName, execLine(executablePath, programOptions));
}

bool isAutostartDesktopEntry(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList model = autostartDesktopEntry({}, {}).split(QLatin1Char('\n'));
    if (lines.size() != model.size())
        return false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto varying = [&](const QString& key) { return model[i].startsWith(key); };
        const auto found = std::find_if(kVaryingKeys.begin(), kVaryingKeys.end(), varying);
        const bool matches = found != kVaryingKeys.end() ? lines[i].startsWith(*found) : lines[i] == model[i];
        if (!matches)
            return false;
    }
    return true;
}

XdgAutostart::XdgAutostart(QString machineFolder, QString userFolder, QStringList programOptions)
    : machineFolder_(std::move(machineFolder)), userFolder_(std::move(userFolder)),
      programOptions_(std::move(programOptions))
{
}

XdgAutostart XdgAutostart::forThisSystem(QStringList programOptions)
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return XdgAutostart(QStringLiteral("/etc/xdg/autostart"), configHome + QStringLiteral("/autostart"),
                        std::move(programOptions));
}

QString XdgAutostart::machineEntry() const
{
    return machineFolder_ + QLatin1Char('/') + kEntryFileName;
}

QString XdgAutostart::userEntry() const
{
    return userFolder_ + QLatin1Char('/') + kEntryFileName;
}

bool XdgAutostart::switchOn(const QString& name, const QString& executablePath)
{
    if (writeEntry(userFolder_, userEntry(), autostartDesktopEntry(name, executablePath, programOptions_)))
        return true;
    qCWarning(autostartLog) << "cannot write" << userEntry();
    return false;
}

// A machine-wide entry an earlier version wrote would go on starting the
// program; one written or edited by someone else is theirs to keep.
bool XdgAutostart::switchOff()
{
    bool removed = removeEntry(userEntry());
    if (!removed)
        qCWarning(autostartLog) << "cannot remove" << userEntry();
    if (hasOwnMachineEntry() && !QFile::remove(machineEntry())) {
        qCWarning(autostartLog) << "cannot remove" << machineEntry();
        removed = false;
    }
    return removed;
}

bool XdgAutostart::isOn() const
{
    return QFileInfo::exists(userEntry()) || hasOwnMachineEntry();
}

bool XdgAutostart::hasOwnMachineEntry() const
{
    const QFileInfo entry(machineEntry());
    return entry.isFile() && !entry.isSymLink() && isAutostartDesktopEntry(readEntry(machineEntry()));
}

} // namespace zrt
