#include "band_table_model.h"

namespace zrt {

namespace {

BandColumn columnOf(const QModelIndex& index)
{
    return static_cast<BandColumn>(index.column());
}

} // namespace

BandTableModel::BandTableModel(TariffDraft& draft, QObject* parent) : QAbstractTableModel(parent), draft_(draft)
{
}

void BandTableModel::showDayType(DayType tipo)
{
    beginResetModel();
    tipo_ = tipo;
    endResetModel();
}

void BandTableModel::reductionMinuteChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, kBandColumnCount - 1);
}

int BandTableModel::addBand()
{
    const int row = rowCount();
    const BandDraft next = draft_.nextBand(tipo_);
    beginInsertRows({}, row, row);
    bands().append(next);
    endInsertRows();
    emit bandsEdited();
    return row;
}

void BandTableModel::removeBand(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    bands().removeAt(row);
    endRemoveRows();
    emit bandsEdited();
}

int BandTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(bands().size());
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
    case Qt::EditRole: return BandCells::text(bands().at(index.row()), columnOf(index));
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
    return BandCells::caption(static_cast<BandColumn>(section), draft_.reductionMinute);
}

Qt::ItemFlags BandTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && BandCells::shown(columnOf(index), draft_.metering(), draft_.reductionMinute))
        result |= Qt::ItemIsEditable;
    return result;
}

bool BandTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    BandDraft band = bands().at(index.row());
    if (const std::optional<QString> hint = BandCells::read(value.toString(), columnOf(index), band)) {
        emit refused(*hint);
        return false;
    }
    emit accepted();
    if (band == bands().at(index.row()))
        return true;
    bands()[index.row()] = band;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit bandsEdited();
    return true;
}

} // namespace zrt
