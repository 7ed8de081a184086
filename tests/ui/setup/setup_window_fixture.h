#pragma once

#include "tests/database/scratch_database.h"

#include "ui/main/settings.h"
#include "ui/setup/autostart.h"
#include "ui/setup/frmsetup.h"
#include "ui/setup/user_messages.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

class QWidget;

namespace zrt {

class fltbutton;

namespace test {

inline const QString kExecutable = QStringLiteral("/usr/bin/zrtellix");

class FakeAutostart : public Autostart {
public:
    AutostartOutcome switchOn(const QString& name, const QString& executablePath) override;
    bool switchOff() override;
    bool isOn() const override { return on; }

    AutostartOutcome onOutcome = AutostartOutcome::MachineWide;
    bool offSucceeds = true;
    bool on = false;
    QStringList calls; // "on ZR Tellix 99 /usr/bin/zrtellix", "off"
};

class RecordingMessages : public UserMessages {
public:
    void warn(QWidget*, const QString& text) override { warnings.append(text); }
    void inform(QWidget*, const QString& text) override { notices.append(text); }

    QStringList warnings;
    QStringList notices;
};

// A management window, shown, on a scratch copy of the shipped database
// (tariff 1 "Urbana 2000" per minute, tariff 2 "Urbana a scatti" in pulses,
// VAT 20) with settings in a file of its own.
class SetupWindowTest : public testing::Test {
protected:
    SetupWindowTest();

    Database database() const { return scratch_.open(); }
    // Sends the window the activation a window manager would.
    void activate();

    template <typename T>
    T* child(const char* name) const
    {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "no child " << name;
        return found;
    }

    ScratchDatabase scratch_;
    QTemporaryDir settingsFolder_;
    Settings settings_;
    FakeAutostart autostart_;
    RecordingMessages messages_;
    std::unique_ptr<frmSetup> window_;
};

void click(QWidget* button);

} // namespace test
} // namespace zrt
