#pragma once

#include "tariff_draft.h"

#include "engine/tariff.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace zrt {

// The columns of the tariff editor's band grid. The cost appears twice,
// under the caption of each charging method; the grid shows only the
// columns that apply.
enum class BandColumn { Inizio, Fine, Durata, CostoScatto, CostoMinuto, SecondoCosto, CostoRisposta };
inline constexpr int kBandColumnCount = 7;

// What the cells of the band grid show and take.
class BandCells {
    Q_DECLARE_TR_FUNCTIONS(zrt::BandCells)

public:
    // The per-minute prices are named after the reduction minute.
    static QString caption(BandColumn column, int reductionMinute);
    // The second price has a column only once there is a reduction minute.
    static bool shown(BandColumn column, Metering metering, int reductionMinute);

    // Times show as "HH:MM" ("HH:MM:SS" when they have seconds), amounts
    // as Italian numbers ("30,6", "1.234"); an empty number as nothing.
    static QString text(const BandDraft& band, BandColumn column);

    // Reads typed text into the band's field under the column; an emptied
    // number cell empties the field. Text that is not a time or a number
    // leaves the band as it was and gives the hint that says what the cell
    // takes. Whether a number is allowed is for the check of the tariff.
    static std::optional<QString> read(const QString& text, BandColumn column, BandDraft& band);
};

// An amount in Lire as the windows write it: "1.234,5", "127".
QString amountText(double lire);

} // namespace zrt
