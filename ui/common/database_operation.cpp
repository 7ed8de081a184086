#include "database_operation.h"

#include "database/database.h"
#include "database/database_error.h"

namespace zrt {

std::optional<QString> withDatabase(const QString& path, const std::function<void(Database&)>& operation)
{
    try {
        Database database = Database::open(path);
        operation(database);
        return std::nullopt;
    } catch (const DatabaseError& error) {
        return error.message();
    }
}

} // namespace zrt
