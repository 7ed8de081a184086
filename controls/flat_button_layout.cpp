#include "controls/flat_button_layout.h"

namespace zrt {
namespace {

using Style = FlatButton::ButtonStyle;
using Direction = FlatButton::CaptionDirection;

constexpr int clipMargin = 6;
constexpr int edgeGap = 3;

int centred(int inner, int size) { return (inner - size) / 2; }

int extent(int text, int inner) { return text >= inner ? inner - clipMargin : text + 1; }

// Left-aligned by direction, or right-aligned the other way round.
QPoint alignedPosition(FlatButton::Alignment alignment, Direction direction, QSize box, QSize inner)
{
    const int leftEdge = edgeGap;
    const int rightEdge = inner.width() - box.width() - edgeGap;
    const int topEdge = edgeGap;
    const int bottomEdge = inner.height() - box.height() - 1;
    const int middleX = centred(inner.width(), box.width());
    const int middleY = centred(inner.height(), box.height());
    const bool towardsStart = alignment == FlatButton::Alignment::Left;
    switch (direction) {
    case Direction::Up:
        return {middleX, towardsStart ? bottomEdge : topEdge};
    case Direction::UpsideDown:
        return {towardsStart ? rightEdge : leftEdge, middleY};
    case Direction::Down:
        return {middleX, towardsStart ? topEdge : bottomEdge};
    default:
        return {towardsStart ? leftEdge : rightEdge, middleY};
    }
}

} // namespace

bool styleShowsFrames(Style style)
{
    return style != Style::Label && style != Style::PictureLeftFlat && style != Style::PictureRightFlat;
}

bool isTurned(Direction direction)
{
    return direction == Direction::Up || direction == Direction::Down;
}

CaptionBox captionBox(QSize textSize, QSize inner, Direction direction)
{
    const int tw = textSize.width();
    const int th = textSize.height();
    CaptionBox box;
    if (isTurned(direction))
        box.size = {extent(th, inner.width()), extent(tw, inner.height())};
    else
        box.size = {extent(tw, inner.width()), extent(th, inner.height())};
    switch (direction) {
    case Direction::Up:
        box = {box.size, {0, tw}, 90};
        break;
    case Direction::UpsideDown:
        box = {box.size, {tw, th}, 180};
        break;
    case Direction::Down:
        box = {box.size, {th, 0}, 270};
        break;
    default:
        box = {box.size, {0, 0}, 0};
        break;
    }
    return box;
}

QPoint captionPosition(Style style, FlatButton::Alignment alignment, Direction direction, QSize box, QSize inner)
{
    if (style != Style::Label || alignment == FlatButton::Alignment::Center)
        return {centred(inner.width(), box.width()), centred(inner.height(), box.height())};
    return alignedPosition(alignment, direction, box, inner);
}

PictureAndCaption placePictureAndCaption(Style style, QSize picture, QSize box, QSize inner)
{
    constexpr int start = 2;
    switch (style) {
    case Style::Label: {
        const QPoint picturePos(centred(inner.width(), picture.width()), edgeGap);
        const QPoint boxPos(centred(inner.width(), box.width()), edgeGap + picture.height() + edgeGap);
        return {QRect(picturePos, picture), QRect(boxPos, box)};
    }
    case Style::PictureRight:
    case Style::PictureRightFlat: {
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
