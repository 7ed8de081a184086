#include "user_messages.h"

#include "engine/program_name.h"

#include <QMessageBox>

namespace zrt {

namespace {

// Without a parent a box must not end up behind the windows that stay
// above all others (the intro and the main strip).
int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (!parent)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

class MessageBoxes final : public UserMessages {
public:
    void inform(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Information, QString::fromUtf8(kProgramName), text, QMessageBox::Ok);
    }
    void warn(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Warning, QString::fromUtf8(kProgramName), text, QMessageBox::Ok);
    }
    bool ask(QWidget* parent, const QString& title, const QString& question) override
    {
        return showBox(parent, QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    }
};

} // namespace

UserMessages& UserMessages::messageBoxes()
{
    static MessageBoxes boxes;
    return boxes;
}

} // namespace zrt
