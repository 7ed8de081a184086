#include "database_operation.h"

#include "database_error_text.h"
#include "user_messages.h"
#include "window_log.h"

#include "database/database.h"
#include "database/database_error.h"

namespace zrt {

bool readDatabase(const QString& path, const char* what, const std::function<void(Database&)>& read)
{
    try {
        Database database = Database::open(path, Database::Access::ReadOnly);
        read(database);
        return true;
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << what << "cannot be read:" << error.message();
        return false;
    }
}

bool writeDatabase(const QString& path, const QString& failure, UserMessages& messages, QWidget* parent,
                   const std::function<void(Database&)>& write)
{
    try {
        Database database = Database::open(path);
        write(database);
        return true;
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << failure << error.message();
        messages.warn(parent, failure + QStringLiteral("\n\n") + databaseErrorText(error));
        return false;
    }
}

} // namespace zrt
