#include "wizard_widgets.h"

#include "controls/color_value.h"
#include "controls/flat_button.h"

#include <QLabel>
#include <QSize>

namespace zrt {

namespace {
constexpr QSize kClassicButtonSize(75, 23);
}

FlatButton* wizardButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    FlatButton* button = makeFlatButton(objectName, caption, parent);
    button->setBackColor(buttonFaceColor);
    button->setMinimumSize(kClassicButtonSize);
    return button;
}

QLabel* makeHeading(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(objectName);
    heading->setWordWrap(true);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

} // namespace zrt
