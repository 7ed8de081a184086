#pragma once

#include <QPixmap>
#include <QString>

namespace zrt {

// The pages of the management window, in the order of its page menu.
enum class SetupPage { Log, Associations, Tariffs, Statistics, Info };

inline constexpr int kSetupPageCount = 5;

// The page's name, as the menu, the drop-down and the frame show it.
QString pageCaption(SetupPage page);

// The icon the drop-down shows for the page; none for "Statistiche", which
// leaves the drop-down's icon as it was.
QPixmap pageIcon(SetupPage page);

} // namespace zrt
