#include "sim_dialup.h"

#include "dialup_log.h"
#include "text_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace zrt {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> readNameList(const fs::path& path)
{
    const auto text = readTextFile(path);
    return text ? parseNameList(*text) : std::vector<std::string>{};
}

} // namespace

std::vector<std::string> parseNameList(std::string_view text)
{
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") != std::string_view::npos)
            names.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return names;
}

SimDialUp::SimDialUp(fs::path folder)
    : folder_(std::move(folder))
{
}

bool SimDialUp::isDialUpActive() const
{
    return !connectedEntries().empty();
}

std::vector<std::string> SimDialUp::entries() const
{
    return readNameList(folder_ / "entries");
}

bool SimDialUp::isEntryConnected(std::string_view name) const
{
    const auto connected = connectedEntries();
    return std::ranges::find(connected, name) != connected.end();
}

void SimDialUp::hangUpAll()
{
    const auto connected = folder_ / "connected";
    std::error_code error;
    fs::resize_file(connected, 0, error);
    if (error && error != std::errc::no_such_file_or_directory)
        logDialUpProblem("cannot empty " + connected.string() + ": " + error.message());
}

std::vector<std::string> SimDialUp::connectedEntries() const
{
    return readNameList(folder_ / "connected");
}

} // namespace zrt
