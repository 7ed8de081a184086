#pragma once

#include "engine/time_of_day.h"

#include <QCoreApplication>
#include <QString>

namespace zrt::cli {

// The tool's messages: written in English, translated for Italian users.
struct ToolText {
    Q_DECLARE_TR_FUNCTIONS(zrt::cli::ToolText)
};

// A time of day as the tool prints it: HH:MM:SS.
inline QString timeText(TimeOfDay time)
{
    return QString::fromStdString(formatTimeOfDay(time));
}

} // namespace zrt::cli
