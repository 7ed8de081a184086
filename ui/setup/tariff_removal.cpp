#include "tariff_removal.h"

#include "ui/common/user_messages.h"
#include "ui/common/window_log.h"

#include "database/database.h"

namespace zrt {

TariffRemoval::TariffRemoval(QString databasePath, UserMessages& messages, QWidget* parent)
    : databasePath_(std::move(databasePath)), messages_(messages), parent_(parent)
{
}

void TariffRemoval::run(const TariffaInfo& tariffa, bool lastOfCompany)
{
    try {
        if (const std::optional<TariffDeletion> refusal = refusalOf(tariffa.id)) {
            explain(tariffa, *refusal);
            return;
        }
        if (!confirmed(tariffa, lastOfCompany))
            return;
        Database database = Database::open(databasePath_);
        const TariffDeletion deletion = TariffEditing(database).deleteTariff(tariffa.id);
        explain(tariffa, deletion);
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The tariff could not be deleted:" << error.message();
        messages_.warn(parent_, tr("La tariffa non è stata eliminata: non è possibile scrivere nel file dei dati."));
    }
}

// Asked before the question, so that the user is not asked for nothing.
std::optional<TariffDeletion> TariffRemoval::refusalOf(int idTariffa) const
{
    Database database = Database::open(databasePath_, Database::Access::ReadOnly);
    return TariffEditing(database).deletionRefusal(idTariffa);
}

bool TariffRemoval::confirmed(const TariffaInfo& tariffa, bool lastOfCompany)
{
    QString question = tr("Eliminare la tariffa \"%1\" di %2?").arg(tariffa.descrizione, tariffa.compagnia);
    if (lastOfCompany)
        question += QLatin1Char('\n') + tr("La compagnia %1 non ha altre tariffe e sarà eliminata con essa.")
                                            .arg(tariffa.compagnia);
    return messages_.ask(parent_, tr("Elimina tariffa"), question);
}

void TariffRemoval::explain(const TariffaInfo& tariffa, const TariffDeletion& refusal)
{
    switch (refusal.outcome) {
    case TariffDeletion::Outcome::DefaultTariff:
        messages_.warn(parent_, tr("La tariffa \"%1\" non si può eliminare: è quella che riceve ogni nuova "
                                   "connessione.")
                                    .arg(tariffa.descrizione));
        break;
    case TariffDeletion::Outcome::InUse:
        messages_.warn(parent_, tr("La tariffa \"%1\" non si può eliminare finché queste connessioni la usano:\n%2")
                                    .arg(tariffa.descrizione, refusal.entries.join(QLatin1Char('\n'))));
        break;
    case TariffDeletion::Outcome::Missing:
    case TariffDeletion::Outcome::Deleted:
    case TariffDeletion::Outcome::DeletedWithCompany: break;
    }
}

} // namespace zrt
