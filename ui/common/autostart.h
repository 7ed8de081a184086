#pragma once

#include "engine/program_name.h"

#include <QString>

namespace zrt {

inline const QString kAutostartName = QString::fromUtf8(kProgramName);

// Starting the program together with the user's desktop session.
class Autostart {
public:
    virtual ~Autostart() = default;

    // Registers the program for this user; false when that failed.
    virtual bool switchOn(const QString& name, const QString& executablePath) = 0;
    // Removes every entry of the program; false when one could not be removed.
    virtual bool switchOff() = 0;
    virtual bool isOn() const = 0;
};

} // namespace zrt
