#include "controls/mouse_pointer.h"

#include <QPixmap>

#include <array>

namespace zrt {
namespace {

constexpr std::array<Qt::CursorShape, 16> stockShapes{
    Qt::ArrowCursor,        // 0 default (not used: the parent's pointer shows)
    Qt::ArrowCursor,        // 1 arrow
    Qt::CrossCursor,        // 2 cross
    Qt::IBeamCursor,        // 3 I-beam
    Qt::ArrowCursor,        // 4 icon
    Qt::SizeAllCursor,      // 5 size
    Qt::SizeBDiagCursor,    // 6 size north-east / south-west
    Qt::SizeVerCursor,      // 7 size north / south
    Qt::SizeFDiagCursor,    // 8 size north-west / south-east
    Qt::SizeHorCursor,      // 9 size west / east
    Qt::UpArrowCursor,      // 10 up arrow
    Qt::WaitCursor,         // 11 hourglass
    Qt::ForbiddenCursor,    // 12 no drop
    Qt::BusyCursor,         // 13 arrow and hourglass
    Qt::WhatsThisCursor,    // 14 arrow and question mark
    Qt::SizeAllCursor,      // 15 size all
};

} // namespace

std::optional<QCursor> cursorForPointer(int mousePointer, const QPixmap& mouseIcon)
{
    if (mousePointer == customMousePointer)
        return mouseIcon.isNull() ? std::nullopt : std::optional<QCursor>(QCursor(mouseIcon));
    if (mousePointer <= 0 || mousePointer >= int(stockShapes.size()))
        return std::nullopt;
    return QCursor(stockShapes[std::size_t(mousePointer)]);
}

} // namespace zrt
