#include "plugin_path.h"

#include <QCoreApplication>

namespace zrt {

QString pluginPath(const QString& fileName)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/zrtellix/") + fileName;
}

} // namespace zrt
