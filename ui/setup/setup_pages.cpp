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

QString guidePageOf(SetupPage page)
{
    switch (page) {
    case SetupPage::Log: return QStringLiteral("log.html");
    case SetupPage::Associations: return QStringLiteral("entries.html");
    case SetupPage::Tariffs: return QStringLiteral("tariffs.html");
    case SetupPage::Options: return QStringLiteral("files.html");
    case SetupPage::Statistics:
    case SetupPage::About: break;
    }
    return QStringLiteral("index.html");
}

} // namespace zrt
