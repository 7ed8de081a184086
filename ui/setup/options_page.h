#pragma once

#include <QWidget>

class QLineEdit;

namespace zrt {

class Settings;
class UserMessages;

// The page "Opzioni": the address of the news page ("Indirizzo notizie"),
// a host name or a web address; empty, the strip shows the local page only.
// The address is stored when the user leaves the box or presses Enter; an
// address that is neither is refused with a message and the stored one
// shown again.
class OptionsPage : public QWidget {
    Q_OBJECT

public:
    OptionsPage(Settings& settings, UserMessages& messages, QWidget* parent = nullptr);

    // Shows the stored settings again.
    void reload();

private:
    void storeNewsAddress();

    Settings& settings_;
    UserMessages& messages_;
    QLineEdit* newsAddressEdit_;
};

} // namespace zrt
