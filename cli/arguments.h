#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace zrt::cli {

// Bad command-line words: the tool prints its usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The words after the command: "--name value" options, "--flag" switches
// and plain positional words, checked against what the command accepts.
class Arguments {
public:
    struct Accepted {
        QStringList options; // take a value
        QStringList flags;   // take none
        int positionals = 0;
    };

    Arguments(const QStringList& words, const Accepted& accepted);

    bool has(const QString& name) const { return values_.contains(name); }
    QString value(const QString& name) const { return values_.value(name); }
    QString required(const QString& name) const;
    int requiredInteger(const QString& name, int minimum, int maximum) const;
    const QStringList& positionals() const { return positionals_; }

private:
    QMap<QString, QString> values_;
    QStringList positionals_;
};

} // namespace zrt::cli
