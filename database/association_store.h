#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zrt {

class Database;

struct Associazione {
    QString connessione;
    int idTariffa = 0;
};

// Which tariff applies to which dial-up entry: at most one row per name.
class AssociationStore {
public:
    explicit AssociationStore(Database& database) : database_(database) {}

    QList<Associazione> all() const;

    // The association of an entry: the exact name first, else the first
    // whose name differs only in letter case.
    std::optional<Associazione> find(const QString& connessione) const;

    // Creates or changes the association of an entry.
    void associate(const QString& connessione, int idTariffa);

    // Gives every listed entry without an association the default tariff;
    // returns how many were added.
    int ensureAssociated(const QStringList& entries, int idTariffa = 1);

private:
    Database& database_;
};

} // namespace zrt
