#pragma once

class QPalette;

namespace zrt {

// The grey desktop colours the controls were drawn for: silver faces,
// white and grey 3-D edges, navy selection.
QPalette classicPalette();

} // namespace zrt
