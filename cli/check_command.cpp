#include "arguments.h"
#include "commands.h"
#include "database_access.h"
#include "tool_text.h"

#include "database/database_error.h"
#include "database/tariff_store.h"
#include "engine/tariff_check.h"
#include "engine/value_bounds.h"

namespace zrt::cli {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 15);
}

QString dayName(DayType tipo)
{
    switch (tipo) {
    case DayType::Fer: return ToolText::tr("weekday (FER)");
    case DayType::Pre: return ToolText::tr("Saturday (PRE)");
    case DayType::Fes: return ToolText::tr("holiday (FES)");
    }
    return {};
}

struct NumberWords {
    const char* name;
    const char* unit;
};

NumberWords wordsFor(TariffProblemKind kind)
{
    switch (kind) {
    case TariffProblemKind::PulseLengthOutOfBounds:
        return {QT_TRANSLATE_NOOP("zrt::cli::ToolText", "a pulse length"), " s"};
    case TariffProblemKind::ReductionMinuteOutOfBounds:
        return {QT_TRANSLATE_NOOP("zrt::cli::ToolText", "a reduction minute"), ""};
    case TariffProblemKind::AnswerChargeOutOfBounds:
        return {QT_TRANSLATE_NOOP("zrt::cli::ToolText", "an answer charge"), " lire"};
    case TariffProblemKind::SecondPriceOutOfBounds:
        return {QT_TRANSLATE_NOOP("zrt::cli::ToolText", "a second price"), " lire"};
    default: return {QT_TRANSLATE_NOOP("zrt::cli::ToolText", "a price"), " lire"};
    }
}

// "the weekday (FER) band 08:00:00-24:00:00 has a pulse length of 0 s
// (allowed: 1 to 86400)"
QString numberProblem(const TariffProblem& problem, const QString& band)
{
    const NumberWords words = wordsFor(problem.kind);
    const NumberBounds bounds = boundsOf(numberOf(problem.kind));
    return ToolText::tr("%1 has %2 of %3%4 (allowed: %5%6 to %7)")
        .arg(band, ToolText::tr(words.name), number(problem.value.value_or(0)), QLatin1String(words.unit),
             bounds.whole ? ToolText::tr("whole numbers ") : QString(), number(bounds.lowest),
             number(bounds.highest));
}

QString problemText(const TariffProblem& problem)
{
    const QString day = dayName(problem.dayType);
    const QString from = timeText(problem.from);
    const QString to = timeText(problem.to);
    const QString band = ToolText::tr("the %1 band %2-%3").arg(day, from, to);
    switch (problem.kind) {
    case TariffProblemKind::BandBackwards:
        return problem.from == problem.to ? ToolText::tr("%1 is empty").arg(band)
                                          : ToolText::tr("%1 ends before it starts").arg(band);
    case TariffProblemKind::Gap:
    case TariffProblemKind::MissingDayType: return ToolText::tr("no %1 band from %2 to %3").arg(day, from, to);
    case TariffProblemKind::Overlap: return ToolText::tr("%1 bands overlap from %2 to %3").arg(day, from, to);
    default: return numberProblem(problem, band);
    }
}

// The problems of one tariff; a tariff whose bands cannot be read is one.
QStringList problemsOf(const TariffStore& store, int idTariffa)
{
    QStringList lines;
    try {
        if (const std::optional<Tariff> tariff = store.tariff(idTariffa)) {
            for (const TariffProblem& problem : checkTariff(*tariff))
                lines.append(problemText(problem));
        }
    } catch (const DatabaseError& error) {
        lines.append(ToolText::tr("its bands cannot be read: %1").arg(error.message()));
    }
    return lines;
}

} // namespace

int runCheck(const QStringList& words, Console& console)
{
    const Arguments arguments(words, {{QStringLiteral("db")}, {}, 0});
    Database database = openExisting(databasePath(arguments));
    const TariffStore store(database);
    bool sound = true;
    for (const TariffaInfo& tariffa : store.tariffs()) {
        for (const QString& problem : problemsOf(store, tariffa.id)) {
            console.out << tariffa.compagnia << " / " << tariffa.descrizione << ": " << problem << '\n';
            sound = false;
        }
    }
    return sound ? 0 : 1;
}

} // namespace zrt::cli
