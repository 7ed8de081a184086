#pragma once

#include "database/connection_log.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

namespace zrt {

// The logged connections of a period, in stored order, as the log page's
// grid shows them: the date as dd/MM/yyyy, the traffic received and sent
// together in bytes, kB, MB or GB (each apart in its tooltip), a cost,
// pulse count or traffic the log does not know as "—", everything else as
// stored. The rows are read a page
// at a time as the grid reaches the last one read.
class LogTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DataColumn,
        InizioColumn,
        FineColumn,
        ScattiColumn,
        SpesaColumn,
        TrafficoColumn,
        ConnessioneColumn,
        ServizioColumn,
        ColumnCount
    };

    // The rows after the given key, at most ConnectionLog::kPageRows of them.
    using PageReader = std::function<QList<LogRow>(qint64 afterId)>;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the period's first page, already read, and then the pages the
    // reader gives.
    void setSource(QList<LogRow> firstPage, PageReader readNextPage);
    void clear();
    // Reads the pages not read yet, so that rows() holds the whole period.
    void fetchAll();
    const QList<LogRow>& rows() const { return rows_; }

    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static QVariant trafficTip(const LogRow& row);

    PageReader readPage_;
    QList<LogRow> rows_;
    bool complete_ = true;
};

} // namespace zrt
