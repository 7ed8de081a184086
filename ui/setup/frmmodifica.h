#pragma once

#include <QDialog>
#include <QString>

class QTableView;

namespace zrt {

class TariffListModel;
class UserMessages;
class fltbutton;

// "Modifica...": chooses the tariff of one dial-up entry. The grid opens on
// the entry's current tariff; "OK" stores the chosen one, recreating the
// entry's association if it has gone, and accepts the dialog.
class frmmodifica : public QDialog {
    Q_OBJECT

public:
    frmmodifica(QString databasePath, QString connessione, UserMessages& messages, QWidget* parent = nullptr);

private:
    void load();
    void save();
    void updateOkButton();

    QString databasePath_;
    QString connessione_;
    UserMessages& messages_;
    TariffListModel* model_;
    QTableView* dbCompagnie_;
    fltbutton* fltbutton1_;
};

} // namespace zrt
