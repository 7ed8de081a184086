#pragma once

#include <QPoint>
#include <QWidget>

#include <optional>

namespace zrt {

// The strip across the top of a borderless window: pressing the left
// button on it drags the window. The window manager moves the window where
// it can; elsewhere the strip follows the mouse itself.
class TitleStrip : public QWidget {
    Q_OBJECT

public:
    explicit TitleStrip(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QPoint> grabOffset_; // from the window's corner to the mouse
};

} // namespace zrt
