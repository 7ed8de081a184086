#pragma once

#include <QString>

class QWidget;

namespace zrt {

// How the windows put notices, failures and questions to the user. The
// program shows message boxes titled with its name; tests keep the texts.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    virtual void inform(QWidget* parent, const QString& text) = 0;
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& title, const QString& question) = 0;

    static UserMessages& messageBoxes();
};

} // namespace zrt
