#pragma once

#include "dialup_service.h"

#include <memory>
#include <vector>

namespace zrt {

// Several dialers seen as one: their entries together, a line up on any of
// them, a hang-up asked of all.
class CombinedDialUp final : public DialUpService {
public:
    explicit CombinedDialUp(std::vector<std::unique_ptr<DialUpService>> parts);

    bool isDialUpActive() const override;
    // Sorted by name; a name two dialers share is listed once.
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    // Each dialer's state is read once.
    std::vector<std::string> connectedEntries(const std::vector<std::string>& names) const override;
    void hangUpAll() override;
    // The connection of the first dialer that has one for the entry.
    std::optional<ConnectionIdentity> connectionOf(std::string_view name) const override;
    // The counters of the dialer that has the entry's connection.
    std::optional<TrafficCounters> trafficOf(std::string_view name) const override;
    std::optional<std::string> takeHangUpRefusal() override;
    // A dialer that cannot be reached matters only while it held a line up:
    // otherwise the others are all there is, as on a machine without it.
    DialUpAvailability availability() const override;
    void watch(std::function<void()> changed) override;
    bool watchesEvents() const override;

private:
    std::vector<std::unique_ptr<DialUpService>> parts_;
};

} // namespace zrt
