#include "controls/classic_palette.h"

#include <QPalette>

namespace zrt {

QPalette classicPalette()
{
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor grey(0x80, 0x80, 0x80);
    QPalette palette(Qt::black, silver, Qt::white, grey, QColor(0xA0, 0xA0, 0xA0), Qt::black,
                     Qt::white, Qt::white, silver);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, grey);
    return palette;
}

} // namespace zrt
