#pragma once

#include "band_cells.h"
#include "tariff_draft.h"

#include <QAbstractTableModel>
#include <QString>

namespace zrt {

// The bands of one day type of the tariff being edited, as the editor's
// grid shows them. Edits go to the draft at once; nothing is written. A
// typed cell that is not a time or a number is refused with a hint and the
// cell keeps its value.
class BandTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    BandTableModel(TariffDraft& draft, QObject* parent = nullptr);

    void showDayType(DayType tipo);
    DayType dayType() const { return tipo_; }
    // The per-minute price captions follow the reduction minute.
    void reductionMinuteChanged();

    // Appends the band the draft proposes; returns its row.
    int addBand();
    void removeBand(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A band was added, changed or removed.
    void bandsEdited();
    // A cell's text was taken, whether or not it changed the band.
    void accepted();
    void refused(const QString& hint);

private:
    QList<BandDraft>& bands() { return draft_.bands(tipo_); }
    const QList<BandDraft>& bands() const { return draft_.bands(tipo_); }

    TariffDraft& draft_;
    DayType tipo_ = DayType::Fer;
};

} // namespace zrt
