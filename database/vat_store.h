#pragma once

namespace zrt {

class Database;

// The VAT rate, a whole percentage from 0 to 100 kept in the one row of
// table IVA.
class VatStore {
public:
    explicit VatStore(Database& database) : database_(database) {}

    // The rate of the first row. Throws DatabaseError when there is none or
    // it is not a whole percentage from 0 to 100: prices are never shown
    // with a VAT nobody set.
    int read() const;
    // Rewrites the first row (adding it when the table is empty); throws
    // DatabaseError for a rate out of bounds.
    void write(int rate);

private:
    Database& database_;
};

} // namespace zrt
