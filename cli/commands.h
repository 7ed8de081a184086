#pragma once

#include "console.h"

#include <QStringList>

namespace zrt::cli {

// Each command takes the words after its name and returns the exit status.
int runInit(const QStringList& words, Console& console);
int runDayType(const QStringList& words, Console& console);
int runBand(const QStringList& words, Console& console);
int runCost(const QStringList& words, Console& console);
int runTariffs(const QStringList& words, Console& console);
int runCheck(const QStringList& words, Console& console);
int runLog(const QStringList& words, Console& console);
int runStats(const QStringList& words, Console& console);
int runReprice(const QStringList& words, Console& console);
int runStatus(const QStringList& words, Console& console);
int runLimit(const QStringList& words, Console& console);
int runPrint(const QStringList& words, Console& console);
int runExportUpdate(const QStringList& words, Console& console);

} // namespace zrt::cli
