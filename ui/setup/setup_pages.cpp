#include "setup_pages.h"

namespace zrt {

QString pageCaption(SetupPage page)
{
    switch (page) {
    case SetupPage::Log: return QStringLiteral("Lista Connessioni");
    case SetupPage::Associations: return QStringLiteral("Setup Connessioni");
    case SetupPage::Tariffs: return QStringLiteral("Setup Tariffe");
    case SetupPage::Statistics: return QStringLiteral("Statistiche");
    case SetupPage::Options: return QStringLiteral("Opzioni");
    case SetupPage::About: return QStringLiteral("Info ZR Tellix 99");
    }
    return {};
}

} // namespace zrt
