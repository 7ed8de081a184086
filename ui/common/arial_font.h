#pragma once

#include <QFont>
#include <QString>

namespace zrt {

// The windows' lettering: Arial, where the desktop has it, or the nearest
// sans-serif face fontconfig offers.
inline QFont arialFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

} // namespace zrt
