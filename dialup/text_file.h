#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zrt {

// The largest files each reader accepts: the simulated dialer's phonebook
// and list of lines, and the short files of /proc, /sys and /run.
inline constexpr std::size_t kDialerFileLimit = 8 * 1024 * 1024;
inline constexpr std::size_t kSystemFileLimit = 64 * 1024;

// The whole content of a regular file of at most `maxBytes`; nullopt when
// it is missing, unreadable or refused. Anything but a regular file (a
// FIFO, a device, a folder, through a symbolic link or not) is refused
// without waiting on it, and so is a file longer than `maxBytes`. The files
// of /proc and /sys report a size of 0 or one page whatever they hold, so
// the limit is kept on what is read, not only on the size reported. A
// refusal is logged once; the path is logged again only if it is refused
// after having been read.
std::optional<std::string> readTextFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace zrt
