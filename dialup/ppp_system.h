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

    // Whether the pids found may be signalled: always in the system's own
    // /proc, /sys and /run; in moved ones, whose pids may name any real
    // process, only when ZRTELLIX_ALLOW_SIGNALS is 1.
    bool allowSignals() const;
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

// What the pid files pppd writes in /run (or /run/pppd since pppd 2.5) say
// of the interfaces that are up, with the link names only: whether each
// pid still belongs to pppd is not checked. Sorted by pid.
std::vector<PppdLink> readClaimedPppdLinks(const PppRoots& roots);

// True while the process running as `pid` is pppd, as its command line
// in /proc shows.
bool isPppdProcess(const std::filesystem::path& procRoot, pid_t pid);

// The claimed links whose pid still belongs to pppd, each with the peer it
// was called for added to its names. Sorted by pid.
std::vector<PppdLink> readUpPppdLinks(const PppRoots& roots);

} // namespace zrt
