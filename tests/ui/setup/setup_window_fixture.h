#pragma once

#include "tests/support/recording_messages.h"
#include "tests/support/scratch_database.h"

#include "ui/common/settings.h"
#include "ui/common/autostart.h"
#include "ui/setup/management_window.h"
#include "ui/common/user_messages.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zrt::test {

class FakeAutostart : public Autostart {
public:
    bool switchOn(const QString& name, const QString& executablePath) override
    {
        calls.append(QStringLiteral("on %1 %2").arg(name, executablePath));
        on = onSucceeds;
        return onSucceeds;
    }
    bool switchOff() override
    {
        calls.append(QStringLiteral("off"));
        on = on && !offSucceeds;
        return offSucceeds;
    }
    bool isOn() const override { return on; }

    bool onSucceeds = true;
    bool offSucceeds = true;
    bool on = false;
    QStringList calls; // "on ZR Tellix 99 /usr/bin/zrtellix", "off"
};


inline void click(QWidget* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// A management window, shown, on a scratch copy of the shipped database
// (tariff 1 "Urbana 2000" per minute, tariff 2 "Urbana a scatti" in pulses,
// VAT 20) with settings in a file of its own.
class SetupWindowTest : public testing::Test {
protected:
    SetupWindowTest() { window_->show(); }

    Database database() const { return scratch_.open(); }

    // Sends the window the activation a window manager would.
    void activate()
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(window_.get(), &activation);
    }

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
    Settings settings_{settingsFolder_.filePath(QStringLiteral("settings.ini"))};
    FakeAutostart autostart_;
    RecordingMessages messages_;
    std::unique_ptr<ManagementWindow> window_ = std::make_unique<ManagementWindow>(
        scratch_.path(), QStringLiteral("/usr/bin/zrtellix"), autostart_, settings_, messages_);
};

} // namespace zrt::test
