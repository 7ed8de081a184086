#include "problem_text.h"

#include "band_cells.h"

#include "engine/time_of_day.h"

#include <cmath>

namespace zrt {

namespace {

QString timeText(TimeOfDay time)
{
    return QString::fromStdString(formatTimeOfDay(time));
}

QString spanText(const TariffProblem& problem)
{
    return timeText(problem.from) + QStringLiteral("–") + timeText(problem.to);
}

} // namespace

QString ProblemText::line(const TariffProblem& problem)
{
    switch (problem.kind) {
    case TariffProblemKind::BandBackwards:
        return problem.from == problem.to ? tr("La fascia %1 non dura nulla").arg(spanText(problem))
                                          : tr("La fascia %1 finisce prima di iniziare").arg(spanText(problem));
    case TariffProblemKind::Gap:
    case TariffProblemKind::MissingDayType:
        return tr("Manca la fascia dalle %1 alle %2").arg(timeText(problem.from), timeText(problem.to));
    case TariffProblemKind::Overlap:
        return tr("Le fasce si sovrappongono dalle %1 alle %2").arg(timeText(problem.from), timeText(problem.to));
    default: return numberLine(problem);
    }
}

QString ProblemText::lineWithDayType(const TariffProblem& problem)
{
    switch (problem.dayType) {
    case DayType::Fer: return tr("Feriali: %1").arg(line(problem));
    case DayType::Pre: return tr("Prefestivi: %1").arg(line(problem));
    case DayType::Fes: return tr("Festivi: %1").arg(line(problem));
    }
    return line(problem);
}

QStringList ProblemText::lines(const std::vector<TariffProblem>& problems)
{
    QStringList result;
    for (const TariffProblem& problem : problems)
        result.append(line(problem));
    return result;
}

QStringList ProblemText::linesWithDayType(const std::vector<TariffProblem>& problems)
{
    QStringList result;
    for (const TariffProblem& problem : problems)
        result.append(lineWithDayType(problem));
    return result;
}

// An empty cell reaches the check as NaN: the number is missing.
QString ProblemText::numberLine(const TariffProblem& problem)
{
    const StoredNumber meaning = numberOf(problem.kind);
    const double value = problem.value.value_or(std::nan(""));
    const QString band = spanText(problem);
    if (std::isnan(value)) {
        switch (meaning) {
        case StoredNumber::PulseLength: return tr("Manca la durata dello scatto nella fascia %1").arg(band);
        case StoredNumber::AnswerCharge: return tr("Manca il costo alla risposta nella fascia %1").arg(band);
        default: return tr("Manca il costo nella fascia %1").arg(band);
        }
    }
    const QString shown = amountText(value);
    const QString bound = boundText(meaning, value);
    switch (meaning) {
    case StoredNumber::PulseLength:
        return tr("Durata dello scatto non valida: %1 (%2) nella fascia %3").arg(shown, bound, band);
    case StoredNumber::ReductionMinute:
        return tr("Minuto di riduzione non valido: %1 (%2) nella fascia %3").arg(shown, bound, band);
    case StoredNumber::AnswerCharge:
        return tr("Costo alla risposta non valido: %1 (%2) nella fascia %3").arg(shown, bound, band);
    case StoredNumber::SecondPrice:
        return tr("Costo dopo il minuto di riduzione non valido: %1 (%2) nella fascia %3").arg(shown, bound, band);
    default: return tr("Costo non valido: %1 (%2) nella fascia %3").arg(shown, bound, band);
    }
}

// "almeno 1 secondo", "al massimo 10.000.000 Lire", "un minuto intero".
QString ProblemText::boundText(StoredNumber meaning, double value)
{
    const NumberBounds bounds = boundsOf(meaning);
    const bool tooLow = value < bounds.lowest;
    const double limit = tooLow ? bounds.lowest : bounds.highest;
    const QString limitText = amountText(limit);
    switch (meaning) {
    case StoredNumber::PulseLength:
        return tooLow ? tr("almeno %n secondo", nullptr, int(limit)) : tr("al massimo %1 secondi").arg(limitText);
    case StoredNumber::ReductionMinute:
        if (value >= bounds.lowest && value <= bounds.highest)
            return tr("un minuto intero");
        return tooLow ? tr("almeno %1").arg(limitText) : tr("al massimo %1").arg(limitText);
    default: return tooLow ? tr("almeno %1 Lire").arg(limitText) : tr("al massimo %1 Lire").arg(limitText);
    }
}

} // namespace zrt
