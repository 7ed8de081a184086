#include "controls/mouse_args.h"

#include "controls/twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace zrt {

MouseArgs MouseArgs::of(const QMouseEvent& event, const QWidget& widget)
{
    const PixelScale scale = PixelScale::of(widget);
    const bool movement = event.type() == QEvent::MouseMove;
    return {movement ? event.buttons() : Qt::MouseButtons(event.button()), event.modifiers(),
            QPointF(event.position().x() * scale.px, event.position().y() * scale.py)};
}

} // namespace zrt
