#pragma once

#include "database/tariff_store.h"

#include <QAbstractTableModel>
#include <QList>

namespace zrt {

// The tariffs with their companies, as the grids for choosing a tariff
// show them: "Compagnia Telefonica" and "Tariffa".
class TariffListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { CompagniaColumn, TariffaColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setTariffs(QList<TariffaInfo> tariffs);
    const TariffaInfo& tariffAt(int row) const { return tariffs_.at(row); }
    // The row of a tariff, or -1 when it is not listed.
    int rowOf(int idTariffa) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<TariffaInfo> tariffs_;
};

} // namespace zrt
