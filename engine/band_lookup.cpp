#include "band_lookup.h"

#include "case_fold.h"

#include <algorithm>

namespace zrt {

bool bandCovers(const Band& band, TimeOfDay time)
{
    return band.inizio < time && time < band.fine;
}

const Band* bandInForce(const Tariff& tariff, DayType dayType, TimeOfDay time)
{
    const auto found = std::find_if(tariff.fasce.begin(), tariff.fasce.end(), [&](const Band& band) {
        return band.tipo == dayType && bandCovers(band, time);
    });
    return found != tariff.fasce.end() ? &*found : nullptr;
}

bool sameEntryName(std::string_view a, std::string_view b)
{
    return equalFoldingCase(a, b);
}

} // namespace zrt
