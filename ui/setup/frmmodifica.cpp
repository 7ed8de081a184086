#include "frmmodifica.h"

#include "setup_widgets.h"
#include "tariff_list_model.h"
#include "user_messages.h"

#include "controls/fltbutton.h"
#include "controls/separator.h"
#include "database/association_store.h"
#include "database/database.h"
#include "database/database_error.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace zrt {

namespace {

constexpr QSize kDialogSize(360, 260);

fltbutton* heading(const QString& connessione, QWidget* parent)
{
    fltbutton* lbl = setupButton(QStringLiteral("lbl"), connessione, parent);
    lbl->setStyle(FltStyle::Label);
    QFont bold = lbl->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    lbl->setFont(bold);
    return lbl;
}

} // namespace

frmmodifica::frmmodifica(QString databasePath, QString connessione, UserMessages& messages, QWidget* parent)
    : QDialog(parent), databasePath_(std::move(databasePath)), connessione_(std::move(connessione)),
      messages_(messages), model_(new TariffListModel(this))
{
    setObjectName(QStringLiteral("frmmodifica"));
    setFont(setupFont());
    dbCompagnie_ = setupGrid(QStringLiteral("dbCompagnie"), model_, this);
    fltbutton1_ = setupButton(QStringLiteral("fltbutton1"), QStringLiteral("OK"), this);
    setWindowTitle(QStringLiteral("Modifica..."));
    setFixedSize(kDialogSize);
    dbCompagnie_->horizontalHeader()->setSectionResizeMode(TariffListModel::CompagniaColumn,
                                                           QHeaderView::ResizeToContents);
    dbCompagnie_->horizontalHeader()->setStretchLastSection(true);
    fltbutton* fltbutton2 = setupButton(QStringLiteral("fltbutton2"), QStringLiteral("Annulla"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fltbutton1_);
    buttons->addWidget(fltbutton2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(connessione_, this));
    layout->addWidget(setupLabel(QStringLiteral("lbl1"), QStringLiteral("Modifica associazione tariffa"), this));
    layout->addWidget(setupLabel(QStringLiteral("Label1"),
                                 QStringLiteral("Fare click sulla tariffa da associare alla connessione"), this));
    layout->addWidget(dbCompagnie_, 1);
    layout->addWidget(new Separator(this));
    layout->addLayout(buttons);

    connect(fltbutton1_, &fltbutton::Click, this, &frmmodifica::save);
    connect(fltbutton2, &fltbutton::Click, this, &QDialog::reject);
    load();
    connect(dbCompagnie_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmmodifica::updateOkButton);
    updateOkButton();
}

void frmmodifica::load()
{
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        model_->setTariffs(TariffStore(database).tariffs());
        const std::optional<Associazione> current = AssociationStore(database).find(connessione_);
        if (current && model_->rowOf(current->idTariffa) >= 0)
            dbCompagnie_->selectRow(model_->rowOf(current->idTariffa));
    } catch (const DatabaseError& error) {
        messages_.warn(this, QStringLiteral("The tariffs cannot be read: %1").arg(error.message()));
    }
}

void frmmodifica::save()
{
    const QModelIndex current = dbCompagnie_->currentIndex();
    if (!current.isValid())
        return;
    try {
        Database database = Database::open(databasePath_);
        AssociationStore(database).associate(connessione_, model_->tariffAt(current.row()).id);
    } catch (const DatabaseError& error) {
        messages_.warn(this, QStringLiteral("The tariff of \"%1\" could not be changed: %2")
                                 .arg(connessione_, error.message()));
        return;
    }
    accept();
}

void frmmodifica::updateOkButton()
{
    fltbutton1_->setEnabled(dbCompagnie_->currentIndex().isValid());
}

} // namespace zrt
