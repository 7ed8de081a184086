#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// Shown by front ends when entries() finds no phonebook entry.
inline constexpr std::string_view kNoDialUpEntriesMessage =
    "Non sono presenti connessioni di Accesso Remoto.";

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

    // Asks every active connection to hang up; waits for none to drop.
    virtual void hangUpAll() = 0;
};

} // namespace zrt
