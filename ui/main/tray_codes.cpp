#include "tray_codes.h"

namespace zrt {

TrayAction trayActionFor(int mouseCode)
{
    switch (mouseCode) {
    case kTrayLeftButtonDown: return TrayAction::ShowWindow;
    case kTrayRightButtonUp: return TrayAction::ShowMenu;
    default: return TrayAction::None;
    }
}

} // namespace zrt
