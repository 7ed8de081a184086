#pragma once

namespace zrt {

// The mouse codes the tray icon reports, as the desktop's mouse messages
// number them.
inline constexpr int kTrayMouseMove = 512;
inline constexpr int kTrayLeftButtonDown = 513;
inline constexpr int kTrayLeftButtonDoubleClick = 515;
inline constexpr int kTrayRightButtonUp = 517;
inline constexpr int kTrayMiddleButtonDown = 519;

enum class TrayAction { None, ShowWindow, ShowMenu };

// A left press brings the window to its saved position, a right release
// opens the pop-up menu; anything else does nothing.
TrayAction trayActionFor(int mouseCode);

} // namespace zrt
