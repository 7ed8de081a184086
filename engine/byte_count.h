#pragma once

#include <cstdint>
#include <optional>

namespace zrt {

// The bytes an interface's counter grew by since a call was noticed, read
// once a second. A reading lower than the last one means the interface was
// made anew, its counter starting again from zero: the reading is all
// growth. An unknown reading is passed over, so the last good one still
// counts; the count stays unknown until a reading is known. The count stops
// at the largest signed 64-bit number, the most the log can hold.
class ByteCount {
public:
    ByteCount() = default;
    // Goes on from a count kept earlier (one below zero is none); growth is
    // counted from the next known reading.
    explicit ByteCount(std::optional<std::int64_t> counted)
        : bytes_(counted && *counted >= 0 ? counted : std::nullopt)
    {
    }

    void read(std::optional<std::uint64_t> reading);
    std::optional<std::int64_t> bytes() const { return bytes_; }

private:
    std::optional<std::uint64_t> last_;
    std::optional<std::int64_t> bytes_;
};

} // namespace zrt
