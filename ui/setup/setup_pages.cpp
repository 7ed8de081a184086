#include "setup_pages.h"

#include <QCoreApplication>

namespace zrt {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(zrt::SetupPage)
};

} // namespace

QString pageCaption(SetupPage page)
{
    switch (page) {
    case SetupPage::Log: return Texts::tr("Lista Connessioni");
    case SetupPage::Associations: return Texts::tr("Setup Connessioni");
    case SetupPage::Tariffs: return Texts::tr("Setup Tariffe");
    case SetupPage::Statistics: return Texts::tr("Statistiche");
    case SetupPage::Options: return Texts::tr("Opzioni");
    case SetupPage::About: return Texts::tr("Info ZR Tellix 99");
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
