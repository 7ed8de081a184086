#include "associations_page.h"

#include "association_dialog.h"
#include "setup_widgets.h"

#include "controls/default_button.h"
#include "controls/elided_label.h"
#include "controls/flat_button.h"
#include "controls/separator.h"
#include "database/association_store.h"
#include "database/database.h"
#include "database/database_error.h"
#include "database/tariff_store.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcAssociations, "zrtellix.setup.associations")

enum Column { ConnessioneColumn, TariffaColumn, CompagniaColumn, ColumnCount };

constexpr int kDefaultTariff = 1;


QTreeWidget* entryList(QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("lstconnessioni"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels(
        {AssociationsPage::tr("Connessione"), AssociationsPage::tr("Tariffa"),
         AssociationsPage::tr("Compagnia telefonica")});
    list->headerItem()->setTextAlignment(TariffaColumn, Qt::AlignRight | Qt::AlignVCenter);
    list->header()->setStretchLastSection(false);
    return list;
}

QString selectionCaption(const QString& entry)
{
    return AssociationsPage::tr("Selezionato:  %1").arg(entry);
}

QTreeWidgetItem* entryItem(const QString& connessione, const TariffaInfo* tariffa)
{
    auto* item = new QTreeWidgetItem({connessione, tariffa ? tariffa->descrizione : AssociationsPage::tr("(tariffa mancante)"),
                                      tariffa ? tariffa->compagnia : QString()});
    item->setTextAlignment(TariffaColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

AssociationsPage::AssociationsPage(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages),
      associationList_(entryList(this)), selectionLabel_(new ElidedLabel(this)),
      editButton_(setupButton(QStringLiteral("fltModifica"), tr("Modifica"), this))
{
    selectionLabel_->setObjectName(QStringLiteral("lblConn"));
    selectionLabel_->setFullText(selectionCaption({}));
    editButton_->setEnabled(false);
    editButton_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QLabel* howTo = setupLabel(QStringLiteral("lblIstruzioni"),
                                tr("Per modificare la tariffa associata ad una connessione fare, selezionare "
                                   "la connessione desiderata con un click poi scegliere Modifica."),
                                this);
    howTo->setWordWrap(true);
    QFont bold = selectionLabel_->font();
    bold.setBold(true);
    selectionLabel_->setFont(bold);

    auto* selection = new QHBoxLayout;
    selection->addWidget(selectionLabel_, 1);
    selection->addWidget(editButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(setupLabel(QStringLiteral("lblLista"), tr("Lista connessioni disponibili"), this));
    layout->addWidget(associationList_, 1);
    layout->addWidget(new Separator(this));
    layout->addWidget(setupLabel(QStringLiteral("lblModifica"), tr("Modifica associazione tariffe"), this));
    layout->addWidget(howTo);
    layout->addLayout(selection);

    connect(associationList_, &QTreeWidget::currentItemChanged, this,
            [this](const QTreeWidgetItem* item) { select(item); });
    connect(editButton_, &FlatButton::clicked, this, &AssociationsPage::editSelected);
    setDefaultButton(*editButton_, *this);
}

void AssociationsPage::build(const QStringList& entries)
{
    entries_ = entries;
    {
        const QSignalBlocker rebuilding(associationList_);
        associationList_->clear();
        fill();
    }
    reselect();
}

void AssociationsPage::fill()
{
    try {
        Database database = Database::open(databasePath_);
        AssociationStore associations(database);
        associations.ensureAssociated(entries_, kDefaultTariff);
        QHash<int, TariffaInfo> tariffs;
        for (const TariffaInfo& tariffa : TariffStore(database).tariffs())
            tariffs.insert(tariffa.id, tariffa);
        for (const QString& entry : entries_) {
            const std::optional<Associazione> association = associations.find(entry);
            const auto tariffa = association ? tariffs.constFind(association->idTariffa) : tariffs.constEnd();
            associationList_->addTopLevelItem(entryItem(entry, tariffa != tariffs.constEnd() ? &*tariffa : nullptr));
        }
    } catch (const DatabaseError& error) {
        qCWarning(lcAssociations).noquote() << "The dial-up entries cannot be listed with their tariffs:"
                                            << error.message();
    }
}

// The selection outlives a rebuild while its entry is still listed.
void AssociationsPage::reselect()
{
    const QList<QTreeWidgetItem*> found = associationList_->findItems(selectedEntry_, Qt::MatchExactly);
    if (!selectedEntry_.isEmpty() && !found.isEmpty()) {
        associationList_->setCurrentItem(found.first());
        select(found.first());
        return;
    }
    selectedEntry_.clear();
    selectedCompany_.clear();
    selectionLabel_->setFullText(selectionCaption({}));
    editButton_->setEnabled(false);
}

void AssociationsPage::select(const QTreeWidgetItem* item)
{
    if (!item)
        return;
    selectedEntry_ = item->text(ConnessioneColumn);
    selectedCompany_ = item->text(CompagniaColumn);
    selectionLabel_->setFullText(selectionCaption(selectedEntry_));
    editButton_->setEnabled(true);
}

void AssociationsPage::editSelected()
{
    auto* dialog = new AssociationDialog(databasePath_, selectedEntry_, messages_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::accepted, this, [this] { build(entries_); });
    dialog->show();
}

void AssociationsPage::showEvent(QShowEvent* event)
{
    // The columns share the width equally the first time only; later the
    // user's widths stay.
    if (!columnsSized_) {
        const int third = associationList_->viewport()->width() / ColumnCount;
        for (int column = 0; column < ColumnCount; ++column)
            associationList_->header()->resizeSection(column, third);
        columnsSized_ = true;
    }
    QWidget::showEvent(event);
}

} // namespace zrt
