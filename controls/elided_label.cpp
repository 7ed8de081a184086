#include "controls/elided_label.h"

#include <QEvent>

namespace zrt {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text)
{
    fullText_ = text;
    elide();
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        elide();
}

void ElidedLabel::elide()
{
    const int room = contentsRect().width();
    const QString shown = fontMetrics().elidedText(fullText_, Qt::ElideRight, qMax(0, room));
    setToolTip(shown == fullText_ ? QString() : fullText_);
    setText(shown);
}

} // namespace zrt
