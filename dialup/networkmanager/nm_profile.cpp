#include "nm_profile.h"

#include "nm_names.h"

#include <QStringList>

namespace zrt {

NmProfile profileFromSettings(const NmSettings& settings)
{
    const QVariantMap connection = settings.value(QStringLiteral("connection"));
    return {connection.value(QStringLiteral("id")).toString(),
            connection.value(QStringLiteral("type")).toString(),
            connection.value(QStringLiteral("metered")).toInt()};
}

bool isMeteredLink(const NmProfile& profile)
{
    static const QStringList meteredTypes = {
        QStringLiteral("gsm"),       QStringLiteral("cdma"), QStringLiteral("pppoe"),
        QStringLiteral("bluetooth"), QStringLiteral("adsl"),
    };
    return meteredTypes.contains(profile.type) || profile.metered == nm::kMeteredYes;
}

} // namespace zrt
