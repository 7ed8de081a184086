#include "ui/main/tray_codes.h"
#include "ui/main/tray_icon.h"

#include <QIcon>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(TrayIcon, DesktopActivationsBecomeMouseCodes)
{
    EXPECT_EQ(trayMouseCode(QSystemTrayIcon::Trigger), 513);
    EXPECT_EQ(trayMouseCode(QSystemTrayIcon::Context), 517);
    EXPECT_EQ(trayActionFor(trayMouseCode(QSystemTrayIcon::DoubleClick)), TrayAction::None);
    EXPECT_EQ(trayActionFor(trayMouseCode(QSystemTrayIcon::MiddleClick)), TrayAction::None);
    EXPECT_EQ(trayActionFor(trayMouseCode(QSystemTrayIcon::Unknown)), TrayAction::None);
}

TEST(TrayIcon, LeftPressAsksForTheWindowRightReleaseForTheMenu)
{
    TrayIcon tray{QIcon()};
    QSignalSpy window(&tray, &TrayIcon::showWindowRequested);
    QSignalSpy menu(&tray, &TrayIcon::menuRequested);
    for (int code : {512, 513, 514, 515, 516, 517, 519})
        tray.handleMouseCode(code);
    EXPECT_EQ(window.count(), 1);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_EQ(tray.toolTip(), QStringLiteral("ZR Tellix 99"));
}

TEST(TrayIcon, CodesArrivingWhileOneIsHandledAreIgnored)
{
    TrayIcon tray{QIcon()};
    int shown = 0;
    QObject::connect(&tray, &TrayIcon::showWindowRequested, &tray, [&] {
        ++shown;
        tray.handleMouseCode(513);
    });
    tray.handleMouseCode(513);
    EXPECT_EQ(shown, 1);
    tray.handleMouseCode(513);
    EXPECT_EQ(shown, 2) << "the busy flag is cleared afterwards";
}

} // namespace
} // namespace zrt
