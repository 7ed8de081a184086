#pragma once

#include <QDialog>
#include <QString>

class QTableView;

namespace zrt {

class TariffListModel;
class UserMessages;
class FlatButton;

// "Modifica...": chooses the tariff of one dial-up entry. The grid opens on
// the entry's current tariff; "OK" stores the chosen one, recreating the
// entry's association if it has gone, and accepts the dialog.
class AssociationDialog : public QDialog {
    Q_OBJECT

public:
    AssociationDialog(QString databasePath, QString connessione, UserMessages& messages, QWidget* parent = nullptr);

private:
    void load();
    void save();
    void updateOkButton();

    QString databasePath_;
    QString entry_;
    UserMessages& messages_;
    TariffListModel* model_;
    QTableView* companyTable_;
    FlatButton* okButton_;
};

} // namespace zrt
