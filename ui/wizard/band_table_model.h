#pragma once

#include "band_cells.h"

#include "database/tariff_store.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace zrt {

class Database;

// The bands of one tariff and day type, as the tariff editor's grid shows
// them. A typed cell is checked before it is taken: bad text is refused
// with a hint and the cell keeps its value. The taken edits of a row are
// written together when the grid leaves the row (submit()); a row that
// cannot be written goes back to what is stored.
class BandTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BandTableModel(QString databasePath, QObject* parent = nullptr);

    void load(int idTariffa, DayType tipo, Metering metering);
    // Writes the row being edited first.
    void addBand();
    // Drops the edits of the row removed; writes those of another row first.
    void removeBand(int row);

    // Writes the row being edited, if any; false when that failed.
    bool submit() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A cell's text was taken, whether or not it changed the band.
    void accepted();
    void refused(const QString& hint);
    void failed(const QString& message);

private:
    struct EditedRow {
        int row = 0;
        Band band;
    };

    const Band& shownBand(int row) const;
    void emitRowChanged(int row);
    bool run(const std::function<void(Database&)>& operation);

    QString databasePath_;
    int idTariffa_ = 0;
    DayType tipo_ = DayType::Fer;
    Metering metering_ = Metering::Pulse;
    QList<Fascia> fasce_;
    std::optional<EditedRow> edited_;
};

} // namespace zrt
