#pragma once

#include "engine/day_type.h"
#include "engine/tariff.h"

#include <QList>
#include <QString>

#include <optional>

namespace zrt {

class Database;

struct Compagnia {
    int id = 0;
    QString nome;
    QString tipotariffazione;
};

// A tariff with its company, as the lists for choosing show it.
struct TariffaInfo {
    int id = 0;
    int idCompagnia = 0;
    QString descrizione;
    QString compagnia;
    QString tipotariffazione;
};

// Whether two company names, or two descriptions, name the same thing:
// equal once trimmed, letter case ignored.
bool isSameName(const QString& a, const QString& b);

struct Fascia {
    int id = 0;
    int idCompagnia = 0;
    int idTariffa = 0;
    Band band;
};

// Companies, tariffs and their bands. Every write runs in its own
// transaction; new keys are read before the row is committed.
class TariffStore {
public:
    explicit TariffStore(Database& database) : database_(database) {}

    QList<Compagnia> companies() const;
    std::optional<Compagnia> company(int idCompagnia) const;
    // The company of that name, if any (see isSameName()).
    std::optional<Compagnia> companyNamed(const QString& nome) const;
    int addCompany(const QString& nome, const QString& tipotariffazione);
    void updateCompany(const Compagnia& compagnia);

    QList<TariffaInfo> tariffs() const;
    std::optional<TariffaInfo> tariffInfo(int idTariffa) const;
    // The key of the company's tariff with that description, if any.
    std::optional<int> tariffNamed(int idCompagnia, const QString& descrizione) const;
    int addTariff(int idCompagnia, const QString& descrizione);

    // The bands of a tariff for one day type, ordered by start.
    QList<Fascia> bands(int idTariffa, DayType tipo) const;
    int addBand(int idCompagnia, int idTariffa, const Band& band);

    // The tariff with its company and every band, for pricing.
    std::optional<Tariff> tariff(int idTariffa) const;

private:
    Database& database_;
};

} // namespace zrt
