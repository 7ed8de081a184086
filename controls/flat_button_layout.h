#pragma once

#include "controls/flat_button.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zrt {

// How a flat button lays out its picture and caption; all in pixels.

// The label style and the two flat picture styles never show a frame.
bool styleShowsFrames(FlatButton::ButtonStyle style);

// Up and Down turn the caption across the button.
bool isTurned(FlatButton::CaptionDirection direction);

// The box the caption is printed into, and where the text starts in it.
// The box is a pixel larger than the text, or 6 pixels smaller than the
// button on an axis the text does not fit.
struct CaptionBox {
    QSize size;
    QPoint origin;
    float angle = 0;
};

CaptionBox captionBox(QSize textSize, QSize inner, FlatButton::CaptionDirection direction);

// Where the caption box goes on a button without a picture.
QPoint captionPosition(FlatButton::ButtonStyle style, FlatButton::Alignment alignment,
                       FlatButton::CaptionDirection direction, QSize box, QSize inner);

// Where picture and caption box go on a button with a picture and a caption.
struct PictureAndCaption {
    QRect picture;
    QRect caption;
};

PictureAndCaption placePictureAndCaption(FlatButton::ButtonStyle style, QSize picture, QSize box, QSize inner);

} // namespace zrt
