#pragma once

#include "engine/tariff_check.h"
#include "engine/value_bounds.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace zrt {

// The problems of a tariff as the windows word them, one short line each:
// "Manca la fascia dalle 10:00:00 alle 13:00:00".
class ProblemText {
    Q_DECLARE_TR_FUNCTIONS(zrt::ProblemText)

public:
    static QString line(const TariffProblem& problem);
    // The line after the day type it belongs to: "Feriali: ...".
    static QString lineWithDayType(const TariffProblem& problem);

    static QStringList lines(const std::vector<TariffProblem>& problems);
    static QStringList linesWithDayType(const std::vector<TariffProblem>& problems);

private:
    static QString numberLine(const TariffProblem& problem);
    static QString boundText(StoredNumber meaning, double value);
};

} // namespace zrt
