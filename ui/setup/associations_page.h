#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace zrt {

class UserMessages;
class ElidedLabel;
class FlatButton;

// The "Setup Connessioni" page: every dial-up entry with its tariff and
// company, and "Modifica", which changes the tariff of the selected entry.
class AssociationsPage : public QWidget {
    Q_OBJECT

public:
    AssociationsPage(QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Lists the entries in the order given, first giving each entry without
    // an association the default tariff.
    void build(const QStringList& entries);

    // The selected entry and its company; empty before the first selection.
    const QString& selectedEntry() const { return selectedEntry_; }
    const QString& selectedCompany() const { return selectedCompany_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void select(const QTreeWidgetItem* item);
    void reselect();
    void editSelected();

    QString databasePath_;
    UserMessages& messages_;
    QStringList entries_;
    QString selectedEntry_;
    QString selectedCompany_;
    bool columnsSized_ = false;

    QTreeWidget* associationList_;
    ElidedLabel* selectionLabel_;
    FlatButton* editButton_;
};

} // namespace zrt
