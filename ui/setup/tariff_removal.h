#pragma once

#include "database/tariff_editing.h"
#include "database/tariff_store.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace zrt {

class UserMessages;

// Deleting the tariff the user chose: the user is asked first, and told
// why when it cannot go (the default tariff, or one dial-up entries use).
class TariffRemoval {
    Q_DECLARE_TR_FUNCTIONS(zrt::TariffRemoval)

public:
    TariffRemoval(QString databasePath, UserMessages& messages, QWidget* parent);

    // `lastOfCompany`: the company goes with it, which the question says.
    void run(const TariffaInfo& tariffa, bool lastOfCompany);

private:
    std::optional<TariffDeletion> refusalOf(int idTariffa) const;
    bool confirmed(const TariffaInfo& tariffa, bool lastOfCompany);
    void explain(const TariffaInfo& tariffa, const TariffDeletion& refusal);

    QString databasePath_;
    UserMessages& messages_;
    QWidget* parent_;
};

} // namespace zrt
