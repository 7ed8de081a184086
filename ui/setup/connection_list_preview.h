#pragma once

#include "printing/connection_list_layout.h"

class QPrintPreviewDialog;
class QWidget;

namespace zrt {

// The list in Qt's print preview, whose print button leads to the usual
// print dialog: a printer or a PDF file. With no printer on the system the
// preview starts on a PDF file in the user's documents folder.
QPrintPreviewDialog* makeConnectionListPreview(const ConnectionListReport& report, QWidget* parent);

} // namespace zrt
