#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace zrt {

class Database;

// Opens the database file, runs one operation on it and closes it again.
// A failure, in opening or in the operation, comes back as its message.
std::optional<QString> withDatabase(const QString& path, const std::function<void(Database&)>& operation);

} // namespace zrt
