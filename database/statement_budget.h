#pragma once

#include <chrono>
#include <functional>

class QSqlDatabase;
struct sqlite3;

namespace zrt {

// Bounds the time each statement on a connection may run: SQLite's progress
// handler interrupts a statement that runs past its budget, and the
// statement fails with SQLITE_INTERRUPT. A file the program did not write
// may hold anything, an endless recursive query included; this keeps it
// from keeping the program busy.
class StatementBudget {
public:
    // A monotonic clock; the steady clock unless a test gives its own.
    using Clock = std::function<std::chrono::milliseconds()>;

    StatementBudget(const QSqlDatabase& connection, std::chrono::milliseconds budget, Clock clock = {});
    StatementBudget(const StatementBudget&) = delete;
    StatementBudget& operator=(const StatementBudget&) = delete;
    ~StatementBudget();

    // A statement begins: its budget starts now.
    void restart();

private:
    static int onProgress(void* budget);

    sqlite3* handle_ = nullptr;
    std::chrono::milliseconds budget_;
    Clock clock_;
    std::chrono::milliseconds started_{0};
};

} // namespace zrt
