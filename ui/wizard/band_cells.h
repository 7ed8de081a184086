#pragma once

#include "engine/tariff.h"

#include <QString>

#include <optional>

namespace zrt {

// The columns of the tariff editor's band grid. The cost appears twice,
// under the caption of each charging method; the grid shows only the one
// that applies.
enum class BandColumn { Inizio, Fine, Durata, CostoScatto, CostoMinuto, CostoRisposta };
inline constexpr int kBandColumnCount = 6;

QString bandColumnCaption(BandColumn column);
bool bandColumnShown(BandColumn column, Metering metering);

// Times show as "HH:MM" ("HH:MM:SS" when they have seconds), amounts as
// Italian numbers ("30,6", "1.234").
QString bandCellText(const Band& band, BandColumn column);

// Reads typed text into the band's field under the column. A refused text
// leaves the band as it was and gives the hint that tells the user what
// the cell takes.
std::optional<QString> readBandCell(const QString& text, BandColumn column, Band& band);

} // namespace zrt
