#include "tariff_list_model.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace zrt {

void TariffListModel::setTariffs(QList<TariffaInfo> tariffs)
{
    beginResetModel();
    tariffs_ = std::move(tariffs);
    endResetModel();
}

void TariffListModel::setProblems(QHash<int, QStringList> problems)
{
    problems_ = std::move(problems);
    if (!tariffs_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DecorationRole, Qt::ToolTipRole});
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
    if (!index.isValid())
        return {};
    const TariffaInfo& tariffa = tariffs_.at(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == CompagniaColumn ? tariffa.compagnia : tariffa.descrizione;
    return problemMark(tariffa, index.column(), role);
}

QVariant TariffListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == CompagniaColumn ? tr("Compagnia Telefonica") : tr("Tariffa");
}

// The warning sits before the description; the tooltip covers the row.
QVariant TariffListModel::problemMark(const TariffaInfo& tariffa, int column, int role) const
{
    const auto problems = problems_.constFind(tariffa.id);
    if (problems == problems_.constEnd() || problems->isEmpty())
        return {};
    if (role == Qt::ToolTipRole)
        return tr("Questa tariffa ha dei problemi:\n%1").arg(problems->join(QLatin1Char('\n')));
    if (role == Qt::DecorationRole && column == TariffaColumn)
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return {};
}

} // namespace zrt
