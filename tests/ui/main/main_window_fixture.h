#pragma once

#include "fakes.h"

#include "tests/support/scratch_database.h"
#include "tests/support/temp_dir.h"
#include "tests/support/fake_clock.h"

#include "ui/main/main_window.h"
#include "ui/main/main_menu.h"
#include "ui/common/settings.h"

#include "controls/segment_display.h"
#include "database/association_store.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "dialup/sim_dialup.h"
#include "monitor/monitor_database.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace zrt::test {

// What the windows are given: an empty data folder, settings in a folder of
// their own (an .ini file in the data folder would announce a tariff
// update), the simulated dialer with "Casa" and "Ufficio" in its phonebook,
// a clock that moves only when told, standing on Monday 7 December 2026 at
// 10:00 (a weekday at full rate), and fakes for the desktop and the network.
class DesktopTest : public testing::Test {
protected:
    DesktopTest() { writeSim("entries", "Casa\nUfficio\n"); }

    void writeSim(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    // Writes a setting as another program would.
    void storeSetting(const char* key, const char* value)
    {
        QSettings(settingsFile(), QSettings::IniFormat).setValue(QLatin1String(key), QString::fromUtf8(value));
    }

    QString settingsFile() const { return settingsFolder.filePath(QStringLiteral("settings.ini")); }
    QString dataFile(const char* name) const { return dataFolder.filePath(QLatin1String(name)); }

    static void touch(const QString& path) { QFile(path).open(QIODevice::WriteOnly); }

    QTemporaryDir dataFolder;
    QTemporaryDir settingsFolder;
    Settings settings{settingsFile()};
    TempDir simFolder;
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{{{2026, 12, 7}, {10 * 3600}}};
    FakeAutostart autostart;
    RecordingMessages dialogs;
    RecordingLinks links;
    FakeNetwork network;
    NetworkPageFetcher news{network};
};

// The main window on a scratch database with the shipped tariffs, "Casa"
// metered at 127 Lire a pulse.
class MainWindowTest : public DesktopTest {
protected:
    MainWindowTest()
    {
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
    }

    MainWindow& window()
    {
        if (!window_)
            window_ = std::make_unique<MainWindow>(
                MainWindowServices{settings, dialUp, clock, autostart, dialogs, links, news}, dataFolder.path(),
                scratch.path());
        return *window_;
    }

    MainWindow& loaded(MainWindow::Placement placement = MainWindow::Placement::InTray)
    {
        window().load(placement);
        return *window_;
    }

    // One second passes, with the ticks the window's timer runs.
    void second()
    {
        clock.advance(1);
        ConnectionMonitor& monitor = window().monitor();
        if (monitor.meterRunning())
            monitor.meterTick();
        monitor.tick();
    }

    void connect(const char* entry) { writeSim("connected", std::string(entry) + '\n'); }

    template <typename Child>
    Child& child(const char* name)
    {
        auto* found = window().findChild<Child*>(QLatin1String(name));
        if (!found)
            throw std::logic_error(name);
        return *found;
    }
    QString costText() { return child<SegmentDisplay>("dgt").toolTip(); }
    MainMenu& menu() { return window().menu(); }

    ScratchDatabase scratch;
    std::unique_ptr<MainWindow> window_;
};

} // namespace zrt::test
