#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zrt {

// The whole content of a file; nullopt when it is missing or unreadable.
// Reads as a stream, so files of /proc and /sys (which report size 0) work.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

} // namespace zrt
