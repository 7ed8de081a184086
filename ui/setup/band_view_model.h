#pragma once

#include "database/tariff_store.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace zrt {

// The bands of one tariff and day type, earliest start first. Pulse and
// per-minute tariffs share the columns; the band page hides those that do
// not apply and renames the per-minute price columns after the reduction
// minute.
class BandViewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        InizioColumn,
        FineColumn,
        DurataColumn,
        CostoScattoColumn,
        CostoMinutoColumn,
        SecondoCostoColumn,
        CostoRispostaColumn,
        ColumnCount
    };

    explicit BandViewModel(QObject* parent = nullptr);

    void setBands(QList<Fascia> bands);
    const QList<Fascia>& bands() const { return bands_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

private:
    QList<Fascia> bands_;
    QStringList captions_;
};

} // namespace zrt
