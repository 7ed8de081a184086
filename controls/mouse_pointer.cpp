#include "controls/mouse_pointer.h"

#include <QPixmap>

#include <array>

namespace zrt {
namespace {

using Pointer = LinkLabel::MousePointer;

// The stock shapes, by the number of their kind.
constexpr std::array<Qt::CursorShape, 16> stockShapes{
    Qt::ArrowCursor,        // Default (not used: the parent's pointer shows)
    Qt::ArrowCursor,        // Arrow
    Qt::CrossCursor,        // Cross
    Qt::IBeamCursor,        // IBeam
    Qt::ArrowCursor,        // Icon
    Qt::SizeAllCursor,      // Size
    Qt::SizeBDiagCursor,    // SizeNESW
    Qt::SizeVerCursor,      // SizeNS
    Qt::SizeFDiagCursor,    // SizeNWSE
    Qt::SizeHorCursor,      // SizeWE
    Qt::UpArrowCursor,      // UpArrow
    Qt::WaitCursor,         // Hourglass
    Qt::ForbiddenCursor,    // NoDrop
    Qt::BusyCursor,         // ArrowHourglass
    Qt::WhatsThisCursor,    // ArrowQuestion
    Qt::SizeAllCursor,      // SizeAll
};

} // namespace

std::optional<QCursor> cursorForPointer(Pointer pointer, const QPixmap& mouseIcon)
{
    if (pointer == Pointer::Custom)
        return mouseIcon.isNull() ? std::nullopt : std::optional<QCursor>(QCursor(mouseIcon));
    const int kind = static_cast<int>(pointer);
    if (kind <= 0 || kind >= int(stockShapes.size()))
        return std::nullopt;
    return QCursor(stockShapes[std::size_t(kind)]);
}

} // namespace zrt
