#include "title_strip.h"

#include <QMouseEvent>
#include <QWindow>

namespace zrt {

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    grabOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (grabOffset_ && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - *grabOffset_);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        grabOffset_.reset();
}

} // namespace zrt
