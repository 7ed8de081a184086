#include "window_drag.h"

#include <QMouseEvent>
#include <QWidget>

namespace zrt {

namespace {

const char kTopProperty[] = "zrtDragTop";

} // namespace

WindowDrag::WindowDrag(QWidget& window) : QObject(&window), window_(window)
{
}

void WindowDrag::watch(QWidget& handle, Top top)
{
    handle.setProperty(kTopProperty, static_cast<int>(top));
    handle.installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: return press(watched, static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove: return move(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return release();
    default: return false;
    }
}

bool WindowDrag::press(QObject* handle, const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    grab_ = window_.pos() - event.globalPosition().toPoint();
    top_ = static_cast<Top>(handle->property(kTopProperty).toInt());
    return true;
}

bool WindowDrag::move(const QMouseEvent& event)
{
    if (!grab_)
        return false;
    window_.move(event.globalPosition().toPoint() + *grab_);
    return true;
}

bool WindowDrag::release()
{
    if (!grab_)
        return false;
    grab_.reset();
    if (top_ == Top::BelowTheEdge && window_.y() < 0)
        window_.move(window_.x(), 0);
    return true;
}

} // namespace zrt
