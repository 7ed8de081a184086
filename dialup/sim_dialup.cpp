#include "sim_dialup.h"

#include "dialup_log.h"
#include "interface_traffic.h"
#include "name_set.h"
#include "text_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace zrt {

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path)
{
    return readTextFile(path, kDialerFileLimit).value_or(std::string());
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

std::vector<SimConnection> parseConnectedList(std::string_view text)
{
    std::vector<SimConnection> connections;
    for (std::string& line : parseNameList(text)) {
        // The id follows the last tab, so a name may hold tabs of its own.
        const auto tab = line.rfind('\t');
        if (tab == std::string::npos) {
            connections.push_back({std::move(line), std::nullopt});
            continue;
        }
        std::string id = line.substr(tab + 1);
        line.erase(tab);
        connections.push_back({std::move(line), id.empty() ? std::nullopt : std::optional(std::move(id))});
    }
    return connections;
}

SimDialUp::SimDialUp(fs::path folder)
    : folder_(std::move(folder))
{
}

bool SimDialUp::isDialUpActive() const
{
    return !parseNameList(readText(folder_ / "connected")).empty();
}

std::vector<std::string> SimDialUp::entries() const
{
    return parseNameList(readText(folder_ / "entries"));
}

bool SimDialUp::isEntryConnected(std::string_view name) const
{
    return connectionOf(name).has_value();
}

std::vector<std::string> SimDialUp::connectedEntries(const std::vector<std::string>& names) const
{
    NameSet connected;
    for (SimConnection& connection : connections())
        connected.insert(std::move(connection.name));
    return namesAmong(names, connected);
}

void SimDialUp::hangUpAll()
{
    const auto connected = folder_ / "connected";
    std::error_code error;
    fs::resize_file(connected, 0, error);
    if (!error || error == std::errc::no_such_file_or_directory)
        return;
    logDialUpProblem("cannot empty " + connected.string() + ": " + error.message());
    refusals_.add(connected.string() + ": " + error.message());
}

std::optional<ConnectionIdentity> SimDialUp::connectionOf(std::string_view name) const
{
    const auto lines = connections();
    const auto found = std::ranges::find(lines, name, &SimConnection::name);
    if (found == lines.end())
        return std::nullopt;
    return ConnectionIdentity{std::nullopt, found->id};
}

std::optional<TrafficCounters> SimDialUp::trafficOf(std::string_view name) const
{
    return isEntryConnected(name) ? readTrafficFile(folder_ / "bytes") : std::nullopt;
}

std::optional<std::string> SimDialUp::takeHangUpRefusal()
{
    return refusals_.take();
}

void SimDialUp::watch(std::function<void()> changed)
{
    files_.reset();
    if (changed)
        files_ = std::make_unique<PathWatch>(
            std::vector{folder_, folder_ / "entries", folder_ / "connected"}, std::move(changed));
}

bool SimDialUp::watchesEvents() const
{
    return files_ && files_->isWatching();
}

std::vector<SimConnection> SimDialUp::connections() const
{
    return parseConnectedList(readText(folder_ / "connected"));
}

} // namespace zrt
