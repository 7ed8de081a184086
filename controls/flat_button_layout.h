#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zrt {

// How a flat button lays out its picture and caption; all in pixels.
namespace FltStyle {
inline constexpr int Normal = 0;       // caption centred
inline constexpr int Label = 1;        // caption placed by alignment, picture above; no frames
inline constexpr int PictureLeft = 2;  // picture, then caption
inline constexpr int PictureRight = 3; // caption, then picture
inline constexpr int PictureLeftFlat = 4;
inline constexpr int PictureRightFlat = 5;
} // namespace FltStyle

namespace FltDirection {
inline constexpr int Horizontal = 0;
inline constexpr int Up = 1;     // turned 90 degrees, reads upwards
inline constexpr int UpsideDown = 2;
inline constexpr int Down = 3;   // turned 270 degrees, reads downwards
} // namespace FltDirection

namespace FltAlignment {
inline constexpr int Left = 0;
inline constexpr int Right = 1;
inline constexpr int Center = 2;
} // namespace FltAlignment

// Styles 1, 4 and 5 never show a frame.
bool styleShowsFrames(int style);

// The box the caption is printed into, and where the text starts in it.
// The box is a pixel larger than the text, or 6 pixels smaller than the
// button on an axis the text does not fit.
struct CaptionBox {
    QSize size;
    QPoint origin;
    float angle = 0;
};

CaptionBox captionBox(QSize textSize, QSize inner, int direction);

// Where the caption box goes on a button without a picture.
QPoint captionPosition(int style, int alignment, int direction, QSize box, QSize inner);

// Where picture and caption box go on a button with a picture and a caption.
struct PictureAndCaption {
    QRect picture;
    QRect caption;
};

PictureAndCaption placePictureAndCaption(int style, QSize picture, QSize box, QSize inner);

} // namespace zrt
