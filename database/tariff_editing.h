#pragma once

#include "database_error.h"
#include "tariff_store.h"

#include "engine/tariff.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zrt {

class Database;

// The tariff every new dial-up entry gets; it cannot be deleted.
inline constexpr int kDefaultTariff = 1;

// A tariff as the editor writes it, whole: its company, its description
// and the bands of every day type.
struct EditedTariff {
    Compagnia compagnia; // id 0: a new company, written with the tariff
    QString descrizione;
    QList<Band> fasce;
};

// A write refused because the name is already there: a company of the
// same name, or a tariff of the same company with the same description.
class NameTaken : public DatabaseError {
public:
    enum class Kind { Company, Description };

    NameTaken(Kind kind, const QString& name);

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

struct TariffDeletion {
    enum class Outcome {
        Deleted,
        DeletedWithCompany, // it was the company's last tariff
        DefaultTariff,      // refused: tariff 1 stays
        InUse,              // refused: dial-up entries use it
        Missing,
    };

    Outcome outcome = Outcome::Missing;
    QStringList entries; // the entries using it, when InUse
};

// The tariff editor's writes. Each is one short transaction, so the
// meter's writes never wait long; a refused or failed write changes
// nothing. Names are compared as isSameName() does.
class TariffEditing {
public:
    explicit TariffEditing(Database& database) : database_(database) {}

    // Writes a new tariff, and its new company if it has one; returns the
    // tariff's key. Throws NameTaken, or DatabaseError when the company
    // is no longer there.
    int createTariff(const EditedTariff& tariff);

    // Gives an existing tariff the description and bands; its key, and so
    // the entries using it, stay, and so does its company. Throws NameTaken,
    // or DatabaseError when the tariff no longer exists.
    void replaceTariff(int idTariffa, const EditedTariff& tariff);

    // Why the tariff cannot be deleted now, if it cannot: it is the default
    // tariff, entries use it, or it is gone.
    std::optional<TariffDeletion> deletionRefusal(int idTariffa) const;

    // Deletes a tariff with its bands, and its company when no tariff of
    // it is left, unless deletionRefusal() gives a reason not to. The
    // connection log keeps the company names it stored.
    TariffDeletion deleteTariff(int idTariffa);

private:
    int addCompany(const Compagnia& compagnia);
    void refuseTakenDescription(int idCompagnia, const QString& descrizione, int idTariffa = 0);
    void insertBands(int idCompagnia, int idTariffa, const QList<Band>& fasce);
    QStringList entriesUsing(int idTariffa) const;

    Database& database_;
};

} // namespace zrt
