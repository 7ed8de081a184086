#pragma once

#include "database/tariff_store.h"

#include "engine/day_type.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace zrt {

class BandTableModel;

// The band page, shared by the three day types: the grid of the tariff's
// bands for one day type, with buttons to add and delete a band.
class BandPage : public QWidget {
    Q_OBJECT

public:
    explicit BandPage(const QString& databasePath, QWidget* parent = nullptr);

    void showBands(int idTariffa, DayType tipo, const Compagnia& compagnia);
    // Writes the band being edited, if any; false when that failed.
    bool submitPendingRow();
    int bandCount() const;

signals:
    void bandCountChanged();
    // A hint or failure for the window's message line; empty to clear it.
    void messageChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showColumnsFor(Metering metering);
    void addBand();
    void removeCurrentBand();

    BandTableModel* bands_;
    QLabel* dayTypeLabel_;
    QLabel* problemsLabel_;
    QTableView* bandTable_;
};

} // namespace zrt
