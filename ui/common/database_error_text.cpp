#include "database_error_text.h"

#include "database/database_error.h"

#include <QCoreApplication>

namespace zrt {

QString databaseErrorText(const DatabaseError& error)
{
    if (error.isLocked())
        return QCoreApplication::translate("zrt::DatabaseErrorText",
                                           "Il database è bloccato da un altro programma: riprovare tra poco.");
    return QCoreApplication::translate("zrt::DatabaseErrorText",
                                       "Il file dei dati non si può aprire, leggere o scrivere, oppure è danneggiato.");
}

} // namespace zrt
