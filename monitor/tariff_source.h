#pragma once

#include "engine/tariff.h"

#include <QString>

#include <optional>

namespace zrt {

// What a connection of an entry is priced with.
struct PricingTerms {
    std::optional<Tariff> tariff; // none when the entry has no tariff
    int vatRate = 0;
};

class TariffSource {
public:
    virtual ~TariffSource() = default;

    // The tariff now associated with the entry and the VAT rate. Throws
    // DatabaseError when they cannot be read.
    virtual PricingTerms termsFor(const QString& entry) = 0;
};

} // namespace zrt
