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
    case SetupPage::About: return Texts::tr("Info ZR Tellix 99");
    }
    return {};
}

} // namespace zrt
