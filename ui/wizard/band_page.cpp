#include "band_page.h"

#include "band_cells.h"
#include "band_table_model.h"
#include "problem_text.h"
#include "reduction_minute_box.h"
#include "wizard_widgets.h"

#include "controls/flat_button.h"

#include <QAbstractItemDelegate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zrt {

namespace {

constexpr int kProblemLinesShown = 4;

QString heading(DayType tipo)
{
    switch (tipo) {
    case DayType::Fer: return BandPage::tr("Tariffe giorni FERIALI (lun-ven)");
    case DayType::Pre: return BandPage::tr("Tariffe giorni PREFESTIVI (sab)");
    case DayType::Fes: return BandPage::tr("Tariffe giorni FESTIVI (dom)");
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
    // Every column keeps its caption and times whole; the last takes what is left.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

// A few lines high, in the colour of a warning; it scrolls beyond that.
QListWidget* makeProblemList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("lstProblemi"));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFixedHeight(list->fontMetrics().lineSpacing() * kProblemLinesShown + 2 * list->frameWidth() + 4);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, QColor(0x80, 0, 0));
    list->setPalette(palette);
    return list;
}

} // namespace

BandPage::BandPage(TariffDraft& draft, QWidget* parent)
    : QWidget(parent), draft_(draft), bands_(new BandTableModel(draft, this)),
      dayTypeLabel_(makeHeading({}, QStringLiteral("LBLfASCIA"), this)), companyLabel_(new QLabel(this)),
      reductionBox_(new ReductionMinuteBox(this)), bandTable_(makeGrid(bands_, this)),
      problemList_(makeProblemList(this))
{
    setObjectName(QStringLiteral("pnl2"));
    companyLabel_->setObjectName(QStringLiteral("Label5"));
    auto* warning = new QLabel(tr("ATTENZIONE: Inserire correttamente gli orari di inizio e di fine "
                                  "tariffa in modo di riempire l'intero arco delle 24 ore."),
                               this);
    warning->setWordWrap(true);
    FlatButton* addButton = wizardButton(QStringLiteral("fltbutton3"), tr("Aggiungi"), this);
    FlatButton* removeButton = wizardButton(QStringLiteral("fltElimina"), tr("Elimina"), this);

    auto* company = new QHBoxLayout;
    company->addWidget(companyLabel_, 1);
    company->addWidget(reductionBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(warning, 1);
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dayTypeLabel_);
    layout->addLayout(company);
    layout->addWidget(bandTable_, 1);
    layout->addWidget(problemList_);
    layout->addLayout(buttons);

    connect(addButton, &FlatButton::clicked, this, &BandPage::addBand);
    connect(removeButton, &FlatButton::clicked, this, &BandPage::removeCurrentBand);
    connect(reductionBox_, &ReductionMinuteBox::minuteEdited, this, &BandPage::changeReductionMinute);
    bandTable_->installEventFilter(this);

    connect(bands_, &BandTableModel::bandsEdited, this, &BandPage::showProblems);
    connect(bands_, &BandTableModel::modelReset, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsInserted, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::rowsRemoved, this, &BandPage::bandCountChanged);
    connect(bands_, &BandTableModel::accepted, this, [this] { emit messageChanged({}); });
    connect(bands_, &BandTableModel::refused, this, &BandPage::messageChanged);
}

void BandPage::showDayType(DayType tipo)
{
    dayTypeLabel_->setText(heading(tipo));
    companyLabel_->setText(draft_.compagnia.nome);
    reductionBox_->setVisible(draft_.metering() == Metering::Minute);
    reductionBox_->showMinute(draft_.reductionMinute);
    bands_->showDayType(tipo);
    showColumns();
    showProblems();
}

void BandPage::commitOpenCell()
{
    // The flat buttons take no focus, so a cell still being typed in has not
    // handed over its text yet.
    const QModelIndex current = bandTable_->currentIndex();
    if (QWidget* editor = bandTable_->indexWidget(current))
        bandTable_->itemDelegateForIndex(current)->setModelData(editor, bands_, current);
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

void BandPage::showColumns()
{
    for (int column = 0; column < kBandColumnCount; ++column) {
        const bool shown = BandCells::shown(static_cast<BandColumn>(column), draft_.metering(), draft_.reductionMinute);
        bandTable_->setColumnHidden(column, !shown);
    }
}

void BandPage::showProblems()
{
    problemList_->clear();
    problemList_->addItems(ProblemText::lines(draft_.problems(bands_->dayType())));
}

void BandPage::changeReductionMinute(int minute)
{
    draft_.reductionMinute = minute;
    bands_->reductionMinuteChanged();
    showColumns();
    showProblems();
}

void BandPage::addBand()
{
    commitOpenCell();
    const int row = bands_->addBand();
    bandTable_->setCurrentIndex(bands_->index(row, static_cast<int>(BandColumn::Inizio)));
}

void BandPage::removeCurrentBand()
{
    bands_->removeBand(bandTable_->currentIndex().row());
}

} // namespace zrt
