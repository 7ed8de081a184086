#pragma once

#include "dialup_service.h"

#include <filesystem>

namespace zrt {

// A dialer played from the shell, for demos and end-to-end tests.
// FOLDER/entries lists the phonebook entries and FOLDER/connected the
// entries now up, one name a line; both are read afresh on every call.
class SimDialUp final : public DialUpService {
public:
    explicit SimDialUp(std::filesystem::path folder);

    bool isDialUpActive() const override;
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    // Empties FOLDER/connected, leaving the file in place.
    void hangUpAll() override;

private:
    std::vector<std::string> connectedEntries() const;

    std::filesystem::path folder_;
};

// One name a line. A trailing '\r' is dropped and lines that hold only
// blanks are skipped; every other line is a name, kept exactly.
std::vector<std::string> parseNameList(std::string_view text);

} // namespace zrt
