#include "band_page.h"

#include "band_cells.h"
#include "band_table_model.h"
#include "wizard_widgets.h"

#include "controls/flat_button.h"

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
      dayTypeLabel_(makeHeading({}, QStringLiteral("LBLfASCIA"), this)), problemsLabel_(new QLabel(this)),
      bandTable_(makeGrid(bands_, this))
{
    setObjectName(QStringLiteral("pnl2"));
    problemsLabel_->setObjectName(QStringLiteral("Label5"));
    auto* warning = new QLabel(QStringLiteral("ATTENZIONE: Inserire correttamente gli orari di inizio e di fine "
                                              "tariffa in modo di riempire l'intero arco delle 24 ore."),
                               this);
    warning->setWordWrap(true);
    FlatButton* fltbutton3 = wizardButton(QStringLiteral("fltbutton3"), QStringLiteral("Aggiungi"), this);
    FlatButton* fltElimina = wizardButton(QStringLiteral("fltElimina"), QStringLiteral("Elimina"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(warning, 1);
    buttons->addWidget(fltbutton3);
    buttons->addWidget(fltElimina);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dayTypeLabel_);
    layout->addWidget(problemsLabel_);
    layout->addWidget(bandTable_, 1);
    layout->addLayout(buttons);

    // The grid leaving a row writes that row's edits.
    connect(bandTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, bands_,
            &BandTableModel::submit);
    connect(fltbutton3, &FlatButton::clicked, this, &BandPage::addBand);
    connect(fltElimina, &FlatButton::clicked, this, &BandPage::removeCurrentBand);
    bandTable_->installEventFilter(this);

    connect(bands_, &BandTableModel::modelReset, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsInserted, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsRemoved, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::accepted, this, [this] { emit messageChanged({}); });
    connect(bands_, &BandTableModel::refused, this, &BandPage::messageChanged);
    connect(bands_, &BandTableModel::failed, this, &BandPage::messageChanged);
}

void BandPage::showBands(int idTariffa, DayType tipo, const Compagnia& compagnia)
{
    dayTypeLabel_->setText(heading(tipo));
    problemsLabel_->setText(compagnia.nome);
    const Metering metering = meteringOf(compagnia.tipotariffazione.toStdString());
    bands_->load(idTariffa, tipo, metering);
    showColumnsFor(metering);
}

bool BandPage::submitPendingRow()
{
    // The flat buttons take no focus, so a cell still being typed in has not
    // handed over its text yet.
    const QModelIndex current = bandTable_->currentIndex();
    if (QWidget* editor = bandTable_->indexWidget(current))
        bandTable_->itemDelegateForIndex(current)->setModelData(editor, bands_, current);
    return bands_->submit();
}

int BandPage::bandCount() const
{
    return bands_->rowCount();
}

bool BandPage::eventFilter(QObject* watched, QEvent* event)
{
    // Delete on the grid itself, not in a cell being typed in, removes the band.
    if (watched == bandTable_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeCurrentBand();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BandPage::showColumnsFor(Metering metering)
{
    for (int column = 0; column < kBandColumnCount; ++column)
        bandTable_->setColumnHidden(column, !bandColumnShown(static_cast<BandColumn>(column), metering));
}

void BandPage::addBand()
{
    if (!submitPendingRow())
        return;
    const int before = bands_->rowCount();
    bands_->addBand();
    if (bands_->rowCount() > before)
        bandTable_->setCurrentIndex(bands_->index(before, static_cast<int>(BandColumn::Inizio)));
}

void BandPage::removeCurrentBand()
{
    bands_->removeBand(bandTable_->currentIndex().row());
}

} // namespace zrt
