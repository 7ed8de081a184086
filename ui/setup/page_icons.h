#pragma once

#include "setup_pages.h"

#include <QPixmap>

namespace zrt {

// The pictures of the management window's pages, drawn rather than loaded:
// loading a picture file makes Qt probe, and keep in memory, every image
// format plug-in it has, which a program that sits idle all day can spare.
// Each is drawn on a 16-unit grid scaled to `size` pixels. "Statistiche" has
// none, which leaves the drop-down's icon as it was.
QPixmap pageIcon(SetupPage page, int size = 16);

} // namespace zrt
