#pragma once

#include <QString>

namespace zrt {

// The running program's version as major "." minor "." revision.
QString programVersion();

} // namespace zrt
