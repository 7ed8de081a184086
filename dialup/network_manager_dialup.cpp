#include "network_manager_dialup.h"

#include "dialup_log.h"
#include "interface_traffic.h"
#include "name_set.h"

#include "dialup/networkmanager/network_manager_client.h"
#include "dialup/networkmanager/nm_names.h"

#include <algorithm>
#include <utility>

namespace zrt {

namespace {

bool isState(const NmActiveConnection& connection, nm::ActiveState state)
{
    return connection.state == static_cast<uint>(state);
}

std::optional<std::string> knownText(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
}

} // namespace

bool NetworkManagerDialUp::Call::answersTo(std::string_view name) const
{
    return name == profileName || name == nameAtStart;
}

NetworkManagerDialUp::NetworkManagerDialUp(const QDBusConnection& bus, std::filesystem::path sysRoot)
    : client_(std::make_unique<NetworkManagerClient>(bus))
    , sysRoot_(std::move(sysRoot))
{
    QObject::connect(client_.get(), &NetworkManagerClient::changed, client_.get(), [this] {
        rememberNamesAtStart();
        notify();
    });
    QObject::connect(client_.get(), &NetworkManagerClient::deactivationRefused, client_.get(),
                     [this](const QString& reason) { onRefused(reason); });
    rememberNamesAtStart();
}

NetworkManagerDialUp::~NetworkManagerDialUp() = default;

bool NetworkManagerDialUp::isDialUpActive() const
{
    return std::ranges::any_of(calls(), [](const Call& call) {
        return isState(*call.connection, nm::ActiveState::Activated);
    });
}

std::vector<std::string> NetworkManagerDialUp::entries() const
{
    std::vector<std::string> names;
    for (const NmProfile& profile : client_->profiles()) {
        if (isMeteredLink(profile))
            names.push_back(profile.id.toStdString());
    }
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool NetworkManagerDialUp::isEntryConnected(std::string_view name) const
{
    return upCallOf(name).has_value();
}

std::vector<std::string> NetworkManagerDialUp::connectedEntries(const std::vector<std::string>& names) const
{
    NameSet connected;
    for (Call& call : calls()) {
        if (!isState(*call.connection, nm::ActiveState::Activated))
            continue;
        connected.insert(std::move(call.profileName));
        connected.insert(std::move(call.nameAtStart));
    }
    return namesAmong(names, connected);
}

void NetworkManagerDialUp::hangUpAll()
{
    if (!client_->isRunning()) {
        logDialUpProblem("cannot hang up: NetworkManager is not running");
        refusals_.add(kNetworkManagerMissingMessage);
        return;
    }
    for (const Call& call : calls()) {
        if (isState(*call.connection, nm::ActiveState::Activating)
            || isState(*call.connection, nm::ActiveState::Activated))
            client_->deactivate(call.connection->path);
    }
}

std::optional<ConnectionIdentity> NetworkManagerDialUp::connectionOf(std::string_view name) const
{
    const auto call = upCallOf(name);
    if (!call)
        return std::nullopt;
    return ConnectionIdentity{knownText(call->connection->interfaceName), call->connection->path.toStdString()};
}

std::optional<TrafficCounters> NetworkManagerDialUp::trafficOf(std::string_view name) const
{
    const auto connection = connectionOf(name);
    if (!connection || !connection->interfaceName)
        return std::nullopt;
    return readInterfaceTraffic(sysRoot_, *connection->interfaceName);
}

std::optional<std::string> NetworkManagerDialUp::takeHangUpRefusal()
{
    return refusals_.take();
}

DialUpAvailability NetworkManagerDialUp::availability() const
{
    if (client_->isRunning())
        return {};
    return {DialUpAvailability::State::ServiceMissing, std::string(kNetworkManagerMissingMessage)};
}

void NetworkManagerDialUp::watch(std::function<void()> changed)
{
    changed_ = std::move(changed);
    if (changed_ && !client_->seesEveryChange())
        logDialUpProblem("cannot receive the signals of NetworkManager; checking once a second instead");
}

bool NetworkManagerDialUp::watchesEvents() const
{
    return changed_ && client_->seesEveryChange();
}

std::vector<NetworkManagerDialUp::Call> NetworkManagerDialUp::calls() const
{
    std::vector<Call> calls;
    for (const NmActiveConnection& connection : client_->activeConnections()) {
        const auto profile = client_->profiles().constFind(connection.profilePath);
        if (profile == client_->profiles().cend() || !isMeteredLink(*profile))
            continue;
        const auto atStart = namesAtStart_.find(connection.path);
        std::string profileName = profile->id.toStdString();
        std::string nameAtStart = atStart == namesAtStart_.end() ? profileName : atStart->second;
        calls.push_back({&connection, std::move(profileName), std::move(nameAtStart)});
    }
    return calls;
}

std::optional<NetworkManagerDialUp::Call> NetworkManagerDialUp::upCallOf(std::string_view name) const
{
    for (const Call& call : calls()) {
        if (isState(*call.connection, nm::ActiveState::Activated) && call.answersTo(name))
            return call;
    }
    return std::nullopt;
}

// A call's name is the one its profile had when the call was first seen.
void NetworkManagerDialUp::rememberNamesAtStart()
{
    std::map<QString, std::string> names;
    for (const Call& call : calls())
        names.emplace(call.connection->path, call.nameAtStart);
    namesAtStart_ = std::move(names);
}

void NetworkManagerDialUp::onRefused(const QString& reason)
{
    logDialUpProblem("NetworkManager refused to hang up: " + reason.toStdString());
    refusals_.add(reason.toStdString());
    notify();
}

void NetworkManagerDialUp::notify() const
{
    if (changed_)
        changed_();
}

} // namespace zrt
