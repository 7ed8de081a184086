#pragma once

class QPainter;

namespace zrt {

inline constexpr int segmentBackgroundWidth = 191;
inline constexpr int segmentBackgroundHeight = 60;

// The display's background picture, 191 x 60 pixels at the painter's origin:
// a pale liquid-crystal panel sunk into its surround.
void paintSegmentBackground(QPainter& painter);

} // namespace zrt
