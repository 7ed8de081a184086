#pragma once

#include <QIcon>
#include <QPixmap>

namespace zrt {

// The program's icon: "ZR" over a small meter display, on a navy tile.
QIcon programIcon();
QPixmap programIconPixmap(int size);

} // namespace zrt
