#include "combined_dialup.h"

#include "name_set.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace zrt {

CombinedDialUp::CombinedDialUp(std::vector<std::unique_ptr<DialUpService>> parts)
    : parts_(std::move(parts))
{
}

bool CombinedDialUp::isDialUpActive() const
{
    return std::ranges::any_of(parts_, [](const auto& part) { return part->isDialUpActive(); });
}

std::vector<std::string> CombinedDialUp::entries() const
{
    std::vector<std::string> names;
    for (const auto& part : parts_)
        std::ranges::move(part->entries(), std::back_inserter(names));
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool CombinedDialUp::isEntryConnected(std::string_view name) const
{
    return std::ranges::any_of(parts_, [name](const auto& part) { return part->isEntryConnected(name); });
}

std::vector<std::string> CombinedDialUp::connectedEntries(const std::vector<std::string>& names) const
{
    NameSet connected;
    for (const auto& part : parts_)
        std::ranges::move(part->connectedEntries(names), std::inserter(connected, connected.end()));
    return namesAmong(names, connected);
}

void CombinedDialUp::hangUpAll()
{
    for (const auto& part : parts_)
        part->hangUpAll();
}

std::optional<ConnectionIdentity> CombinedDialUp::connectionOf(std::string_view name) const
{
    for (const auto& part : parts_) {
        if (auto identity = part->connectionOf(name))
            return identity;
    }
    return std::nullopt;
}

std::optional<TrafficCounters> CombinedDialUp::trafficOf(std::string_view name) const
{
    for (const auto& part : parts_) {
        if (part->isEntryConnected(name))
            return part->trafficOf(name);
    }
    return std::nullopt;
}

std::optional<std::string> CombinedDialUp::takeHangUpRefusal()
{
    std::optional<std::string> refusals;
    for (const auto& part : parts_) {
        const auto refusal = part->takeHangUpRefusal();
        if (refusal)
            refusals = refusals ? *refusals + '\n' + *refusal : *refusal;
    }
    return refusals;
}

DialUpAvailability CombinedDialUp::availability() const
{
    for (const auto& part : parts_) {
        DialUpAvailability availability = part->availability();
        if (!availability.isAvailable() && part->isDialUpActive())
            return availability;
    }
    return {};
}

void CombinedDialUp::watch(std::function<void()> changed)
{
    for (const auto& part : parts_)
        part->watch(changed);
}

bool CombinedDialUp::watchesEvents() const
{
    return std::ranges::all_of(parts_, [](const auto& part) { return part->watchesEvents(); });
}

} // namespace zrt
