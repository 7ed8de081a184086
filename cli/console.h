#pragma once

#include <QTextStream>

namespace zrt::cli {

// Where a command writes: its results and its complaints.
struct Console {
    QTextStream& out;
    QTextStream& err;
};

} // namespace zrt::cli
