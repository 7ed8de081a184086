#include "user_dialogs.h"

#include <QMessageBox>

namespace zrt {

namespace {

const QString kUpdateQuestion = QStringLiteral(
    "Sono state trovate delle nuove tariffe da inserire nel database, procedere all'aggiornamento automatico?");
const QString kUpdateTitle = QStringLiteral("Attenzione");

// The intro and the main window stay above other windows; a message must
// not end up behind them.
int showOnTop(QMessageBox::Icon icon, const QString& title, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

} // namespace

bool MessageBoxes::askTariffUpdate()
{
    return showOnTop(QMessageBox::Information, kUpdateTitle, kUpdateQuestion, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void MessageBoxes::tell(const QString& message)
{
    showOnTop(QMessageBox::NoIcon, kProgramTitle, message, QMessageBox::Ok);
}

void MessageBoxes::warn(const QString& message)
{
    showOnTop(QMessageBox::Warning, kProgramTitle, message, QMessageBox::Ok);
}

} // namespace zrt
