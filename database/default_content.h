#pragma once

#include <QString>

namespace zrt {

class Database;

enum class Content { DefaultTariffs, Empty };

// Creates a new database file: the schema and either the shipped tariffs
// or, for an empty database, only the VAT rate of 20.
void createDatabaseFile(const QString& path, Content content);

} // namespace zrt
