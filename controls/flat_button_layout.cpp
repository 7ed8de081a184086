#include "controls/flat_button_layout.h"

namespace zrt {
namespace {

constexpr int clipMargin = 6;
constexpr int edgeGap = 3;

int centred(int inner, int size) { return (inner - size) / 2; }

int extent(int text, int inner) { return text >= inner ? inner - clipMargin : text + 1; }

bool turned(int direction)
{
    return direction == FltDirection::Up || direction == FltDirection::Down;
}

// Left-aligned by direction, or right-aligned the other way round.
QPoint alignedPosition(int alignment, int direction, QSize box, QSize inner)
{
    const int leftEdge = edgeGap;
    const int rightEdge = inner.width() - box.width() - edgeGap;
    const int topEdge = edgeGap;
    const int bottomEdge = inner.height() - box.height() - 1;
    const int middleX = centred(inner.width(), box.width());
    const int middleY = centred(inner.height(), box.height());
    const bool towardsStart = alignment == FltAlignment::Left;
    switch (direction) {
    case FltDirection::Up:
        return {middleX, towardsStart ? bottomEdge : topEdge};
    case FltDirection::UpsideDown:
        return {towardsStart ? rightEdge : leftEdge, middleY};
    case FltDirection::Down:
        return {middleX, towardsStart ? topEdge : bottomEdge};
    default:
        return {towardsStart ? leftEdge : rightEdge, middleY};
    }
}

} // namespace

bool styleShowsFrames(int style)
{
    return style != FltStyle::Label && style != FltStyle::PictureLeftFlat
           && style != FltStyle::PictureRightFlat;
}

CaptionBox captionBox(QSize textSize, QSize inner, int direction)
{
    const int tw = textSize.width();
    const int th = textSize.height();
    CaptionBox box;
    if (turned(direction))
        box.size = {extent(th, inner.width()), extent(tw, inner.height())};
    else
        box.size = {extent(tw, inner.width()), extent(th, inner.height())};
    switch (direction) {
    case FltDirection::Up:
        box = {box.size, {0, tw}, 90};
        break;
    case FltDirection::UpsideDown:
        box = {box.size, {tw, th}, 180};
        break;
    case FltDirection::Down:
        box = {box.size, {th, 0}, 270};
        break;
    default:
        box = {box.size, {0, 0}, 0};
        break;
    }
    return box;
}

QPoint captionPosition(int style, int alignment, int direction, QSize box, QSize inner)
{
    if (style != FltStyle::Label || alignment == FltAlignment::Center)
        return {centred(inner.width(), box.width()), centred(inner.height(), box.height())};
    return alignedPosition(alignment, direction, box, inner);
}

PictureAndCaption placePictureAndCaption(int style, QSize picture, QSize box, QSize inner)
{
    constexpr int start = 2;
    switch (style) {
    case FltStyle::Label: {
        const QPoint picturePos(centred(inner.width(), picture.width()), edgeGap);
        const QPoint boxPos(centred(inner.width(), box.width()), edgeGap + picture.height() + edgeGap);
        return {QRect(picturePos, picture), QRect(boxPos, box)};
    }
    case FltStyle::PictureRight:
    case FltStyle::PictureRightFlat: {
        const QPoint boxPos(start, centred(inner.height(), box.height()));
        const QPoint picturePos(start + box.width() + edgeGap, centred(inner.height(), picture.height()));
        return {QRect(picturePos, picture), QRect(boxPos, box)};
    }
    default: { // the picture styles 2 and 4, and the normal style alike
        const QPoint picturePos(start, centred(inner.height(), picture.height()));
        const QPoint boxPos(start + picture.width() + edgeGap, centred(inner.height(), box.height()));
        return {QRect(picturePos, picture), QRect(boxPos, box)};
    }
    }
}

} // namespace zrt
