#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace zrt::test {

// The named widgets Tab can reach in the window, in the order it does.
inline QStringList tabOrder(QWidget& window)
{
    QStringList names;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    }
    return names;
}

} // namespace zrt::test
