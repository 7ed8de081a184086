#include "statement_budget.h"

#include "database_error.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace zrt {

namespace {

// How many virtual machine instructions run between two looks at the clock.
constexpr int kInstructionsPerCheck = 1000;

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

sqlite3* sqliteHandle(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

StatementBudget::StatementBudget(const QSqlDatabase& connection, std::chrono::milliseconds budget, Clock clock)
    : handle_(sqliteHandle(connection)), budget_(budget), clock_(clock ? std::move(clock) : Clock(steadyNow))
{
    if (!handle_)
        throw DatabaseError(QStringLiteral("%1: the statements on this file cannot be given a time limit")
                                .arg(connection.databaseName()));
    restart();
    sqlite3_progress_handler(handle_, kInstructionsPerCheck, &StatementBudget::onProgress, this);
}

StatementBudget::~StatementBudget()
{
    sqlite3_progress_handler(handle_, 0, nullptr, nullptr);
}

void StatementBudget::restart()
{
    started_ = clock_();
}

int StatementBudget::onProgress(void* budget)
{
    const auto* self = static_cast<const StatementBudget*>(budget);
    return self->clock_() - self->started_ > self->budget_ ? 1 : 0;
}

} // namespace zrt
