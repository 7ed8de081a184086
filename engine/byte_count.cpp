#include "byte_count.h"

#include <limits>

namespace zrt {

void ByteCount::read(std::optional<std::uint64_t> reading)
{
    if (!reading)
        return;
    std::uint64_t growth = 0;
    if (last_)
        growth = *reading >= *last_ ? *reading - *last_ : *reading;
    last_ = reading;
    constexpr auto kMost = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t before = static_cast<std::uint64_t>(bytes_.value_or(0));
    bytes_ = static_cast<std::int64_t>(growth >= kMost - before ? kMost : before + growth);
}

} // namespace zrt
