#include "tray_icon.h"

#include "tray_codes.h"

#include "engine/program_name.h"

#include <QCursor>

namespace zrt {

int trayMouseCode(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return kTrayLeftButtonDown;
    case QSystemTrayIcon::Context: return kTrayRightButtonUp;
    case QSystemTrayIcon::DoubleClick: return kTrayLeftButtonDoubleClick;
    case QSystemTrayIcon::MiddleClick: return kTrayMiddleButtonDown;
    case QSystemTrayIcon::Unknown: break;
    }
    return kTrayMouseMove;
}

TrayIcon::TrayIcon(const QIcon& icon, QObject* parent) : QObject(parent), icon_(icon)
{
    icon_.setToolTip(QString::fromUtf8(kProgramName));
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { handleMouseCode(trayMouseCode(reason)); });
}

void TrayIcon::handleMouseCode(int code)
{
    if (busy_)
        return;
    busy_ = true;
    switch (trayActionFor(code)) {
    case TrayAction::ShowWindow: emit showWindowRequested(); break;
    case TrayAction::ShowMenu: emit menuRequested(QCursor::pos()); break;
    case TrayAction::None: break;
    }
    busy_ = false;
}

} // namespace zrt
