#pragma once

#include <QPoint>
#include <QSize>

#include <optional>

namespace zrt {

// Where the main window goes when it is brought back: the saved position,
// by default the top right corner, corrected so the window is reachable on
// the current screen. All values are in twips.
QPoint savedWindowPosition(std::optional<int> savedLeft, std::optional<int> savedTop, QSize window, QSize screen);

} // namespace zrt
