#include "engine/byte_amount.h"
#include "engine/byte_count.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zrt::test {
namespace {

using Reading = std::optional<std::uint64_t>;

constexpr std::uint64_t kHuge = std::uint64_t(1) << 62;
constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();

TEST(ByteCount, CountsTheGrowthOfASequenceOfReadings)
{
    const struct {
        const char* name;
        std::optional<std::int64_t> kept;
        std::vector<Reading> readings;
        std::optional<std::int64_t> bytes;
    } cases[] = {
        {"never readable", std::nullopt, {std::nullopt, std::nullopt}, std::nullopt},
        {"one reading is no growth yet", std::nullopt, {5'000}, 0},
        {"growth from the first reading", std::nullopt, {5'000, 5'100, 7'000}, 2'000},
        {"the first readings unknown", std::nullopt, {std::nullopt, std::nullopt, 300, 900}, 600},
        {"unknown readings in between", std::nullopt, {100, std::nullopt, 400, std::nullopt}, 300},
        {"the interface made anew", std::nullopt, {1'000, 1'500, 200, 700}, 1'200},
        {"made anew while unreadable", std::nullopt, {1'000, std::nullopt, 50}, 50},
        {"64-bit readings", std::nullopt, {kHuge, kHuge + 3'000'000'000ULL}, 3'000'000'000LL},
        {"past the largest signed count", std::nullopt, {0, kHuge, 2 * kHuge, 3 * kHuge, 4 * kHuge - 1}, kMost},
        {"the largest reading made anew", std::nullopt, {0, std::numeric_limits<std::uint64_t>::max(), 10}, kMost},
        {"kept count goes on from the next reading", 4'000, {9'000, 9'500}, 4'500},
        {"kept count at the most", kMost, {0, 10}, kMost},
        {"kept count below zero is none", -1, {0, 10}, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteCount count(c.kept);
        for (const Reading& reading : c.readings)
            count.read(reading);
        EXPECT_EQ(count.bytes(), c.bytes);
    }
}

TEST(ByteAmount, EachAmountInTheUnitThatKeepsItUnderAThousand)
{
    const std::pair<std::int64_t, std::string_view> cases[] = {
        {0, "0 byte"},
        {1, "1 byte"},
        {999, "999 byte"},
        {1'000, "1,0 kB"},
        {1'050, "1,1 kB"}, // halves round up
        {12'449, "12,4 kB"},
        {999'949, "999,9 kB"},
        {999'950, "1,0 MB"}, // not "1.000,0 kB"
        {12'400'000, "12,4 MB"},
        {1'234'567'890, "1,2 GB"},
        {1'024'000'000'000, "1.024,0 GB"},
        {kMost, "9.223.372.036,9 GB"},
        {-5, "0 byte"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(byteAmountText(bytes), text) << bytes;
}

} // namespace
} // namespace zrt::test
