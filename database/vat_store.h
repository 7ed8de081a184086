#pragma once

namespace zrt {

class Database;

// The VAT rate, a whole percentage kept in the one row of table IVA.
class VatStore {
public:
    explicit VatStore(Database& database) : database_(database) {}

    // The rate of the first row; 0 when the table is empty.
    int read() const;
    // Rewrites the first row (adding it when the table is empty).
    void write(int rate);

private:
    Database& database_;
};

} // namespace zrt
