#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace zrt {

class UserMessages;
class FlatButton;

// "I.V.A. [txtIva] %" with "Modifica", which turns into "OK" while the rate
// is edited, and "Annulla". "OK" stores a whole percentage from 0 to 100
// (a fraction is rounded); any other text is refused with a message and
// the edit goes on. "Annulla" shows the stored rate again.
class VatEditor : public QWidget {
    Q_OBJECT

public:
    VatEditor(QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Reads the stored rate and shows it.
    void load();
    // Shows the current rate again, unless the user is editing it.
    void showRate();
    int rate() const { return rate_; }
    bool isEditing() const;

signals:
    void vatChanged(int rate);

private:
    void modificaClicked();
    void setEditing(bool editing);
    void confirm();
    void cancel();
    bool store(int rate);

    QString databasePath_;
    UserMessages& messages_;
    int rate_ = 0;

    QLineEdit* rateEdit_;
    FlatButton* okButton_;
    FlatButton* cancelButton_;
};

} // namespace zrt
