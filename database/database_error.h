#pragma once

#include <QString>

#include <stdexcept>

namespace zrt {

// A database operation that could not be carried out. The message names
// the file and the problem in words a user can act on.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace zrt
