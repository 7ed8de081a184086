#pragma once

#include "database/tariff_store.h"

#include <QString>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QTableView;

namespace zrt {

class BandViewModel;
class ReductionMinuteBox;
class TariffListModel;
class UserMessages;
class VatEditor;

// The "Setup Tariffe" page: the tariffs of every company, those with
// problems marked, and, for the selected tariff and a chosen day type, its
// bands. Pulse tariffs show the pulse period and price; per-minute tariffs
// show the price per minute and edit the reduction minute. The page also
// holds the VAT rate, "Aggiungi ..." and "Modifica ...", which ask for the
// tariff editor, and "Elimina", which deletes the selected tariff.
class TariffsPage : public QWidget {
    Q_OBJECT

public:
    TariffsPage(QString databasePath, UserMessages& messages, QWidget* parent = nullptr);

    // Re-reads the tariff list with the problems of each tariff, keeping the
    // selected tariff when it is still there, and the bands.
    void reloadTariffs();
    // Selects a tariff, if listed, and shows its bands.
    void selectTariff(int idTariffa);
    // Re-reads the bands of the selected tariff and day type.
    void refreshBands();

    std::optional<TariffaInfo> selectedTariff() const;
    VatEditor& vatEditor() const { return *vatEditor_; }

signals:
    void addTariffRequested();
    void editTariffRequested(int idTariffa);

private:
    QList<Fascia> readBands(int idTariffa, DayType tipo) const;
    void requestEdit();
    void deleteSelected();
    void paintDayType(const QColor& colour);
    void showMetering(bool pulse);
    void showReductionMinute(int minute);
    void changeReductionMinute(int minute);

    QString databasePath_;
    UserMessages& messages_;

    TariffListModel* tariffModel_;
    BandViewModel* bandModel_;
    QTableView* companyTable_;
    QComboBox* dayTypeBox_;
    QLabel* bandGridLabel_;
    QTableView* tariffTable_;
    ReductionMinuteBox* reductionBox_;
    VatEditor* vatEditor_;
};

} // namespace zrt
