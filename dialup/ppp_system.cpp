#include "ppp_system.h"

#include "dialup_log.h"
#include "ppp_parsing.h"
#include "text_file.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>
#include <system_error>

namespace zrt {

namespace fs = std::filesystem;

namespace {

fs::path rootFromEnvironment(const char* variable, const fs::path& fallback)
{
    const char* value = std::getenv(variable);
    return value && *value ? fs::path(value) : fallback;
}

// The folder's entries; empty when it is missing or unreadable.
std::vector<fs::directory_entry> entriesOf(const fs::path& folder, std::error_code& error)
{
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    return entries;
}

std::optional<PidFile> readPidFile(const fs::path& path)
{
    const auto text = readTextFile(path, kSystemFileLimit);
    return text ? parsePidFile(*text) : std::nullopt;
}

std::vector<std::string> commandLineOf(const fs::path& procRoot, pid_t pid)
{
    const auto text = readTextFile(procRoot / std::to_string(pid) / "cmdline", kSystemFileLimit);
    return text ? splitCommandLine(*text) : std::vector<std::string>{};
}

// Gathers, by pid, the interface and the link names that pppd's pid files
// in one folder record. The interface's own pid file outranks the second
// line of a link-name pid file.
void collectPidFiles(const fs::path& folder, std::map<pid_t, PppdLink>& byPid)
{
    std::error_code ignored; // pppd may never have run: no folder, no links
    for (const auto& entry : entriesOf(folder, ignored)) {
        const auto fileName = entry.path().filename().string();
        const auto linkName = linkNameOfPidFile(fileName);
        const auto interfaceName = linkName ? std::nullopt : interfaceOfPidFile(fileName);
        if (!linkName && !interfaceName)
            continue;
        const auto content = readPidFile(entry.path());
        if (!content)
            continue;
        auto& link = byPid[content->pid];
        if (interfaceName) {
            link.interfaceName = *interfaceName;
            continue;
        }
        link.entryNames.push_back(*linkName);
        if (link.interfaceName.empty())
            link.interfaceName = content->interfaceName;
    }
}

void sortUnique(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

} // namespace

PppRoots PppRoots::fromEnvironment()
{
    const PppRoots defaults;
    return {
        rootFromEnvironment("ZRTELLIX_PROC_ROOT", defaults.proc),
        rootFromEnvironment("ZRTELLIX_SYS_ROOT", defaults.sys),
        rootFromEnvironment("ZRTELLIX_RUN_ROOT", defaults.run),
        rootFromEnvironment("ZRTELLIX_PEERS_DIR", defaults.peers),
    };
}

bool PppRoots::allowSignals() const
{
    const PppRoots system;
    if (proc == system.proc && sys == system.sys && run == system.run)
        return true;
    const char* allowed = std::getenv("ZRTELLIX_ALLOW_SIGNALS");
    return allowed && std::string_view(allowed) == "1";
}

std::vector<std::string> readPeerEntries(const fs::path& peersDir)
{
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry : entriesOf(peersDir, error)) {
        std::error_code typeError;
        auto fileName = entry.path().filename().string();
        if (entry.is_regular_file(typeError) && isPeerFileName(fileName))
            names.push_back(std::move(fileName));
    }
    if (error && error != std::errc::no_such_file_or_directory)
        logDialUpProblem("cannot read the pppd peers folder " + peersDir.string() + ": "
                         + error.message());
    std::ranges::sort(names);
    return names;
}

std::set<std::string> readUpPppInterfaces(const fs::path& sysRoot)
{
    std::error_code ignored; // no network class, no interfaces
    std::set<std::string> up;
    for (const auto& entry : entriesOf(sysRoot / "class" / "net", ignored)) {
        auto name = entry.path().filename().string();
        if (!isPppInterfaceName(name))
            continue;
        const auto text = readTextFile(entry.path() / "flags", kSystemFileLimit);
        const auto flags = text ? parseInterfaceFlags(*text) : std::nullopt;
        if (flags && isInterfaceUp(*flags))
            up.insert(std::move(name));
    }
    return up;
}

std::vector<PppdLink> readClaimedPppdLinks(const PppRoots& roots)
{
    const auto upInterfaces = readUpPppInterfaces(roots.sys);
    if (upInterfaces.empty())
        return {};

    std::map<pid_t, PppdLink> byPid;
    collectPidFiles(roots.run, byPid);
    collectPidFiles(roots.run / "pppd", byPid);

    std::vector<PppdLink> links;
    for (auto& [pid, link] : byPid) {
        if (!upInterfaces.contains(link.interfaceName))
            continue;
        link.pid = pid;
        links.push_back(std::move(link));
    }
    return links;
}

bool isPppdProcess(const fs::path& procRoot, pid_t pid)
{
    return isPppdCommand(commandLineOf(procRoot, pid));
}

std::vector<PppdLink> readUpPppdLinks(const PppRoots& roots)
{
    std::vector<PppdLink> links;
    for (auto& link : readClaimedPppdLinks(roots)) {
        const auto arguments = commandLineOf(roots.proc, link.pid);
        if (!isPppdCommand(arguments)) // gone, or its pid now belongs to another program
            continue;
        if (auto peer = calledPeer(arguments))
            link.entryNames.push_back(std::move(*peer));
        sortUnique(link.entryNames);
        links.push_back(std::move(link));
    }
    return links;
}

} // namespace zrt
