#pragma once

#include <QtGlobal>

class QMouseEvent;
class QWidget;

namespace zrt {

// The arguments the controls' mouse signals carry: the buttons as a sum of
// 1 (left), 2 (right) and 4 (middle), the keys held as a sum of 1 (Shift),
// 2 (Ctrl) and 4 (Alt), and the position in twips within the control.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;

    // For a press or a release, the button that changed; for a movement,
    // the buttons held down.
    static MouseArgs of(const QMouseEvent& event, const QWidget& widget);
};

} // namespace zrt
