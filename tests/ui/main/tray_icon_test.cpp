#include "ui/main/tray_codes.h"
#include "ui/main/tray_icon.h"

#include <QIcon>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace zrt {
namespace {

// A code that arrives while one is handled is ignored; the next one after
// is not.
TEST(TrayIcon, LeftPressAsksForTheWindowRightReleaseForTheMenuOneCodeAtATime)
{
    EXPECT_EQ(trayMouseCode(QSystemTrayIcon::Trigger), kTrayLeftButtonDown);
    EXPECT_EQ(trayMouseCode(QSystemTrayIcon::Context), kTrayRightButtonUp);
    TrayIcon tray{QIcon()};
    QSignalSpy menu(&tray, &TrayIcon::menuRequested);
    int shown = 0;
    QObject::connect(&tray, &TrayIcon::showWindowRequested, &tray, [&] {
        ++shown;
        tray.handleMouseCode(kTrayLeftButtonDown);
    });
    for (const QSystemTrayIcon::ActivationReason other :
         {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        tray.handleMouseCode(trayMouseCode(other));
    for (int code : {0, -1, 512, 513, 514, 515, 516, 517, 518, 519})
        tray.handleMouseCode(code);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(menu.count(), 1);
    tray.handleMouseCode(kTrayLeftButtonDown);
    EXPECT_EQ(shown, 2);
}

} // namespace
} // namespace zrt
