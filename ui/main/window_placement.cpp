#include "window_placement.h"

namespace zrt {

QPoint savedWindowPosition(std::optional<int> savedLeft, std::optional<int> savedTop, QSize window, QSize screen)
{
    int top = savedTop.value_or(0);
    int left = savedLeft.value_or(screen.width() - window.width());
    if (left > screen.width())
        left = screen.width() - window.width();
    if (left < 0)
        left = 0;
    if (top < 0)
        top = 0;
    if (top > screen.height())
        top = 0;
    return {left, top};
}

} // namespace zrt
