#include "setup_pages.h"

#include <QApplication>
#include <QStyle>

namespace zrt {

namespace {

constexpr int kIconSize = 16;

QPixmap standardPixmap(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which).pixmap(kIconSize);
}

} // namespace

QString pageCaption(SetupPage page)
{
    switch (page) {
    case SetupPage::Log: return QStringLiteral("Lista Connessioni");
    case SetupPage::Associations: return QStringLiteral("Setup Connessioni");
    case SetupPage::Tariffs: return QStringLiteral("Setup Tariffe");
    case SetupPage::Statistics: return QStringLiteral("Statistiche");
    case SetupPage::Info: return QStringLiteral("Info ZR Tellix 99");
    }
    return {};
}

QPixmap pageIcon(SetupPage page)
{
    switch (page) {
    case SetupPage::Log: return standardPixmap(QStyle::SP_FileDialogDetailedView);
    case SetupPage::Associations: return standardPixmap(QStyle::SP_DriveNetIcon);
    case SetupPage::Tariffs: return standardPixmap(QStyle::SP_FileDialogContentsView);
    case SetupPage::Statistics: return {};
    case SetupPage::Info: return standardPixmap(QStyle::SP_MessageBoxInformation);
    }
    return {};
}

} // namespace zrt
