#include "tariff_list_model.h"

namespace zrt {

void TariffListModel::setTariffs(QList<TariffaInfo> tariffs)
{
    beginResetModel();
    tariffs_ = std::move(tariffs);
    endResetModel();
}

int TariffListModel::rowOf(int idTariffa) const
{
    for (int row = 0; row < tariffs_.size(); ++row) {
        if (tariffs_[row].id == idTariffa)
            return row;
    }
    return -1;
}

int TariffListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(tariffs_.size());
}

int TariffListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TariffListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const TariffaInfo& tariffa = tariffs_.at(index.row());
    return index.column() == CompagniaColumn ? tariffa.compagnia : tariffa.descrizione;
}

QVariant TariffListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == CompagniaColumn ? QStringLiteral("Compagnia Telefonica") : QStringLiteral("Tariffa");
}

} // namespace zrt
