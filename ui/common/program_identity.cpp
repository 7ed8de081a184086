#include "program_identity.h"

#include <QCoreApplication>

namespace zrt {

QString versionCaption(const QVersionNumber& version)
{
    return QStringLiteral("Ver. 1.") + QString::number(version.microVersion());
}

QString versionCaption()
{
    return versionCaption(QVersionNumber::fromString(QCoreApplication::applicationVersion()));
}

} // namespace zrt
