#pragma once

#include "engine/local_date_time.h"

#include <string_view>

namespace zrt::test {

// A wall-clock instant written as "YYYY-MM-DD HH:MM:SS".
inline LocalDateTime at(std::string_view text)
{
    return parseLocalDateTime(text).value();
}

} // namespace zrt::test
