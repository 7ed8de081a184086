#include "tariff_update_offer.h"

#include "ui/common/database_error_text.h"
#include "ui/common/settings.h"
#include "ui/common/user_messages.h"
#include "ui/common/window_log.h"

#include "database/database_error.h"
#include "database/tariff_update.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

namespace zrt {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(zrt::TariffUpdateOffer)
};

// Tells one unusable update file from another, so each is reported once.
// A file that cannot be read at all is known by its path.
QString updateFileDigest(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    else
        hash.addData(path.toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

bool isUsable(const PendingUpdate& update, Settings& settings, UserMessages& messages)
{
    try {
        checkUpdateFile(update.updatePath);
        return true;
    } catch (const DatabaseError& error) {
        const QString digest = updateFileDigest(update.updatePath);
        if (settings.rejectedUpdate() == digest) {
            qCInfo(uiLog) << "the tariff update is still unusable:" << error.message();
            return false;
        }
        settings.setRejectedUpdate(digest);
        qCWarning(uiLog).noquote() << "The tariff update is unusable:" << error.message();
        messages.warn(nullptr, Texts::tr("Le nuove tariffe non possono essere inserite: il file di aggiornamento "
                                  "non è utilizzabile."));
        return false;
    }
}

void removeMarker(const QString& markerPath, UserMessages& messages)
{
    if (QFile::remove(markerPath) || !QFile::exists(markerPath))
        return;
    messages.warn(nullptr, Texts::tr("Le nuove tariffe sono state inserite, ma il file %1 non può essere eliminato. "
                                "Eliminarlo a mano, altrimenti l'aggiornamento verrà proposto di nuovo.")
                     .arg(markerPath));
}

} // namespace

UpdateOutcome offerTariffUpdate(Database& database, const QString& dataFolder, Settings& settings,
                                UserMessages& messages)
{
    const std::optional<PendingUpdate> update = findPendingUpdate(dataFolder);
    if (!update)
        return UpdateOutcome::NotOffered;
    if (!isUsable(*update, settings, messages))
        return UpdateOutcome::Unusable;
    if (!messages.ask(nullptr, Texts::tr("Attenzione"),
                      Texts::tr("Sono state trovate delle nuove tariffe da inserire nel database, procedere "
                         "all'aggiornamento automatico?")))
        return UpdateOutcome::Declined;
    try {
        applyUpdate(database, update->updatePath);
    } catch (const DatabaseError& error) {
        qCWarning(uiLog).noquote() << "The tariff update failed:" << error.message();
        messages.warn(nullptr, Texts::tr("L'aggiornamento delle tariffe non è riuscito e il database è rimasto com'era. "
                                  "Verrà proposto di nuovo al prossimo avvio.\n\n%1")
                                   .arg(databaseErrorText(error)));
        return UpdateOutcome::Failed;
    }
    removeMarker(update->markerPath, messages);
    return UpdateOutcome::Applied;
}

} // namespace zrt
