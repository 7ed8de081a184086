#include "controls/default_button.h"

#include "controls/flat_button.h"

#include <QEvent>
#include <QKeyEvent>

#include <initializer_list>

namespace zrt {

namespace {

// Watches the key presses that reach scope unhandled by its children.
class UnhandledKeyClick : public QObject {
public:
    UnhandledKeyClick(FlatButton& button, QWidget& scope, std::initializer_list<Qt::Key> keys)
        : QObject(&scope), button_(button), keys_(keys)
    {
        scope.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !button_.isEnabled() || !button_.isVisible())
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !keys_.contains(Qt::Key(key.key())))
            return false;
        emit button_.clicked();
        return true;
    }

private:
    FlatButton& button_;
    QList<Qt::Key> keys_;
};

} // namespace

void setDefaultButton(FlatButton& button, QWidget& scope)
{
    new UnhandledKeyClick(button, scope, {Qt::Key_Return, Qt::Key_Enter});
}

void setCancelButton(FlatButton& button, QWidget& scope)
{
    new UnhandledKeyClick(button, scope, {Qt::Key_Escape});
}

} // namespace zrt
