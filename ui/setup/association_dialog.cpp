#include "association_dialog.h"

#include "setup_widgets.h"
#include "tariff_list_model.h"
#include "ui/common/database_operation.h"
#include "ui/common/guide.h"
#include "ui/common/user_messages.h"

#include "controls/default_button.h"
#include "controls/elided_label.h"
#include "controls/flat_button.h"
#include "controls/separator.h"
#include "database/association_store.h"
#include "database/database.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace zrt {

namespace {

constexpr QSize kDialogSize(360, 260);

// The entry's name, cut short with "…" when it is too long for the dialog.
ElidedLabel* heading(const QString& connessione, QWidget* parent)
{
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QStringLiteral("lbl"));
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    label->setFont(bold);
    label->setFullText(connessione);
    return label;
}

} // namespace

AssociationDialog::AssociationDialog(QString databasePath, QString connessione, UserMessages& messages, QWidget* parent)
    : QDialog(parent), databasePath_(std::move(databasePath)), entry_(std::move(connessione)),
      messages_(messages), model_(new TariffListModel(this))
{
    setObjectName(QStringLiteral("frmmodifica"));
    setProperty(kGuidePageProperty, QStringLiteral("entries.html"));
    setFont(setupFont());
    companyTable_ = setupGrid(QStringLiteral("dbCompagnie"), model_, this);
    okButton_ = setupButton(QStringLiteral("fltbutton1"), tr("OK"), this);
    setWindowTitle(tr("Modifica..."));
    setFixedSize(kDialogSize);
    companyTable_->horizontalHeader()->setSectionResizeMode(TariffListModel::CompagniaColumn,
                                                           QHeaderView::ResizeToContents);
    companyTable_->horizontalHeader()->setStretchLastSection(true);
    FlatButton* cancelButton = setupButton(QStringLiteral("fltbutton2"), tr("Annulla"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(entry_, this));
    layout->addWidget(setupLabel(QStringLiteral("lbl1"), tr("Modifica associazione tariffa"), this));
    layout->addWidget(setupLabel(QStringLiteral("Label1"),
                                 tr("Fare click sulla tariffa da associare alla connessione"), this));
    layout->addWidget(companyTable_, 1);
    layout->addWidget(new Separator(this));
    layout->addLayout(buttons);

    connect(okButton_, &FlatButton::clicked, this, &AssociationDialog::save);
    connect(cancelButton, &FlatButton::clicked, this, &QDialog::reject);
    setDefaultButton(*okButton_, *this);
    load();
    connect(companyTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &AssociationDialog::updateOkButton);
    updateOkButton();
}

void AssociationDialog::load()
{
    const bool read = readDatabase(databasePath_, "The tariffs", [this](Database& database) {
        model_->setTariffs(TariffStore(database).tariffs());
        const std::optional<Associazione> current = AssociationStore(database).find(entry_);
        if (current && model_->rowOf(current->idTariffa) >= 0)
            companyTable_->selectRow(model_->rowOf(current->idTariffa));
    });
    if (!read)
        messages_.warn(this, tr("Le tariffe non si possono leggere dal file dei dati."));
}

void AssociationDialog::save()
{
    const QModelIndex current = companyTable_->currentIndex();
    if (!current.isValid())
        return;
    const int idTariffa = model_->tariffAt(current.row()).id;
    if (writeDatabase(databasePath_, tr("La tariffa di \"%1\" non è stata cambiata: non è possibile scrivere nel "
                                        "file dei dati.").arg(entry_),
                      messages_, this,
                      [&](Database& database) { AssociationStore(database).associate(entry_, idTariffa); }))
        accept();
}

void AssociationDialog::updateOkButton()
{
    okButton_->setEnabled(companyTable_->currentIndex().isValid());
}

} // namespace zrt
