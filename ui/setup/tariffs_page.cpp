#include "tariffs_page.h"

#include "band_view_model.h"
#include "setup_widgets.h"
#include "tariff_list_model.h"
#include "tariff_removal.h"
#include "ui/common/database_operation.h"
#include "ui/common/user_messages.h"
#include "ui/wizard/band_cells.h"
#include "ui/wizard/problem_text.h"
#include "ui/wizard/reduction_minute_box.h"
#include "vat_editor.h"

#include "controls/flat_button.h"
#include "database/band_settings.h"
#include "database/database.h"
#include "database/database_error.h"
#include "engine/tariff_check.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace zrt {

namespace {

Q_LOGGING_CATEGORY(lcTariffs, "zrtellix.setup.tariffs")

struct DayTypeChoice {
    const char* entry;
    DayType tipo;
    QColor colour;
};

const std::array<DayTypeChoice, 3> kDayTypes{{
    {QT_TRANSLATE_NOOP("zrt::TariffsPage", "Tariffa feriale (Lun-Ven)"), DayType::Fer, QColor(255, 192, 192)},
    {QT_TRANSLATE_NOOP("zrt::TariffsPage", "Tariffa prefestiva (Sab)"), DayType::Pre, QColor(255, 224, 192)},
    {QT_TRANSLATE_NOOP("zrt::TariffsPage", "Tariffa festiva (Dom)"), DayType::Fes, QColor(192, 255, 192)},
}};

constexpr int kTariffGridHeight = 86;

QComboBox* dayTypeList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("cboFascia"));
    for (const DayTypeChoice& choice : kDayTypes)
        list->addItem(TariffsPage::tr(choice.entry));
    return list;
}

// A tariff whose bands cannot be read is marked as much as a faulty one.
QStringList problemsOf(const TariffStore& store, int idTariffa)
{
    try {
        const std::optional<Tariff> tariff = store.tariff(idTariffa);
        return tariff ? ProblemText::linesWithDayType(checkTariff(*tariff)) : QStringList();
    } catch (const DatabaseError& error) {
        qCWarning(lcTariffs).noquote() << "The bands of tariff" << idTariffa << "cannot be read:" << error.message();
        return {TariffsPage::tr("Le fasce di questa tariffa non si possono leggere.")};
    }
}

QHash<int, QStringList> problemsOf(const TariffStore& store, const QList<TariffaInfo>& tariffs)
{
    QHash<int, QStringList> problems;
    for (const TariffaInfo& tariffa : tariffs) {
        QStringList lines = problemsOf(store, tariffa.id);
        if (!lines.isEmpty())
            problems.insert(tariffa.id, std::move(lines));
    }
    return problems;
}

bool isLastOfCompany(const TariffListModel& tariffs, const TariffaInfo& tariffa)
{
    for (int row = 0; row < tariffs.rowCount(); ++row) {
        const TariffaInfo& other = tariffs.tariffAt(row);
        if (other.idCompagnia == tariffa.idCompagnia && other.id != tariffa.id)
            return false;
    }
    return true;
}

void paint(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
}

} // namespace

TariffsPage::TariffsPage(QString databasePath, UserMessages& messages, QWidget* parent)
    : QWidget(parent), databasePath_(std::move(databasePath)), messages_(messages),
      tariffModel_(new TariffListModel(this)), bandModel_(new BandViewModel(this)),
      companyTable_(setupGrid(QStringLiteral("dbCompagnie"), tariffModel_, this)),
      dayTypeBox_(dayTypeList(this)), bandGridLabel_(setupLabel(QStringLiteral("lblGriglia"), QString(), this)),
      tariffTable_(setupGrid(QStringLiteral("dbTariffe"), bandModel_, this)), reductionBox_(new ReductionMinuteBox(this)),
      vatEditor_(new VatEditor(databasePath_, messages, this))
{
    companyTable_->setFixedHeight(kTariffGridHeight);
    companyTable_->horizontalHeader()->setSectionResizeMode(TariffListModel::CompagniaColumn,
                                                           QHeaderView::ResizeToContents);
    companyTable_->horizontalHeader()->setStretchLastSection(true);
    tariffTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FlatButton* newTariffButton = setupButton(QStringLiteral("fltbutton5"), tr("Aggiungi ..."), this);
    FlatButton* editButton = setupButton(QStringLiteral("fltModificaTariffa"), tr("Modifica ..."), this);
    FlatButton* deleteButton = setupButton(QStringLiteral("fltEliminaTariffa"), tr("Elimina"), this);

    auto* side = new QVBoxLayout;
    side->setSpacing(2);
    for (FlatButton* button : {newTariffButton, editButton, deleteButton})
        side->addWidget(button);
    side->addStretch();
    side->addWidget(vatEditor_);

    auto* tariffs = new QHBoxLayout;
    tariffs->addWidget(companyTable_, 1);
    tariffs->addLayout(side);

    auto* dayType = new QHBoxLayout;
    dayType->addWidget(dayTypeBox_);
    dayType->addStretch();
    dayType->addWidget(reductionBox_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(tariffs);
    layout->addLayout(dayType);
    layout->addWidget(bandGridLabel_);
    layout->addWidget(tariffTable_, 1);
    layout->addWidget(setupLabel(QStringLiteral("Label9"), tr("(*) Le tariffe sono iva escluse"), this));

    connect(companyTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TariffsPage::refreshBands);
    connect(dayTypeBox_, &QComboBox::currentIndexChanged, this, &TariffsPage::refreshBands);
    connect(reductionBox_, &ReductionMinuteBox::minuteEdited, this, &TariffsPage::changeReductionMinute);
    connect(newTariffButton, &FlatButton::clicked, this, &TariffsPage::addTariffRequested);
    connect(editButton, &FlatButton::clicked, this, &TariffsPage::requestEdit);
    connect(deleteButton, &FlatButton::clicked, this, &TariffsPage::deleteSelected);
}

void TariffsPage::reloadTariffs()
{
    const std::optional<TariffaInfo> selected = selectedTariff();
    try {
        Database database = Database::open(databasePath_, Database::Access::ReadOnly);
        const TariffStore store(database);
        const QList<TariffaInfo> tariffs = store.tariffs();
        tariffModel_->setTariffs(tariffs);
        tariffModel_->setProblems(problemsOf(store, tariffs));
    } catch (const DatabaseError& error) {
        tariffModel_->setTariffs({});
        tariffModel_->setProblems({});
        qCWarning(lcTariffs).noquote() << "The tariffs cannot be read:" << error.message();
    }
    selectTariff(selected ? selected->id : 0);
}

void TariffsPage::selectTariff(int idTariffa)
{
    const int row = tariffModel_->rowOf(idTariffa);
    {
        const QSignalBlocker quiet(companyTable_->selectionModel());
        companyTable_->selectRow(row >= 0 ? row : 0);
    }
    refreshBands();
}

std::optional<TariffaInfo> TariffsPage::selectedTariff() const
{
    const QModelIndex current = companyTable_->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return tariffModel_->tariffAt(current.row());
}

void TariffsPage::refreshBands()
{
    const DayTypeChoice& dayType = kDayTypes.at(std::size_t(std::max(0, dayTypeBox_->currentIndex())));
    paintDayType(dayType.colour);
    const std::optional<TariffaInfo> tariffa = selectedTariff();
    if (!tariffa) {
        bandModel_->setBands({});
        bandGridLabel_->clear();
        reductionBox_->hide();
        return;
    }
    const bool pulse = meteringOf(tariffa->tipotariffazione.toStdString()) == Metering::Pulse;
    showMetering(pulse);
    bandModel_->setBands(readBands(tariffa->id, dayType.tipo));
    if (!pulse) {
        const QList<Fascia>& bands = bandModel_->bands();
        const int minute = bands.isEmpty() ? 0 : int(std::lround(bands.first().band.durata));
        reductionBox_->showMinute(minute);
        showReductionMinute(minute);
    }
    bandGridLabel_->setText(tariffa->compagnia + QStringLiteral("--->") + tariffa->descrizione);
}

void TariffsPage::requestEdit()
{
    if (const std::optional<TariffaInfo> tariffa = selectedTariff())
        emit editTariffRequested(tariffa->id);
}

void TariffsPage::deleteSelected()
{
    const std::optional<TariffaInfo> tariffa = selectedTariff();
    if (!tariffa)
        return;
    TariffRemoval(databasePath_, messages_, this).run(*tariffa, isLastOfCompany(*tariffModel_, *tariffa));
    reloadTariffs();
}

QList<Fascia> TariffsPage::readBands(int idTariffa, DayType tipo) const
{
    QList<Fascia> bands;
    readDatabase(databasePath_, "The bands",
                 [&](Database& database) { bands = TariffStore(database).bands(idTariffa, tipo); });
    return bands;
}

void TariffsPage::paintDayType(const QColor& colour)
{
    paint(*dayTypeBox_, colour);
    paint(*tariffTable_, colour);
}

// A pulse tariff has no second price, so its column goes too.
void TariffsPage::showMetering(bool pulse)
{
    tariffTable_->setColumnHidden(BandViewModel::DurataColumn, !pulse);
    tariffTable_->setColumnHidden(BandViewModel::CostoScattoColumn, !pulse);
    tariffTable_->setColumnHidden(BandViewModel::CostoMinutoColumn, pulse);
    if (pulse)
        tariffTable_->setColumnHidden(BandViewModel::SecondoCostoColumn, true);
    reductionBox_->setVisible(!pulse);
}

void TariffsPage::showReductionMinute(int minute)
{
    const bool reduced = minute != 0;
    tariffTable_->setColumnHidden(BandViewModel::SecondoCostoColumn, !reduced);
    bandModel_->setHeaderData(BandViewModel::CostoMinutoColumn, Qt::Horizontal,
                              BandCells::caption(BandColumn::CostoMinuto, minute));
    bandModel_->setHeaderData(BandViewModel::SecondoCostoColumn, Qt::Horizontal,
                              BandCells::caption(BandColumn::SecondoCosto, minute));
}

void TariffsPage::changeReductionMinute(int minute)
{
    const std::optional<TariffaInfo> tariffa = selectedTariff();
    if (!tariffa)
        return;
    const bool saved = writeDatabase(
        databasePath_, tr("Il minuto di riduzione non è stato salvato: non è possibile scrivere nel file dei dati."),
        messages_, this, [&](Database& database) { BandSettings(database).setReductionMinute(tariffa->id, minute); });
    if (!saved)
        return;
    showReductionMinute(minute);
}

} // namespace zrt
