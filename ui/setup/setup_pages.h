#pragma once

#include <QString>

namespace zrt {

// The pages of the management window, in the order of its page menu.
enum class SetupPage { Log, Associations, Tariffs, Statistics, Options, About };

inline constexpr int kSetupPageCount = 6;

// The page's name, as the menu, the drop-down and the frame show it.
QString pageCaption(SetupPage page);

// The page of the user guide that tells of it.
QString guidePageOf(SetupPage page);

} // namespace zrt
