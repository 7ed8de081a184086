// The cost of finding which of 100,000 phonebook entries is connected, the
// last of them being up: entry by entry with isEntryConnected(), which
// reads the dialer's state for every entry, and with connectedEntries(),
// which reads it once. On the simulated dialer's files and on a pppd link
// in a fake /proc, /sys and /run.
#include "dialup/ppp_dialup.h"
#include "dialup/sim_dialup.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace zrt;
namespace fs = std::filesystem;

constexpr int kEntries = 100'000;
constexpr pid_t kPppdPid = 4242;

std::vector<std::string> phonebook()
{
    std::vector<std::string> names;
    for (int i = 1; i <= kEntries; ++i)
        names.push_back("Connessione " + std::to_string(i));
    return names;
}

void writeFile(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

fs::path folderOf(const QTemporaryDir& folder)
{
    return folder.path().toStdString();
}

// The phonebook in FOLDER/entries, its last entry in FOLDER/connected.
struct SimDialer {
    SimDialer()
    {
        std::string entries;
        for (const std::string& name : names)
            entries += name + '\n';
        writeFile(folderOf(folder) / "entries", entries);
        writeFile(folderOf(folder) / "connected", names.back() + "\tcall-1\n");
    }

    QTemporaryDir folder;
    std::vector<std::string> names = phonebook();
    SimDialUp dialUp{folderOf(folder)};
};

// `pon` of the last entry, up on ppp0.
struct PppDialer {
    PppDialer()
    {
        const fs::path root = folderOf(folder);
        writeFile(root / "sys/class/net/ppp0/flags", "0x1091\n");
        writeFile(root / "sys/class/net/eth0/flags", "0x1003\n");
        writeFile(root / "run/ppp0.pid", std::to_string(kPppdPid) + '\n');
        writeFile(root / "proc" / std::to_string(kPppdPid) / "cmdline",
                  std::string("/usr/sbin/pppd\0call\0", 20) + names.back() + '\0');
    }

    PppRoots roots() const
    {
        const fs::path root = folderOf(folder);
        return {root / "proc", root / "sys", root / "run", root / "peers"};
    }

    QTemporaryDir folder;
    std::vector<std::string> names = phonebook();
    PppDialUp dialUp{roots(), std::make_unique<PidfdSignaller>()};
};

template <typename Dialer>
void BM_EntryByEntry(benchmark::State& state)
{
    const Dialer dialer;
    for (auto _ : state) {
        int connected = 0;
        for (const std::string& name : dialer.names)
            connected += dialer.dialUp.isEntryConnected(name) ? 1 : 0;
        if (connected != 1)
            state.SkipWithError("the last entry is not seen connected");
    }
}

template <typename Dialer>
void BM_AllAtOnce(benchmark::State& state)
{
    const Dialer dialer;
    for (auto _ : state) {
        if (dialer.dialUp.connectedEntries(dialer.names).size() != 1)
            state.SkipWithError("the last entry is not seen connected");
    }
}

BENCHMARK_TEMPLATE(BM_EntryByEntry, SimDialer)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_AllAtOnce, SimDialer)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_EntryByEntry, PppDialer)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_AllAtOnce, PppDialer)->Unit(benchmark::kMillisecond);

} // namespace
