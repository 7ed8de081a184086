#pragma once

#include <QPointF>
#include <Qt>

class QMouseEvent;
class QWidget;

namespace zrt {

// What the controls' mouse signals carry: the buttons, the keys held and
// the position in twips within the control.
struct MouseArgs {
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    QPointF twips;

    // For a press or a release, the button that changed; for a movement,
    // the buttons held down.
    static MouseArgs of(const QMouseEvent& event, const QWidget& widget);
};

} // namespace zrt
