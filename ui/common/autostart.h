#pragma once

#include "engine/program_name.h"

#include <QString>

namespace zrt {

inline const QString kAutostartName = QString::fromUtf8(kProgramName);

// Where starting with the desktop session was actually switched.
enum class AutostartOutcome {
    MachineWide, // for every user of the machine
    PerUser,     // the machine-wide entry could not be changed; this user only
    Failed,
};

// Starting the program together with the user's desktop session.
class Autostart {
public:
    virtual ~Autostart() = default;

    // Registers the program; the machine-wide entry is preferred and
    // replaces a per-user one.
    virtual AutostartOutcome switchOn(const QString& name, const QString& executablePath) = 0;
    // Removes every entry of the program; false when one could not be removed.
    virtual bool switchOff() = 0;
    virtual bool isOn() const = 0;
};

} // namespace zrt
