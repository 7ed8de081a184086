#pragma once

#include <QString>

#include <stdexcept>

namespace zrt {

// A database operation that could not be carried out. The message names
// the file and the problem in words a user can act on.
class DatabaseError : public std::runtime_error {
public:
    enum class Cause { Other, Locked };

    explicit DatabaseError(const QString& message, Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString()), message_(message), cause_(cause) {}

    const QString& message() const { return message_; }
    // Another program holds the file locked: trying again later may work.
    bool isLocked() const { return cause_ == Cause::Locked; }

private:
    QString message_;
    Cause cause_;
};

} // namespace zrt
