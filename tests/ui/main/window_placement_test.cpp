#include "ui/main/window_placement.h"

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

TEST(SavedWindowPosition, CorrectsPositionsOffTheScreen)
{
    const QSize window(3000, 690);
    const QSize screen(15360, 11520); // 1024 × 768 pixels
    const struct { const char* name; std::optional<int> left, top; QPoint expected; } cases[] = {
        {"first run: top right", std::nullopt, std::nullopt, {12360, 0}},
        {"saved and visible", 4000, 2000, {4000, 2000}},
        {"right of a smaller screen", 20000, 2000, {12360, 2000}},
        {"left of the screen", -450, 2000, {0, 2000}},
        {"below a smaller screen", 4000, 12000, {4000, 0}},
        {"just inside the right edge", 15360, 0, {15360, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(savedWindowPosition(c.left, c.top, window, screen), c.expected) << c.name;
}

} // namespace
} // namespace zrt::test
