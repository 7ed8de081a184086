#include "controls/mouse_args.h"

#include "controls/twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace zrt {
namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

MouseArgs MouseArgs::of(const QMouseEvent& event, const QWidget& widget)
{
    const PixelScale scale = PixelScale::of(widget);
    const bool movement = event.type() == QEvent::MouseMove;
    return {buttonCode(movement ? event.buttons() : Qt::MouseButtons(event.button())),
            shiftCode(event.modifiers()), float(event.position().x() * scale.px),
            float(event.position().y() * scale.py)};
}

} // namespace zrt
