#pragma once

#include "dialup_service.h"
#include "hang_up_refusals.h"
#include "link_watch.h"
#include "path_watch.h"
#include "ppp_system.h"
#include "process_signaller.h"

#include <memory>

namespace zrt {

// Dial-up through pppd: the phonebook entries are its peer files, a
// connection is a running pppd that owns a ppp interface that is up.
class PppDialUp final : public DialUpService {
public:
    PppDialUp(PppRoots roots, std::unique_ptr<ProcessSignaller> signaller);

    bool isDialUpActive() const override;
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    std::vector<std::string> connectedEntries(const std::vector<std::string>& names) const override;
    // Ends every such pppd as `poff` does; pppd then hangs up the line. In
    // moved trees nothing is signalled unless the roots allow it (see
    // PppRoots::allowSignals()); what would have been is logged.
    void hangUpAll() override;
    // The ppp interface and the pid of its pppd.
    std::optional<ConnectionIdentity> connectionOf(std::string_view name) const override;
    // The counters of its ppp interface.
    std::optional<TrafficCounters> trafficOf(std::string_view name) const override;
    std::optional<std::string> takeHangUpRefusal() override;
    // Watches the kernel's link changes and the peers folder.
    void watch(std::function<void()> changed) override;
    bool watchesEvents() const override;

private:
    std::optional<PppdLink> linkOf(std::string_view name) const;
    void logUnsentSignals() const;

    PppRoots roots_;
    std::unique_ptr<ProcessSignaller> signaller_;
    HangUpRefusals refusals_;
    std::unique_ptr<LinkWatch> links_;
    std::unique_ptr<PathWatch> peers_;
};

} // namespace zrt
