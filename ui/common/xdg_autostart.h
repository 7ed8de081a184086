#pragma once

#include "autostart.h"

#include <QStringList>

namespace zrt {

// Autostart through the desktop's autostart folders: the program writes a
// zrtellix.desktop entry in $XDG_CONFIG_HOME/autostart, for the user alone,
// whoever the user is. An entry in /etc/xdg/autostart written by an
// earlier version is removed with the user's when autostart is switched
// off, where the user may remove it.
class XdgAutostart : public Autostart {
public:
    // The entry starts the program with programOptions after its path.
    XdgAutostart(QString machineFolder, QString userFolder, QStringList programOptions = {});
    // The standard folders of this system and user.
    static XdgAutostart forThisSystem(QStringList programOptions);

    bool switchOn(const QString& name, const QString& executablePath) override;
    bool switchOff() override;
    bool isOn() const override;

    QString machineEntry() const;
    QString userEntry() const;

private:
    bool hasOwnMachineEntry() const;

    QString machineFolder_;
    QString userFolder_;
    QStringList programOptions_;
};

// The text of a desktop entry that starts the program with its options.
QString autostartDesktopEntry(const QString& name, const QString& executablePath,
                              const QStringList& programOptions = {});
// Whether text is an entry as autostartDesktopEntry() writes it, whatever
// its name and command.
bool isAutostartDesktopEntry(const QString& text);

} // namespace zrt
