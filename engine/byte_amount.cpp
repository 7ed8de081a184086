#include "byte_amount.h"

#include "italian_number.h"

#include <array>
#include <string_view>

namespace zrt {

namespace {

struct Unit {
    std::string_view name;
    std::uint64_t tenth; // the bytes in a tenth of the unit
};

constexpr std::array<Unit, 3> kUnits{{{"kB", 100}, {"MB", 100'000}, {"GB", 100'000'000}}};
constexpr std::uint64_t kTenthsBeforeNextUnit = 10'000;

} // namespace

std::string byteAmountText(std::int64_t bytes)
{
    if (bytes < 1000)
        return std::to_string(bytes < 0 ? 0 : bytes) + " byte";
    const auto amount = static_cast<std::uint64_t>(bytes);
    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        const Unit& unit = kUnits[i];
        const std::uint64_t tenths = (amount + unit.tenth / 2) / unit.tenth;
        if (tenths < kTenthsBeforeNextUnit || i + 1 == kUnits.size())
            return formatItalian(static_cast<double>(tenths / 10), pattern::kLire) + ','
                + std::to_string(tenths % 10) + ' ' + std::string(unit.name);
    }
    return {};
}

} // namespace zrt
