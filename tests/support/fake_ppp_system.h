#pragma once

#include "tests/support/temp_dir.h"

#include "dialup/ppp_system.h"
#include "dialup/process_signaller.h"

#include <sys/types.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zrt::test {

// A /proc, /sys, /run and peers tree in a temporary folder.
class FakePppSystem {
public:
    // The flags of a ppp interface that is up, and of one that is down.
    static constexpr std::string_view kUpFlags = "0x1091\n";
    static constexpr std::string_view kDownFlags = "0x1090\n";

    FakePppSystem();

    PppRoots roots() const;

    void addPeerFile(std::string_view name);
    void addInterface(std::string_view name, std::string_view flags);
    // The interface's rx_bytes and tx_bytes, written as they are given.
    void setCounters(std::string_view interfaceName, std::string_view received, std::string_view sent);
    void addProcess(pid_t pid, const std::vector<std::string>& arguments);
    // A file under the run root, e.g. "ppp0.pid" or "pppd/ppp-work.pid".
    void writeRunFile(std::string_view relativePath, std::string_view content);

    // A pppd started by `pon PEER`, whose link is up on the interface.
    void addCalledPppd(pid_t pid, const std::string& peer, const std::string& interfaceName);

private:
    void write(const std::filesystem::path& path, std::string_view content);

    TempDir root_;
};

// Lets the backend signal the pids of a fake system (ZRTELLIX_ALLOW_SIGNALS=1)
// while it lives.
class SignalsAllowed {
public:
    SignalsAllowed();
    ~SignalsAllowed();
    SignalsAllowed(const SignalsAllowed&) = delete;
    SignalsAllowed& operator=(const SignalsAllowed&) = delete;

private:
    std::optional<std::string> previous_;
};

// Records the pids it would signal, those whose check passes; refuses
// those in `refused`. Signals nothing.
class RecordingSignaller final : public ProcessSignaller {
public:
    explicit RecordingSignaller(std::vector<pid_t>& signalled, std::set<pid_t> refused = {});

    std::error_code terminateIf(pid_t pid, const std::function<bool()>& isExpected) override;

private:
    std::vector<pid_t>& signalled_;
    std::set<pid_t> refused_;
};

} // namespace zrt::test
