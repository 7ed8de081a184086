#pragma once

#include "database/tariff_store.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

namespace zrt {

// The tariffs with their companies, as the grids for choosing a tariff
// show them: "Compagnia Telefonica" and "Tariffa". A tariff with problems
// is marked with a warning, and its tooltip lists them.
class TariffListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { CompagniaColumn, TariffaColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setTariffs(QList<TariffaInfo> tariffs);
    // The problems of each tariff by its key, one line each; a tariff
    // without an entry has none.
    void setProblems(QHash<int, QStringList> problems);
    const TariffaInfo& tariffAt(int row) const { return tariffs_.at(row); }
    // The row of a tariff, or -1 when it is not listed.
    int rowOf(int idTariffa) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant problemMark(const TariffaInfo& tariffa, int column, int role) const;

    QList<TariffaInfo> tariffs_;
    QHash<int, QStringList> problems_;
};

} // namespace zrt
