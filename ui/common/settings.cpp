#include "settings.h"

#include "engine/program_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zrt {

namespace {

const QString kApplicationName = QString::fromUtf8(kProgramName);

// Qt writes the file by itself once the event loop runs after a change, as
// any new file, readable by all; a file that exists keeps its permissions
// when Qt rewrites it. So the file is made, private, before Qt writes it.
void createPrivately(const QString& fileName)
{
    if (fileName.isEmpty() || QFileInfo::exists(fileName))
        return;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile(fileName).open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

std::optional<int> integerOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

Settings::Settings() : store_(QSettings::IniFormat, QSettings::UserScope, kApplicationName, kApplicationName)
{
    createPrivately(store_.fileName());
}

Settings::Settings(const QString& fileName) : store_(fileName, QSettings::IniFormat)
{
    createPrivately(store_.fileName());
}

QString Settings::text(const QString& key, const QString& fallback) const
{
    return store_.value(key, fallback).toString();
}

void Settings::setText(const QString& key, const QString& value)
{
    store_.setValue(key, value);
}

bool Settings::newsOn() const
{
    return integerOf(text(QStringLiteral("setting/News"), QStringLiteral("1"))).value_or(1) != 0;
}

void Settings::setNewsOn(bool on)
{
    setText(QStringLiteral("setting/News"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

void Settings::setProgramFolder(const QString& folder)
{
    setText(QStringLiteral("setting/path"), folder);
}

QString Settings::newsUrl() const
{
    return text(QStringLiteral("setting/NewsUrl"));
}

void Settings::setNewsUrl(const QString& address)
{
    setText(QStringLiteral("setting/NewsUrl"), address);
}

std::optional<int> Settings::savedLeft() const
{
    return integerOf(text(QStringLiteral("Posizione/WinX")));
}

std::optional<int> Settings::savedTop() const
{
    return integerOf(text(QStringLiteral("Posizione/WinY")));
}

void Settings::savePosition(int leftTwips, int topTwips)
{
    setText(QStringLiteral("Posizione/WinX"), QString::number(leftTwips));
    setText(QStringLiteral("Posizione/WinY"), QString::number(topTwips));
}

bool Settings::hasRunBefore() const
{
    return integerOf(text(QStringLiteral("SecondoAvvio/Valore"), QStringLiteral("0"))).value_or(0) != 0;
}

void Settings::markRunBefore()
{
    setText(QStringLiteral("SecondoAvvio/Valore"), QStringLiteral("-1"));
}

bool Settings::autostartOn() const
{
    return integerOf(text(QStringLiteral("SecondoAvvio/Auto"))) == -1;
}

void Settings::setAutostartOn(bool on)
{
    setText(QStringLiteral("SecondoAvvio/Auto"), on ? QStringLiteral("-1") : QStringLiteral("0"));
}

QString Settings::rejectedUpdate() const
{
    return text(QStringLiteral("setting/RejectedUpdate"));
}

void Settings::setRejectedUpdate(const QString& digest)
{
    setText(QStringLiteral("setting/RejectedUpdate"), digest);
}

// The settings file holds the user's window position and choices only,
// but is still kept private to the user.
void Settings::sync()
{
    store_.sync();
    QFile::setPermissions(store_.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace zrt
