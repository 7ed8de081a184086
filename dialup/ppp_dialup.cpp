#include "ppp_dialup.h"

#include "dialup_log.h"
#include "interface_traffic.h"
#include "name_set.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace zrt {

namespace {

std::string linkText(const PppdLink& link)
{
    return link.interfaceName + " (pppd " + std::to_string(link.pid) + ")";
}

} // namespace

PppDialUp::PppDialUp(PppRoots roots, std::unique_ptr<ProcessSignaller> signaller)
    : roots_(std::move(roots))
    , signaller_(std::move(signaller))
{
}

bool PppDialUp::isDialUpActive() const
{
    return !readUpPppInterfaces(roots_.sys).empty();
}

std::vector<std::string> PppDialUp::entries() const
{
    return readPeerEntries(roots_.peers);
}

bool PppDialUp::isEntryConnected(std::string_view name) const
{
    return linkOf(name).has_value();
}

std::vector<std::string> PppDialUp::connectedEntries(const std::vector<std::string>& names) const
{
    NameSet connected;
    for (auto& link : readUpPppdLinks(roots_))
        std::ranges::move(link.entryNames, std::inserter(connected, connected.end()));
    return namesAmong(names, connected);
}

// The pid is checked after the signaller holds the process, so a pppd
// that ends meanwhile is not confused with whatever takes its pid.
void PppDialUp::hangUpAll()
{
    if (!roots_.allowSignals()) {
        logUnsentSignals();
        return;
    }
    for (const auto& link : readClaimedPppdLinks(roots_)) {
        const auto error
            = signaller_->terminateIf(link.pid, [&] { return isPppdProcess(roots_.proc, link.pid); });
        if (!error || error == std::errc::no_such_process) // no pppd left to end
            continue;
        const std::string reason = linkText(link) + ": " + error.message();
        logDialUpProblem("cannot hang up " + reason);
        refusals_.add(reason);
    }
}

std::optional<ConnectionIdentity> PppDialUp::connectionOf(std::string_view name) const
{
    const auto link = linkOf(name);
    if (!link)
        return std::nullopt;
    return ConnectionIdentity{link->interfaceName, std::to_string(link->pid)};
}

std::optional<TrafficCounters> PppDialUp::trafficOf(std::string_view name) const
{
    const auto link = linkOf(name);
    return link ? readInterfaceTraffic(roots_.sys, link->interfaceName) : std::nullopt;
}

std::optional<std::string> PppDialUp::takeHangUpRefusal()
{
    return refusals_.take();
}

void PppDialUp::watch(std::function<void()> changed)
{
    peers_.reset();
    links_.reset();
    if (!changed)
        return;
    links_ = std::make_unique<LinkWatch>(changed);
    peers_ = std::make_unique<PathWatch>(std::vector{roots_.peers}, std::move(changed));
}

bool PppDialUp::watchesEvents() const
{
    return links_ && links_->isWatching() && peers_->isWatching();
}

void PppDialUp::logUnsentSignals() const
{
    for (const auto& link : readUpPppdLinks(roots_))
        logDialUpProblem("not signalling " + linkText(link)
                         + ": the system folders are moved; ZRTELLIX_ALLOW_SIGNALS=1 allows it");
}

std::optional<PppdLink> PppDialUp::linkOf(std::string_view name) const
{
    for (auto& link : readUpPppdLinks(roots_)) {
        if (std::ranges::find(link.entryNames, name) != link.entryNames.end())
            return std::move(link);
    }
    return std::nullopt;
}

} // namespace zrt
