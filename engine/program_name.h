#pragma once

namespace zrt {

// The program's name as the user meets it: window and message box titles,
// the tray, the settings folder, the autostart entry, printed lists.
inline constexpr char kProgramName[] = "ZR Tellix 99";

} // namespace zrt
