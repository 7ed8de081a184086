#pragma once

#include "connection_list_layout.h"
#include "print_destination.h"

namespace zrt {

// Prints the log page's list. An empty list prints nothing, not even a
// blank page, and says so.
PrintOutcome printConnectionList(const ConnectionListReport& report, const PrintDestination& destination);

} // namespace zrt
