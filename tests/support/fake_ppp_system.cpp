#include "tests/support/fake_ppp_system.h"

#include <cstdlib>
#include <fstream>
#include <utility>

namespace zrt::test {

namespace fs = std::filesystem;

FakePppSystem::FakePppSystem()
{
    for (const auto* folder : {"proc", "sys/class/net", "run", "peers"})
        fs::create_directories(root_.path() / folder);
}

PppRoots FakePppSystem::roots() const
{
    return {root_.path() / "proc", root_.path() / "sys", root_.path() / "run", root_.path() / "peers"};
}

void FakePppSystem::addPeerFile(std::string_view name) { write(roots().peers / name, "noauth\n"); }

void FakePppSystem::addInterface(std::string_view name, std::string_view flags)
{
    write(roots().sys / "class" / "net" / name / "flags", flags);
}

void FakePppSystem::setCounters(std::string_view interfaceName, std::string_view received, std::string_view sent)
{
    const fs::path statistics = roots().sys / "class" / "net" / interfaceName / "statistics";
    write(statistics / "rx_bytes", received);
    write(statistics / "tx_bytes", sent);
}

void FakePppSystem::addProcess(pid_t pid, const std::vector<std::string>& arguments)
{
    std::string cmdline;
    for (const auto& argument : arguments)
        cmdline += argument + '\0';
    write(roots().proc / std::to_string(pid) / "cmdline", cmdline);
}

void FakePppSystem::writeRunFile(std::string_view relativePath, std::string_view content)
{
    write(roots().run / relativePath, content);
}

void FakePppSystem::addCalledPppd(pid_t pid, const std::string& peer, const std::string& interfaceName)
{
    addProcess(pid, {"/usr/sbin/pppd", "call", peer});
    addInterface(interfaceName, kUpFlags);
    writeRunFile(interfaceName + ".pid", std::to_string(pid) + '\n');
}

void FakePppSystem::write(const fs::path& path, std::string_view content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

namespace {

constexpr char kAllowSignals[] = "ZRTELLIX_ALLOW_SIGNALS";

std::optional<std::string> environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

SignalsAllowed::SignalsAllowed()
    : previous_(environmentValue(kAllowSignals))
{
    ::setenv(kAllowSignals, "1", 1);
}

SignalsAllowed::~SignalsAllowed()
{
    if (previous_)
        ::setenv(kAllowSignals, previous_->c_str(), 1);
    else
        ::unsetenv(kAllowSignals);
}

RecordingSignaller::RecordingSignaller(std::vector<pid_t>& signalled, std::set<pid_t> refused)
    : signalled_(signalled)
    , refused_(std::move(refused))
{
}

std::error_code RecordingSignaller::terminateIf(pid_t pid, const std::function<bool()>& isExpected)
{
    if (!isExpected())
        return std::make_error_code(std::errc::no_such_process);
    signalled_.push_back(pid);
    return refused_.contains(pid) ? std::make_error_code(std::errc::operation_not_permitted) : std::error_code();
}

} // namespace zrt::test
