#pragma once

#include "autostart.h"

namespace zrt {

// Autostart through the desktop's autostart folders: a zrtellix.desktop
// entry in /etc/xdg/autostart for every user, or in
// $XDG_CONFIG_HOME/autostart for the user alone.
class XdgAutostart : public Autostart {
public:
    XdgAutostart(QString machineFolder, QString userFolder);
    // The standard folders of this system and user.
    static XdgAutostart forThisSystem();

    AutostartOutcome switchOn(const QString& name, const QString& executablePath) override;
    bool switchOff() override;
    bool isOn() const override;

    QString machineEntry() const;
    QString userEntry() const;

private:
    QString machineFolder_;
    QString userFolder_;
};

// The text of a desktop entry that starts the program.
QString autostartDesktopEntry(const QString& name, const QString& executablePath);

} // namespace zrt
