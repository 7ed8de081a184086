#include "band_table_model.h"

#include "ui/common/database_operation.h"

#include "database/tariff_editing.h"

namespace zrt {

namespace {

BandColumn columnOf(const QModelIndex& index)
{
    return static_cast<BandColumn>(index.column());
}

bool sameBand(const Band& a, const Band& b)
{
    return a.inizio == b.inizio && a.fine == b.fine && a.durata == b.durata && a.costo == b.costo
           && a.costoAllaRisposta == b.costoAllaRisposta;
}

} // namespace

BandTableModel::BandTableModel(QString databasePath, QObject* parent)
    : QAbstractTableModel(parent), databasePath_(std::move(databasePath))
{
}

void BandTableModel::load(int idTariffa, DayType tipo, Metering metering)
{
    beginResetModel();
    idTariffa_ = idTariffa;
    tipo_ = tipo;
    metering_ = metering;
    edited_.reset();
    fasce_.clear();
    run([&](Database& database) { fasce_ = TariffStore(database).bands(idTariffa, tipo); });
    endResetModel();
}

void BandTableModel::addBand()
{
    submit();
    Fascia added;
    if (!run([&](Database& database) { added = TariffEditing(database).addNextBand(idTariffa_, tipo_); }))
        return;
    beginInsertRows({}, rowCount(), rowCount());
    fasce_.append(added);
    endInsertRows();
}

void BandTableModel::removeBand(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (edited_ && edited_->row == row)
        edited_.reset();
    else
        submit();
    if (!run([&](Database& database) { TariffEditing(database).removeBand(fasce_.at(row).id); }))
        return;
    beginRemoveRows({}, row, row);
    fasce_.removeAt(row);
    endRemoveRows();
}

bool BandTableModel::submit()
{
    if (!edited_)
        return true;
    const EditedRow edited = *edited_;
    edited_.reset();
    const BandEdit edit{edited.band.inizio, edited.band.fine,
                        metering_ == Metering::Pulse ? std::optional(edited.band.durata) : std::nullopt,
                        edited.band.costo, edited.band.costoAllaRisposta};
    const int id = fasce_.at(edited.row).id;
    const std::optional<QString> failure =
        withDatabase(databasePath_, [&](Database& database) { TariffEditing(database).updateBand(id, edit); });
    if (failure) {
        emitRowChanged(edited.row);
        emit failed(*failure);
        return false;
    }
    fasce_[edited.row].band = edited.band;
    return true;
}

int BandTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(fasce_.size());
}

int BandTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kBandColumnCount;
}

QVariant BandTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return bandCellText(shownBand(index.row()), columnOf(index));
    case Qt::TextAlignmentRole:
        return columnOf(index) == BandColumn::Inizio || columnOf(index) == BandColumn::Fine
                   ? QVariant(Qt::AlignCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant BandTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kBandColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return bandColumnCaption(static_cast<BandColumn>(section));
}

Qt::ItemFlags BandTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && bandColumnShown(columnOf(index), metering_))
        result |= Qt::ItemIsEditable;
    return result;
}

bool BandTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (edited_ && edited_->row != index.row())
        submit();

    Band band = shownBand(index.row());
    if (const std::optional<QString> hint = readBandCell(value.toString(), columnOf(index), band)) {
        emit refused(*hint);
        return false;
    }
    emit accepted();
    if (sameBand(band, shownBand(index.row())))
        return true;
    edited_ = EditedRow{index.row(), band};
    emitRowChanged(index.row());
    return true;
}

const Band& BandTableModel::shownBand(int row) const
{
    return edited_ && edited_->row == row ? edited_->band : fasce_.at(row).band;
}

void BandTableModel::emitRowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, kBandColumnCount - 1), {Qt::DisplayRole, Qt::EditRole});
}

bool BandTableModel::run(const std::function<void(Database&)>& operation)
{
    const std::optional<QString> failure = withDatabase(databasePath_, operation);
    if (failure)
        emit failed(*failure);
    return !failure;
}

} // namespace zrt
