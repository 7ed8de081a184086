#pragma once

#include <cstdint>
#include <string>

namespace zrt {

// An amount of data as the program shows it: whole bytes under a kB, then
// kB, MB or GB with one decimal, Italian style ("512 byte", "1,5 kB",
// "12,4 MB", "1.024,0 GB"). The units are decimal: a kB is 1000 bytes, a
// MB 10^6. Halves round up; an amount that would show as 1000 of a unit is
// shown in the next one. A negative amount shows as 0 byte.
std::string byteAmountText(std::int64_t bytes);

} // namespace zrt
