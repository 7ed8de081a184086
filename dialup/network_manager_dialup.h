#pragma once

#include "dialup_service.h"
#include "hang_up_refusals.h"

#include <QString>

#include <filesystem>
#include <map>
#include <memory>

class QDBusConnection;

namespace zrt {

class NetworkManagerClient;
struct NmActiveConnection;

inline constexpr std::string_view kNetworkManagerMissingMessage = "NetworkManager non è in esecuzione.";

// Dial-up through NetworkManager: the entries are its profiles of metered
// links (see isMeteredLink()), by name; a connection is up while one of
// them has an active connection in the activated state. A call keeps
// answering to the name its profile had when it came up, so a profile
// renamed during a call does not end it.
class NetworkManagerDialUp final : public DialUpService {
public:
    // The interfaces' counters are read under `sysRoot`.
    explicit NetworkManagerDialUp(const QDBusConnection& bus, std::filesystem::path sysRoot = "/sys");
    ~NetworkManagerDialUp() override;

    bool isDialUpActive() const override;
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    std::vector<std::string> connectedEntries(const std::vector<std::string>& names) const override;
    // Asks NetworkManager to deactivate every such connection being brought
    // up or up; its answers come later.
    void hangUpAll() override;
    // Its IP interface and its active connection's object path.
    std::optional<ConnectionIdentity> connectionOf(std::string_view name) const override;
    // The counters of its IP interface, when NetworkManager names one.
    std::optional<TrafficCounters> trafficOf(std::string_view name) const override;
    std::optional<std::string> takeHangUpRefusal() override;
    DialUpAvailability availability() const override;
    void watch(std::function<void()> changed) override;
    bool watchesEvents() const override;

private:
    // An active connection of a metered link, with its names.
    struct Call {
        const NmActiveConnection* connection;
        std::string profileName;
        std::string nameAtStart;

        bool answersTo(std::string_view name) const;
    };

    std::vector<Call> calls() const;
    std::optional<Call> upCallOf(std::string_view name) const;
    void rememberNamesAtStart();
    void onRefused(const QString& reason);
    void notify() const;

    std::unique_ptr<NetworkManagerClient> client_;
    std::filesystem::path sysRoot_;
    std::map<QString, std::string> namesAtStart_; // by active connection path
    HangUpRefusals refusals_;
    std::function<void()> changed_;
};

} // namespace zrt
