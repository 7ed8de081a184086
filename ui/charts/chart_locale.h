#pragma once

#include <QLocale>

namespace zrt {

// The charts write month names and numbers the Italian way, whatever the
// desktop's language.
inline QLocale chartLocale()
{
    return QLocale(QLocale::Italian);
}

} // namespace zrt
