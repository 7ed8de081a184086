#pragma once

#include "dialup_service.h"
#include "hang_up_refusals.h"
#include "path_watch.h"

#include <filesystem>
#include <memory>

namespace zrt {

// A line of FOLDER/connected.
struct SimConnection {
    std::string name;
    std::optional<std::string> id;
};

// A dialer played from the shell, for demos and end-to-end tests.
// FOLDER/entries lists the phonebook entries, one name a line, and
// FOLDER/connected the entries now up, one a line as NAME or NAME<TAB>ID
// (the id after the last tab),
// where ID names the connection so that a redial can be told from the same
// call. The optional FOLDER/bytes holds the counters of the line up, as
// "RX TX" on one line. Both are read afresh on every call; one that is not a regular file,
// or is longer than kDialerFileLimit, is read as empty.
class SimDialUp final : public DialUpService {
public:
    explicit SimDialUp(std::filesystem::path folder);

    bool isDialUpActive() const override;
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    std::vector<std::string> connectedEntries(const std::vector<std::string>& names) const override;
    // Empties FOLDER/connected, leaving the file in place.
    void hangUpAll() override;
    // No interface; the ID of the line, when it has one.
    std::optional<ConnectionIdentity> connectionOf(std::string_view name) const override;
    // FOLDER/bytes while the entry is up (see readTrafficFile()).
    std::optional<TrafficCounters> trafficOf(std::string_view name) const override;
    std::optional<std::string> takeHangUpRefusal() override;
    // Watches the folder and its two files.
    void watch(std::function<void()> changed) override;
    bool watchesEvents() const override;

private:
    std::vector<SimConnection> connections() const;

    std::filesystem::path folder_;
    HangUpRefusals refusals_;
    std::unique_ptr<PathWatch> files_;
};

// One name a line. A trailing '\r' is dropped and lines that hold only
// blanks are skipped; every other line is a name, kept exactly.
std::vector<std::string> parseNameList(std::string_view text);

// The lines of parseNameList(), each split at its last tab into the name
// and the id; without a tab, or with nothing after it, there is no id.
std::vector<SimConnection> parseConnectedList(std::string_view text);

} // namespace zrt
