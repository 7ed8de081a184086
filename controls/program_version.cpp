#include "controls/program_version.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace zrt {

QString programVersion()
{
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("%1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

} // namespace zrt
