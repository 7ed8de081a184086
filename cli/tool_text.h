#pragma once

#include <QCoreApplication>

namespace zrt::cli {

// The tool's messages: written in English, translated for Italian users.
struct ToolText {
    Q_DECLARE_TR_FUNCTIONS(zrt::cli::ToolText)
};

} // namespace zrt::cli
