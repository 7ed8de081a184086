#pragma once

namespace zrt {

class Database;

// Settings kept in the bands of a tariff rather than in the tariff itself.
class BandSettings {
public:
    explicit BandSettings(Database& database) : database_(database) {}

    // Sets the minute after which a per-minute tariff charges its second
    // price: Durata of every band of the tariff, all day types. A pulse
    // tariff keeps its pulse periods. Returns how many bands changed.
    int setReductionMinute(int idTariffa, int minute);

private:
    Database& database_;
};

} // namespace zrt
