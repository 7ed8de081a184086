#include "tariff_draft.h"

#include <cmath>
#include <limits>

namespace zrt {

namespace {

constexpr TimeOfDay kEndOfDay{kSecondsPerDay};
constexpr std::array kDayTypes{DayType::Fer, DayType::Pre, DayType::Fes};

double numberOrNaN(const std::optional<double>& number)
{
    return number.value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace

TariffDraft TariffDraft::of(const TariffaInfo& info, const Tariff& tariff)
{
    TariffDraft draft;
    draft.compagnia = {info.idCompagnia, info.compagnia, info.tipotariffazione};
    draft.descrizione = info.descrizione;
    const bool pulse = tariff.metering() == Metering::Pulse;
    if (!pulse && !tariff.fasce.empty())
        draft.reductionMinute = int(std::lround(tariff.fasce.front().durata));
    for (const Band& band : tariff.fasce) {
        draft.bands(band.tipo).append({band.inizio, band.fine, pulse ? std::optional(band.durata) : std::nullopt,
                                       band.costo, band.costoAllaRisposta,
                                       pulse ? std::nullopt : band.secondoCosto});
    }
    return draft;
}

Metering TariffDraft::metering() const
{
    return meteringOf(compagnia.tipotariffazione.toStdString());
}

QList<BandDraft>& TariffDraft::bands(DayType tipo)
{
    return fasce.at(std::size_t(tipo));
}

const QList<BandDraft>& TariffDraft::bands(DayType tipo) const
{
    return fasce.at(std::size_t(tipo));
}

BandDraft TariffDraft::nextBand(DayType tipo) const
{
    const QList<BandDraft>& rows = bands(tipo);
    BandDraft next;
    if (!rows.isEmpty()) {
        if (rows.back().fine < kEndOfDay)
            next.inizio = rows.back().fine;
        if (metering() == Metering::Pulse)
            next.durata = rows.back().durata;
    }
    for (const BandDraft& row : rows) {
        if (row.inizio > next.inizio && row.inizio < next.fine)
            next.fine = row.inizio;
    }
    return next;
}

std::vector<TariffProblem> TariffDraft::problems() const
{
    return checkTariff(asTariff());
}

std::vector<TariffProblem> TariffDraft::problems(DayType tipo) const
{
    std::vector<TariffProblem> found = problems();
    std::erase_if(found, [tipo](const TariffProblem& problem) { return problem.dayType != tipo; });
    return found;
}

EditedTariff TariffDraft::edited() const
{
    EditedTariff result{compagnia, descrizione.trimmed(), {}};
    for (const Band& band : asTariff().fasce)
        result.fasce.append(band);
    return result;
}

Tariff TariffDraft::asTariff() const
{
    Tariff tariff{compagnia.nome.toStdString(), compagnia.tipotariffazione.toStdString(), {}};
    for (const DayType tipo : kDayTypes) {
        for (const BandDraft& draft : bands(tipo))
            tariff.fasce.push_back(band(draft, tipo));
    }
    return tariff;
}

Band TariffDraft::band(const BandDraft& draft, DayType tipo) const
{
    const bool pulse = metering() == Metering::Pulse;
    return {tipo,
            draft.inizio,
            draft.fine,
            pulse ? numberOrNaN(draft.durata) : double(reductionMinute),
            numberOrNaN(draft.costo),
            numberOrNaN(draft.costoAllaRisposta),
            pulse ? std::nullopt : draft.secondoCosto};
}

} // namespace zrt
