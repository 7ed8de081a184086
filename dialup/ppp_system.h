#pragma once

// Reads the state of pppd and its links from the system's trees.

#include <sys/types.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace zrt {

// Where the trees are; each can be moved by an environment variable, so
// the backend can be run against a fake system.
struct PppRoots {
    std::filesystem::path proc = "/proc";  // ZRTELLIX_PROC_ROOT
    std::filesystem::path sys = "/sys";    // ZRTELLIX_SYS_ROOT
    std::filesystem::path run = "/run";    // ZRTELLIX_RUN_ROOT
    std::filesystem::path peers = "/etc/ppp/peers"; // ZRTELLIX_PEERS_DIR

    static PppRoots fromEnvironment();
};

// A running pppd that owns an interface that is up.
struct PppdLink {
    pid_t pid = 0;
    std::string interfaceName;
    // The peer it was called for and its link name, when it has them.
    std::vector<std::string> entryNames;
};

// One entry per peer file, sorted by name.
std::vector<std::string> readPeerEntries(const std::filesystem::path& peersDir);

// The ppp interfaces whose flags say they are up.
std::set<std::string> readUpPppInterfaces(const std::filesystem::path& sysRoot);

// Found through the pid files pppd writes in /run (or /run/pppd since
// pppd 2.5); a pid file whose process is gone, or is no longer pppd, is
// ignored. Sorted by pid.
std::vector<PppdLink> readUpPppdLinks(const PppRoots& roots);

} // namespace zrt
