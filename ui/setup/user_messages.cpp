#include "user_messages.h"

#include <QMessageBox>

namespace zrt {

namespace {

const QString kTitle = QStringLiteral("ZR Tellix 99");

class MessageBoxes : public UserMessages {
public:
    void warn(QWidget* parent, const QString& text) override { QMessageBox::warning(parent, kTitle, text); }
    void inform(QWidget* parent, const QString& text) override { QMessageBox::information(parent, kTitle, text); }
};

} // namespace

UserMessages& UserMessages::messageBoxes()
{
    static MessageBoxes boxes;
    return boxes;
}

} // namespace zrt
