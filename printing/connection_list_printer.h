#pragma once

#include "connection_list_layout.h"
#include "print_destination.h"

class QPrinter;

namespace zrt {

// Prints the log page's list. An empty list prints nothing, not even a
// blank page, and says so.
PrintOutcome printConnectionList(const ConnectionListReport& report, const PrintDestination& destination);

// The document's name for a printer's queue or a PDF file's title.
QString connectionListDocumentName(const ConnectionListReport& report);

// Draws the list on a printer the user chose, as a print preview asks it
// to; false when the printer refused a page.
bool paintConnectionList(QPrinter& printer, const ConnectionListReport& report);

} // namespace zrt
