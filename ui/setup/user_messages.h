#pragma once

#include <QString>

class QWidget;

namespace zrt {

// How the management window tells the user about a failure or a notice.
// The program shows message boxes; tests keep the texts.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    virtual void warn(QWidget* parent, const QString& text) = 0;
    virtual void inform(QWidget* parent, const QString& text) = 0;

    // Message boxes titled with the program's name.
    static UserMessages& messageBoxes();
};

} // namespace zrt
