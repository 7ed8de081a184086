#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace zrt::app {

struct Options {
    bool help = false;
    bool headless = false;
    QString dialUpKind;
    QString dataDir; // empty: the usual data folder
};

struct OptionsError {
    QString message;
};

// The whole command line, the program's name first.
std::variant<Options, OptionsError> parseOptions(const QStringList& commandLine);

extern const char kUsage[];

} // namespace zrt::app
