#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zrt {

class Database;
class UserMessages;

// Reads the database file, opened read-only, and closes it again. A
// failure is logged, saying what was being read; false then.
bool readDatabase(const QString& path, const char* what, const std::function<void(Database&)>& read);

// Writes the database file and closes it again. A failure is shown to the
// user as `failure`, in words of the window, followed by what went wrong
// with the file; the detail goes to the log. False then.
bool writeDatabase(const QString& path, const QString& failure, UserMessages& messages, QWidget* parent,
                   const std::function<void(Database&)>& write);

} // namespace zrt
