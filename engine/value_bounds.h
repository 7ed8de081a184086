#pragma once

#include "tariff.h"

#include <vector>

namespace zrt {

// The numbers a band stores, and the VAT rate.
enum class StoredNumber {
    PulseLength,     // Durata of a pulse tariff: seconds per pulse
    ReductionMinute, // Durata of a per-minute tariff: the minute SecondoCosto starts after; 0: never
    Price,           // Costo: one pulse, or one minute
    AnswerCharge,    // CostoAllaRisposta
    SecondPrice,     // SecondoCosto: one minute after the reduction minute
    VatRate,         // a percentage
};

// The values a stored number may take: lowest to highest, both included,
// and only whole numbers when `whole` is set.
struct NumberBounds {
    double lowest = 0;
    double highest = 0;
    bool whole = false;

    // NaN and the infinities lie outside all bounds.
    bool admits(double value) const;
};

// The one table of bounds. The editor, the update file reader and the
// command-line tool accept only these values, and the reader of a stored
// tariff trusts only these: a pulse of 1e-300 s or a price of 1e308 Lire
// would give the meter a wild number instead of a cost.
NumberBounds boundsOf(StoredNumber number);

bool isWithinBounds(StoredNumber number, double value);
bool isValidPulseLength(double seconds);
bool isValidReductionMinute(double minute);
// Costo, SecondoCosto and CostoAllaRisposta, Lire without VAT.
bool isValidPrice(double lire);
bool isValidVatRate(double percent);

// What a band's Durata stands for under the tariff's metering.
StoredNumber durataMeaning(Metering metering);

struct BandNumber {
    StoredNumber meaning;
    double value;
};

// Durata, Costo, CostoAllaRisposta, and SecondoCosto when the band has one.
std::vector<BandNumber> bandNumbers(const Band& band, Metering metering);

// Every number of the band lies within its bounds. A reader takes a band
// that is not usable for no band, so a call in it is shown unpriced rather
// than at a wild cost.
bool isUsable(const Band& band, Metering metering);

} // namespace zrt
