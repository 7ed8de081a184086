#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace zrt {

// Moves a window without a title bar when the user drags one of the
// widgets it watches with the left button.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    enum class Top {
        AsDropped,    // the window stays where it was dropped
        BelowTheEdge, // a window dropped above the screen's top edge comes down to it
    };

    explicit WindowDrag(QWidget& window);

    void watch(QWidget& handle, Top top = Top::AsDropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(QObject* handle, const QMouseEvent& event);
    bool move(const QMouseEvent& event);
    bool release();

    QWidget& window_;
    std::optional<QPoint> grab_; // where the window's corner is, seen from the mouse
    Top top_ = Top::AsDropped;
};

} // namespace zrt
