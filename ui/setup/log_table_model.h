#pragma once

#include "database/connection_log.h"

#include <QAbstractTableModel>
#include <QList>

namespace zrt {

// The logged connections of a period, in stored order, as the log page's
// grid shows them: the date as dd/MM/yyyy, everything else as stored.
class LogTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DataColumn,
        InizioColumn,
        FineColumn,
        ScattiColumn,
        SpesaColumn,
        ConnessioneColumn,
        ServizioColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<LogRow> rows);
    const QList<LogRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<LogRow> rows_;
};

} // namespace zrt
