#pragma once

#include "engine/day_type.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace zrt {

class Database;

// What the calls of a period add up to. The cost is the sum of the costs
// known; calls without one (no tariff priced them, or their stored cost is
// beyond belief) are counted in `unpriced` instead. The traffic is the sum
// of the bytes counted; unknown while no call of the period had it counted.
struct CallFigures {
    qint64 calls = 0;
    qint64 seconds = 0;
    qint64 lire = 0;
    qint64 unpriced = 0;
    std::optional<qint64> bytesReceived;
    std::optional<qint64> bytesSent;

    CallFigures& operator+=(const CallFigures& other);
    bool operator==(const CallFigures&) const = default;
};

struct EntryFigures {
    QString connessione;
    CallFigures figures;

    bool operator==(const EntryFigures&) const = default;
};

// A year's calls by month, by dial-up entry and by the day type of the
// date they started on.
struct YearStatistics {
    int year = 0;
    std::array<CallFigures, 12> months{}; // January first
    QList<EntryFigures> entries;          // by entry name
    std::array<CallFigures, 3> dayTypes{}; // in DayType order

    const CallFigures& month(int month) const { return months.at(month - 1); }
    const CallFigures& dayType(DayType type) const { return dayTypes.at(static_cast<int>(type)); }
    CallFigures total() const;
};

// Reads a year's figures from the connection log in one aggregate query.
// Throws DatabaseError.
YearStatistics yearStatistics(const Database& database, int year);

} // namespace zrt
