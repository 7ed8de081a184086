#pragma once

#include <QPixmap>

namespace zrt {

// The marks beside the cost display, as coins of the given size in pixels:
// a bronze Lira and a blue Euro.
QPixmap liraMark(int size);
QPixmap euroMark(int size);

} // namespace zrt
