#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace zrt {

class Settings;
class UserMessages;

// The page "Opzioni": the address of the news page ("Indirizzo notizie"),
// a host name or a web address; empty, the strip shows the local page only.
// The address is stored when the user leaves the box or presses Enter; an
// address that is neither is refused with a message and the stored one
// shown again. The monthly spending limit ("Limite di spesa mensile") of
// the database file is kept the same way: whole Lire, empty for none.
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    OptionsPage(Settings& settings, QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Shows the stored settings again.
    void reload();

private:
    void storeNewsAddress();
    void showSpendingLimit();
    void storeSpendingLimit();

    Settings& settings_;
    QString databasePath_;
    UserMessages& messages_;
    QLineEdit* newsAddressEdit_;
    QLineEdit* spendingLimitEdit_;
    QString shownLimit_; // the stored limit as the box shows it
};

} // namespace zrt
