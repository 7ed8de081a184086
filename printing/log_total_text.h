#pragma once

#include "database/connection_log.h"

#include <QString>

namespace zrt {

// What the log page and the printed list show for a cost or a pulse count
// the log does not know.
inline const QString kUnknownFigure = QStringLiteral("—");

// "2 connessioni senza tariffa", or an empty text when every cost is known.
QString unpricedText(const LogTotal& total);

// A period's total as the log page shows it: "1.234", or "1.234 (2
// connessioni senza tariffa)" when some costs are not known.
QString totalText(const LogTotal& total);

} // namespace zrt
