#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QLineEdit;

namespace zrt {

class UserMessages;
class FlatButton;

// "I.V.A. [txtIva] %" with "Modifica", which turns into "OK" while the rate
// is edited, and "Annulla". "OK" stores a whole percentage from 0 to 100,
// written in digits; any other text (a fraction too) is refused with a
// message and the edit goes on. "Annulla" shows the stored rate again, as
// it is stored then. A stored rate that is missing or not valid is reported
// and shown empty.
class VatEditor : public QWidget {
    Q_OBJECT

public:
    VatEditor(QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Reads the stored rate and shows it.
    void load();
    // Reads the stored rate again, since another window or the command-line
    // tool may have changed it, and shows it unless the user is editing it.
    void reload();
    // None when the stored rate could not be read.
    std::optional<int> rate() const { return rate_; }
    bool isEditing() const;

signals:
    void vatChanged(int rate);

private:
    // Says so when the stored rate cannot be read, unless that was known already.
    void readStoredRate(bool reportedAlready);
    void showRate();
    void modificaClicked();
    void setEditing(bool editing);
    void confirm();
    void cancel();
    bool store(int rate);

    QString databasePath_;
    UserMessages& messages_;
    std::optional<int> rate_;

    QLineEdit* rateEdit_;
    FlatButton* okButton_;
    FlatButton* cancelButton_;
};

} // namespace zrt
