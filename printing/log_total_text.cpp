#include "log_total_text.h"

#include "engine/italian_number.h"

#include <QCoreApplication>

namespace zrt {

QString unpricedText(const LogTotal& total)
{
    if (total.unpriced == 0)
        return {};
    if (total.unpriced == 1)
        return QCoreApplication::translate("zrt::LogTotal", "1 connessione senza tariffa");
    return QCoreApplication::translate("zrt::LogTotal", "%1 connessioni senza tariffa").arg(total.unpriced);
}

QString totalText(const LogTotal& total)
{
    const QString lire = QString::fromStdString(formatItalian(static_cast<double>(total.lire), pattern::kLire));
    return total.unpriced == 0 ? lire : QStringLiteral("%1 (%2)").arg(lire, unpricedText(total));
}

} // namespace zrt
