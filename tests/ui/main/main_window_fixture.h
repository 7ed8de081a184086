#pragma once

#include "fakes.h"

#include "tests/database/scratch_database.h"
#include "tests/monitor/dialup/temp_dir.h"
#include "tests/monitor/fake_clock.h"

#include "ui/main/form1.h"
#include "ui/main/main_menu.h"
#include "ui/main/settings.h"

#include "controls/digital.h"
#include "database/association_store.h"
#include "monitor/connection_monitor.h"
#include "monitor/database_log_store.h"
#include "monitor/database_tariff_source.h"
#include "monitor/dialup/sim_dialup.h"
#include "monitor/monitor_database.h"

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace zrt::test {

// Monday 7 December 2026, 10:00:00: a weekday at full rate.
inline constexpr LocalDateTime kMondayMorning{{2026, 12, 7}, {10 * 3600}};

// The main window on a scratch database with the shipped tariffs, watching
// the simulated dialer with "Casa" (127 Lire a pulse) and "Ufficio" in
// its phonebook, on a clock that moves only when told.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest()
    {
        writeSim("entries", "Casa\nUfficio\n");
        Database setup = scratch.open();
        AssociationStore(setup).associate(QStringLiteral("Casa"), 2);
    }

    Form1& window()
    {
        if (!window_)
            window_ = std::make_unique<Form1>(
                MainWindowServices{settings, dialUp, clock, log, tariffs, autostart, dialogs, links, network},
                dataFolder.path());
        return *window_;
    }

    Form1& loaded(Form1::Placement placement = Form1::Placement::OffScreen)
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
    std::string connectedFile() const
    {
        std::ifstream file(simFolder.path() / "connected");
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    void writeSim(const char* name, const std::string& content)
    {
        std::ofstream(simFolder.path() / name, std::ios::binary | std::ios::trunc) << content;
    }

    // Writes a setting as another program would; nullptr removes it.
    void storeSetting(const char* key, const char* value)
    {
        QSettings store(dataFolder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        if (value)
            store.setValue(QLatin1String(key), QString::fromUtf8(value));
        else
            store.remove(QLatin1String(key));
    }

    template <typename Child>
    Child& child(const char* name)
    {
        auto* found = window().findChild<Child*>(QLatin1String(name));
        if (!found)
            throw std::logic_error(name);
        return *found;
    }
    QString dgtValue() { return child<Digital>("dgt").GetValue(); }
    QString costText() { return child<Digital>("dgt").toolTip(); }
    MainMenu& menu() { return window().menu(); }

    QTemporaryDir dataFolder;
    Settings settings{dataFolder.filePath(QStringLiteral("settings.ini"))};
    ScratchDatabase scratch;
    MonitorDatabase database{scratch.path(), std::chrono::milliseconds(20)};
    DatabaseLogStore log{database};
    DatabaseTariffSource tariffs{database};
    TempDir simFolder;
    SimDialUp dialUp{simFolder.path()};
    FakeClock clock{kMondayMorning};
    FakeAutostart autostart;
    RecordingDialogs dialogs;
    RecordingLinks links;
    FakeNetwork network;
    std::unique_ptr<Form1> window_;
};

} // namespace zrt::test
