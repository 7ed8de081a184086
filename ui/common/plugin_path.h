#pragma once

#include <QString>

namespace zrt {

// Where the program's plug-in `fileName` is, as built and as installed:
// lib/zrtellix beside the program's bin folder.
QString pluginPath(const QString& fileName);

} // namespace zrt
