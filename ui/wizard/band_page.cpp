#include "band_page.h"

#include "band_cells.h"
#include "band_table_model.h"
#include "wizard_widgets.h"

#include "controls/fltbutton.h"

#include <QAbstractItemDelegate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace zrt {

namespace {

QString heading(DayType tipo)
{
    switch (tipo) {
    case DayType::Fer: return QStringLiteral("Tariffe giorni FERIALI (lun-ven)");
    case DayType::Pre: return QStringLiteral("Tariffe giorni PREFESTIVI (sab)");
    case DayType::Fes: return QStringLiteral("Tariffe giorni FESTIVI (dom)");
    }
    return {};
}

QTableView* makeGrid(BandTableModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("dbTariffe"));
    grid->setModel(model);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    // The amounts keep their captions whole; the times share what is left.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const BandColumn time : {BandColumn::Inizio, BandColumn::Fine})
        grid->horizontalHeader()->setSectionResizeMode(static_cast<int>(time), QHeaderView::Stretch);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

} // namespace

BandPage::BandPage(const QString& databasePath, QWidget* parent)
    : QWidget(parent), bands_(new BandTableModel(databasePath, this)),
      LBLfASCIA_(makeHeading({}, QStringLiteral("LBLfASCIA"), this)), Label5_(new QLabel(this)),
      dbTariffe_(makeGrid(bands_, this))
{
    setObjectName(QStringLiteral("pnl2"));
    Label5_->setObjectName(QStringLiteral("Label5"));
    auto* warning = new QLabel(QStringLiteral("ATTENZIONE: Inserire correttamente gli orari di inizio e di fine "
                                              "tariffa in modo di riempire l'intero arco delle 24 ore."),
                               this);
    warning->setWordWrap(true);
    fltbutton* fltbutton3 = makeFlatButton(QStringLiteral("Aggiungi"), QStringLiteral("fltbutton3"), this);
    fltbutton* fltElimina = makeFlatButton(QStringLiteral("Elimina"), QStringLiteral("fltElimina"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(warning, 1);
    buttons->addWidget(fltbutton3);
    buttons->addWidget(fltElimina);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LBLfASCIA_);
    layout->addWidget(Label5_);
    layout->addWidget(dbTariffe_, 1);
    layout->addLayout(buttons);

    // The grid leaving a row writes that row's edits.
    connect(dbTariffe_->selectionModel(), &QItemSelectionModel::currentRowChanged, bands_,
            &BandTableModel::submit);
    connect(fltbutton3, &fltbutton::Click, this, &BandPage::addBand);
    connect(fltElimina, &fltbutton::Click, this, &BandPage::removeCurrentBand);
    dbTariffe_->installEventFilter(this);

    connect(bands_, &BandTableModel::modelReset, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsInserted, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsRemoved, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::accepted, this, [this] { emit messageChanged({}); });
    connect(bands_, &BandTableModel::refused, this, &BandPage::messageChanged);
    connect(bands_, &BandTableModel::failed, this, &BandPage::messageChanged);
}

void BandPage::showBands(int idTariffa, DayType tipo, const Compagnia& compagnia)
{
    LBLfASCIA_->setText(heading(tipo));
    Label5_->setText(compagnia.nome);
    const Metering metering = meteringOf(compagnia.tipotariffazione.toStdString());
    bands_->load(idTariffa, tipo, metering);
    showColumnsFor(metering);
}

bool BandPage::submitPendingRow()
{
    // The flat buttons take no focus, so a cell still being typed in has not
    // handed over its text yet.
    const QModelIndex current = dbTariffe_->currentIndex();
    if (QWidget* editor = dbTariffe_->indexWidget(current))
        dbTariffe_->itemDelegateForIndex(current)->setModelData(editor, bands_, current);
    return bands_->submit();
}

int BandPage::bandCount() const
{
    return bands_->rowCount();
}

bool BandPage::eventFilter(QObject* watched, QEvent* event)
{
    // Delete on the grid itself, not in a cell being typed in, removes the band.
    if (watched == dbTariffe_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeCurrentBand();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BandPage::showColumnsFor(Metering metering)
{
    for (int column = 0; column < kBandColumnCount; ++column)
        dbTariffe_->setColumnHidden(column, !bandColumnShown(static_cast<BandColumn>(column), metering));
}

void BandPage::addBand()
{
    if (!submitPendingRow())
        return;
    const int before = bands_->rowCount();
    bands_->addBand();
    if (bands_->rowCount() > before)
        dbTariffe_->setCurrentIndex(bands_->index(before, static_cast<int>(BandColumn::Inizio)));
}

void BandPage::removeCurrentBand()
{
    bands_->removeBand(dbTariffe_->currentIndex().row());
}

} // namespace zrt
