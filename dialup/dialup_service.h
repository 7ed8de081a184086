#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// What the system refused when asked to hang up, as the user reads it.
inline std::string hangUpRefusedMessage(std::string_view reason)
{
    return "Impossibile chiudere la connessione: " + std::string(reason);
}

// Which connection is up: the network interface it runs on and an id that
// a redial changes (the pid of pppd, NetworkManager's active connection),
// each only when the backend knows it.
struct ConnectionIdentity {
    std::optional<std::string> interfaceName;
    std::optional<std::string> id;

    friend bool operator==(const ConnectionIdentity&, const ConnectionIdentity&) = default;
};

// The bytes an interface has received and sent since it was made.
struct TrafficCounters {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;

    friend bool operator==(const TrafficCounters&, const TrafficCounters&) = default;
};

// Whether the facility that reports the connections can be reached.
struct DialUpAvailability {
    enum class State { Available, ServiceMissing };

    State state = State::Available;
    std::string message; // for the user; empty while available

    bool isAvailable() const { return state == State::Available; }
};

// The program's only contact with the system's dial-up facility.
// Entry names are compared exactly: case-sensitive, byte for byte.
class DialUpService {
public:
    virtual ~DialUpService() = default;

    // True while the system has any dial-up connection up.
    virtual bool isDialUpActive() const = 0;

    // The names of the user's phonebook entries; empty when there are none
    // or they cannot be read.
    virtual std::vector<std::string> entries() const = 0;

    // True while a connection made for exactly this entry is up.
    virtual bool isEntryConnected(std::string_view name) const = 0;

    // Those of `names` whose connection is up, in the order given: the
    // answers of isEntryConnected() for a whole phonebook, with the
    // dialer's state read once for all of them.
    virtual std::vector<std::string> connectedEntries(const std::vector<std::string>& names) const
    {
        std::vector<std::string> connected;
        for (const std::string& name : names) {
            if (isEntryConnected(name))
                connected.push_back(name);
        }
        return connected;
    }

    // Asks every active connection to hang up; waits for none to drop. What
    // the system refuses is handed out by takeHangUpRefusal(), at once or,
    // for a backend that asks a system service, after a change notification.
    virtual void hangUpAll() = 0;

    // The connection made for this entry while it is up.
    virtual std::optional<ConnectionIdentity> connectionOf(std::string_view name) const
    {
        return isEntryConnected(name) ? std::optional(ConnectionIdentity{}) : std::nullopt;
    }

    // The counters of the connection made for this entry while it is up;
    // nullopt when the backend cannot read them.
    virtual std::optional<TrafficCounters> trafficOf(std::string_view /*name*/) const { return std::nullopt; }

    // The refusals of the hang-ups asked so far, one line each, for the
    // user; each is handed out once.
    virtual std::optional<std::string> takeHangUpRefusal() { return std::nullopt; }

    virtual DialUpAvailability availability() const { return {}; }

    // Calls `changed` from the event loop whenever the answers above may
    // have changed: a line up or down, an entry added, renamed or removed,
    // the facility gone or back, a hang-up refused. An empty function stops
    // the calls. When watchesEvents() is false afterwards, the caller must
    // ask once a second instead; a watch that fails later calls `changed`
    // once and turns watchesEvents() false.
    virtual void watch(std::function<void()> /*changed*/) {}

    virtual bool watchesEvents() const { return false; }
};

} // namespace zrt
